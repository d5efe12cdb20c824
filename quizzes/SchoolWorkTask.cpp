#include "quizzes/SchoolWorkTask.h"

#include "platform/Logging.h"
#include "quizzes/SchoolWork.h"
#include "quizzes/SchoolWorkContext.h"

namespace {

void logSaveError(const QString &error)
{
    if (!error.isEmpty())
        qCWarning(lcQuizzes).noquote() << u"***Save error: " + error;
}

// Completions outlive the node that asked, so they work from its identifier path alone.
void endActivityAt(SchoolWork &store, const QStringList &path)
{
    store.descendantMatchingIdentifierPath(
        store.mainAppContext(), path, [&store, path](SchoolWorkContext *context, const QString &) {
            SchoolWorkActivity *activity = context ? context->currentActivity() : nullptr;
            if (!activity)
                return;
            qCDebug(lcQuizzes).noquote() << u"  => " + QString::number(activity->duration()) + u" seconds elapsed.";
            activity->stop();
            context->resignActive();
            store.save(logSaveError);
            qCDebug(lcQuizzes).noquote() << u"endActivity ran for " + path.join(u'/');
            qCDebug(lcQuizzes).noquote() << SchoolWorkTask::rule;
        });
}

}

void SchoolWorkTask::beginActivity(SchoolWork &store) const
{
    qCDebug(lcQuizzes).noquote() << QStringLiteral("SchoolWorkTask >> beginActivity");
    const QStringList path = identifierPath();
    store.descendantMatchingIdentifierPath(
        store.mainAppContext(), path, [&store, path](SchoolWorkContext *context, const QString &error) {
            if (!context) {
                qCWarning(lcQuizzes).noquote() << u"beginActivity failed to start activity: " + error;
                return;
            }
            context->becomeActive();
            context->createNewActivity(store.clock()).start();
            qCDebug(lcQuizzes).noquote() << u"beginActivity ran for " + path.join(u'/');
            qCDebug(lcQuizzes).noquote() << context->description();
            qCDebug(lcQuizzes).noquote() << rule;
        });
}

void SchoolWorkTask::reportScore(SchoolWork &store, double fraction) const
{
    const QStringList path = identifierPath();
    store.descendantMatchingIdentifierPath(
        store.mainAppContext(), path, [&store, path, fraction](SchoolWorkContext *context, const QString &) {
            SchoolWorkActivity *activity = context ? context->currentActivity() : nullptr;
            if (!activity || !activity->isStarted()) {
                qCWarning(lcQuizzes).noquote() << QStringLiteral("failed to get current activity");
                return;
            }
            qCDebug(lcQuizzes).noquote() << u"activity fetched: " + activity->description();
            qCDebug(lcQuizzes).noquote() << u"activity fetched: " + QString::number(activity->duration());
            qCDebug(lcQuizzes).noquote() << u"setting score as " + QString::number(fraction);
            activity->setPrimaryActivityItem({QStringLiteral("score"), QStringLiteral("Score"), fraction, 1.0});
            activity->addProgressRange(0.0, 1.0);
            store.save(logSaveError);
            qCDebug(lcQuizzes).noquote() << u"setting completion as " + QString::number(activity->progress());
            endActivityAt(store, path);
        });
}

void SchoolWorkTask::endActivity(SchoolWork &store) const
{
    endActivityAt(store, identifierPath());
}
