#include "settings/LanguageSetting.h"

#include "platform/Console.h"
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
    Console::write(u"LanguageSetting >> status didSet to " + Console::boolText(status_));
    ProgressManager &progress = ProgressManager::shared();
    progress.setMiscSetting(settingName_, status_);
    Console::write(StoredMaps::render(progress.getMiscSettingsDictionary()));
}
