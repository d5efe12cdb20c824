#include "GameTesting.h"

#include "games/snap/SnapCard.h"
#include "settings/TenseSetting.h"
#include "verbs/Verb.h"

#include <QTest>

// Right answers that the English alone does not show: one Italian form serving two drill items
// in Snap, two verbs with the same English in the match game.
class VerdictTest : public QObject
{
    Q_OBJECT

private slots:
    // With the present and its subjunctive on, "parli" is "you (sng.) speak" and "(that) I speak".
    void snapSharedItalianIsAMatch()
    {
        GameServices services;
        for (TenseSetting *setting : services.verbDictionary().tenseSettings())
            setting->setStatus(setting->tenseName() == u"Present" || setting->tenseName() == u"Present Subjunctive");
        SnapGame game(services.gameContext());
        game.setDifficultyLevel(LearningGameDifficultyLevel::hard);
        game.startGame();
        int verdicts[2] = {0, 0}; // decoys, shared Italian
        for (int card = 0; card < 2000; ++card) {
            game.nextCard();
            const QString shown = game.snapCards().at(1)->text();
            const qsizetype item =
                game.currentVerb()->gameParts(services.verbDictionary().tenseSettings(), true).texts.indexOf(shown);
            if (shown == game.correctAnswer() || item < 0)
                continue;
            const bool shared =
                game.currentVerb()->gameParts(services.verbDictionary().tenseSettings(), false).texts.at(item)
                == game.snapCards().at(0)->text();
            QCOMPARE(game.currentPairIsAMatch(), shared);
            shared ? game.answerMatch() : game.answerNoMatch();
            QCOMPARE(game.status(), SnapAnswerState::correct);
            ++verdicts[shared];
        }
        QVERIFY(verdicts[0] > 20 && verdicts[1] > 20);
    }

    void matchPairsVerbsOfEqualEnglish()
    {
        GameServices services;
        services.verbDictionary().verbForKey(QStringLiteral("partire"))->englishInfinitive = QStringLiteral("sleep");
        VerbMatch game(services.gameContext());
        game.setVerbSet(QStringLiteral("Three"));
        game.startGame();
        auto tap = [&game](const QString &key, bool italian) {
            for (VerbMatchButton *card : game.verbButtons()) {
                if (card->verb()->key == key && card->targetLanguage() == italian)
                    card->tap();
            }
        };
        const QStringList pairs{"dormire", "partire", "partire", "dormire", "finire", "finire"};
        for (qsizetype i = 0; i < pairs.size(); i += 2) {
            tap(pairs.at(i), true);
            tap(pairs.at(i + 1), false);
        }
        QCOMPARE(game.correctAnswers(), 3);
        QCOMPARE(services.score(QStringLiteral("dormire")), 1);
        services.queue().advance(VerbMatch::winPauseMs);
        QVERIFY2(game.message().startsWith(u"Great work!") && game.message().endsWith(u"with no wrong pairs."),
            qPrintable(game.message()));
    }
};

QTEST_GUILESS_MAIN(VerdictTest)
#include "tst_verdict.moc"
