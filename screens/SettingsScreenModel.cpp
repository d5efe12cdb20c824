#include "screens/SettingsScreenModel.h"

#include "settings/DisplaySwitches.h"

SettingsScreenModel::SettingsScreenModel(const VerbDictionary &verbs, QObject *parent)
    : QObject(parent)
    , settings_(verbs)
{
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
