#include "GameTesting.h"

#include "verbs/Verb.h"

#include <QSet>
#include <QTest>

using namespace play;

class ConjQuizTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameServices> services_;

    // Wrong taps (on the first wrong button), then the right one, then the pause.
    void playTurn(ConjQuiz &game, int wrongTaps)
    {
        for (int i = 0; i < wrongTaps; ++i)
            game.answerTapped(answer(game, false));
        game.answerTapped(answer(game, true));
        services_->queue().advance(ConjQuiz::pauseAfterRightAnswerMs);
    }

private slots:
    void init() { services_ = std::make_unique<GameServices>(); }
    void cleanup() { services_.reset(); }

    // clang-format off
    void wholeGame_data()
    {
        QTest::addColumn<QList<int>>("wrongTaps");
        QTest::addColumn<int>("accuracy");
        QTest::addColumn<LearningGameState>("state");
        QTest::addColumn<QString>("piece");
        QTest::newRow("every first tap right") << QList<int>{} << 100 << LearningGameState::won << "Your accuracy was 100% - fantastic work!";
        QTest::newRow("one wrong tap") << QList<int>{1} << 90 << LearningGameState::won << "Your accuracy was 90%. Great work. Can you go for the 100 next time?";
        QTest::newRow("two wrong taps") << QList<int>{0, 2} << 83 << LearningGameState::complete << "Your accuracy score of 83% is pretty good, too. Can you edge into the nineties next time?";
        QTest::newRow("four wrong taps") << QList<int>{1, 1, 1, 1} << 71 << LearningGameState::complete << "A solid 71% accuracy too. Try to break 80% on your next go!";
        QTest::newRow("six wrong taps") << QList<int>{3, 3} << 62 << LearningGameState::complete << "Your accuracy score is 62%. Not bad. Let's work on pushing that higher next time!";
        QTest::newRow("nine wrong taps") << QList<int>{3, 3, 3} << 52 << LearningGameState::complete << "You tapped with an accuracy of 52%. A good attempt - try to nudge that a little higher on your next go!";
        QTest::newRow("three wrong taps every turn") << QList<int>(10, 3) << 25 << LearningGameState::lost << "Your accuracy was 25%. Take your time with the questions and try to hit that 50% threshold on your next attempt.";
    }
    // clang-format on
    void wholeGame()
    {
        QFETCH(QList<int>, wrongTaps);
        QFETCH(int, accuracy);
        QFETCH(LearningGameState, state);
        QFETCH(QString, piece);
        ConjQuiz game(services_->gameContext());
        game.setVerbSet(QStringLiteral("Top 100"));
        game.startGame();
        QCOMPARE(game.accuracy(), 0);
        QCOMPARE(game.verbsInPlay().size(), 10);
        int turns = 0;
        for (; game.inPlay() && turns <= 10; ++turns) {
            QCOMPARE(game.currentTurn(), turns);
            QCOMPARE(game.currentVerb(), game.verbsInPlay().at(turns));
            playTurn(game, wrongTaps.value(turns, 0));
        }
        QCOMPARE(turns, 10);
        QCOMPARE(game.rightAnswers(), 10);
        QCOMPARE(game.accuracy(), accuracy);
        QCOMPARE(game.gameState(), state);
        QCOMPARE(game.message(), u"Well done! You worked through all 10 questions. " + piece);
    }

    // Every wrong tap scores down; the right one scores up, speaks, and leaves the turn for a pause
    // in which no tap counts, not even one on the question gone by.
    void oneTurn()
    {
        ConjQuiz game(services_->gameContext());
        game.startGame();
        Verb *verb = game.currentVerb();
        ConjugationQuizAnswer *wrong = answer(game, false);
        ConjugationQuizAnswer *right = answer(game, true);
        QCOMPARE(right->text(), game.currentQuestion().correctAnswer);
        for (int i = 0; i < 3; ++i)
            game.answerTapped(wrong);
        QCOMPARE(wrong->status(), AnswerStatus::incorrect);
        QCOMPARE(services_->score(verb->key), -3);
        QCOMPARE(services_->recording().said.constLast(), (AudioRecording::Utterance{"non!", "it-IT"}));
        QVERIFY(game.canClick());
        game.answerTapped(right);
        QCOMPARE(right->status(), AnswerStatus::correct);
        QCOMPARE(services_->score(verb->key), -2);
        QCOMPARE(services_->recording().said.constLast(), (AudioRecording::Utterance{right->speakText(), "it-IT"}));
        game.answerTapped(right);
        game.answerTapped(wrong);
        QCOMPARE(game.answers(), 4);
        QCOMPARE(game.rightAnswers(), 1);
        QCOMPARE(services_->score(verb->key), -2);
        services_->queue().advance(ConjQuiz::pauseAfterRightAnswerMs - 1);
        QCOMPARE(game.currentTurn(), 0);
        services_->queue().advance(1);
        QCOMPARE(game.currentTurn(), 1);
        QCOMPARE(game.timeElapsed(), 0.0);
        game.answerTapped(right);
        QCOMPARE(game.answers(), 4);
    }

    void threeVerbSetRepeatsVerbs()
    {
        ConjQuiz game(services_->gameContext());
        game.setVerbSet(QStringLiteral("Three"));
        game.startGame();
        QMap<QString, int> counts;
        for (const Verb *verb : game.verbsInPlay())
            counts[verb->key] += 1;
        QCOMPARE(game.verbsInPlay().size(), 10);
        QCOMPARE(counts.size(), 3);
        for (int count : std::as_const(counts))
            QVERIFY(count == 3 || count == 4);
    }

    void pronounBecomesTheHint()
    {
        ConjQuiz game(services_->gameContext());
        game.setVerbSet(QStringLiteral("Pronoun Forms"));
        QSet<QString> hints;
        for (int round = 0; round < 30; ++round) {
            game.startGame();
            const ConjugationQuestion &question = game.currentQuestion();
            QVERIFY(question.questionHint.endsWith(QStringLiteral("...")));
            const QString pronoun = question.questionHint.chopped(3);
            hints.insert(pronoun);
            QVERIFY(!question.correctAnswer.contains(u' '));
            QCOMPARE(answer(game, true)->speakText(), pronoun + u' ' + question.correctAnswer);
            QCOMPARE(question.tags.size(), 3);
            QCOMPARE(question.tags.first(), QStringLiteral("PRES"));
            for (const ConjugationQuizAnswer *offered : question.alts)
                QVERIFY(!offered->text().contains(u' '));
        }
        QVERIFY(hints.contains(QStringLiteral("lui/lei")) && hints.contains(QStringLiteral("io")));
    }

    // clang-format off
    void fewFormsAreEachOfferedOnce_data()
    {
        QTest::addColumn<LearningGameDifficultyLevel>("level");
        QTest::newRow("easy") << LearningGameDifficultyLevel::easy;
        QTest::newRow("hard, with decoys") << LearningGameDifficultyLevel::hard;
    }
    // clang-format on
    // Six forms that read alike leave one answer of the verb's own, which a turn offers once, beside
    // a decoy from another verb at most.
    void fewFormsAreEachOfferedOnce()
    {
        QFETCH(LearningGameDifficultyLevel, level);
        ConjQuiz game(services_->gameContext());
        game.setVerbSet(QStringLiteral("Io Parlo"));
        game.setDifficultyLevel(level);
        for (int deal = 0; deal < 50; ++deal) {
            deal ? game.playTurn() : game.startGame();
            QStringList texts;
            for (const ConjugationQuizAnswer *offered : game.currentQuestion().alts)
                texts.append(offered->text());
            QCOMPARE(texts.count(QStringLiteral("parlo")), 1);
            QVERIFY(texts.size() <= (level == LearningGameDifficultyLevel::easy ? 1 : 2));
        }
    }

    // clang-format off
    void levels_data()
    {
        QTest::addColumn<LearningGameDifficultyLevel>("level");
        QTest::addColumn<int>("fillMs");
        QTest::addColumn<double>("decoyShare");
        QTest::newRow("easy") << LearningGameDifficultyLevel::easy << 37000 << 0.0;
        QTest::newRow("medium") << LearningGameDifficultyLevel::medium << 16700 << 0.2;
        QTest::newRow("hard") << LearningGameDifficultyLevel::hard << 10000 << 0.2;
    }
    // clang-format on
    // The bar fills on turn five in the level's time and ends the game unscored. Over 10,000 turns
    // from a seeded source, a turn offers a form that is not the verb's own in the level's share;
    // every turn offers distinct buttons, one of them right.
    void levels()
    {
        QFETCH(LearningGameDifficultyLevel, level);
        QFETCH(int, fillMs);
        QFETCH(double, decoyShare);
        ConjQuiz game(services_->gameContext());
        game.setVerbSet(QStringLiteral("Top 100"));
        game.setDifficultyLevel(level);
        game.startGame();
        for (int turn = 0; turn < 4; ++turn)
            playTurn(game, 0);
        const QMap<QString, qint64> scores = services_->progressManager().progressScores();
        services_->queue().advance(fillMs - 150);
        QVERIFY(game.inPlay() && game.timeElapsed() > 0.97);
        services_->queue().advance(300);
        QVERIFY(!game.inPlay());
        QCOMPARE(game.message(), QStringLiteral("Sorry, time's up! Want to try again?"));
        QCOMPARE(game.gameState(), LearningGameState::undefined);
        QCOMPARE(services_->progressManager().progressScores(), scores);
        game.answerTapped(answer(game, true));
        QCOMPARE(game.answers(), 4);
        QCOMPARE(services_->queue().pendingCount(), 0);

        const QStringList candidates = ConjQuiz::pronounCandidates(Verb().pronouns);
        int decoys = 0;
        for (int turn = 0; turn < 10000; ++turn) {
            turn % 10 ? game.playTurn() : game.startGame();
            QSet<QString> own;
            for (const QString &form :
                game.currentVerb()->gameParts(services_->verbDictionary().tenseSettings(), false).texts)
                own.insert(ConjQuiz::removePronouns(form, candidates).answer);
            const QList<ConjugationQuizAnswer *> &alts = game.currentQuestion().alts;
            QSet<QString> texts;
            int right = 0;
            bool foreign = false;
            for (const ConjugationQuizAnswer *offered : alts) {
                texts.insert(offered->text());
                right += offered->correct() ? 1 : 0;
                foreign = foreign || !own.contains(offered->text());
            }
            QVERIFY(texts.size() == alts.size() && alts.size() <= 4 && right == 1);
            decoys += foreign ? 1 : 0;
        }
        QVERIFY2(qAbs(decoys / 10000.0 - decoyShare) < 0.025, qPrintable(QString::number(decoys / 10000.0)));
    }
};

QTEST_GUILESS_MAIN(ConjQuizTest)
#include "tst_conjquiz.moc"
