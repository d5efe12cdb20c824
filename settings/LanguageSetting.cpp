#include "settings/LanguageSetting.h"

#include "platform/Logging.h"
#include "progress/ProgressManager.h"
#include "progress/StoredMaps.h"

#include <QStringList>

LanguageSetting::LanguageSetting(QString settingName, bool status, QObject *parent)
    : QObject(parent), settingName_(std::move(settingName)), status_(status)
{
}

void LanguageSetting::setStatus(bool status)
{
    if (status_ == status)
        return;
    status_ = status;
    emit statusChanged();
    statusDidChange();
}

void LanguageSetting::statusDidChange()
{
    qCDebug(lcSettings).noquote() << u"LanguageSetting >> status didSet to " + Logging::boolText(status_);
    ProgressManager &progress = ProgressManager::shared();
    progress.setMiscSetting(settingName_, status_);
    qCDebug(lcSettings).noquote() << StoredMaps::render(progress.getMiscSettingsDictionary());
}
