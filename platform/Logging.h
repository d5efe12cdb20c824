#pragma once

#include <QLoggingCategory>
#include <QString>
#include <QStringList>

// One category per area. Traces are qCDebug and off by default; QT_LOGGING_RULES="flexio.*.debug=true"
// turns them on. Faults the learner's machine should report are qCWarning.
Q_DECLARE_LOGGING_CATEGORY(lcApp)
Q_DECLARE_LOGGING_CATEGORY(lcVerbs)
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
Q_DECLARE_LOGGING_CATEGORY(lcProgress)
Q_DECLARE_LOGGING_CATEGORY(lcGames)
Q_DECLARE_LOGGING_CATEGORY(lcQuizzes)
Q_DECLARE_LOGGING_CATEGORY(lcSpeech)
Q_DECLARE_LOGGING_CATEGORY(lcReview)
Q_DECLARE_LOGGING_CATEGORY(lcStore)
Q_DECLARE_LOGGING_CATEGORY(lcLinks)

namespace Logging {
[[nodiscard]] inline QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}
// ["a", "b"]: a list as it reads in a log line or an error text.
[[nodiscard]] QString quotedList(const QStringList &items);
}
