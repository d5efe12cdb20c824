#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class LearnerDatabase;
class TenseSetting;

// The learner's tense switches: the stored choice of each tense, or the switch's own default.
// The one place the map of switches is made.
class SettingsManager
{
public:
    SettingsManager(LearnerDatabase &store, const QList<TenseSetting *> &tenses);

    // The names of the learner's stored settings.
    static inline const QString verbSetSetting = QStringLiteral("LastSelectedVerbSet");
    static inline const QString appearanceSetting = QStringLiteral("appearance");
    static inline const QString reviewChoicesSetting = QStringLiteral("reviewPrefersChoices");
    // The answers a day the learner aims for (DailyGoal).
    static inline const QString dailyGoalSetting = QStringLiteral("dailyGoal");
    // Yes-or-no choices kept as "true" or "false" and saved with the progress as booleans: the
    // conjugation quiz played typed, and the answer keyboard's keys shown or hidden.
    static inline const QString conjugationTypedSetting = QStringLiteral("conjugationTyped");
    static inline const QString answerKeysSetting = QStringLiteral("onScreenKeyboard");
    static inline const QStringList yesNoSettings{conjugationTypedSetting, answerKeysSetting};

    // Every current tense's switch by name: the learner's stored choice, or the default.
    [[nodiscard]] QMap<QString, bool> getFlagDictionary() const;
    // The switch of one tense; false for a name no tense has.
    [[nodiscard]] bool getFlag(const QString &tenseName) const;
    void setFlag(const QString &tenseName, bool status);

private:
    LearnerDatabase &store_;
    const QList<TenseSetting *> &tenses_;
};
