#include "GameTesting.h"

#include "games/gapfill/GapFillKeyboardKey.h"
#include "verbs/Verb.h"

#include <QSet>
#include <QTest>

using namespace play;

class GapFillTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameServices> services_;

    void nextTurn() { services_->queue().advance(GapFill::pauseAfterTurnMs); }

private slots:
    void init() { services_ = std::make_unique<GameServices>(); }
    void cleanup() { services_.reset(); }

    // clang-format off
    void wholeGame_data()
    {
        QTest::addColumn<QString>("set");
        QTest::addColumn<int>("wrongTaps");
        QTest::addColumn<int>("turns");
        QTest::addColumn<LearningGameState>("state");
        QTest::addColumn<QString>("closing");
        QTest::addColumn<int>("score");
        QTest::newRow("four verbs, no mistake") << "Travel" << 0 << 4 << LearningGameState::won << "Every letter right: excellent!" << 1;
        QTest::newRow("twenty wrong taps a turn") << "Three" << 20 << 3 << LearningGameState::lost << "Your spelling accuracy was {accuracy}%. Take your time over each letter: practising the forms you missed will help." << -2;
    }
    // clang-format on
    // A set of fewer verbs than turns plays each verb once; the message still counts ten. A turn
    // spelled after misses shows the form with its English before the next, and the result lists
    // the forms missed.
    void wholeGame()
    {
        QFETCH(QString, set);
        QFETCH(int, wrongTaps);
        QFETCH(int, turns);
        QFETCH(LearningGameState, state);
        QFETCH(QString, closing);
        QFETCH(int, score);
        GapFill game(services_->gameContext());
        QCOMPARE(services_->recording().said.constLast(), (AudioRecording::Utterance{" ", "it-IT"}));
        game.setVerbSet(set);
        game.startGame();
        QCOMPARE(QSet<Verb *>(game.verbs().begin(), game.verbs().end()).size(), turns);
        int turn = 0;
        for (; game.inPlay() && turn <= turns; ++turn) {
            QCOMPARE(game.currentTurn(), turn);
            const QString spelled = phrase(game);
            const QString wrong = wrongLetter(game);
            for (int i = 0; i < wrongTaps; ++i)
                game.letterTapped(wrong);
            spell(game);
            QVERIFY(game.turnWon());
            QCOMPARE(game.gapped(), spelled);
            QCOMPARE(services_->recording().said.constLast(), (AudioRecording::Utterance{spelled, "it-IT"}));
            QCOMPARE(game.revealing(), wrongTaps > 0);
            if (wrongTaps > 0)
                QVERIFY(spelled.endsWith(game.revealForm()) && !game.revealEnglish().isEmpty());
            services_->queue().advance(wrongTaps > 0 ? LearningGame::revealMs : GapFill::pauseAfterTurnMs);
        }
        QCOMPARE(game.result()->misses().size(), wrongTaps > 0 ? turns : 0);
        QCOMPARE(turn, turns);
        const int accuracy = game.accuracy();
        QCOMPARE(accuracy, game.correctClicks() * 100 / game.totalClicks());
        QCOMPARE(game.gameState(), state);
        QCOMPARE(game.message(),
            u"You worked through all 10 spellings. "
                + closing.replace(QStringLiteral("{accuracy}"), QString::number(accuracy)));
        for (const Verb *verb : game.verbs())
            QCOMPARE(services_->score(verb->key), score);
    }

    // The pronoun is shown from the start; four wrong taps cost three points, and the marked key
    // clears after a moment.
    void pronounShownAndWrongTapsCapped()
    {
        GapFill game(services_->gameContext());
        game.setVerbSet(QStringLiteral("Io Parlo"));
        game.startGame();
        QCOMPARE(phrase(game), QStringLiteral("io parlo"));
        QCOMPARE(game.gapped(), QStringLiteral("io -----"));
        QCOMPARE(game.letterTexts(), (QStringList{"a", "l", "o", "p", "r"}));
        QCOMPARE(game.currentGapFillTurn()->tags().size(), 3);
        QCOMPARE(game.currentGapFillTurn()->tags().first(), QStringLiteral("PRES"));
        const QString wrong = wrongLetter(game);
        for (int i = 0; i < 4; ++i)
            game.letterTapped(wrong);
        QCOMPARE(services_->score(QStringLiteral("parlottare")), -3);
        QCOMPARE(game.gapped(), QStringLiteral("io -----"));
        QCOMPARE(services_->recording().played.size(), 4);
        QVERIFY(services_->recording().played.constLast().endsWith(QStringLiteral("wrong.mp3")));
        for (const GapFillKeyboardKey *key : game.letters())
            QCOMPARE(key->status(), key->letter() == wrong ? AnswerStatus::incorrect : AnswerStatus::undefined);
        services_->queue().advance(GapFill::keyResetMs);
        for (const GapFillKeyboardKey *key : game.letters())
            QCOMPARE(key->status(), AnswerStatus::undefined);
        game.letterTapped(QStringLiteral("P"));
        QCOMPARE(game.gapped(), QStringLiteral("io p----"));
        QCOMPARE(game.letters().at(3)->status(), AnswerStatus::correct);
        spell(game);
        QCOMPARE(services_->score(QStringLiteral("parlottare")), -2);
        QCOMPARE(game.totalClicks(), 9);
        QCOMPARE(game.accuracy(), 55);
    }

    void doubledLetterTappedTwice()
    {
        GapFill game(services_->gameContext());
        game.setVerbSet(QStringLiteral("Doubles"));
        game.setDifficultyLevel(LearningGameDifficultyLevel::hard);
        for (int i = 0; i < 200 && (i == 0 || phrase(game) != u"hanno"); ++i)
            game.startGame();
        QCOMPARE(phrase(game), QStringLiteral("hanno"));
        for (const char *letter : {"h", "a", "n", "n"})
            game.letterTapped(QString::fromLatin1(letter));
        QCOMPARE(game.gapped(), QStringLiteral("hann-"));
        QVERIFY(!game.turnWon());
        game.letterTapped(QStringLiteral("o"));
        QVERIFY(game.turnWon());
        QCOMPARE(game.correctClicks(), 5);
    }

    void hardKeyboardHasDecoyLetters()
    {
        GapFill game(services_->gameContext());
        game.setDifficultyLevel(LearningGameDifficultyLevel::hard);
        game.startGame();
        int turns = 0;
        for (; game.inPlay(); ++turns, spell(game), nextTurn()) {
            QString own = phrase(game);
            for (const QString &pronoun : Verb().pronouns) {
                if (own.startsWith(pronoun + u' '))
                    own.remove(0, pronoun.size() + 1);
            }
            QSet<QString> ownLetters;
            for (const QChar c : own) {
                if (!GapFill::isShown(c))
                    ownLetters.insert(QString(c).toLower());
            }
            const QStringList keys = game.letterTexts();
            QVERIFY(std::is_sorted(keys.begin(), keys.end()));
            const QSet<QString> keySet(keys.begin(), keys.end());
            QCOMPARE(keySet.size(), keys.size());
            QVERIFY(keySet.contains(ownLetters));
            QVERIFY2(keys.size() >= ownLetters.size() + 5, qPrintable(own + u": " + keys.join(u',')));
            for (const QString &key : keys)
                QVERIFY(key.size() == 1 && key.at(0).isLetter());
        }
        QCOMPARE(turns, 10);
    }

    // clang-format off
    void phrasesAskedByLevel_data()
    {
        QTest::addColumn<QString>("set");
        QTest::addColumn<LearningGameDifficultyLevel>("level");
        QTest::addColumn<QStringList>("phrases");
        QTest::addColumn<int>("atLeast");
        // avere, shortest first: ho, ha, hai, avete, hanno, abbiamo. The first of a band is never asked.
        QTest::newRow("easy") << "Doubles" << LearningGameDifficultyLevel::easy << QStringList{"ha", "hai"} << 2;
        QTest::newRow("medium") << "Doubles" << LearningGameDifficultyLevel::medium << QStringList{"avete"} << 1;
        QTest::newRow("hard") << "Doubles" << LearningGameDifficultyLevel::hard << QStringList{"ho", "ha", "hai", "avete", "hanno", "abbiamo"} << 5;
        // piovere has one item per simple tense: its medium band of one widens to all but the first.
        QTest::newRow("short band widens") << "Rain" << LearningGameDifficultyLevel::medium << QStringList{"pioveva", "piovve", "pioverà", "pioverebbe"} << 4;
        QTest::newRow("single item, easy") << "Single" << LearningGameDifficultyLevel::easy << QStringList{"zitto"} << 1;
        QTest::newRow("single item, hard") << "Single" << LearningGameDifficultyLevel::hard << QStringList{"zitto"} << 1;
    }
    // clang-format on
    // Each set holds one verb, so a game is one turn.
    void phrasesAskedByLevel()
    {
        QFETCH(QString, set);
        QFETCH(LearningGameDifficultyLevel, level);
        QFETCH(QStringList, phrases);
        QFETCH(int, atLeast);
        GapFill game(services_->gameContext());
        game.setVerbSet(set);
        game.setDifficultyLevel(level);
        QSet<QString> seen;
        for (int i = 0; i < 100; ++i) {
            game.startGame();
            QVERIFY2(phrases.contains(phrase(game)), qPrintable(phrase(game)));
            seen.insert(phrase(game));
        }
        QVERIFY(seen.size() >= atLeast);
        spell(game);
        nextTurn();
        QVERIFY(!game.inPlay());
        QCOMPARE(game.gameState(), LearningGameState::won);
    }
};

QTEST_GUILESS_MAIN(GapFillTest)
#include "tst_gapfill.moc"
