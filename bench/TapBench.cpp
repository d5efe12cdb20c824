// The model work of each tap, over the shipped verbs with 1,000 scored verbs in the store, which
// gathers changes and writes them a second later as the app's does; storeWrite measures that
// write on its own.
// Taps that change what can be tapped next are measured together with a fresh deal; the deal on
// its own is measured too, so the tap is the difference.

#include "games/conjugation/ConjQuiz.h"
#include "games/conjugation/ConjugationQuizAnswer.h"
#include "games/gapfill/GapFill.h"
#include "games/gapfill/GapFillTurn.h"
#include "games/match/VerbMatch.h"
#include "games/match/VerbMatchButton.h"
#include "games/snap/SnapGame.h"
#include "platform/LearnerDatabase.h"
#include "platform/ManualMainQueue.h"
#include "progress/MistakeLog.h"
#include "progress/ProgressManager.h"
#include "screens/VerbDictionaryModel.h"
#include "screens/VerbTableModel.h"
#include "speech/AudioEngines.h"
#include "support/TestServices.h"
#include "verbs/VerbDictionary.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TapBench : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void conjugationAnswer();
    void gapFillDeal();
    void gapFillWrongLetter();
    void snapDeal();
    void snapAnswer();
    void matchDeal();
    void matchPair();
    void learntToggle();
    void searchKeystroke();
    void openVerbTable();
    void storeWrite();

private:
    template <typename Game> void deal(Game &game)
    {
        game.setDifficultyLevel(LearningGameDifficultyLevel::medium);
        game.startGame();
    }

    QTemporaryDir storeCopy_;
    std::unique_ptr<TestServices> services_;
};

void TapBench::initTestCase()
{
    TestServices::Options options;
    options.resourceRoot = QStringLiteral(FLEXIO_SOURCE_DIR "/resources");
    // A store made by the store generator, copied so that the bench leaves it as it was.
    const QString given = qEnvironmentVariable("FLEXIO_BENCH_STORE");
    if (!given.isEmpty()) {
        options.storePath = storeCopy_.filePath(QStringLiteral("learner.sqlite"));
        QVERIFY(QFile::copy(given, options.storePath));
    }
    services_ = std::make_unique<TestServices>(options);
    services_->audioEngines().useRecorders();
    if (given.isEmpty()) {
        const QList<Verb *> &verbs = services_->verbDictionary().verbs();
        LearnerDatabase &store = services_->learnerStore();
        QVERIFY(store.write([&] {
            for (int i = 0; i < 1000; ++i)
                store.addPoints(i < verbs.size() ? verbs.at(i)->key : QStringLiteral("verb%1").arg(i), (i % 9) - 4);
            return true;
        }));
    }
    services_->queue().runPending();
    QVERIFY(services_->progressManager().progressScores().size() >= 1000);
}

void TapBench::cleanupTestCase()
{
    services_.reset();
}

void TapBench::conjugationAnswer()
{
    ConjQuiz game(services_->gameContext());
    deal(game);
    // A wrong answer, then the tap on its reveal that deals the next turn; a game that ends is
    // dealt again (one round in ten).
    QBENCHMARK
    {
        for (ConjugationQuizAnswer *answer : game.currentQuestion().alts) {
            if (!answer->correct()) {
                game.answerTapped(answer);
                break;
            }
        }
        game.continueNow();
        if (!game.inPlay())
            deal(game);
    }
    QVERIFY(game.inPlay());
}

void TapBench::gapFillDeal()
{
    GapFill game(services_->gameContext());
    QBENCHMARK
    {
        deal(game);
    }
}

void TapBench::gapFillWrongLetter()
{
    GapFill game(services_->gameContext());
    QBENCHMARK
    {
        deal(game);
        const QChar right = game.currentGapFillTurn()->phrase().at(game.currentLetter()).toLower();
        game.letterTapped(right == u'z' ? QStringLiteral("q") : QStringLiteral("z"));
    }
    QCOMPARE(game.wrongThisTurnCount(), 1);
}

void TapBench::snapDeal()
{
    SnapGame game(services_->gameContext());
    QBENCHMARK
    {
        deal(game);
    }
}

void TapBench::snapAnswer()
{
    SnapGame game(services_->gameContext());
    QBENCHMARK
    {
        deal(game);
        game.answerMatch();
    }
    QVERIFY(!game.canClick());
}

void TapBench::matchDeal()
{
    VerbMatch game(services_->gameContext());
    QBENCHMARK
    {
        deal(game);
    }
}

void TapBench::matchPair()
{
    VerbMatch game(services_->gameContext());
    QBENCHMARK
    {
        deal(game);
        VerbMatchButton *first = game.verbButtons().constFirst();
        game.cardTapped(first);
        for (VerbMatchButton *other : game.verbButtons()) {
            if (other != first && other->tag() == first->tag()) {
                game.cardTapped(other);
                break;
            }
        }
    }
    QCOMPARE(game.correctAnswers(), 1);
}

void TapBench::learntToggle()
{
    VerbDictionaryModel model(services_->verbDictionary(), services_->progressManager());
    QBENCHMARK
    {
        model.toggleLearnt(3);
    }
}

void TapBench::searchKeystroke()
{
    VerbDictionaryModel model(services_->verbDictionary(), services_->progressManager());
    int at = 0;
    const QStringList typed{QStringLiteral("p"), QStringLiteral("pa"), QStringLiteral("par"), QStringLiteral("pa")};
    QBENCHMARK
    {
        model.setSearchText(typed.at(at++ % typed.size()));
    }
    QVERIFY(model.count() > 0);
}

void TapBench::openVerbTable()
{
    Verb *verb = services_->verbDictionary().verbForKey(QStringLiteral("parlare"));
    QVERIFY(verb);
    QBENCHMARK
    {
        VerbTableModel model(services_->textToSpeech(), services_->verbDictionary().verbs(),
            services_->verbDictionary().tenseSettings(), services_->stressMarks());
        model.setVerb(verb);
        QVERIFY(!model.tables().isEmpty());
    }
}

// One answer as a game stores it: its points, then the answer with its tally and card.
void TapBench::storeWrite()
{
    int round = 0;
    const QString verb = services_->verbDictionary().verbs().at(7)->key;
    QBENCHMARK
    {
        services_->progressManager().addPoints(verb, -1);
        services_->mistakeLog().record(verb, QStringLiteral("PRES|2PS|SING"), QString::number(round++), false);
    }
}

QTEST_GUILESS_MAIN(TapBench)
#include "TapBench.moc"
