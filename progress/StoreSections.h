#pragma once

#include <QString>
#include <QStringList>

// The parts of a saved learner's store (a progress file, or the JSON store of earlier versions),
// by the names those files give them.
class StoreSections
{
public:
    static inline const QString scores = QStringLiteral("progressDictionary");
    static inline const QString learnt = QStringLiteral("learntDictionary");
    static inline const QString quizScores = QStringLiteral("quizScoresDictionary");
    static inline const QString tenseSwitches = QStringLiteral("flagDictionary");
    // Switches of earlier versions that nothing reads any more.
    static inline const QString languages = QStringLiteral("miscSettingsDictionary");
    static inline const QString mistakes = QStringLiteral("mistakeLog");
    static inline const QString cards = QStringLiteral("reviewSchedule");
    static inline const QString quizActivity = QStringLiteral("quizActivity");

    // Times from 1970 to the end of the year 9999, in milliseconds.
    static constexpr qint64 maxTimeMs = 253'402'300'799'999;

    // Every part a file may hold, the settings included.
    static const QStringList &all();
};
