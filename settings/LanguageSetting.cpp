#include "settings/LanguageSetting.h"

#include "platform/Logging.h"

#include <QStringList>

LanguageSetting::LanguageSetting(QString settingName, bool status, QObject *parent)
    : QObject(parent)
    , settingName_(std::move(settingName))
    , status_(status)
{}

void LanguageSetting::setStatus(bool status)
{
    if (status_ == status)
        return;
    status_ = status;
    emit statusChanged();
    qCDebug(lcSettings).noquote() << u"LanguageSetting >> status didSet to " + Logging::boolText(status_);
    emit statusAssigned(settingName_, status_);
}
