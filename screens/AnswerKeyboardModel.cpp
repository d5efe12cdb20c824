#include "screens/AnswerKeyboardModel.h"

#include "games/AnswerKeys.h"
#include "platform/LearnerDatabase.h"
#include "settings/SettingsManager.h"

#include <QInputDevice>

AnswerKeyboardModel::AnswerKeyboardModel(LearnerDatabase &store, Devices devices, QObject *parent)
    : QObject(parent)
    , store_(store)
    , devices_(devices)
{}

AnswerKeyboardModel::Devices AnswerKeyboardModel::systemDevices()
{
    Devices found;
    for (const QInputDevice *device : QInputDevice::devices()) {
        found.touchScreen |= device->type() == QInputDevice::DeviceType::TouchScreen;
        found.keyboard |= device->type() == QInputDevice::DeviceType::Keyboard;
    }
    return found;
}

QStringList AnswerKeyboardModel::keys()
{
    return AnswerKeys::keys();
}

bool AnswerKeyboardModel::shown() const
{
    if (const auto chosen = store_.setting(SettingsManager::answerKeysSetting))
        return *chosen == u"true";
    return devices_.touchScreen || !devices_.keyboard;
}

void AnswerKeyboardModel::setShown(bool shown)
{
    if (shown == this->shown())
        return;
    store_.setSetting(SettingsManager::answerKeysSetting, shown ? QStringLiteral("true") : QStringLiteral("false"));
    emit shownChanged();
}
