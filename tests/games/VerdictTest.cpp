#include "GameTesting.h"

#include "games/match/VerbMatch.h"
#include "games/match/VerbMatchButton.h"
#include "games/snap/SnapCardNew.h"
#include "games/snap/SnapGameNew.h"
#include "settings/TenseSetting.h"
#include "verbs/Verb.h"

#include <QTest>

// Right answers that the English alone does not show: one Italian form serving two drill items
// in Snap, two verbs with the same English in the match game.
class VerdictTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { services_ = std::make_unique<GameServices>(); }
    void cleanup() { services_.reset(); }

    void snapSharedItalianIsAMatch();
    void matchPairsVerbsOfEqualEnglish();

private:
    std::unique_ptr<GameServices> services_;
};

// With the present and its subjunctive on, "parli" is "you (sng.) speak" and "I may speak".
void VerdictTest::snapSharedItalianIsAMatch()
{
    for (TenseSetting *setting : VerbDictionary::shared().tenseSettings())
        setting->setStatus(setting->tenseName() == u"Present" || setting->tenseName() == u"Present Subjunctive");
    QuietConsole quiet;
    SnapGameNew game;
    game.setDifficultyLevel(LearningGameDifficultyLevel::hard);
    game.startGame();
    int shared = 0;
    int decoys = 0;
    for (int card = 0; card < 2000; ++card) {
        game.nextCard();
        const QString prompt = game.snapCards().at(0)->text();
        const QString shown = game.snapCards().at(1)->text();
        const QStringList italian = game.currentVerb()->gameParts(false).texts;
        const QStringList english = game.currentVerb()->gameParts(true).texts;
        const qsizetype item = english.indexOf(shown);
        if (shown == game.correctAnswer() || item < 0)
            continue;
        const bool sameItalian = italian.at(item) == prompt;
        QCOMPARE(game.currentPairIsAMatch(), sameItalian);
        sameItalian ? game.answerMatch() : game.answerNoMatch();
        QCOMPARE(game.status(), SnapCardAnswerStateNew::correct);
        shared += sameItalian ? 1 : 0;
        decoys += sameItalian ? 0 : 1;
    }
    QVERIFY2(shared > 20 && decoys > 20, qPrintable(QStringLiteral("%1 %2").arg(shared).arg(decoys)));
}

void VerdictTest::matchPairsVerbsOfEqualEnglish()
{
    VerbDictionary::shared().verbForKey(QStringLiteral("partire"))->englishInfinitive = QStringLiteral("sleep");
    VerbMatch game;
    game.setVerbSet(QStringLiteral("Three"));
    game.startGame();
    auto card = [&game](const QString &key, bool italian) {
        for (VerbMatchButton *button : game.verbButtons()) {
            if (button->verb()->key == key && button->targetLanguage() == italian)
                return button;
        }
        return static_cast<VerbMatchButton *>(nullptr);
    };
    const QList<std::pair<QString, QString>> pairs{{"dormire", "partire"}, {"partire", "dormire"}, {"finire", "finire"}};
    for (const auto &[italian, english] : pairs) {
        card(italian, true)->tap();
        card(english, false)->tap();
        QVERIFY(card(italian, true)->isCorrect() && card(english, false)->isCorrect());
    }
    QCOMPARE(game.correctAnswers(), 3);
    QCOMPARE(GameServices::score(QStringLiteral("dormire")), 1);
    services_->queue().advance(VerbMatch::winPauseMs);
    QCOMPARE(game.message(), QStringLiteral("Great work!"));
}

QTEST_GUILESS_MAIN(VerdictTest)
#include "VerdictTest.moc"
