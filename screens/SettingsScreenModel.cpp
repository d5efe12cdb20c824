#include "screens/SettingsScreenModel.h"

#include "progress/DailyGoal.h"
#include "settings/DisplaySwitches.h"

#include <algorithm>

SettingsScreenModel::SettingsScreenModel(const VerbDictionary &verbs, DailyGoal &goal, QObject *parent)
    : QObject(parent)
    , settings_(verbs)
    , goal_(goal)
{
    connect(&goal_, &DailyGoal::changed, this, &SettingsScreenModel::dailyGoalChanged);
    for (TenseSetting *setting : settings_.tenseSettings()) {
        if (setting->tenseName() == DisplaySwitches::englishNamesFirst)
            connect(setting, &TenseSetting::statusChanged, this, &SettingsScreenModel::englishFirstChanged);
    }
}

QVariantList SettingsScreenModel::rows(bool display) const
{
    QVariantList rows;
    for (TenseSetting *setting : settings_.tenseSettings()) {
        if (DisplaySwitches::isDisplaySwitch(setting->tenseName()) == display)
            rows.append(QVariant::fromValue(setting));
    }
    return rows;
}

QVariantList SettingsScreenModel::tenseSettings() const
{
    return rows(false);
}

QVariantList SettingsScreenModel::displaySettings() const
{
    return rows(true);
}

bool SettingsScreenModel::englishFirst() const
{
    return DisplaySwitches::isOn(settings_.tenseSettings(), DisplaySwitches::englishNamesFirst);
}

QString SettingsScreenModel::explanation()
{
    return QStringLiteral(
        "These settings control the verb forms that appear in the games. Simply check the items you would like "
        "to test, and ensure that the others are unchecked for now. As you master the verb system, you can add in "
        "more tenses to test.");
}

void SettingsScreenModel::toggleTense(TenseSetting *setting)
{
    settings_.toggleTense(setting);
}

int SettingsScreenModel::dailyGoal() const
{
    return goal_.target();
}

QVariantList SettingsScreenModel::goalChoices() const
{
    QList<int> steps{10, 20, 30, 50, 100};
    if (!steps.contains(goal_.target())) {
        steps.append(goal_.target());
        std::sort(steps.begin(), steps.end());
    }
    QVariantList choices;
    for (const int answers : steps)
        choices.append(QVariantMap{{QStringLiteral("name"), QString(QString::number(answers) + u" answers a day")},
            {QStringLiteral("value"), answers}});
    return choices;
}

void SettingsScreenModel::setDailyGoal(int answers)
{
    goal_.setTarget(answers);
}
