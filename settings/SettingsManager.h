#pragma once

#include <QMap>
#include <QString>

class Services;

// Reads the stored tense switches at start-up.
class SettingsManager
{
public:
    explicit SettingsManager(Services &services);

    const QString flagDictionary = QStringLiteral("flagDictionary");

    // The stored tense map, created from the current switches when absent.
    QMap<QString, bool> getFlagDictionary();
    // The stored switch of one tense; false when the map has no entry for it.
    bool getFlag(const QString &tenseName);

private:
    Services &services_;
};
