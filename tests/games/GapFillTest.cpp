#include "GameTesting.h"

#include "games/gapfill/GapFill.h"
#include "games/gapfill/GapFillKeyboardKey.h"
#include "games/gapfill/GapFillTurn.h"
#include "verbs/Verb.h"

#include <QSet>
#include <QTest>

namespace {

QString phrase(const GapFill &game)
{
    return game.currentGapFillTurn()->phrase();
}

// Taps the right letters of the turn on screen until it is complete.
void spellTurn(GapFill &game)
{
    while (game.canClick())
        game.letterTapped(phrase(game).at(game.currentLetter()));
}

// A letter of the keyboard that is not the one under the cursor.
QString wrongLetter(const GapFill &game)
{
    const QString due = phrase(game).at(game.currentLetter()).toLower();
    for (const QString &letter : game.letterTexts()) {
        if (letter != due)
            return letter;
    }
    return QStringLiteral("#");
}

// Starts games until the turn asks for one of the wanted phrases.
bool startUntil(GapFill &game, const QStringList &wanted)
{
    for (int i = 0; i < 200; ++i) {
        game.startGame();
        if (wanted.contains(phrase(game)))
            return true;
    }
    return false;
}

QStringList sortedDistinctLetters(const QString &text)
{
    QStringList letters;
    for (const QChar c : text) {
        const QString letter = QString(c).toLower();
        if (!GapFill::isShown(c) && !letters.contains(letter))
            letters.append(letter);
    }
    std::sort(letters.begin(), letters.end());
    return letters;
}

}

class GapFillTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { services_ = std::make_unique<GameServices>(); }
    void cleanup() { services_.reset(); }

    void fourVerbGameStillCountsTen();
    void pronounShownFromTheStart();
    void fourWrongTapsCostThreePoints();
    void doubledLetterTappedTwice();
    void hardKeyboardHasDecoyLetters();
    void easyAndMediumBands_data();
    void easyAndMediumBands();
    void shortBandWidensToAllItems();
    void singleItemIsPlayed_data();
    void singleItemIsPlayed();
    void setWithNothingToSpellDoesNotStart();
    void lowAccuracyLoses();
    void pausesOfAnEarlierGameDoNothing();

private:
    std::unique_ptr<GameServices> services_;
};

void GapFillTest::fourVerbGameStillCountsTen()
{
    GapFill game;
    QCOMPARE(game.gameName(), QStringLiteral("Gapfill"));
    QCOMPARE(services_->recording().said.constLast(), (AudioRecording::Utterance{" ", "it-IT"}));
    game.setVerbSet(QStringLiteral("Travel"));
    game.startGame();
    QVERIFY(game.inPlay());
    QCOMPARE(game.verbs().size(), 4);
    QCOMPARE(QSet<Verb *>(game.verbs().begin(), game.verbs().end()).size(), 4);

    int turns = 0;
    while (game.inPlay()) {
        QCOMPARE(game.currentTurn(), turns);
        const QString spelled = phrase(game);
        spellTurn(game);
        QVERIFY(game.turnWon());
        QCOMPARE(game.gapped(), spelled);
        QCOMPARE(services_->recording().said.constLast(), (AudioRecording::Utterance{spelled, "it-IT"}));
        services_->queue().advance(GapFill::pauseAfterTurnMs);
        ++turns;
        QVERIFY(turns <= 4);
    }
    QCOMPARE(turns, 4);
    QCOMPARE(game.accuracy(), 100);
    QCOMPARE(game.gameState(), LearningGameState::won);
    QCOMPARE(game.message(), QStringLiteral("Well done! You worked through all 10 spellings. Your accuracy was "
                                            "100% - that's phenomenal!"));
    for (const Verb *verb : game.verbs())
        QCOMPARE(GameServices::score(verb->key), 1);
}

void GapFillTest::pronounShownFromTheStart()
{
    GapFill game;
    game.setVerbSet(QStringLiteral("Io Parlo"));
    game.startGame();
    QCOMPARE(phrase(game), QStringLiteral("io parlo"));
    QCOMPARE(game.currentLetter(), 3);
    QCOMPARE(game.gapped(), QStringLiteral("io -----"));
    QCOMPARE(game.letterTexts(), (QStringList{"a", "l", "o", "p", "r"}));
    game.letterTapped(QStringLiteral("P"));
    QCOMPARE(game.gapped(), QStringLiteral("io p----"));
    QCOMPARE(game.letters().at(3)->status(), AnswerStatus::correct);
    QCOMPARE(game.letters().at(0)->status(), AnswerStatus::undefined);
    services_->queue().advance(GapFill::keyResetMs);
    QCOMPARE(game.letters().at(3)->status(), AnswerStatus::undefined);
    QCOMPARE(game.currentGapFillTurn()->tags().size(), 3);
    QCOMPARE(game.currentGapFillTurn()->tags().first(), QStringLiteral("PRES"));
}

void GapFillTest::fourWrongTapsCostThreePoints()
{
    GapFill game;
    game.setVerbSet(QStringLiteral("Io Parlo"));
    game.startGame();
    const QString wrong = wrongLetter(game);
    for (int i = 0; i < 4; ++i)
        game.letterTapped(wrong);
    QCOMPARE(game.totalClicks(), 4);
    QCOMPARE(game.correctClicks(), 0);
    QCOMPARE(GameServices::score(QStringLiteral("parlottare")), -3);
    QCOMPARE(game.gapped(), QStringLiteral("io -----"));
    QCOMPARE(services_->recording().played.size(), 4);
    QVERIFY(services_->recording().played.constLast().endsWith(QStringLiteral("wrong.mp3")));
    for (const GapFillKeyboardKey *key : game.letters())
        QCOMPARE(key->status(), key->letter() == wrong ? AnswerStatus::incorrect : AnswerStatus::undefined);

    spellTurn(game);
    QCOMPARE(GameServices::score(QStringLiteral("parlottare")), -2);
    QCOMPARE(game.totalClicks(), 9);
    QCOMPARE(game.accuracy(), 55);
}

void GapFillTest::doubledLetterTappedTwice()
{
    GapFill game;
    game.setVerbSet(QStringLiteral("Doubles"));
    game.setDifficultyLevel(LearningGameDifficultyLevel::hard);
    QVERIFY(startUntil(game, {QStringLiteral("hanno")}));
    QCOMPARE(game.gapped(), QStringLiteral("-----"));
    game.letterTapped(QStringLiteral("h"));
    game.letterTapped(QStringLiteral("a"));
    game.letterTapped(QStringLiteral("n"));
    QCOMPARE(game.gapped(), QStringLiteral("han--"));
    QCOMPARE(game.currentLetter(), 3);
    game.letterTapped(QStringLiteral("n"));
    QCOMPARE(game.gapped(), QStringLiteral("hann-"));
    QVERIFY(!game.turnWon());
    game.letterTapped(QStringLiteral("o"));
    QVERIFY(game.turnWon());
    QCOMPARE(game.correctClicks(), 5);
}

void GapFillTest::hardKeyboardHasDecoyLetters()
{
    GapFill game;
    game.setDifficultyLevel(LearningGameDifficultyLevel::hard);
    game.startGame();
    QCOMPARE(game.verbs().size(), 10);
    int turns = 0;
    while (game.inPlay()) {
        QString own = phrase(game);
        for (const QString &pronoun : Verb().pronouns) {
            if (own.startsWith(pronoun + u' '))
                own.remove(0, pronoun.size() + 1);
        }
        const QStringList ownLetters = sortedDistinctLetters(own);
        const QStringList keys = game.letterTexts();
        QStringList sorted = keys;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(keys, sorted);
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
        for (const QString &letter : ownLetters)
            QVERIFY(keys.contains(letter));
        QVERIFY2(keys.size() >= ownLetters.size() + 5, qPrintable(own + u": " + keys.join(u',')));
        for (const QString &key : keys)
            QVERIFY(key.size() == 1 && key.at(0).isLetter());
        spellTurn(game);
        services_->queue().advance(GapFill::pauseAfterTurnMs);
        ++turns;
    }
    QCOMPARE(turns, 10);
}

void GapFillTest::easyAndMediumBands_data()
{
    QTest::addColumn<LearningGameDifficultyLevel>("level");
    QTest::addColumn<QStringList>("phrases");
    // avere, shortest first: ho, ha, hai, avete, hanno, abbiamo. The first of a band is never asked.
    QTest::newRow("easy") << LearningGameDifficultyLevel::easy << QStringList{"ha", "hai"};
    QTest::newRow("medium") << LearningGameDifficultyLevel::medium << QStringList{"avete"};
    QTest::newRow("hard") << LearningGameDifficultyLevel::hard << QStringList{"ho", "ha", "hai", "avete", "hanno", "abbiamo"};
}

void GapFillTest::easyAndMediumBands()
{
    QFETCH(LearningGameDifficultyLevel, level);
    QFETCH(QStringList, phrases);
    GapFill game;
    game.setVerbSet(QStringLiteral("Doubles"));
    game.setDifficultyLevel(level);
    QSet<QString> seen;
    for (int i = 0; i < 100; ++i) {
        game.startGame();
        seen.insert(phrase(game));
    }
    if (level == LearningGameDifficultyLevel::hard) {
        QVERIFY(seen.size() == 5 || seen.size() == 6);
        for (const QString &asked : std::as_const(seen))
            QVERIFY(phrases.contains(asked));
    } else {
        QCOMPARE(seen, QSet<QString>(phrases.begin(), phrases.end()));
    }
}

void GapFillTest::shortBandWidensToAllItems()
{
    // piovere has five items (one per simple tense): the medium band would hold one.
    GapFill game;
    game.setVerbSet(QStringLiteral("Rain"));
    game.setDifficultyLevel(LearningGameDifficultyLevel::medium);
    QSet<QString> seen;
    for (int i = 0; i < 100; ++i) {
        game.startGame();
        QVERIFY(game.inPlay());
        seen.insert(phrase(game));
    }
    QCOMPARE(seen, (QSet<QString>{"pioveva", "piovve", "pioverà", "pioverebbe"}));
}

void GapFillTest::singleItemIsPlayed_data()
{
    QTest::addColumn<LearningGameDifficultyLevel>("level");
    QTest::newRow("easy") << LearningGameDifficultyLevel::easy;
    QTest::newRow("medium") << LearningGameDifficultyLevel::medium;
    QTest::newRow("hard") << LearningGameDifficultyLevel::hard;
}

void GapFillTest::singleItemIsPlayed()
{
    QFETCH(LearningGameDifficultyLevel, level);
    GapFill game;
    game.setVerbSet(QStringLiteral("Single"));
    game.setDifficultyLevel(level);
    game.startGame();
    QVERIFY(game.inPlay());
    QCOMPARE(phrase(game), QStringLiteral("zitto"));
    spellTurn(game);
    services_->queue().advance(GapFill::pauseAfterTurnMs);
    QVERIFY(!game.inPlay());
    QCOMPARE(game.gameState(), LearningGameState::won);
}

void GapFillTest::setWithNothingToSpellDoesNotStart()
{
    services_.reset();
    services_ = std::make_unique<GameServices>(QStringLiteral("games_blank"));
    GapFill game;
    QCOMPARE(VerbDictionary::shared().verbCount(), 1);
    game.startGame();
    QVERIFY(!game.inPlay());
    QCOMPARE(game.message(), GapFill::nothingToPlayMessage);
    game.letterTapped(QStringLiteral("a"));
    QCOMPARE(game.totalClicks(), 0);
}

void GapFillTest::lowAccuracyLoses()
{
    GapFill game;
    game.setVerbSet(QStringLiteral("Three"));
    game.startGame();
    while (game.inPlay()) {
        const QString wrong = wrongLetter(game);
        for (int i = 0; i < 20; ++i)
            game.letterTapped(wrong);
        spellTurn(game);
        services_->queue().advance(GapFill::pauseAfterTurnMs);
    }
    const int a = game.accuracy();
    QCOMPARE(a, game.correctClicks() * 100 / game.totalClicks());
    QVERIFY(a < 50);
    QCOMPARE(game.gameState(), LearningGameState::lost);
    QCOMPARE(game.message(), u"Well done! You worked through all 10 spellings. Your spelling accuracy was "
                                 + QString::number(a)
                                 + u"%. Take your time with each question and try to hit that 50% threshold on "
                                   u"your next attempt.");
    for (const Verb *verb : game.verbs())
        QCOMPARE(GameServices::score(verb->key), -2);
}

void GapFillTest::pausesOfAnEarlierGameDoNothing()
{
    GapFill game;
    game.setVerbSet(QStringLiteral("Five"));
    game.startGame();
    spellTurn(game); // the next turn is due in 2 s
    services_->queue().advance(1800);
    game.startGame();
    game.letterTapped(wrongLetter(game)); // a key reset is due in 0.5 s
    const QString firstPhrase = phrase(game);
    services_->queue().advance(200);
    QCOMPARE(game.currentTurn(), 0);
    QCOMPARE(phrase(game), firstPhrase);
    QCOMPARE(game.totalClicks(), 1);

    // A key marked in this game is not reset early by a reset of the game before.
    GapFill other;
    other.setVerbSet(QStringLiteral("Five"));
    other.startGame();
    const QString letter = wrongLetter(other);
    other.letterTapped(letter);
    services_->queue().advance(300);
    other.startGame();
    const QString again = wrongLetter(other);
    other.letterTapped(again);
    services_->queue().advance(250);
    bool marked = false;
    for (const GapFillKeyboardKey *key : other.letters())
        marked = marked || key->status() == AnswerStatus::incorrect;
    QVERIFY(marked);
    services_->queue().advance(250);
    for (const GapFillKeyboardKey *key : other.letters())
        QCOMPARE(key->status(), AnswerStatus::undefined);
}

QTEST_GUILESS_MAIN(GapFillTest)
#include "GapFillTest.moc"
