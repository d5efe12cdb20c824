#include "GameTesting.h"

#include "games/match/VerbMatch.h"
#include "games/match/VerbMatchButton.h"
#include "verbs/Verb.h"

#include <QSet>
#include <QTest>

namespace {

VerbMatchButton *partner(const VerbMatch &game, const VerbMatchButton *card)
{
    for (VerbMatchButton *other : game.verbButtons()) {
        if (other != card && other->tag() == card->tag())
            return other;
    }
    return nullptr;
}

// The cards of the deal that are not matched yet, one per pair: the Italian card.
QList<VerbMatchButton *> openItalianCards(const VerbMatch &game)
{
    QList<VerbMatchButton *> cards;
    for (VerbMatchButton *card : game.verbButtons()) {
        if (card->targetLanguage() && !card->isCorrect())
            cards.append(card);
    }
    return cards;
}

void matchPair(VerbMatch &game, VerbMatchButton *italian)
{
    italian->tap();
    partner(game, italian)->tap();
}

}

class VerbMatchTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { services_ = std::make_unique<GameServices>(); }
    void cleanup() { services_.reset(); }

    void gameWonAtEachLevel_data();
    void gameWonAtEachLevel();
    void gameLostToTheTimeBar();
    void wrongPairScoresBothVerbsDownAndRanksThemLast();
    void thirdCardDuringWrongPairPauseOnlySpeaks();
    void tappingACardTwiceDeselectsIt();
    void reflexiveAndBarredWords();
    void wrongPairPauseOfAnEarlierDealDoesNothing();
    void winPauseOfAnEarlierDealDoesNothing();
    void emptySetRunsOutOfTime();
    void cardRows_data();
    void cardRows();

private:
    std::unique_ptr<GameServices> services_;
};

void VerbMatchTest::gameWonAtEachLevel_data()
{
    QTest::addColumn<LearningGameDifficultyLevel>("level");
    QTest::addColumn<QString>("set");
    QTest::addColumn<int>("cards");
    QTest::newRow("easy") << LearningGameDifficultyLevel::easy << "All Verbs" << 12;
    QTest::newRow("medium") << LearningGameDifficultyLevel::medium << "All Verbs" << 18;
    QTest::newRow("hard") << LearningGameDifficultyLevel::hard << "All Verbs" << 24;
    QTest::newRow("hard, five verbs") << LearningGameDifficultyLevel::hard << "Five" << 10;
}

void VerbMatchTest::gameWonAtEachLevel()
{
    QFETCH(LearningGameDifficultyLevel, level);
    QFETCH(QString, set);
    QFETCH(int, cards);

    VerbMatch game(12);
    QCOMPARE(game.gameName(), QStringLiteral("Infinitive Quiz"));
    QCOMPARE(game.buttonMessage(), QStringLiteral("Click to play!"));
    game.setVerbSet(set);
    game.setDifficultyLevel(level);
    game.startGame();

    QVERIFY(game.inPlay());
    QCOMPARE(game.verbButtons().size(), cards);
    QCOMPARE(game.verbsPerPlay(), cards / 2);
    QSet<QString> verbs;
    QSet<int> indexes;
    for (const VerbMatchButton *card : game.verbButtons()) {
        indexes.insert(card->index());
        const VerbMatchButton *other = partner(game, card);
        QVERIFY(other);
        QCOMPARE(other->verb(), card->verb());
        QVERIFY(other->targetLanguage() != card->targetLanguage());
        QCOMPARE(card->locale(), card->targetLanguage() ? QStringLiteral("it-IT") : QStringLiteral("en-GB"));
        QVERIFY(VerbDictionary::shared().verbsInSet(set).contains(card->verb()));
        verbs.insert(card->verb()->key);
    }
    QCOMPARE(verbs.size(), cards / 2);
    QCOMPARE(indexes.size(), cards);

    // Halfway through, with time used up between pairs: every match refills the bar.
    const QList<VerbMatchButton *> italian = openItalianCards(game);
    for (VerbMatchButton *card : italian) {
        services_->queue().advance(20000);
        QVERIFY(game.timeElapsed() > 0.5);
        matchPair(game, card);
        QCOMPARE(game.timeElapsed(), 0.0);
        QVERIFY(card->isCorrect());
        QVERIFY(!card->isHighlighted());
    }
    QCOMPARE(game.correctAnswers(), cards / 2);
    QVERIFY(game.inPlay());
    services_->queue().advance(999);
    QVERIFY(game.inPlay());
    services_->queue().advance(1);
    QVERIFY(!game.inPlay());
    const QString won = u"Great work! All pairs matched in " + QString::number(cards / 2 * 20 + 1) +
                        u".0 seconds, with no wrong pairs.";
    QCOMPARE(game.message(), won);
    QCOMPARE(game.buttonMessage(), QStringLiteral("Click to play again!"));
    QCOMPARE(game.gameState(), LearningGameState::undefined);
    for (const QString &key : std::as_const(verbs))
        QCOMPARE(GameServices::score(key), 1);
    // The bar stopped with the last match.
    services_->queue().advance(60000);
    QCOMPARE(game.message(), won);
}

void VerbMatchTest::gameLostToTheTimeBar()
{
    VerbMatch game;
    game.startGame();
    VerbMatchButton *first = openItalianCards(game).first();
    first->tap();
    QVERIFY(first->isHighlighted());

    services_->queue().advance(36900);
    QVERIFY(game.inPlay());
    services_->queue().advance(300);
    QVERIFY(!game.inPlay());
    QCOMPARE(game.message(), QStringLiteral("Sorry, out of time! Better luck next time..."));
    QVERIFY(ProgressManager::shared().progressScores().isEmpty());
    QVERIFY(!game.timerRunning());
}

void VerbMatchTest::wrongPairScoresBothVerbsDownAndRanksThemLast()
{
    VerbMatch game;
    game.startGame();
    const QList<VerbMatchButton *> italian = openItalianCards(game);
    VerbMatchButton *a = italian.at(0);
    VerbMatchButton *b = partner(game, italian.at(1));
    a->tap();
    b->tap();
    QVERIFY(a->isWrong() && b->isWrong());
    QVERIFY(!a->isHighlighted() && !b->isHighlighted());
    QCOMPARE(game.wrongPairs(), QStringList{a->word() + u" / " + b->word()});
    QCOMPARE(GameServices::score(a->verb()->key), -1);
    QCOMPARE(GameServices::score(b->verb()->key), -1);

    services_->queue().advance(1000);
    QVERIFY(!a->isWrong() && !b->isWrong());
    QVERIFY(game.tappedCards().isEmpty());

    for (VerbMatchButton *card : italian.mid(2))
        matchPair(game, card);
    services_->queue().advance(40000);
    QVERIFY(!game.inPlay());
    QCOMPARE(game.message(), QStringLiteral("Sorry, out of time! Better luck next time..."));

    QCOMPARE(GameServices::score(a->verb()->key), -1);
    QCOMPARE(GameServices::score(b->verb()->key), -1);
    const QList<ProgressDictionaryEntry *> &ranked = ProgressManager::shared().progressDictionaryEntries();
    QVERIFY(ranked.size() >= 6);
    const QSet<QString> last{ranked.at(ranked.size() - 1)->verb()->key, ranked.at(ranked.size() - 2)->verb()->key};
    QCOMPARE(last, (QSet<QString>{a->verb()->key, b->verb()->key}));
    QCOMPARE(ranked.at(ranked.size() - 1)->score(), -1);
    QCOMPARE(ranked.at(ranked.size() - 3)->score(), 1);
}

void VerbMatchTest::thirdCardDuringWrongPairPauseOnlySpeaks()
{
    VerbMatch game;
    game.startGame();
    const QList<VerbMatchButton *> italian = openItalianCards(game);
    italian.at(0)->tap();
    partner(game, italian.at(1))->tap();
    VerbMatchButton *third = italian.at(2);
    services_->recording().said.clear();
    third->tap();
    QVERIFY(!third->isHighlighted());
    QCOMPARE(game.tappedCards().size(), 2);
    QCOMPARE(services_->recording().said.size(), 1);
    QCOMPARE(services_->recording().said.constLast().text, third->word());
    QCOMPARE(services_->recording().said.constLast().locale, QStringLiteral("it-IT"));
}

void VerbMatchTest::tappingACardTwiceDeselectsIt()
{
    VerbMatch game;
    game.startGame();
    VerbMatchButton *card = game.verbButtons().first();
    card->tap();
    QCOMPARE(game.tappedCards().size(), 1);
    card->tap();
    QVERIFY(!card->isHighlighted());
    QVERIFY(game.tappedCards().isEmpty());
    QVERIFY(ProgressManager::shared().progressScores().isEmpty());
    // A matched card stays matched and is not held again.
    matchPair(game, card->targetLanguage() ? card : partner(game, card));
    card->tap();
    QVERIFY(game.tappedCards().isEmpty());
    QVERIFY(!card->isHighlighted());
}

void VerbMatchTest::reflexiveAndBarredWords()
{
    VerbMatch game;
    game.setVerbSet(QStringLiteral("Reflexive"));
    game.startGame();
    QSet<QString> words;
    for (const VerbMatchButton *card : game.verbButtons()) {
        words.insert(card->word());
        QVERIFY(!card->word().contains(u'|'));
    }
    QVERIFY(words.contains(QStringLiteral("lavarsi")));
    QVERIFY(words.contains(QStringLiteral("alzarsi")));
    QCOMPARE(game.verbsPerPlay(), 2);
}

void VerbMatchTest::wrongPairPauseOfAnEarlierDealDoesNothing()
{
    VerbMatch game;
    game.startGame();
    QList<VerbMatchButton *> italian = openItalianCards(game);
    italian.at(0)->tap();
    partner(game, italian.at(1))->tap();

    services_->queue().advance(500);
    game.startGame();
    italian = openItalianCards(game);
    VerbMatchButton *a = italian.at(0);
    VerbMatchButton *b = partner(game, italian.at(1));
    a->tap();
    b->tap();
    QVERIFY(a->isWrong());

    // The first deal's pause ends now; the new wrong pair is still on show.
    services_->queue().advance(500);
    QVERIFY(a->isWrong() && b->isWrong());
    QCOMPARE(game.tappedCards().size(), 2);
    services_->queue().advance(500);
    QVERIFY(!a->isWrong() && !b->isWrong());
    QVERIFY(game.tappedCards().isEmpty());
}

void VerbMatchTest::winPauseOfAnEarlierDealDoesNothing()
{
    VerbMatch game;
    game.setVerbSet(QStringLiteral("Reflexive"));
    game.startGame();
    for (VerbMatchButton *card : openItalianCards(game))
        matchPair(game, card);
    game.startGame();
    services_->queue().advance(1000);
    QVERIFY(game.inPlay());
    QVERIFY(game.message() != QStringLiteral("Great work!"));
    QCOMPARE(game.buttonMessage(), QStringLiteral("Click to play!"));
}

void VerbMatchTest::emptySetRunsOutOfTime()
{
    services_.reset();
    services_ = std::make_unique<GameServices>(QStringLiteral("quizzes"));
    VerbMatch game;
    game.startGame();
    QVERIFY(game.inPlay());
    QVERIFY(game.verbButtons().isEmpty());
    QCOMPARE(game.verbsPerPlay(), 0);
    services_->queue().advance(40000);
    QVERIFY(!game.inPlay());
    QCOMPARE(game.message(), QStringLiteral("Sorry, out of time! Better luck next time..."));
}

void VerbMatchTest::cardRows_data()
{
    QTest::addColumn<LearningGameDifficultyLevel>("level");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QList<int>>("rowSizes");
    QTest::newRow("easy, the screen's 3") << LearningGameDifficultyLevel::easy << 3 << QList<int>(6, 2);
    QTest::newRow("medium, the screen's 3") << LearningGameDifficultyLevel::medium << 3 << QList<int>(6, 3);
    QTest::newRow("hard, the screen's 4") << LearningGameDifficultyLevel::hard << 4 << QList<int>(8, 3);
    QTest::newRow("remainder in the last row") << LearningGameDifficultyLevel::easy << 4
                                               << QList<int>{2, 2, 2, 2, 2, 2};
    QTest::newRow("hard, 5 columns") << LearningGameDifficultyLevel::hard << 5 << QList<int>{3, 3, 3, 3, 3, 3, 3, 3};
    QTest::newRow("medium, 2 columns") << LearningGameDifficultyLevel::medium << 2 << QList<int>{5, 5, 5, 3};
    QTest::newRow("more columns than pairs") << LearningGameDifficultyLevel::easy << 50 << QList<int>(12, 1);
    QTest::newRow("no columns") << LearningGameDifficultyLevel::easy << 0 << QList<int>{6, 6};
}

void VerbMatchTest::cardRows()
{
    QFETCH(LearningGameDifficultyLevel, level);
    QFETCH(int, columns);
    QFETCH(QList<int>, rowSizes);
    VerbMatch game;
    game.setDifficultyLevel(level);
    game.startGame();
    const QList<QList<VerbMatchButton *>> rows = game.cardRows(columns);
    QList<int> sizes;
    QList<VerbMatchButton *> joined;
    for (const QList<VerbMatchButton *> &row : rows) {
        sizes.append(int(row.size()));
        joined += row;
    }
    QCOMPARE(sizes, rowSizes);
    QCOMPARE(joined, game.verbButtons());
    QCOMPARE(game.cardRowsForScreen(columns).size(), rows.size());
}

QTEST_GUILESS_MAIN(VerbMatchTest)
#include "VerbMatchTest.moc"
