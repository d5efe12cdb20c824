#include "quizzes/ClassKitNode.h"

#include "platform/Console.h"
#include "quizzes/SchoolWork.h"
#include "quizzes/SchoolWorkContext.h"

namespace {

void logSaveError(const QString &error)
{
    if (!error.isEmpty())
        Console::write(u"***Save error: " + error);
}

// Completions outlive the node that asked, so they work from its identifier path alone.
void endActivityAt(SchoolWork &store, const QStringList &path)
{
    store.descendantMatchingIdentifierPath(store.mainAppContext(), path,
                                           [&store, path](SchoolWorkContext *context, const QString &) {
        SchoolWorkActivity *activity = context ? context->currentActivity() : nullptr;
        if (!activity)
            return;
        Console::write(u"  => " + QString::number(activity->duration()) + u" seconds elapsed.");
        activity->stop();
        context->resignActive();
        store.save(logSaveError);
        Console::write(u"endActivity ran for " + path.join(u'/'));
        Console::write(ClassKitNode::rule);
    });
}

}

void ClassKitNode::beginActivity() const
{
    Console::write(QStringLiteral("ClassKitNode >> beginActivity"));
    SchoolWork &store = SchoolWork::shared();
    const QStringList path = identifierPath();
    store.descendantMatchingIdentifierPath(store.mainAppContext(), path,
                                           [&store, path](SchoolWorkContext *context, const QString &error) {
        if (!context) {
            Console::write(QStringLiteral("beginActivity failed to start activity"));
            if (!error.isEmpty())
                Console::write(error);
            return;
        }
        context->becomeActive();
        context->createNewActivity(store.clock()).start();
        Console::write(u"beginActivity ran for " + path.join(u'/'));
        Console::write(context->description());
        Console::write(rule);
    });
}

void ClassKitNode::reportScore(double fraction) const
{
    SchoolWork &store = SchoolWork::shared();
    const QStringList path = identifierPath();
    store.descendantMatchingIdentifierPath(store.mainAppContext(), path,
                                           [&store, path, fraction](SchoolWorkContext *context, const QString &) {
        SchoolWorkActivity *activity = context ? context->currentActivity() : nullptr;
        if (!activity || !activity->isStarted()) {
            Console::write(QStringLiteral("failed to get current activity"));
            return;
        }
        Console::write(u"activity fetched: " + activity->description());
        Console::write(u"activity fetched: " + QString::number(activity->duration()));
        Console::write(u"setting score as " + QString::number(fraction));
        activity->setPrimaryActivityItem({QStringLiteral("score"), QStringLiteral("Score"), fraction, 1.0});
        activity->addProgressRange(0.0, 1.0);
        store.save(logSaveError);
        Console::write(u"setting completion as " + QString::number(activity->progress()));
        endActivityAt(store, path);
    });
}

void ClassKitNode::endActivity() const
{
    endActivityAt(SchoolWork::shared(), identifierPath());
}
