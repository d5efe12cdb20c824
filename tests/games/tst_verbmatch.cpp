#include "GameTesting.h"

#include "verbs/Verb.h"

#include <QSet>
#include <QTest>

using namespace play;

class VerbMatchTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameServices> services_;

    static inline const QString outOfTime = QStringLiteral("Out of time, with 4 of 6 pairs matched. Try again?");

private slots:
    void init() { services_ = std::make_unique<GameServices>(); }
    void cleanup() { services_.reset(); }

    // clang-format off
    void gameWonAtEachLevel_data()
    {
        QTest::addColumn<LearningGameDifficultyLevel>("level");
        QTest::addColumn<QString>("set");
        QTest::addColumn<int>("cards");
        QTest::newRow("easy") << LearningGameDifficultyLevel::easy << "All Verbs" << 12;
        QTest::newRow("medium") << LearningGameDifficultyLevel::medium << "All Verbs" << 18;
        QTest::newRow("hard") << LearningGameDifficultyLevel::hard << "All Verbs" << 24;
        QTest::newRow("hard, five verbs") << LearningGameDifficultyLevel::hard << "Five" << 10;
    }
    // clang-format on
    void gameWonAtEachLevel()
    {
        QFETCH(LearningGameDifficultyLevel, level);
        QFETCH(QString, set);
        QFETCH(int, cards);
        VerbMatch game(services_->gameContext(), 12);
        QCOMPARE(game.buttonMessage(), QStringLiteral("Click to play!"));
        game.setVerbSet(set);
        game.setDifficultyLevel(level);
        game.startGame();
        QCOMPARE(game.verbButtons().size(), cards);
        QCOMPARE(game.verbsPerPlay(), cards / 2);
        QSet<QString> verbs;
        QSet<int> indexes;
        for (const VerbMatchButton *card : game.verbButtons()) {
            indexes.insert(card->index());
            const VerbMatchButton *other = partner(game, card);
            QVERIFY(other && other->verb() == card->verb() && other->targetLanguage() != card->targetLanguage());
            QCOMPARE(card->locale(), card->targetLanguage() ? QStringLiteral("it-IT") : QStringLiteral("en-GB"));
            QVERIFY(services_->verbDictionary().verbsInSet(set).contains(card->verb()));
            verbs.insert(card->verb()->key);
        }
        QCOMPARE(verbs.size(), cards / 2);
        QCOMPARE(indexes.size(), cards);
        // With time used up between pairs: every match refills the bar.
        for (VerbMatchButton *card : openItalianCards(game)) {
            services_->queue().advance(20000);
            QVERIFY(game.timeElapsed() > 0.5);
            matchPair(game, card);
            QCOMPARE(game.timeElapsed(), 0.0);
            QVERIFY(card->isCorrect() && !card->isHighlighted());
        }
        QCOMPARE(game.correctAnswers(), cards / 2);
        services_->queue().advance(VerbMatch::winPauseMs - 1);
        QVERIFY(game.inPlay());
        services_->queue().advance(1);
        QVERIFY(!game.inPlay());
        const QString won = u"Great work! All pairs matched in " + QString::number(cards / 2 * 20 + 1)
            + u".0 seconds, with no wrong pairs.";
        QCOMPARE(game.message(), won);
        QCOMPARE(game.buttonMessage(), QStringLiteral("Click to play again!"));
        QCOMPARE(game.gameState(), LearningGameState::undefined);
        for (const QString &key : std::as_const(verbs))
            QCOMPARE(services_->score(key), 1);
        // The bar stopped with the last match.
        services_->queue().advance(60000);
        QCOMPARE(game.message(), won);
    }

    // A wrong pair scores both verbs down and ranks them last; a third card tapped while it shows
    // is only spoken. With that pair left open the bar runs out 37 s after the last match.
    void wrongPairThenOutOfTime()
    {
        VerbMatch game(services_->gameContext());
        game.startGame();
        const QList<VerbMatchButton *> italian = openItalianCards(game);
        VerbMatchButton *a = italian.at(0);
        VerbMatchButton *b = partner(game, italian.at(1));
        a->tap();
        b->tap();
        QVERIFY(a->isWrong() && b->isWrong() && !a->isHighlighted() && !b->isHighlighted());
        QCOMPARE(game.wrongPairs(), QStringList{a->word() + u" / " + b->word()});
        QCOMPARE((QList<qint64>{services_->score(a->verb()->key), services_->score(b->verb()->key)}),
            (QList<qint64>{-1, -1}));
        VerbMatchButton *third = italian.at(2);
        services_->recording().said.clear();
        third->tap();
        QVERIFY(!third->isHighlighted());
        QCOMPARE(game.tappedCards().size(), 2);
        QCOMPARE(services_->recording().said, (QList<AudioRecording::Utterance>{{third->word(), "it-IT"}}));
        services_->queue().advance(LearningGame::revealMs);
        QVERIFY(!a->isWrong() && !b->isWrong() && game.tappedCards().isEmpty());

        for (VerbMatchButton *card : italian.mid(2))
            matchPair(game, card);
        a->tap();
        QVERIFY(a->isHighlighted());
        services_->queue().advance(36900);
        QVERIFY(game.inPlay());
        services_->queue().advance(300);
        QVERIFY(!game.inPlay() && !game.timerRunning());
        QCOMPARE(game.message(), outOfTime);
        QCOMPARE((QList<qint64>{services_->score(a->verb()->key), services_->score(b->verb()->key)}),
            (QList<qint64>{-1, -1}));
        const QList<ProgressDictionaryEntry *> &ranked = services_->progressManager().progressDictionaryEntries();
        QVERIFY(ranked.size() >= 6);
        const QSet<QString> last{ranked.at(ranked.size() - 1)->verb()->key, ranked.at(ranked.size() - 2)->verb()->key};
        QCOMPARE(last, (QSet<QString>{a->verb()->key, b->verb()->key}));
        QCOMPARE(ranked.at(ranked.size() - 1)->score(), -1);
        QCOMPARE(ranked.at(ranked.size() - 3)->score(), 1);
    }

    // Reflexive infinitives show without their "|" marks; a card tapped twice is let go, and a
    // matched card is not held again.
    void reflexiveWordsAndTappingTwice()
    {
        VerbMatch game(services_->gameContext());
        game.setVerbSet(QStringLiteral("Reflexive"));
        game.startGame();
        QStringList words;
        for (const VerbMatchButton *card : game.verbButtons())
            words.append(card->word());
        QVERIFY(words.contains(QStringLiteral("lavarsi")) && words.contains(QStringLiteral("alzarsi")));
        QVERIFY(words.filter(QStringLiteral("|")).isEmpty());
        QCOMPARE(game.verbsPerPlay(), 2);
        VerbMatchButton *card = game.verbButtons().first();
        card->tap();
        QCOMPARE(game.tappedCards().size(), 1);
        card->tap();
        QVERIFY(!card->isHighlighted() && game.tappedCards().isEmpty());
        QVERIFY(services_->progressManager().progressScores().isEmpty());
        matchPair(game, card->targetLanguage() ? card : partner(game, card));
        card->tap();
        QVERIFY(!card->isHighlighted() && game.tappedCards().isEmpty());
    }
};

QTEST_GUILESS_MAIN(VerbMatchTest)
#include "tst_verbmatch.moc"
