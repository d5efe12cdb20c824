#pragma once

#include <QObject>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include "screens/VerbSettings.h"

class DailyGoal;

// The settings screen's model: a fresh VerbSettings of its own, whose switches are the very ones
// the games read, offered to the screen as rows, and the daily goal's choices.
class SettingsScreenModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Screens get the settings screen's model from ScreenModels")
    Q_PROPERTY(QVariantList tenseSettings READ tenseSettings CONSTANT)
    Q_PROPERTY(QVariantList displaySettings READ displaySettings CONSTANT)
    Q_PROPERTY(bool englishFirst READ englishFirst NOTIFY englishFirstChanged)
    Q_PROPERTY(QString explanation READ explanation CONSTANT)
    Q_PROPERTY(int dailyGoal READ dailyGoal NOTIFY dailyGoalChanged)
    Q_PROPERTY(QVariantList goalChoices READ goalChoices NOTIFY dailyGoalChanged)

public:
    SettingsScreenModel(const VerbDictionary &verbs, DailyGoal &goal, QObject *parent = nullptr);

    [[nodiscard]] QVariantList tenseSettings() const;
    // How tables are shown: English names first, stress marks.
    [[nodiscard]] QVariantList displaySettings() const;
    [[nodiscard]] bool englishFirst() const;
    [[nodiscard]] static QString explanation();
    [[nodiscard]] const VerbSettings &settings() const { return settings_; }

    Q_INVOKABLE void toggleTense(TenseSetting *setting);

    // The answers a day the learner aims for.
    [[nodiscard]] int dailyGoal() const;
    // The goals offered, smallest first, each a map of name ("30 answers a day") and value: a few
    // steps, and the learner's own goal where it is none of them (one taken in with saved progress).
    [[nodiscard]] QVariantList goalChoices() const;
    Q_INVOKABLE void setDailyGoal(int answers);

signals:
    void englishFirstChanged();
    void dailyGoalChanged();

private:
    [[nodiscard]] QVariantList rows(bool display) const;

    VerbSettings settings_;
    DailyGoal &goal_;
};
