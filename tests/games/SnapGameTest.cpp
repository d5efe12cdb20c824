#include "GameTesting.h"

#include "games/snap/SnapCard.h"
#include "games/snap/SnapGame.h"
#include "games/snap/SnapStar.h"
#include "verbs/Verb.h"

#include <QRegularExpression>
#include <QTest>

namespace {

void answerRight(SnapGame &game)
{
    if (game.currentPairIsAMatch())
        game.answerMatch();
    else
        game.answerNoMatch();
}

void answerWrong(SnapGame &game)
{
    if (game.currentPairIsAMatch())
        game.answerNoMatch();
    else
        game.answerMatch();
}

int litStars(const SnapGame &game)
{
    int lit = 0;
    for (const SnapStar *star : game.scoreNodes())
        lit += star->status() ? 1 : 0;
    return lit;
}

}

class SnapGameTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { services_ = std::make_unique<GameServices>(); }
    void cleanup() { services_.reset(); }

    void tenRightAnswers_data();
    void tenRightAnswers();
    void timeOutIsAMistake_data();
    void timeOutIsAMistake();
    void streakBonusAfterThreeRightAnswers();
    void mistakeWithNoStarLit();
    void onlyThumbsDownScores();
    void stoppedEarlyReportsTheStarsLit();
    void finishedGameKeepsItsResultWhenStopped();
    void pausesOfAnEarlierGameDoNothing();
    void setWithNothingToPlayEndsTheGame();
    void decoyDraws_data();
    void decoyDraws();
    void ishVariant_data();
    void ishVariant();

private:
    std::unique_ptr<GameServices> services_;
};

void SnapGameTest::tenRightAnswers_data()
{
    QTest::addColumn<int>("mistakes");
    QTest::addColumn<QString>("accuracy");
    QTest::addColumn<QString>("closing");
    QTest::addColumn<LearningGameState>("state");
    QTest::newRow("perfect") << 0 << "100%" << "Perfect run — verb expert status achieved!" << LearningGameState::won;
    QTest::newRow("one mistake") << 1 << "91%" << "So close to flawless — keep it up!" << LearningGameState::won;
    QTest::newRow("two mistakes") << 2 << "83%" << "So close to flawless — keep it up!" << LearningGameState::won;
    QTest::newRow("three mistakes") << 3 << "77%" << "Solid effort! Ready to crush it next time?"
                                    << LearningGameState::complete;
}

// Mistakes come first, while no star is lit, so that ten right answers still finish the game.
void SnapGameTest::tenRightAnswers()
{
    QFETCH(int, mistakes);
    QFETCH(QString, accuracy);
    QFETCH(QString, closing);
    QFETCH(LearningGameState, state);

    SnapGame game;
    QCOMPARE(game.gameName(), QStringLiteral("Snap"));
    game.setVerbSet(QStringLiteral("Five"));
    game.startGame();
    QVERIFY(game.inPlay());
    QCOMPARE(game.scoreNodes().size(), 10);
    QCOMPARE(game.snapCards().size(), 2);

    for (int i = 0; i < mistakes; ++i) {
        answerWrong(game);
        QCOMPARE(game.status(), SnapAnswerState::incorrect);
        QCOMPARE(game.timeLeft(), 0.0);
        services_->queue().advance(SnapGame::pauseAfterAnswerMs);
    }
    for (int i = 0; i < 10; ++i) {
        QVERIFY(game.canClick());
        answerRight(game);
        QCOMPARE(game.status(), SnapAnswerState::correct);
        QCOMPARE(litStars(game), i + 1);
        services_->queue().advance(SnapGame::pauseAfterAnswerMs);
    }
    QVERIFY(!game.inPlay());
    QCOMPARE(game.gameState(), state);
    const QString seconds = QString::asprintf("%.1f", 1.5 * (mistakes + 10));
    QCOMPARE(game.message(), u"You nailed 10 snaps in " + seconds + u"s! Accuracy: " + accuracy + u". " + closing);
    QCOMPARE(game.incorrectTaps(), mistakes);
    QVERIFY(services_->recording().played.size() == mistakes + 10);
    QVERIFY(services_->recording().played.constLast().endsWith(QStringLiteral("ding.mp3")));
}

void SnapGameTest::timeOutIsAMistake_data()
{
    QTest::addColumn<LearningGameDifficultyLevel>("level");
    QTest::addColumn<int>("allowanceMs");
    QTest::newRow("easy") << LearningGameDifficultyLevel::easy << 30000;
    QTest::newRow("medium") << LearningGameDifficultyLevel::medium << 20000;
    QTest::newRow("hard") << LearningGameDifficultyLevel::hard << 15000;
}

void SnapGameTest::timeOutIsAMistake()
{
    QFETCH(LearningGameDifficultyLevel, level);
    QFETCH(int, allowanceMs);
    SnapGame game;
    game.setDifficultyLevel(level);
    game.startGame();
    answerRight(game);
    services_->queue().advance(SnapGame::pauseAfterAnswerMs);
    QCOMPARE(game.correctTaps(), 1);
    const SnapCard *answerCard = game.snapCards().at(1);

    services_->queue().advance(allowanceMs - 100);
    QVERIFY(game.canClick());
    services_->queue().advance(200);
    QVERIFY(!game.canClick());
    QCOMPARE(game.status(), SnapAnswerState::incorrect);
    QCOMPARE(game.correctTaps(), 0);
    QCOMPARE(game.incorrectTaps(), 1);
    QCOMPARE(litStars(game), 0);
    const AnswerStatus revealed =
        answerCard->isCorrect() ? AnswerStatus::correct : AnswerStatus::incorrect;
    QCOMPARE(game.snapCards().at(0)->status(), revealed);
    QCOMPARE(game.snapCards().at(1)->status(), revealed);
    // A late tap on the revealed pair counts for nothing.
    answerRight(game);
    QCOMPARE(game.correctTaps(), 0);

    services_->queue().advance(SnapGame::pauseAfterTimeUpMs);
    QVERIFY(game.canClick());
    QVERIFY(game.snapCards().at(1) != answerCard);
    QCOMPARE(game.status(), SnapAnswerState::unanswered);
    QVERIFY(game.timeLeft() <= game.baseTime() && game.timeLeft() > game.baseTime() - 0.01);
}

void SnapGameTest::streakBonusAfterThreeRightAnswers()
{
    SnapGame game;
    game.setDifficultyLevel(LearningGameDifficultyLevel::medium);
    game.startGame();
    const QString instructions = game.message();
    for (int i = 0; i < 2; ++i) {
        answerRight(game);
        services_->queue().advance(SnapGame::pauseAfterAnswerMs);
    }
    QCOMPARE(game.message(), instructions);
    answerRight(game);
    QCOMPARE(game.message(), QStringLiteral("Streak Bonus! +0.5s"));
    QVERIFY(game.streakBonusShown());
    services_->queue().advance(SnapGame::pauseAfterAnswerMs);
    QCOMPARE(game.timeLeft(), 1.5);
    QVERIFY(!game.streakBonusShown());
    // The bonus serves one pair only, and a mistake starts the count again.
    answerWrong(game);
    QCOMPARE(game.streakCount(), 0);
    services_->queue().advance(SnapGame::pauseAfterAnswerMs);
    QCOMPARE(game.timeLeft(), 1.0);
    for (int i = 0; i < 2; ++i) {
        answerRight(game);
        services_->queue().advance(SnapGame::pauseAfterAnswerMs);
    }
    QCOMPARE(game.timeLeft(), 1.0);
    answerRight(game);
    services_->queue().advance(SnapGame::pauseAfterAnswerMs);
    QCOMPARE(game.timeLeft(), 1.5);
    // The bonus pair lasts half a unit (ten seconds) longer.
    services_->queue().advance(29900);
    QVERIFY(game.canClick());
    services_->queue().advance(200);
    QVERIFY(!game.canClick());
}

void SnapGameTest::mistakeWithNoStarLit()
{
    SnapGame game;
    game.startGame();
    answerWrong(game);
    QCOMPARE(game.correctTaps(), 0);
    QCOMPARE(game.incorrectTaps(), 1);
    QVERIFY(services_->recording().played.constLast().endsWith(QStringLiteral("wrong.mp3")));
}

void SnapGameTest::onlyThumbsDownScores()
{
    SnapGame game;
    game.setDifficultyLevel(LearningGameDifficultyLevel::hard);
    game.startGame();
    QMap<QString, qint64> expected;
    int thumbsDown = 0;
    for (int turn = 0; turn < 40 && game.inPlay(); ++turn) {
        const QString key = game.currentVerb()->key;
        const bool match = game.currentPairIsAMatch();
        if (turn % 3 == 2) {
            game.answerNoMatch();
            expected[key] += match ? -1 : 1;
            ++thumbsDown;
        } else {
            game.answerMatch();
        }
        services_->queue().advance(SnapGame::pauseAfterAnswerMs);
    }
    QVERIFY(thumbsDown > 5);
    QMap<QString, qint64> scores = ProgressManager::shared().progressScores();
    scores.removeIf([](const auto &entry) { return entry.value() == 0; });
    expected.removeIf([](const auto &entry) { return entry.value() == 0; });
    QCOMPARE(scores, expected);
}

void SnapGameTest::stoppedEarlyReportsTheStarsLit()
{
    SnapGame game;
    game.stopGame();
    QVERIFY(game.message().startsWith(QStringLiteral("Each time the cards change")));

    game.startGame();
    for (int i = 0; i < 3; ++i) {
        answerRight(game);
        services_->queue().advance(SnapGame::pauseAfterAnswerMs);
    }
    answerRight(game);
    answerRight(game);
    QCOMPARE(game.correctTaps(), 4);
    game.stopGame();
    QVERIFY(!game.inPlay());
    QCOMPARE(game.message(), QStringLiteral("Well done! You reached 4 snaps. Want another go?"));
    // The pending next pair stays undealt.
    const QList<SnapCard *> cards = game.snapCards();
    services_->queue().advance(5000);
    QCOMPARE(game.snapCards(), cards);
    QVERIFY(!game.canClick());
}

void SnapGameTest::finishedGameKeepsItsResultWhenStopped()
{
    SnapGame game;
    game.startGame();
    while (game.inPlay()) {
        answerRight(game);
        services_->queue().advance(SnapGame::pauseAfterAnswerMs);
    }
    const QString result = game.message();
    QVERIFY(result.startsWith(QStringLiteral("You nailed 10 snaps in ")));
    game.stopGame();
    QCOMPARE(game.message(), result);
    QCOMPARE(game.gameState(), LearningGameState::won);
}

void SnapGameTest::pausesOfAnEarlierGameDoNothing()
{
    SnapGame game;
    game.startGame();
    for (int i = 0; i < 9; ++i) {
        answerRight(game);
        services_->queue().advance(SnapGame::pauseAfterAnswerMs);
    }
    answerRight(game); // the tenth star: the end is due in 1.5 s
    game.startGame();
    QCOMPARE(game.gameState(), LearningGameState::undefined);
    const QList<SnapCard *> cards = game.snapCards();
    const qint64 scoreBefore = GameServices::score(game.currentVerb()->key);
    services_->queue().advance(SnapGame::finishPauseMs);
    QVERIFY(game.inPlay());
    QCOMPARE(game.snapCards(), cards);
    QCOMPARE(game.correctTaps(), 0);
    QCOMPARE(litStars(game), 0);
    QCOMPARE(GameServices::score(game.currentVerb()->key), scoreBefore);
    // One timer only: the new pair times out once, at its own time.
    services_->queue().advance(30000 - SnapGame::finishPauseMs + 100);
    QCOMPARE(game.incorrectTaps(), 1);
}

void SnapGameTest::setWithNothingToPlayEndsTheGame()
{
    services_.reset();
    services_ = std::make_unique<GameServices>(QStringLiteral("quizzes"));
    SnapGame game;
    game.startGame();
    QVERIFY(!game.inPlay());
    QVERIFY(!game.canClick());
    QCOMPARE(game.message(), SnapGame::nothingToPlayMessage);
    game.answerMatch();
    QCOMPARE(game.incorrectTaps(), 0);
    QCOMPARE(services_->queue().pendingCount(), 0);
}

void SnapGameTest::decoyDraws_data()
{
    QTest::addColumn<LearningGameDifficultyLevel>("level");
    QTest::addColumn<int>("threshold");
    QTest::addColumn<double>("attempts");
    QTest::addColumn<double>("ish");
    QTest::newRow("easy") << LearningGameDifficultyLevel::easy << 9 << 1.0 / 9 << 0.0;
    QTest::newRow("medium") << LearningGameDifficultyLevel::medium << 7 << 3.0 / 9 << 0.0;
    QTest::newRow("hard") << LearningGameDifficultyLevel::hard << 4 << 6.0 / 9 << 1.0 / 3;
}

// 10,000 pairs from a seeded source: the share of decoy attempts by level, and on hard the share
// of non-matching decoys that show the right answer with "-ish".
void SnapGameTest::decoyDraws()
{
    QFETCH(LearningGameDifficultyLevel, level);
    QFETCH(int, threshold);
    QFETCH(double, attempts);
    QFETCH(double, ish);

    SnapGame game;
    game.setDifficultyLevel(level);
    game.startGame();
    QCOMPARE(game.decoyThreshold(), threshold);
    const int draws = 10000;
    int nonMatching = 0;
    int ishCount = 0;
    for (int i = 0; i < draws; ++i) {
        game.nextCard();
        const SnapCard *answer = game.snapCards().at(1);
        QCOMPARE(answer->correctAnswer(), game.correctAnswer());
        if (answer->text() == game.correctAnswer())
            QVERIFY(game.currentPairIsAMatch());
        QCOMPARE(answer->isCorrect(), game.currentPairIsAMatch());
        if (!game.currentPairIsAMatch()) {
            ++nonMatching;
            if (answer->text().contains(QStringLiteral("-ish"))) {
                ++ishCount;
                QCOMPARE(QString(answer->text()).remove(QStringLiteral("-ish")), game.correctAnswer());
            }
        }
    }
    // A decoy attempt can still draw the right answer, so the share of non-matching pairs is a
    // little below the share of attempts.
    const double share = double(nonMatching) / draws;
    QVERIFY2(share < attempts + 0.02 && share > attempts * 0.7, qPrintable(QString::number(share)));
    QVERIFY(nonMatching > 0);
    QVERIFY2(qAbs(double(ishCount) / nonMatching - ish) < 0.04,
             qPrintable(QString::number(double(ishCount) / nonMatching)));
}

void SnapGameTest::ishVariant_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("possible");
    QTest::newRow("one word") << "speak" << QStringList{"speak-ish"};
    QTest::newRow("two words") << "I speak" << QStringList{"I-ish speak", "I speak-ish"};
    QTest::newRow("extra blanks") << " we  eat " << QStringList{"we-ish eat", "we eat-ish"};
    QTest::newRow("blanks only") << "   " << QStringList{"   "};
    QTest::newRow("empty") << "" << QStringList{""};
}

void SnapGameTest::ishVariant()
{
    QFETCH(QString, text);
    QFETCH(QStringList, possible);
    SnapGame game;
    QSet<QString> seen;
    for (int i = 0; i < 50; ++i) {
        const QString variant = game.ishVariant(text);
        QVERIFY2(possible.contains(variant), qPrintable(variant));
        seen.insert(variant);
    }
    QCOMPARE(seen.size(), possible.size());
}

QTEST_GUILESS_MAIN(SnapGameTest)
#include "SnapGameTest.moc"
