#pragma once

#include <QList>
#include <QMap>
#include <QString>

class LearnerStore;
class TenseSetting;

// Reads the stored tense switches at start-up.
class SettingsManager
{
public:
    SettingsManager(LearnerStore &store, const QList<TenseSetting *> &tenses);

    const QString flagDictionary = QStringLiteral("flagDictionary");

    // The stored tense map, created from the current switches when absent.
    QMap<QString, bool> getFlagDictionary();
    // The stored switch of one tense; false when the map has no entry for it.
    bool getFlag(const QString &tenseName);

private:
    LearnerStore &store_;
    const QList<TenseSetting *> &tenses_;
};
