#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

// One tense switch. Every assignment of status is announced (statusAssigned), and the app stores it
// at once under the tense's name.
class TenseSetting : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Tense switches are shared by the verb dictionary")
    Q_PROPERTY(QString tenseName READ tenseName CONSTANT)
    Q_PROPERTY(bool status READ status WRITE setStatus NOTIFY statusChanged)

public:
    TenseSetting(QString tenseName, bool status, QObject *parent = nullptr);

    [[nodiscard]] const QString &tenseName() const { return tenseName_; }
    [[nodiscard]] bool status() const { return status_; }
    void setStatus(bool status);

signals:
    void statusChanged();
    void statusAssigned(const QString &tenseName, bool status);

private:
    QString tenseName_;
    bool status_;
};
