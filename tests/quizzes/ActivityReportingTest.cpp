#include "support/TestServices.h"

#include "QuizPlay.h"
#include "quizzes/QuizGamesParser.h"
#include "quizzes/SchoolWork.h"
#include "quizzes/SchoolWorkContext.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

class ActivityReportingTest : public QObject
{
    Q_OBJECT

private slots:
    void quizzesRegisterTheirContexts();
    void contextWithoutValidLinkHasNoLink();
    void finishedQuizReportsItsScore();
    void reportingWithoutStartedActivityChangesNothing();
    void failedStartIsLogged();
    void saveErrorIsLogged();
    void recordOutlivesARestart();
    void unreadableRecordIsKeptAside();

private:
    static std::unique_ptr<TestServices> start(const QString &fixture)
    {
        TestServices::Options options;
        options.resourceRoot = TestServices::fixture(fixture);
        auto services = std::make_unique<TestServices>(options);
        QuizGamesParser::shared();
        services->queue().runPending();
        return services;
    }
    static QJsonObject savedRecord(const TestServices &services)
    {
        QFile file(services.dataPath() + QStringLiteral("/appdata/") + SchoolWork::fileName);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(file.readAll()).object();
    }
};

void ActivityReportingTest::quizzesRegisterTheirContexts()
{
    auto services = start(QStringLiteral("quizzes"));
    SchoolWorkContext &main = SchoolWork::shared().mainAppContext();

    // The third quiz has no identifier, so no context.
    QCOMPARE(main.childCount(), 2);
    const QStringList identifiers{QStringLiteral("present-tense"), QStringLiteral("inner-id")};
    const QStringList titles{QStringLiteral("Present Tense"), QStringLiteral("Inner Id")};
    for (int order = 0; order < 2; ++order) {
        const SchoolWorkContext *context = main.child(identifiers.at(order));
        QVERIFY(context);
        QCOMPARE(context->type(), SchoolWorkContext::Type::quiz);
        QCOMPARE(context->title(), titles.at(order));
        QCOMPARE(context->displayOrder(), order);
        QCOMPARE(context->topic(), SchoolWorkContext::topicWorldLanguage);
        QCOMPARE(context->universalLinkURL().toString(), u"tavelo-italian://" + identifiers.at(order));
    }
}

void ActivityReportingTest::contextWithoutValidLinkHasNoLink()
{
    auto services = start(QStringLiteral("quizzes_game"));
    const SchoolWorkContext *context = SchoolWork::shared().mainAppContext().child(QStringLiteral("bad link"));

    QVERIFY(context);
    QVERIFY(context->universalLinkURL().isEmpty());
    QCOMPARE(context->title(), QStringLiteral("Bad Link"));
}

void ActivityReportingTest::finishedQuizReportsItsScore()
{
    auto services = start(QStringLiteral("quizzes_game"));
    QuizGame game;
    Quiz *seven = QuizGamesParser::shared().quizWithID(QStringLiteral("seven"));
    game.startQuiz(seven);
    services->queue().runPending();
    const SchoolWorkContext *context = SchoolWork::shared().mainAppContext().child(QStringLiteral("seven"));
    QVERIFY(context && context->isActive());

    // Seven questions, three of them with one wrong tap first: 7 of 10.
    QuizPlay::playThrough(game, services->queue(), {1, 1, 1});
    services->queue().runPending();

    QCOMPARE(game.percentage(), 70);
    const SchoolWorkActivity *activity = context->currentActivity();
    QVERIFY(activity);
    QVERIFY(!activity->isStarted());
    QVERIFY(!context->isActive());
    QVERIFY(activity->primaryActivityItem());
    QCOMPARE(activity->primaryActivityItem()->identifier, QStringLiteral("score"));
    QCOMPARE(activity->primaryActivityItem()->title, QStringLiteral("Score"));
    QCOMPARE(activity->primaryActivityItem()->score, 0.7);
    QCOMPARE(activity->primaryActivityItem()->maxScore, 1.0);
    QCOMPARE(activity->progress(), 1.0);
    // Seven pauses of 1.5 s after the right answers; the last one ends the game.
    QCOMPARE(activity->duration(), 10.5);

    const QJsonArray quizzes = savedRecord(*services).value(QStringLiteral("mainAppContext")).toObject()
                                   .value(QStringLiteral("children")).toArray();
    QJsonObject saved;
    for (const QJsonValue &quiz : quizzes) {
        if (quiz.toObject().value(QStringLiteral("identifier")) == QStringLiteral("seven"))
            saved = quiz.toObject();
    }
    QCOMPARE(saved.value(QStringLiteral("active")).toBool(true), false);
    const QJsonArray activities = saved.value(QStringLiteral("activities")).toArray();
    QCOMPARE(activities.size(), 1);
    const QJsonObject savedActivity = activities.at(0).toObject();
    QCOMPARE(savedActivity.value(QStringLiteral("started")).toBool(true), false);
    QCOMPARE(savedActivity.value(QStringLiteral("progress")).toDouble(), 1.0);
    const QJsonObject item = savedActivity.value(QStringLiteral("primaryActivityItem")).toObject();
    QCOMPARE(item.value(QStringLiteral("score")).toDouble(), 0.7);
    QCOMPARE(item.value(QStringLiteral("maxScore")).toDouble(), 1.0);
}

void ActivityReportingTest::reportingWithoutStartedActivityChangesNothing()
{
    auto services = start(QStringLiteral("quizzes_game"));
    Quiz *seven = QuizGamesParser::shared().quizWithID(QStringLiteral("seven"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("failed to get current activity")));
    seven->reportScore(0.5);
    services->queue().runPending();

    const SchoolWorkContext *context = SchoolWork::shared().mainAppContext().child(QStringLiteral("seven"));
    QCOMPARE(context->activityCount(), 0);
    QVERIFY(!QFile::exists(SchoolWork::shared().filePath()));

    // A stopped activity is no longer reported on either.
    seven->beginActivity();
    seven->endActivity();
    services->queue().runPending();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("failed to get current activity")));
    seven->reportScore(0.5);
    services->queue().runPending();
    QVERIFY(!context->currentActivity()->primaryActivityItem());
}

void ActivityReportingTest::failedStartIsLogged()
{
    auto services = start(QStringLiteral("quizzes"));
    // The quiz without an identifier has no context.
    Quiz *noId = QuizGamesParser::shared().quizzes().at(2);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("beginActivity failed to start activity")));
    noId->beginActivity();
    services->queue().runPending();

    QCOMPARE(SchoolWork::shared().mainAppContext().childCount(), 2);
}

void ActivityReportingTest::saveErrorIsLogged()
{
    auto services = start(QStringLiteral("quizzes_game"));
    // A file where the app data folder should be.
    QFile blocker(services->dataPath() + QStringLiteral("/appdata"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Save error: ")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Save error: ")));
    QuizGame game;
    game.startQuiz(QuizGamesParser::shared().quizWithID(QStringLiteral("seven")));
    QuizPlay::playThrough(game, services->queue());
    services->queue().runPending();

}

void ActivityReportingTest::recordOutlivesARestart()
{
    auto services = start(QStringLiteral("quizzes_game"));
    QuizGame game;
    game.startQuiz(QuizGamesParser::shared().quizWithID(QStringLiteral("four")));
    QuizPlay::playThrough(game, services->queue());
    services->queue().runPending();

    services->restart();
    QuizGamesParser::shared();
    services->queue().runPending();
    const SchoolWorkContext *context = SchoolWork::shared().mainAppContext().child(QStringLiteral("four"));
    QVERIFY(context);
    QCOMPARE(context->activityCount(), 1);
    QCOMPARE(context->currentActivity()->primaryActivityItem()->score, 1.0);
    // Known contexts are not made again.
}

void ActivityReportingTest::unreadableRecordIsKeptAside()
{
    TestServices::Options options;
    options.resourceRoot = TestServices::fixture(QStringLiteral("quizzes_game"));
    TestServices services(options);
    const QString appData = services.dataPath() + QStringLiteral("/appdata");
    QVERIFY(QDir().mkpath(appData));
    QFile broken(appData + u'/' + SchoolWork::fileName);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("{ not json");
    broken.close();

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("could not be read")));
    QuizGamesParser::shared();
    services.queue().runPending();
    const QStringList aside = QDir(appData).entryList({SchoolWork::fileName + QStringLiteral(".unreadable-*")});
    QCOMPARE(aside.size(), 1);
    QFile kept(appData + u'/' + aside.at(0));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("{ not json"));
    QVERIFY(SchoolWork::shared().mainAppContext().child(QStringLiteral("seven")));
}

QTEST_GUILESS_MAIN(ActivityReportingTest)
#include "ActivityReportingTest.moc"
