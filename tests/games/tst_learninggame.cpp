#include "GameTesting.h"

#include "games/gapfill/GapFillKeyboardKey.h"
#include "games/snap/SnapCard.h"
#include "platform/LearnerDatabase.h"
#include "settings/SettingsManager.h"

#include <QTest>

#include <functional>

namespace {

std::unique_ptr<LearningGame> makeGame(const QString &type, const GameContext &context)
{
    if (type == u"ConjQuiz")
        return std::make_unique<ConjQuiz>(context);
    if (type == u"GapFill")
        return std::make_unique<GapFill>(context);
    if (type == u"SnapGame")
        return std::make_unique<SnapGame>(context);
    return std::make_unique<VerbMatch>(context);
}

// A game with a move that leaves one of its delayed steps pending, and what the screen shows of it.
struct PendingStep
{
    std::function<void()> leave;
    std::function<QVariantList()> shown;
};

PendingStep pendingStep(LearningGame *base, const QString &step)
{
    if (auto *game = qobject_cast<ConjQuiz *>(base)) {
        return {[game] { game->answerTapped(play::answer(*game, true)); },
            [game] {
                return QVariantList{game->currentTurn(), game->currentQuestion().question, game->canClick()};
            }};
    }
    if (auto *game = qobject_cast<GapFill *>(base)) {
        return {
            [game, step] { step == u"next turn" ? play::spell(*game) : game->letterTapped(play::wrongLetter(*game)); },
            [game, step] {
                // Spelling marks keys that clear at their own time, so a turn is watched by its number.
                QVariantList shown{game->currentTurn(), play::phrase(*game)};
                for (const GapFillKeyboardKey *key : game->letters())
                    shown.append(step == u"next turn" ? 0 : int(key->status()));
                return shown;
            }};
    }
    if (auto *game = qobject_cast<SnapGame *>(base)) {
        return {[game] { play::snap(*game, true); },
            [game] {
                return QVariantList{game->snapCards().at(1)->text(), game->canClick(), game->correctTaps()};
            }};
    }
    auto *game = qobject_cast<VerbMatch *>(base);
    return {[game, step] {
                const QList<VerbMatchButton *> italian = play::openItalianCards(*game);
                if (step == u"wrong pair") {
                    italian.at(0)->tap();
                    play::partner(*game, italian.at(1))->tap();
                    return;
                }
                for (VerbMatchButton *card : italian)
                    play::matchPair(*game, card);
            },
        [game] {
            return QVariantList{game->inPlay(), game->message(), game->tappedCards().size()};
        }};
}

} // namespace

class LearningGameTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameServices> services_;

private slots:
    void init() { services_ = std::make_unique<GameServices>(); }
    void cleanup() { services_.reset(); }

    // clang-format off
    void verbSetFallsBack_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("learnt");
        QTest::addColumn<QString>("read");
        QTest::newRow("nothing stored") << QString() << "" << "All Verbs";
        QTest::newRow("a tag set") << "Travel" << "" << "Travel";
        QTest::newRow("learnt with none learnt") << "Learnt Verbs" << "" << "All Verbs";
        QTest::newRow("learnt with one learnt") << "Learnt Verbs" << "parlare" << "Learnt Verbs";
        QTest::newRow("a set the data lacks") << "Gone Verbs" << "" << "All Verbs";
    }
    // clang-format on
    void verbSetFallsBack()
    {
        QFETCH(QString, stored);
        QFETCH(QString, learnt);
        QFETCH(QString, read);
        LearningGame game(services_->gameContext());
        if (!stored.isNull())
            game.setVerbSet(stored);
        if (!learnt.isEmpty())
            services_->progressManager().toggleLearnt(services_->verbDictionary().verbForKey(learnt));
        QCOMPARE(game.verbSet(), read);
        // A fallback read leaves the stored name alone, and every game shares the one remembered set.
        QCOMPARE(services_->learnerStore().setting(SettingsManager::verbSetSetting).value_or(QString()),
            stored.isNull() ? QString() : stored);
        QCOMPARE(LearningGame(services_->gameContext()).verbSet(), read);
    }

    // clang-format off
    void earlierGamesDelayedStepDoesNothing_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("delayMs");
        QTest::newRow("conjugation") << "ConjQuiz" << "next turn" << ConjQuiz::pauseAfterRightAnswerMs;
        QTest::newRow("gap-fill turn") << "GapFill" << "next turn" << GapFill::pauseAfterTurnMs;
        QTest::newRow("gap-fill key") << "GapFill" << "key reset" << GapFill::keyResetMs;
        QTest::newRow("snap") << "SnapGame" << "next pair" << SnapGame::pauseAfterAnswerMs;
        QTest::newRow("match wrong pair") << "VerbMatch" << "wrong pair" << LearningGame::revealMs;
        QTest::newRow("match won") << "VerbMatch" << "won" << VerbMatch::winPauseMs;
    }
    // clang-format on
    // The same move in a game and, part way through its delay, in a new game: the new game holds
    // still when the old step falls due and moves on only at its own.
    void earlierGamesDelayedStepDoesNothing()
    {
        QFETCH(QString, type);
        QFETCH(QString, step);
        QFETCH(int, delayMs);
        std::unique_ptr<LearningGame> game = makeGame(type, services_->gameContext());
        game->setVerbSet(step == u"won" ? QStringLiteral("Reflexive") : QStringLiteral("Five"));
        const PendingStep pending = pendingStep(game.get(), step);
        game->startGame();
        pending.leave();
        services_->queue().advance(delayMs * 3 / 5);
        game->startGame();
        pending.leave();
        const QVariantList shown = pending.shown();
        services_->queue().advance(delayMs * 2 / 5 + 1);
        QVERIFY(game->inPlay());
        QCOMPARE(pending.shown(), shown);
        services_->queue().advance(delayMs * 3 / 5);
        QVERIFY(pending.shown() != shown);
    }
};

QTEST_GUILESS_MAIN(LearningGameTest)
#include "tst_learninggame.moc"
