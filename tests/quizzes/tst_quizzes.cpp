#include "support/TestServices.h"

#include "platform/LearnerDatabase.h"
#include "platform/ManualMainQueue.h"
#include "progress/ProgressManager.h"
#include "progress/ProgressTransfer.h"
#include "progress/SessionResult.h"
#include "quizzes/QuizGame.h"
#include "quizzes/QuizGamesParser.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The right answer, or the n-th wrong answer, of the question on screen.
QuizQuestionAnswer *tapTarget(QuizGame &game, bool correct, int n = 0)
{
    for (QuizQuestionAnswer *answer : game.currentQuestion()->allAnswers()) {
        if (answer->correct == correct && n-- == 0)
            return answer;
    }
    return nullptr;
}

// Taps wrongTaps wrong answers, then the right one, and moves on to the next question.
void answer(QuizGame &game, ManualMainQueue &queue, int wrongTaps)
{
    for (int i = 0; i < wrongTaps; ++i)
        game.answerTapped(tapTarget(game, false, i));
    game.answerTapped(tapTarget(game, true));
    if (game.currentQuestion()->explanation.isEmpty())
        queue.advance(QuizGame::pauseAfterRightAnswerMs);
    else
        game.nextTurn();
}

// Plays the whole game; the number of wrong taps per question, 0 for missing entries.
int playAll(QuizGame &game, ManualMainQueue &queue, const QList<int> &wrongTaps = {})
{
    int turn = 0;
    for (; game.inPlay(); ++turn)
        answer(game, queue, wrongTaps.value(turn, 0));
    return turn;
}

std::unique_ptr<TestServices> start(const QString &fixture)
{
    auto services = std::make_unique<TestServices>(TestServices::fixture(fixture));
    services->quizGamesParser().finishReading();
    services->queue().runPending();
    return services;
}

Quiz *quiz(TestServices &services, const QString &id)
{
    return services.quizGamesParser().quizWithID(id);
}

}

// The quiz reader, the quiz game and the school-work reporting of quizzes.
class QuizzesTest : public QObject
{
    Q_OBJECT

private slots:
    // clang-format off
    void quizIdentity_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("quizID");
        QTest::addColumn<QString>("identifier");
        QTest::newRow("id element") << 0 << "Present Tense" << "present-tense" << "present-tense";
        QTest::newRow("id inside an item") << 1 << "Inner Id" << "inner-id" << "inner-id";
        QTest::newRow("no id: the title") << 2 << "No Id" << "No Id" << "";
    }
    // clang-format on
    void quizIdentity()
    {
        QFETCH(int, index);
        QFETCH(QString, title);
        QFETCH(QString, quizID);
        QFETCH(QString, identifier);
        auto services = start(QStringLiteral("quizzes"));
        QCOMPARE(services->quizGamesParser().quizzes().size(), 3);
        Quiz *read = services->quizGamesParser().quizzes().at(index);
        QCOMPARE(read->order, index);
        QCOMPARE(read->title, title);
        QCOMPARE(read->quizID, quizID);
        QCOMPARE(read->identifier, identifier);
        QCOMPARE(read->questions.size(), index == 0 ? 2 : 1);
        QCOMPARE(quiz(*services, quizID), read);
    }

    void questionFields()
    {
        auto services = start(QStringLiteral("quizzes"));
        const Quiz *read = services->quizGamesParser().quizzes().at(0);
        QCOMPARE(read->description, QStringLiteral("\n      Line one\n      line two\n    "));
        QuizQuestion *question = read->questions.at(0);
        QCOMPARE(question->question, QStringLiteral("Io _____ italiano."));
        QCOMPARE(question->answer()->text, QStringLiteral("parlo"));
        QVERIFY(question->answer()->correct);
        QCOMPARE((QStringList{question->alt1()->text, question->alt2()->text, question->alt3()->text}),
            (QStringList{"parla", "parli", "parlano"}));
        for (const QuizQuestionAnswer *alternative : {question->alt1(), question->alt2(), question->alt3()})
            QVERIFY(!alternative->correct && alternative->state() == QuizQuestionAnswerState::undefined);
        QCOMPARE(question->clue, QStringLiteral("parlare, io"));
        QCOMPARE(question->image_named, QStringLiteral("speech"));
        QCOMPARE(question->explanation, QStringLiteral("The io form ends in -o."));
        QCOMPARE(question->linkedVerb, QStringLiteral("parlare"));

        // A missing alternative is an empty wrong answer; the shuffled answers keep one order.
        question = read->questions.at(1);
        QVERIFY(question->alt2()->text.isEmpty());
        QVERIFY(!question->alt2()->correct);
        const QList<QuizQuestionAnswer *> first = question->allAnswers();
        QCOMPARE(question->allAnswers(), first);
        QList<QuizQuestionAnswer *> expected{question->answer(), question->alt1(), question->alt2(), question->alt3()};
        QList<QuizQuestionAnswer *> dealt = first;
        std::sort(expected.begin(), expected.end());
        std::sort(dealt.begin(), dealt.end());
        QCOMPARE(dealt, expected);
    }

    // The quiz before the fault is kept and scored.
    void malformedFileKeepsEarlierQuizzes()
    {
        TestServices services(TestServices::fixture(QStringLiteral("quizzes_malformed")));
        services.progressManager().setQuizScore(QStringLiteral("kept"), 60);
        QTest::ignoreMessage(
            QtWarningMsg, QRegularExpression(QStringLiteral("is not valid XML: .* \\(line 15, column ")));
        QuizGamesParser &parser = services.quizGamesParser();
        QVERIFY(!parser.readWhole());
        QVERIFY2(parser.loadError().contains(QStringLiteral("(line 15, column ")), qPrintable(parser.loadError()));
        QCOMPARE(parser.quizzes().size(), 1);
        QCOMPARE(parser.quizzes().at(0)->quizID, QStringLiteral("kept"));
        QCOMPARE(parser.quizzes().at(0)->questions.size(), 1);
        QCOMPARE(parser.quizzes().at(0)->lastScore(), 60);
    }

    // A faulty quiz file is named once, with its place, when the quizzes are first read; the app
    // has started by then, so the fault costs the quizzes and not the app.
    // clang-format off
    void faultyFileIsNamed_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        QByteArray nested = "<quizzes>";
        for (int i = 0; i < 100000; ++i)
            nested += "<e" + QByteArray::number(i) + '>';
        QTest::newRow("quiz in a quiz") << QByteArray("<quizzes><quiz>\n<quiz></quiz></quiz></quizzes>")
                                        << "quiz data: a <quiz> inside another <quiz> (line 2, column 6)";
        QTest::newRow("no quizzes") << QByteArray("<quizzes></quizzes>")
                                    << "quiz data: the file holds no quizzes (line 1, column 19)";
        QTest::newRow("deep quizzes") << nested << "quiz data: elements are nested more than 16 deep (line 1, column 79)";
        QTest::newRow("no file") << QByteArray() << "the quiz data file quizzes.xml was not found";
    }
    // clang-format on

    void faultyFileIsNamed()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        QTemporaryDir resources;
        QFile file(resources.filePath(QStringLiteral("quizzes.xml")));
        QVERIFY(content.isNull() || (file.open(QIODevice::WriteOnly) && file.write(content) == content.size()));
        file.close();
        TestServices services(resources.path());
        const QString reason = content.isNull() ? expected : file.fileName() + u" is not valid " + expected;
        QTest::ignoreMessage(QtWarningMsg, qPrintable(reason));
        QCOMPARE(services.quizGamesParser().loadError(), reason);
        QVERIFY(!services.quizGamesParser().readWhole());
    }

    // Ten different questions of a large quiz, all of a small one; each wrong tap costs the score,
    // the message, the grade and the linked verb's progress (one down per wrong tap, one up per right).
    // clang-format off
    void playThrough_data()
    {
        using Grade = QuizGame::Grade;
        QTest::addColumn<QString>("quizID");
        QTest::addColumn<QList<int>>("wrongTaps");
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("percentage");
        QTest::addColumn<Grade>("grade");
        QTest::addColumn<int>("progress");
        QTest::addColumn<QString>("piece");
        QTest::newRow("100") << "twelve" << QList<int>{} << 10 << 100 << Grade::green << 10 << "Your accuracy was a perfect 100%.";
        QTest::newRow("small quiz") << "four" << QList<int>{} << 4 << 100 << Grade::green << 0 << "Your accuracy was a perfect 100%.";
        QTest::newRow("90") << "twelve" << QList<int>{1} << 10 << 90 << Grade::green << 9
            << "Your accuracy was 90%. A really excellent performance. Be bold and go for a perfect 100% next time!";
        QTest::newRow("83") << "twelve" << QList<int>{1, 1} << 10 << 83 << Grade::amber << 8
            << "Your accuracy score of 83% is a great achievement, too. Try and move that up into the nineties next time.";
        QTest::newRow("71") << "twelve" << QList<int>{2, 2} << 10 << 71 << Grade::amber << 6
            << "A solid 71% accuracy too. Try to break 80% on your next go!";
        QTest::newRow("62") << "twelve" << QList<int>{3, 3} << 10 << 62 << Grade::amber << 4
            << "Your accuracy score is 62%. Not bad. Work on pushing that higher next time!";
        QTest::newRow("50") << "twelve" << QList<int>{3, 3, 3, 1} << 10 << 50 << Grade::amber << 0
            << "You achieved an accuracy of 50%. A decent attempt. Nudge that a little higher on your next go!";
        QTest::newRow("47") << "twelve" << QList<int>{3, 3, 3, 2} << 10 << 47 << Grade::red << -1
            << "Your score was 47%. Don't worry, you're learning and that is progress in itself. Take your time with each question and try to hit the 50% mark on your next attempt.";
    }
    // clang-format on
    void playThrough()
    {
        QFETCH(QString, quizID);
        QFETCH(QList<int>, wrongTaps);
        QFETCH(int, questions);
        QFETCH(int, percentage);
        QFETCH(QuizGame::Grade, grade);
        QFETCH(int, progress);
        QFETCH(QString, piece);
        auto services = start(QStringLiteral("quizzes_game"));
        QuizGame game(services->random(), services->progressManager(), services->queue());
        game.startQuiz(quiz(*services, quizID));
        const QSet<QuizQuestion *> distinct(game.questionsInPlay().begin(), game.questionsInPlay().end());
        QCOMPARE(game.questionsInPlay().size(), questions);
        QCOMPARE(distinct.size(), questions);
        QCOMPARE(game.currentQuestionText(), game.questionsInPlay().at(0)->question);

        QCOMPARE(playAll(game, services->queue(), wrongTaps), questions);
        QVERIFY(game.played());
        QCOMPARE(game.correctClicks(), questions);
        QCOMPARE(game.percentage(), percentage);
        QCOMPARE(game.feedbackStr(),
            u"Well done! You worked through all " + QString::number(questions) + u" questions. " + piece);
        // The result lists each question missed once, with nothing to practise in the review.
        QVERIFY(game.result()->shown());
        QCOMPARE(game.result()->misses().size(), wrongTaps.size() - wrongTaps.count(0));
        QCOMPARE(game.result()->accuracy(), percentage);
        QVERIFY(game.result()->missedIds().isEmpty());
        QCOMPARE(quiz(*services, quizID)->lastScore(), percentage);
        QCOMPARE(services->progressManager().quizScores().value(quizID), percentage);
        QCOMPARE(QuizGame::grade(quiz(*services, quizID)->lastScore()), grade);
        QCOMPARE(services->progressManager().progressScores().value(QStringLiteral("parlare")), progress);
    }

    // A tapped answer shows whether it was right; taps after the right answer count for nothing.
    void lateTapsDoNotCount()
    {
        auto services = start(QStringLiteral("quizzes_game"));
        QuizGame game(services->random(), services->progressManager(), services->queue());
        game.startQuiz(quiz(*services, QStringLiteral("twelve")));
        QuizQuestionAnswer *wrong = tapTarget(game, false);
        game.answerTapped(wrong);
        QuizQuestionAnswer *right = tapTarget(game, true);
        game.answerTapped(right);
        QuizQuestionAnswer *late = tapTarget(game, false, 1);
        game.answerTapped(late);
        QCOMPARE(game.totalClicks(), 2);
        QCOMPARE(game.correctClicks(), 1);
        QCOMPARE(wrong->state(), QuizQuestionAnswerState::incorrect);
        QCOMPARE(right->state(), QuizQuestionAnswerState::correct);
        QCOMPARE(late->state(), QuizQuestionAnswerState::undefined);
        QCOMPARE(services->progressManager().progressScores().value(QStringLiteral("parlare")), 0);
    }

    // The pause after a right answer moves its own game on, never a restarted or destroyed one.
    void pauseMovesOnlyItsOwnGame()
    {
        auto services = start(QStringLiteral("quizzes_game"));
        auto game = std::make_unique<QuizGame>(services->random(), services->progressManager(), services->queue());
        game->startQuiz(quiz(*services, QStringLiteral("twelve")));
        game->answerTapped(tapTarget(*game, true));
        services->queue().advance(QuizGame::pauseAfterRightAnswerMs - 1);
        QCOMPARE(game->currentTurn(), 0);
        services->queue().advance(1);
        QCOMPARE(game->currentTurn(), 1);
        QCOMPARE(game->currentQuestion(), game->questionsInPlay().at(1));

        game->answerTapped(tapTarget(*game, true));
        game->startQuiz(quiz(*services, QStringLiteral("twelve")));
        services->queue().advance(QuizGame::pauseAfterRightAnswerMs);
        QCOMPARE(game->currentTurn(), 0);
        QCOMPARE(game->totalClicks(), 0);

        game->answerTapped(tapTarget(*game, true));
        game.reset();
        services->queue().advance(QuizGame::pauseAfterRightAnswerMs);
        QVERIFY(!services->progressManager().quizScores().contains(QStringLiteral("twelve")));
    }

    // Where all three alternatives are missing they are drawn from other questions' answers;
    // where one is missing, it stays empty.
    void missingAlternatives()
    {
        auto services = start(QStringLiteral("quizzes_game"));
        QuizGame game(services->random(), services->progressManager(), services->queue());
        game.startQuiz(quiz(*services, QStringLiteral("bare")));
        const QStringList others{"uno", "due", "tre", "quattro"};
        while (game.inPlay()) {
            QuizQuestion *question = game.currentQuestion();
            QStringList texts;
            for (const QuizQuestionAnswer *alternative : {question->alt1(), question->alt2(), question->alt3()}) {
                QVERIFY(!alternative->correct);
                QVERIFY(others.contains(alternative->text));
                QVERIFY(alternative->text != question->answer()->text);
                QVERIFY(!texts.contains(alternative->text));
                QVERIFY(question->allAnswers().contains(alternative));
                texts.append(alternative->text);
            }
            answer(game, services->queue(), 3);
        }
        QCOMPARE(game.totalClicks(), 20);

        game.startQuiz(quiz(*services, QStringLiteral("gap")));
        const QuizQuestion *question = game.currentQuestion();
        QCOMPARE(question->alt1()->text, QStringLiteral("vuoto"));
        QVERIFY(question->alt2()->text.isEmpty());
        QCOMPARE(question->alt3()->text, QStringLiteral("mezzo"));
    }

    void quizWithoutQuestionsDoesNotStart()
    {
        auto services = start(QStringLiteral("quizzes_game"));
        QuizGame game(services->random(), services->progressManager(), services->queue());
        QTest::ignoreMessage(QtWarningMsg, "the quiz empty has no questions to play");
        game.startQuiz(quiz(*services, QStringLiteral("empty")));
        services->queue().runPending();
        QVERIFY(!game.inPlay());
        QVERIFY(!game.played());
        game.nextTurn();
        QVERIFY(!services->progressManager().quizScores().contains(QStringLiteral("empty")));
        QCOMPARE(QuizGame::grade(quiz(*services, QStringLiteral("empty"))->lastScore()), QuizGame::Grade::none);
        QCOMPARE(QuizGame::grade(1), QuizGame::Grade::red);
    }

    void replayResetsTheAnswers()
    {
        auto services = start(QStringLiteral("quizzes_game"));
        QuizGame game(services->random(), services->progressManager(), services->queue());
        game.startQuiz(quiz(*services, QStringLiteral("four")));
        playAll(game, services->queue(), {1, 1, 1, 1});
        QCOMPARE(game.percentage(), 50);
        game.startQuiz(quiz(*services, QStringLiteral("four")));
        QVERIFY(game.inPlay());
        QCOMPARE(game.totalClicks(), 0);
        for (QuizQuestion *question : game.questionsInPlay()) {
            for (const QuizQuestionAnswer *answer : question->allAnswers())
                QCOMPARE(answer->state(), QuizQuestionAnswerState::undefined);
        }
        playAll(game, services->queue());
        QCOMPARE(quiz(*services, QStringLiteral("four"))->lastScore(), 100);
    }

    // The finished quiz is kept with its score and times, and goes into a saved progress file.
    void finishedQuizIsKept()
    {
        auto services = start(QStringLiteral("quizzes_game"));
        QuizGame game(services->random(), services->progressManager(), services->queue());
        game.startQuiz(quiz(*services, QStringLiteral("seven")));
        // Seven questions, three of them with one wrong tap first: 7 of 10.
        playAll(game, services->queue(), {1, 1, 1});
        services->queue().runPending();
        const QList<LearnerDatabase::QuizActivity> kept = services->learnerStore().quizActivities();
        QCOMPARE(kept.size(), 1);
        // Seven pauses of 1.5 s after the right answers; the last one ends the game.
        QCOMPARE((QList<qint64>{kept[0].finishedAt - kept[0].startedAt, kept[0].percent}), (QList<qint64>{10500, 70}));
        QVERIFY(services->progressTransfer().exportJson().contains("\"quiz\": \"seven\""));
    }
};

QTEST_GUILESS_MAIN(QuizzesTest)
#include "tst_quizzes.moc"
