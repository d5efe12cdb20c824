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
    Q_PROPERTY(QString italianName READ italianName CONSTANT)
    Q_PROPERTY(QString englishName READ englishName CONSTANT)

public:
    TenseSetting(QString tenseName, bool status, QObject *parent = nullptr);

    [[nodiscard]] const QString &tenseName() const { return tenseName_; }
    [[nodiscard]] bool status() const { return status_; }
    void setStatus(bool status);
    // What the settings screen shows: the tense's Italian and English names.
    [[nodiscard]] const QString &italianName() const { return italianName_; }
    [[nodiscard]] const QString &englishName() const { return englishName_; }
    void setNames(QString italian, QString english);

signals:
    void statusChanged();
    void statusAssigned(const QString &tenseName, bool status);

private:
    QString tenseName_;
    bool status_;
    QString italianName_;
    QString englishName_;
};
