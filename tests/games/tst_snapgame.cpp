#include "GameTesting.h"

#include "games/snap/SnapCard.h"
#include "games/snap/SnapStar.h"
#include "platform/Random.h"
#include "progress/MistakeLog.h"
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
        QTest::newRow("perfect") << 0 << "100%" << "Not one mistake: excellent!" << LearningGameState::won;
        QTest::newRow("one mistake") << 1 << "91%" << "Nearly flawless." << LearningGameState::won;
        QTest::newRow("three mistakes") << 3 << "77%" << "Practise the forms you missed, then try for fewer mistakes." << LearningGameState::complete;
    }
    // clang-format on
    // Mistakes come first, while no star is lit, so that ten right answers still finish the game;
    // each shows the pair's answer, a time not counted. Stopping the finished game keeps its result.
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
            QVERIFY(game.revealing());
            services_->queue().advance(LearningGame::revealMs);
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
        const QString result = u"You made 10 snaps in 15.0 s, with an accuracy of " + accuracy + u". " + closing;
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
        services_->queue().advance(LearningGame::revealMs);
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
            services_->queue().advance(LearningGame::revealMs);
        }
        QVERIFY(thumbsDown > 5);
        QMap<QString, qint64> scores = services_->progressManager().progressScores();
        scores.removeIf([](const auto &entry) { return entry.value() == 0; });
        expected.removeIf([](const auto &entry) { return entry.value() == 0; });
        QCOMPARE(scores, expected);
        // Each answer is kept with the game it was given in.
        const auto records = services_->mistakeLog().records();
        QVERIFY(!records.isEmpty() && records.first().answers.first().game == u"Snap");
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
        QTest::addColumn<double>("ish");
        QTest::newRow("easy") << LearningGameDifficultyLevel::easy << 30000 << 0.0;
        QTest::newRow("hard") << LearningGameDifficultyLevel::hard << 15000 << 1.0 / 3;
    }
    // clang-format on
    // A pair left unanswered for the level's allowance is a mistake that puts out the stars and
    // shows the pair's answer. Then 10,000 pairs from a seeded source: half of them match, and on
    // hard a third of the non-matching ones show the right answer with "-ish".
    void levels()
    {
        QFETCH(LearningGameDifficultyLevel, level);
        QFETCH(int, allowanceMs);
        QFETCH(double, ish);
        SnapGame game(services_->gameContext());
        game.setDifficultyLevel(level);
        game.startGame();
        answer(game, true);
        const SnapCard *answerCard = game.snapCards().at(1);
        services_->queue().advance(allowanceMs - 100);
        QVERIFY(game.canClick());
        services_->queue().advance(200);
        QVERIFY(!game.canClick() && game.revealing());
        QCOMPARE(game.revealEnglish(), game.correctAnswer());
        QCOMPARE((QList<int>{game.correctTaps(), game.incorrectTaps(), litStars(game)}), (QList<int>{0, 1, 0}));
        const AnswerStatus revealed = answerCard->isCorrect() ? AnswerStatus::correct : AnswerStatus::incorrect;
        QCOMPARE(game.snapCards().at(0)->status(), revealed);
        // A late tap on the revealed pair counts for nothing.
        snap(game, true);
        QCOMPARE(game.correctTaps(), 0);
        services_->queue().advance(LearningGame::revealMs);
        QVERIFY(game.canClick() && game.snapCards().at(1) != answerCard);
        QVERIFY(game.timeLeft() <= game.baseTime() && game.timeLeft() > game.baseTime() - 0.01);

        const int draws = 10000;
        int nonMatching = 0;
        int ishCount = 0;
        for (int i = 0; i < draws; ++i) {
            game.nextCard();
            const SnapCard *shown = game.snapCards().at(1);
            QVERIFY(shown->text() != game.correctAnswer() || game.currentPairIsAMatch());
            QCOMPARE(shown->isCorrect(), game.currentPairIsAMatch());
            if (!game.currentPairIsAMatch()) {
                ++nonMatching;
                ishCount += shown->text().contains(QStringLiteral("-ish")) ? 1 : 0;
            }
        }
        QVERIFY2(qAbs(double(nonMatching) / draws - 0.5) < 0.01, qPrintable(QString::number(nonMatching)));
        QVERIFY2(qAbs(double(ishCount) / nonMatching - ish) < 0.04, qPrintable(QString::number(ishCount)));
    }

    // 200 games from as many seeds, each dealt 40 pairs (a game ends after ten right answers, so at
    // its tenth pair at the soonest): from the tenth pair on, 40% to 60% of the pairs dealt match.
    void fairMixInEveryGame()
    {
        for (std::uint64_t seed = 1; seed <= 200; ++seed) {
            services_->random() = Random(seed);
            SnapGame game(services_->gameContext());
            game.startGame();
            for (int pair = 1; pair < 40; ++pair) {
                game.nextCard();
                const double share = double(game.dealtMatches()) / game.dealtCards();
                QVERIFY2(game.dealtCards() < 10 || (share >= 0.4 && share <= 0.6), qPrintable(QString::number(seed)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(SnapGameTest)
#include "tst_snapgame.moc"
