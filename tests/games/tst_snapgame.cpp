#include "GameTesting.h"

#include "games/snap/SnapCard.h"
#include "games/snap/SnapStar.h"
#include "verbs/Verb.h"

#include <QTest>

using namespace play;

class SnapGameTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameServices> services_;

    void answer(SnapGame &game, bool right)
    {
        snap(game, right);
        services_->queue().advance(SnapGame::pauseAfterAnswerMs);
    }

    static int litStars(const SnapGame &game)
    {
        int lit = 0;
        for (const SnapStar *star : game.scoreNodes())
            lit += star->status() ? 1 : 0;
        return lit;
    }

private slots:
    void init() { services_ = std::make_unique<GameServices>(); }
    void cleanup() { services_.reset(); }

    // clang-format off
    void tenRightAnswers_data()
    {
        QTest::addColumn<int>("mistakes");
        QTest::addColumn<QString>("accuracy");
        QTest::addColumn<QString>("closing");
        QTest::addColumn<LearningGameState>("state");
        QTest::newRow("perfect") << 0 << "100%" << "Perfect run — verb expert status achieved!" << LearningGameState::won;
        QTest::newRow("one mistake") << 1 << "91%" << "So close to flawless — keep it up!" << LearningGameState::won;
        QTest::newRow("two mistakes") << 2 << "83%" << "So close to flawless — keep it up!" << LearningGameState::won;
        QTest::newRow("three mistakes") << 3 << "77%" << "Solid effort! Ready to crush it next time?" << LearningGameState::complete;
    }
    // clang-format on
    // Mistakes come first, while no star is lit, so that ten right answers still finish the game.
    // Stopping the finished game keeps its result.
    void tenRightAnswers()
    {
        QFETCH(int, mistakes);
        QFETCH(QString, accuracy);
        QFETCH(QString, closing);
        QFETCH(LearningGameState, state);
        SnapGame game(services_->gameContext());
        game.setVerbSet(QStringLiteral("Five"));
        game.startGame();
        QCOMPARE(game.scoreNodes().size(), 10);
        QCOMPARE(game.snapCards().size(), 2);
        for (int i = 0; i < mistakes; ++i) {
            snap(game, false);
            QCOMPARE(game.status(), SnapAnswerState::incorrect);
            QCOMPARE(game.correctTaps(), 0);
            QCOMPARE(game.timeLeft(), 0.0);
            QVERIFY(services_->recording().played.constLast().endsWith(QStringLiteral("wrong.mp3")));
            services_->queue().advance(SnapGame::pauseAfterAnswerMs);
        }
        for (int i = 0; i < 10; ++i) {
            QVERIFY(game.canClick());
            snap(game, true);
            QCOMPARE(game.status(), SnapAnswerState::correct);
            QCOMPARE(litStars(game), i + 1);
            services_->queue().advance(SnapGame::pauseAfterAnswerMs);
        }
        QVERIFY(!game.inPlay());
        QCOMPARE(game.gameState(), state);
        const QString seconds = QString::asprintf("%.1f", 1.5 * (mistakes + 10));
        const QString result = u"You nailed 10 snaps in " + seconds + u"s! Accuracy: " + accuracy + u". " + closing;
        QCOMPARE(game.message(), result);
        QCOMPARE(game.incorrectTaps(), mistakes);
        QCOMPARE(services_->recording().played.size(), mistakes + 10);
        QVERIFY(services_->recording().played.constLast().endsWith(QStringLiteral("ding.mp3")));
        game.stopGame();
        QCOMPARE(game.message(), result);
        QCOMPARE(game.gameState(), state);
    }

    void streakBonusAfterThreeRightAnswers()
    {
        SnapGame game(services_->gameContext());
        game.setDifficultyLevel(LearningGameDifficultyLevel::medium);
        game.startGame();
        const QString instructions = game.message();
        answer(game, true);
        answer(game, true);
        QCOMPARE(game.message(), instructions);
        snap(game, true);
        QCOMPARE(game.message(), QStringLiteral("Streak Bonus! +0.5s"));
        QVERIFY(game.streakBonusShown());
        services_->queue().advance(SnapGame::pauseAfterAnswerMs);
        QCOMPARE(game.timeLeft(), 1.5);
        QVERIFY(!game.streakBonusShown());
        // The bonus serves one pair only, and a mistake starts the count again.
        snap(game, false);
        QCOMPARE(game.streakCount(), 0);
        services_->queue().advance(SnapGame::pauseAfterAnswerMs);
        QCOMPARE(game.timeLeft(), 1.0);
        answer(game, true);
        answer(game, true);
        QCOMPARE(game.timeLeft(), 1.0);
        answer(game, true);
        QCOMPARE(game.timeLeft(), 1.5);
        // The bonus pair lasts half a unit (ten seconds) longer.
        services_->queue().advance(29900);
        QVERIFY(game.canClick());
        services_->queue().advance(200);
        QVERIFY(!game.canClick());
    }

    void onlyThumbsDownScores()
    {
        SnapGame game(services_->gameContext());
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
        QMap<QString, qint64> scores = services_->progressManager().progressScores();
        scores.removeIf([](const auto &entry) { return entry.value() == 0; });
        expected.removeIf([](const auto &entry) { return entry.value() == 0; });
        QCOMPARE(scores, expected);
    }

    void stoppedEarlyReportsTheStarsLit()
    {
        SnapGame game(services_->gameContext());
        game.stopGame();
        QVERIFY(game.message().startsWith(QStringLiteral("Each time the cards change")));
        game.startGame();
        for (int i = 0; i < 3; ++i)
            answer(game, true);
        snap(game, true);
        snap(game, true);
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

    // clang-format off
    void levels_data()
    {
        QTest::addColumn<LearningGameDifficultyLevel>("level");
        QTest::addColumn<int>("allowanceMs");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<double>("attempts");
        QTest::addColumn<double>("ish");
        QTest::newRow("easy") << LearningGameDifficultyLevel::easy << 30000 << 9 << 1.0 / 9 << 0.0;
        QTest::newRow("medium") << LearningGameDifficultyLevel::medium << 20000 << 7 << 3.0 / 9 << 0.0;
        QTest::newRow("hard") << LearningGameDifficultyLevel::hard << 15000 << 4 << 6.0 / 9 << 1.0 / 3;
    }
    // clang-format on
    // A pair left unanswered for the level's allowance is a mistake that puts out the stars.
    // Then 10,000 pairs from a seeded source: the share of decoy attempts by level, and on hard the
    // share of non-matching decoys that show the right answer with "-ish".
    void levels()
    {
        QFETCH(LearningGameDifficultyLevel, level);
        QFETCH(int, allowanceMs);
        QFETCH(int, threshold);
        QFETCH(double, attempts);
        QFETCH(double, ish);
        SnapGame game(services_->gameContext());
        game.setDifficultyLevel(level);
        game.startGame();
        answer(game, true);
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
        const AnswerStatus revealed = answerCard->isCorrect() ? AnswerStatus::correct : AnswerStatus::incorrect;
        QCOMPARE(game.snapCards().at(0)->status(), revealed);
        QCOMPARE(game.snapCards().at(1)->status(), revealed);
        // A late tap on the revealed pair counts for nothing.
        snap(game, true);
        QCOMPARE(game.correctTaps(), 0);
        services_->queue().advance(SnapGame::pauseAfterTimeUpMs);
        QVERIFY(game.canClick());
        QVERIFY(game.snapCards().at(1) != answerCard);
        QCOMPARE(game.status(), SnapAnswerState::unanswered);
        QVERIFY(game.timeLeft() <= game.baseTime() && game.timeLeft() > game.baseTime() - 0.01);

        QCOMPARE(game.decoyThreshold(), threshold);
        const int draws = 10000;
        int nonMatching = 0;
        int ishCount = 0;
        for (int i = 0; i < draws; ++i) {
            game.nextCard();
            const SnapCard *shown = game.snapCards().at(1);
            QCOMPARE(shown->correctAnswer(), game.correctAnswer());
            QVERIFY(shown->text() != game.correctAnswer() || game.currentPairIsAMatch());
            QCOMPARE(shown->isCorrect(), game.currentPairIsAMatch());
            if (!game.currentPairIsAMatch()) {
                ++nonMatching;
                if (shown->text().contains(QStringLiteral("-ish"))) {
                    ++ishCount;
                    QCOMPARE(QString(shown->text()).remove(QStringLiteral("-ish")), game.correctAnswer());
                }
            }
        }
        // A decoy attempt can still draw the right answer, so the share of non-matching pairs is a
        // little below the share of attempts.
        const double share = double(nonMatching) / draws;
        QVERIFY2(share < attempts + 0.02 && share > attempts * 0.7, qPrintable(QString::number(share)));
        QVERIFY2(qAbs(double(ishCount) / nonMatching - ish) < 0.04,
            qPrintable(QString::number(double(ishCount) / nonMatching)));
    }
};

QTEST_GUILESS_MAIN(SnapGameTest)
#include "tst_snapgame.moc"
