#include "platform/Logging.h"

Q_LOGGING_CATEGORY(lcApp, "flexio.app", QtWarningMsg)
Q_LOGGING_CATEGORY(lcVerbs, "flexio.verbs", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSettings, "flexio.settings", QtWarningMsg)
Q_LOGGING_CATEGORY(lcProgress, "flexio.progress", QtWarningMsg)
Q_LOGGING_CATEGORY(lcGames, "flexio.games", QtWarningMsg)
Q_LOGGING_CATEGORY(lcQuizzes, "flexio.quizzes", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSpeech, "flexio.speech", QtWarningMsg)
Q_LOGGING_CATEGORY(lcReview, "flexio.review", QtWarningMsg)
Q_LOGGING_CATEGORY(lcStore, "flexio.store", QtWarningMsg)
Q_LOGGING_CATEGORY(lcLinks, "flexio.links", QtWarningMsg)

QString Logging::quotedList(const QStringList &items)
{
    QStringList quoted;
    quoted.reserve(items.size());
    for (const QString &item : items)
        quoted.append(u'"' + item + u'"');
    return u'[' + quoted.join(QStringLiteral(", ")) + u']';
}
