#include "progress/StoreSections.h"

#include "settings/SettingsManager.h"

const QStringList &StoreSections::all()
{
    static const QStringList sections =
        QStringList{scores, learnt, quizScores, tenseSwitches, languages, mistakes, cards, quizActivity,
            SettingsManager::verbSetSetting, SettingsManager::appearanceSetting, SettingsManager::reviewChoicesSetting,
            SettingsManager::dailyGoalSetting}
        + SettingsManager::yesNoSettings;
    return sections;
}
