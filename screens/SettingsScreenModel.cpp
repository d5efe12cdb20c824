#include "screens/SettingsScreenModel.h"

SettingsScreenModel::SettingsScreenModel(const VerbDictionary &verbs, QObject *parent)
    : QObject(parent)
    , settings_(verbs)
{}

QVariantList SettingsScreenModel::tenseSettings() const
{
    QVariantList rows;
    for (TenseSetting *setting : settings_.tenseSettings())
        rows.append(QVariant::fromValue(setting));
    return rows;
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
