#pragma once

#include <QObject>
#include <QUuid>
#include <QtQml/qqmlregistration.h>

// A language switch: the same machinery as the tense switches, stored under
// "miscSettingsDictionary". The app creates none today.
class LanguageSetting : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Language switches are shared by the verb dictionary")
    Q_PROPERTY(QString settingName READ settingName CONSTANT)
    Q_PROPERTY(bool status READ status WRITE setStatus NOTIFY statusChanged)

public:
    LanguageSetting(QString settingName, bool status, QObject *parent = nullptr);

    [[nodiscard]] const QUuid &id() const { return id_; }
    [[nodiscard]] const QString &settingName() const { return settingName_; }
    [[nodiscard]] bool status() const { return status_; }
    void setStatus(bool status);

signals:
    void statusChanged();
    // A change the app stores under the setting's name.
    void statusAssigned(const QString &settingName, bool status);

private:
    QUuid id_ = QUuid::createUuid();
    QString settingName_;
    bool status_;
};
