#pragma once

#include <QList>
#include <QString>

class TenseSetting;

// Switches of how verbs are shown rather than which tenses are drilled. They are TenseSetting
// objects kept after the tense switches in the same list, stored with them, but no tense
// reads them.
class DisplaySwitches
{
public:
    DisplaySwitches() = delete;

    // Tense and table names in English first, Italian beside them.
    static inline const QString englishNamesFirst = QStringLiteral("English Names First");
    // Table forms stressed before their next-to-last syllable with the stressed vowel marked.
    static inline const QString stressMarks = QStringLiteral("Stress Marks");

    struct Switch
    {
        QString name;
        QString label;
        bool onByDefault = false;
    };
    [[nodiscard]] static const QList<Switch> &all();
    [[nodiscard]] static bool isDisplaySwitch(const QString &name);
    // The switch's status in the list, or its default when the list lacks it.
    [[nodiscard]] static bool isOn(const QList<TenseSetting *> &settings, const QString &name);
};
