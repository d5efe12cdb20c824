#include "progress/StoreSections.h"

#include "settings/SettingsManager.h"

const QStringList &StoreSections::all()
{
    static const QStringList sections{scores, learnt, quizScores, tenseSwitches, languages, mistakes, cards,
        quizActivity, SettingsManager::verbSetSetting, SettingsManager::appearanceSetting,
        SettingsManager::reviewChoicesSetting, SettingsManager::dailyGoalSetting};
    return sections;
}
