#include "support/TestServices.h"

#include "QuizPlay.h"
#include "progress/ProgressManager.h"
#include "quizzes/QuizGamesParser.h"

#include <QSet>
#include <QTest>

class QuizGameTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void largeQuizPlaysTenDifferentQuestions();
    void smallQuizPlaysAllItsQuestions();
    void twoWrongTapsPerQuestion();
    void finalMessage_data();
    void finalMessage();
    void grade_data();
    void grade();
    void rightAnswerFillsEveryBlank();
    void onlyFirstTapsCount();
    void explanationWaitsForTheNextButton();
    void pauseMovesOnAfterOneAndAHalfSeconds();
    void pauseOfAnEarlierGameDoesNotMoveANewOne();
    void pauseAfterTheGameIsGoneDoesNothing();
    void missingAlternativesComeFromOtherAnswers();
    void questionWithoutSecondAlternativeIsPlayedUnchanged();
    void quizWithoutQuestionsDoesNotStart();
    void replayResetsTheAnswers();

private:
    Quiz *quiz(const QString &id) { return QuizGamesParser::shared().quizWithID(id); }

    std::unique_ptr<TestServices> services_;
};

void QuizGameTest::init()
{
    TestServices::Options options;
    options.resourceRoot = TestServices::fixture(QStringLiteral("quizzes_game"));
    services_ = std::make_unique<TestServices>(options);
    services_->queue().runPending();
}

void QuizGameTest::cleanup()
{
    services_.reset();
}

void QuizGameTest::largeQuizPlaysTenDifferentQuestions()
{
    QuizGame game;
    game.startQuiz(quiz(QStringLiteral("twelve")));

    QVERIFY(game.inPlay());
    QCOMPARE(game.questionsInPlay().size(), 10);
    const QSet<QuizQuestion *> distinct(game.questionsInPlay().begin(), game.questionsInPlay().end());
    QCOMPARE(distinct.size(), 10);
    QCOMPARE(game.currentQuestion(), game.questionsInPlay().at(0));
    QCOMPARE(game.currentQuestionText(), game.questionsInPlay().at(0)->question);
}

void QuizGameTest::smallQuizPlaysAllItsQuestions()
{
    QuizGame game;
    Quiz *four = quiz(QStringLiteral("four"));
    game.startQuiz(four);
    QCOMPARE(game.questionsInPlay().size(), 4);

    int questions = 0;
    while (game.inPlay()) {
        QuizPlay::answer(game, services_->queue(), 0);
        ++questions;
    }
    QCOMPARE(questions, 4);
    QVERIFY(game.played());
    QCOMPARE(game.feedbackStr(),
             QStringLiteral("Well done! You worked through all 10 questions. Your accuracy was a perfect 100%."));
    QCOMPARE(four->lastScore(), 100);
}

void QuizGameTest::twoWrongTapsPerQuestion()
{
    QuizGame game;
    Quiz *twelve = quiz(QStringLiteral("twelve"));
    game.startQuiz(twelve);
    QuizPlay::playThrough(game, services_->queue(), QList<int>(10, 2));

    QCOMPARE(game.correctClicks(), 10);
    QCOMPARE(game.totalClicks(), 30);
    QCOMPARE(game.percentage(), 33);
    QVERIFY(game.feedbackStr().contains(QStringLiteral("Your score was 33%. Don't worry")));
    QCOMPARE(ProgressManager::shared().quizScores().value(QStringLiteral("twelve")), 33);
    QCOMPARE(twelve->lastScore(), 33);
    QCOMPARE(QuizGame::grade(twelve->lastScore()), QuizGame::Grade::red);
    // Every question is linked to parlare: two points down and one up, ten times.
    QCOMPARE(ProgressManager::shared().progressScores().value(QStringLiteral("parlare")), -10);
}

void QuizGameTest::finalMessage_data()
{
    QTest::addColumn<QList<int>>("wrongTaps");
    QTest::addColumn<QString>("piece");

    QTest::newRow("100") << QList<int>{} << "Your accuracy was a perfect 100%.";
    QTest::newRow("90") << QList<int>{1}
                        << "Your accuracy was 90%. A really excellent performance. Be bold and go for a perfect "
                           "100% next time!";
    QTest::newRow("83") << QList<int>{1, 1}
                        << "Your accuracy score of 83% is a great achievement, too. Try and move that up into the "
                           "nineties next time.";
    QTest::newRow("71") << QList<int>{2, 2}
                        << "A solid 71% accuracy too. Try to break 80% on your next go!";
    QTest::newRow("62") << QList<int>{3, 3}
                        << "Your accuracy score is 62%. Not bad. Work on pushing that higher next time!";
    QTest::newRow("50") << QList<int>{3, 3, 3, 1}
                        << "You achieved an accuracy of 50%. A decent attempt. Nudge that a little higher on your "
                           "next go!";
    QTest::newRow("47") << QList<int>{3, 3, 3, 2}
                        << "Your score was 47%. Don't worry, you're learning and that is progress in itself. Take "
                           "your time with each question and try to hit the 50% mark on your next attempt.";
}

void QuizGameTest::finalMessage()
{
    QFETCH(QList<int>, wrongTaps);
    QFETCH(QString, piece);
    QuizGame game;
    game.startQuiz(quiz(QStringLiteral("twelve")));
    QuizPlay::playThrough(game, services_->queue(), wrongTaps);

    QCOMPARE(game.feedbackStr(), u"Well done! You worked through all 10 questions. " + piece);
}

void QuizGameTest::grade_data()
{
    QTest::addColumn<qint64>("score");
    QTest::addColumn<QuizGame::Grade>("grade");

    QTest::newRow("0") << qint64(0) << QuizGame::Grade::none;
    QTest::newRow("1") << qint64(1) << QuizGame::Grade::red;
    QTest::newRow("49") << qint64(49) << QuizGame::Grade::red;
    QTest::newRow("50") << qint64(50) << QuizGame::Grade::amber;
    QTest::newRow("89") << qint64(89) << QuizGame::Grade::amber;
    QTest::newRow("90") << qint64(90) << QuizGame::Grade::green;
    QTest::newRow("100") << qint64(100) << QuizGame::Grade::green;
}

void QuizGameTest::grade()
{
    QFETCH(qint64, score);
    QFETCH(QuizGame::Grade, grade);
    QCOMPARE(QuizGame::grade(score), grade);
}

void QuizGameTest::rightAnswerFillsEveryBlank()
{
    QuizGame game;
    // Ten of twelve questions are dealt; deal again until the one with two blanks is among them.
    for (int deal = 0; deal < 50 && !game.inPlay(); ++deal) {
        game.startQuiz(quiz(QStringLiteral("twelve")));
        while (game.inPlay() && !game.currentQuestionText().startsWith(QStringLiteral("Frase 1:")))
            QuizPlay::answer(game, services_->queue(), 0);
    }
    QVERIFY(game.inPlay());

    game.answerTapped(QuizPlay::wrong(game, 0));
    QCOMPARE(game.currentQuestionText(), QStringLiteral("Frase 1: _____ oggi e _____ domani."));
    game.answerTapped(QuizPlay::right(game));
    QCOMPARE(game.currentQuestionText(), QStringLiteral("Frase 1: giusto1 oggi e giusto1 domani."));
    QCOMPARE(game.currentQuestion()->question, QStringLiteral("Frase 1: _____ oggi e _____ domani."));
}

void QuizGameTest::onlyFirstTapsCount()
{
    QuizGame game;
    game.startQuiz(quiz(QStringLiteral("twelve")));
    QuizQuestionAnswer *wrong = QuizPlay::wrong(game, 0);
    game.answerTapped(wrong);
    game.answerTapped(wrong);
    QCOMPARE(game.totalClicks(), 1);
    QCOMPARE(wrong->state(), QuizQuestionAnswerState::incorrect);

    game.answerTapped(QuizPlay::right(game));
    QuizQuestionAnswer *late = QuizPlay::wrong(game, 1);
    game.answerTapped(late);
    QCOMPARE(game.totalClicks(), 2);
    QCOMPARE(game.correctClicks(), 1);
    QCOMPARE(late->state(), QuizQuestionAnswerState::undefined);
    QCOMPARE(ProgressManager::shared().progressScores().value(QStringLiteral("parlare")), 0);
}

void QuizGameTest::explanationWaitsForTheNextButton()
{
    QuizGame game;
    game.startQuiz(quiz(QStringLiteral("four")));
    QuizQuestionAnswer *tapped = QuizPlay::wrong(game, 0);
    game.answerTapped(tapped);
    game.answerTapped(QuizPlay::right(game));

    for (const QuizQuestionAnswer *answer : game.currentQuestion()->allAnswers())
        QCOMPARE(answer->state(), answer->correct ? QuizQuestionAnswerState::correct : QuizQuestionAnswerState::discarded);
    services_->queue().advance(10000);
    QCOMPARE(game.currentTurn(), 0);
    game.nextTurn();
    QCOMPARE(game.currentTurn(), 1);
    QCOMPARE(game.turnState(), QuizQuestionAnswerState::undefined);
}

void QuizGameTest::pauseMovesOnAfterOneAndAHalfSeconds()
{
    QuizGame game;
    game.startQuiz(quiz(QStringLiteral("twelve")));
    game.answerTapped(QuizPlay::right(game));

    services_->queue().advance(1499);
    QCOMPARE(game.currentTurn(), 0);
    services_->queue().advance(1);
    QCOMPARE(game.currentTurn(), 1);
    QCOMPARE(game.currentQuestion(), game.questionsInPlay().at(1));
}

void QuizGameTest::pauseOfAnEarlierGameDoesNotMoveANewOne()
{
    QuizGame game;
    game.startQuiz(quiz(QStringLiteral("twelve")));
    game.answerTapped(QuizPlay::right(game));
    game.startQuiz(quiz(QStringLiteral("twelve")));

    services_->queue().advance(QuizGame::pauseAfterRightAnswerMs);
    QCOMPARE(game.currentTurn(), 0);
    QCOMPARE(game.totalClicks(), 0);
}

void QuizGameTest::pauseAfterTheGameIsGoneDoesNothing()
{
    {
        QuizGame game;
        game.startQuiz(quiz(QStringLiteral("twelve")));
        game.answerTapped(QuizPlay::right(game));
    }
    services_->queue().advance(QuizGame::pauseAfterRightAnswerMs);
    QVERIFY(!ProgressManager::shared().quizScores().contains(QStringLiteral("twelve")));
}

void QuizGameTest::missingAlternativesComeFromOtherAnswers()
{
    Quiz *bare = quiz(QStringLiteral("bare"));
    QuizGame game;
    game.startQuiz(bare);
    const QStringList others{QStringLiteral("uno"), QStringLiteral("due"), QStringLiteral("tre"),
                             QStringLiteral("quattro")};
    while (game.inPlay()) {
        QuizQuestion *question = game.currentQuestion();
        QStringList texts;
        for (const QuizQuestionAnswer *alternative : {question->alt1(), question->alt2(), question->alt3()}) {
            QVERIFY(!alternative->correct);
            QVERIFY(others.contains(alternative->text));
            QVERIFY(alternative->text != question->answer()->text);
            QVERIFY(!texts.contains(alternative->text));
            texts.append(alternative->text);
        }
        const auto answers = question->allAnswers();
        QVERIFY(answers.contains(question->alt1()) && answers.contains(question->alt2())
                && answers.contains(question->alt3()) && answers.contains(question->answer()));
        QuizPlay::answer(game, services_->queue(), 3);
    }
    QCOMPARE(game.totalClicks(), 20);
}

void QuizGameTest::questionWithoutSecondAlternativeIsPlayedUnchanged()
{
    QuizGame game;
    game.startQuiz(quiz(QStringLiteral("gap")));
    const QuizQuestion *question = game.currentQuestion();

    QCOMPARE(question->alt1()->text, QStringLiteral("vuoto"));
    QVERIFY(question->alt2()->text.isEmpty());
    QCOMPARE(question->alt3()->text, QStringLiteral("mezzo"));
}

void QuizGameTest::quizWithoutQuestionsDoesNotStart()
{
    QuizGame game;
    game.startQuiz(quiz(QStringLiteral("empty")));
    services_->queue().runPending();

    QVERIFY(!game.inPlay());
    QVERIFY(!game.played());
    game.nextTurn();
    QVERIFY(!ProgressManager::shared().quizScores().contains(QStringLiteral("empty")));
}

void QuizGameTest::replayResetsTheAnswers()
{
    QuizGame game;
    Quiz *four = quiz(QStringLiteral("four"));
    game.startQuiz(four);
    QuizPlay::playThrough(game, services_->queue(), {1, 1, 1, 1});
    QCOMPARE(game.percentage(), 50);

    game.startQuiz(four);
    QVERIFY(game.inPlay());
    QCOMPARE(game.totalClicks(), 0);
    for (const QuizQuestion *question : game.questionsInPlay()) {
        for (const QuizQuestionAnswer *answer : {question->answer(), question->alt1(), question->alt2(), question->alt3()})
            QCOMPARE(answer->state(), QuizQuestionAnswerState::undefined);
    }
    QuizPlay::playThrough(game, services_->queue());
    QCOMPARE(four->lastScore(), 100);
}

QTEST_GUILESS_MAIN(QuizGameTest)
#include "QuizGameTest.moc"
