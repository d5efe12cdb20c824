#include "GameTesting.h"

#include "games/review/VerbForms.h"
#include "progress/Fsrs.h"
#include "progress/ReviewSchedule.h"
#include "verbs/Verb.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace play;

class ConjQuizTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameServices> services_;

    // A right tap and its pause, or a wrong tap and the answer shown after it.
    void playTurn(ConjQuiz &game, bool wrong)
    {
        game.answerTapped(answer(game, !wrong));
        services_->queue().advance(wrong ? LearningGame::revealMs : ConjQuiz::pauseAfterRightAnswerMs);
    }

private slots:
    void init() { services_ = std::make_unique<GameServices>(); }
    void cleanup() { services_.reset(); }

    // clang-format off
    void wholeGame_data()
    {
        QTest::addColumn<QList<bool>>("wrong");
        QTest::addColumn<int>("accuracy");
        QTest::addColumn<LearningGameState>("state");
        QTest::addColumn<QString>("piece");
        QTest::newRow("all right") << QList<bool>{} << 100 << LearningGameState::won << "Every answer right: excellent!";
        QTest::newRow("one wrong") << QList<bool>{true} << 90 << LearningGameState::won << "Your accuracy was 90%: very nearly perfect.";
        QTest::newRow("five wrong") << QList<bool>(5, true) << 50 << LearningGameState::complete << "Your accuracy was 50%. Practise the forms you missed, then have another go.";
        QTest::newRow("six wrong") << QList<bool>(6, true) << 40 << LearningGameState::lost << "Your accuracy was 40%. Take your time over each question: practising the forms you missed will help.";
    }
    // clang-format on
    // Each turn is answered once; the result lists exactly the forms missed, with their English.
    void wholeGame()
    {
        QFETCH(QList<bool>, wrong);
        QFETCH(int, accuracy);
        QFETCH(LearningGameState, state);
        QFETCH(QString, piece);
        ConjQuiz game(services_->gameContext());
        game.setVerbSet(QStringLiteral("Top 100"));
        game.startGame();
        QCOMPARE(game.accuracyText(), QString());
        QStringList missed;
        int turns = 0;
        for (; game.inPlay() && turns <= 10; ++turns) {
            QCOMPARE(game.currentTurn(), turns);
            if (wrong.value(turns))
                missed.append(
                    DrilledForm::fromCode(game.currentVerb()->key, game.currentQuestion().tags.join(u'|'))->id());
            playTurn(game, wrong.value(turns));
        }
        QCOMPARE(turns, 10);
        QCOMPARE(game.accuracy(), accuracy);
        QCOMPARE(game.gameState(), state);
        QCOMPARE(game.message(), u"You worked through all 10 questions. " + piece);
        QVERIFY(game.result()->shown());
        QCOMPARE(game.result()->missedIds(), missed);
        QCOMPARE(game.result()->accuracy(), accuracy);
        // The time an answer showed after a miss is not counted.
        QCOMPARE(game.result()->playedMs(), (10 - missed.size()) * ConjQuiz::pauseAfterRightAnswerMs);
    }

    // A wrong tap scores down, marks the right answer and shows it with its English; taps count
    // for nothing until the next turn, which comes once the answer has shown (or at a tap on it).
    void wrongTapRevealsTheAnswer()
    {
        ConjQuiz game(services_->gameContext());
        game.startGame();
        Verb *verb = game.currentVerb();
        ConjugationQuizAnswer *wrong = answer(game, false);
        ConjugationQuizAnswer *right = answer(game, true);
        game.answerTapped(wrong);
        QCOMPARE((QList<AnswerStatus>{wrong->status(), right->status()}),
            (QList<AnswerStatus>{AnswerStatus::incorrect, AnswerStatus::correct}));
        QCOMPARE(services_->score(verb->key), -1);
        QCOMPARE(services_->recording().said.constLast(), (AudioRecording::Utterance{"non!", "it-IT"}));
        QVERIFY(game.revealing());
        QVERIFY(game.revealForm().endsWith(right->text()));
        QCOMPARE(game.revealEnglish(), game.currentQuestion().question);
        game.answerTapped(right);
        QCOMPARE((QList<int>{game.rightAnswers(), game.answers()}), (QList<int>{0, 1}));
        services_->queue().advance(LearningGame::revealMs - 1);
        QCOMPARE(game.currentTurn(), 0);
        game.continueNow();
        QCOMPARE(game.currentTurn(), 1);
        QVERIFY(!game.revealing());
        QCOMPARE(game.accuracyText(), QStringLiteral("Accuracy: 0%"));
    }

    // clang-format off
    void typedAnswers_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QList<int>>("rightHalfScore"); // right, half right, points
        QTest::addColumn<int>("accuracy");
        QTest::addColumn<bool>("revealed");
        QTest::addColumn<Fsrs::Rating>("rating");
        QTest::newRow("exact") << "exact" << QList<int>{1, 0, 1} << 100 << false << Fsrs::Rating::good;
        QTest::newRow("capitals and the pronoun") << "pronoun" << QList<int>{1, 0, 1} << 100 << false << Fsrs::Rating::good;
        QTest::newRow("accent slip") << "accent" << QList<int>{0, 1, 0} << 50 << true << Fsrs::Rating::hard;
        QTest::newRow("wrong") << "wrong" << QList<int>{0, 0, -1} << 0 << true << Fsrs::Rating::again;
    }
    // clang-format on
    // A typed answer is marked as the review marks it: an exact one (the pronoun and capitals
    // allowed) scores full, one right but for an accent half and rates Hard, any other is wrong;
    // both misses show the right form.
    void typedAnswers()
    {
        QFETCH(QString, how);
        QFETCH(QList<int>, rightHalfScore);
        QFETCH(int, accuracy);
        QFETCH(bool, revealed);
        QFETCH(Fsrs::Rating, rating);
        ConjQuiz game(services_->gameContext());
        game.setTypedMode(true);
        game.startGame();
        QCOMPARE(game.timeIncrement(), ConjQuiz::timeIncrementFor(game.difficultyLevel()) / 2);
        const QString right = game.currentQuestion().correctAnswer;
        QString hint = game.currentQuestion().questionHint;
        hint.chop(3); // "tu..."
        QString typed = how == u"wrong" ? QStringLiteral("zzz") : right;
        if (how == u"pronoun")
            typed = (hint.isEmpty() ? QString() : hint + u' ') + right.toUpper();
        if (how == u"accent")
            typed = right.contains(QRegularExpression(QStringLiteral("[àèéìòóù]"))) ? VerbForms::withoutAccents(right)
                                                                                    : right.chopped(1)
                    + VerbForms::withoutAccents(right.right(1))
                          .replace(u'o', u'ò')
                          .replace(u'a', u'à')
                          .replace(u'i', u'ì')
                          .replace(u'e', u'è');
        for (const QChar letter : typed)
            game.typeKey(letter);
        game.backspace();
        game.typeKey(typed.right(1));
        game.submit();
        QCOMPARE(
            (QList<int>{game.rightAnswers(), game.halfRightAnswers(), int(services_->score(game.currentVerb()->key))}),
            rightHalfScore);
        QCOMPARE(game.accuracy(), accuracy);
        QCOMPARE(game.revealing(), revealed);
        const auto form = DrilledForm::fromCode(game.currentVerb()->key, game.currentQuestion().tags.join(u'|'));
        // A right answer to a form never missed makes no review card.
        const auto card = services_->reviewSchedule().card(*form);
        QCOMPARE(card.has_value(), rating != Fsrs::Rating::good);
        if (card)
            QCOMPARE(card->difficulty, Fsrs().review(FsrsCard{}, rating, services_->queue().now()).difficulty);
        // Enter again, while a miss shows the right form, moves on.
        game.submit();
        QCOMPARE(game.currentTurn(), revealed ? 1 : 0);
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
    // The bar fills on turn five in the level's time. Over 10,000 turns
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
            playTurn(game, false);
        services_->queue().advance(fillMs - 150);
        QVERIFY(game.inPlay() && game.timeElapsed() > 0.97);
        services_->queue().advance(300);
        // Time is up: the turn is missed and shows its answer, then the game goes on.
        QVERIFY(game.inPlay() && game.revealing());
        QCOMPARE(game.revealNote(), QStringLiteral("Out of time."));
        QCOMPARE(answer(game, true)->status(), AnswerStatus::correct);
        game.answerTapped(answer(game, true));
        QCOMPARE((QList<int>{game.rightAnswers(), game.answers()}), (QList<int>{4, 5}));
        services_->queue().advance(LearningGame::revealMs);
        QCOMPARE(game.currentTurn(), 5);

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
