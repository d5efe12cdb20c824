#include "GameTesting.h"

#include "app/Services.h"
#include "games/LearningGame.h"
#include "platform/UserDefaults.h"

#include <QTest>

class LearningGameTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { services_ = std::make_unique<GameServices>(); }
    void cleanup() { services_.reset(); }

    void freshGame();
    void verbSetFallsBack_data();
    void verbSetFallsBack();
    void learntVerbsReturnOnceAVerbIsLearnt();

private:
    std::unique_ptr<GameServices> services_;
};

void LearningGameTest::freshGame()
{
    ConsoleCapture console;
    LearningGame game;
    QVERIFY(game.message().isEmpty());
    QVERIFY(!game.inPlay());
    QCOMPARE(game.gameState(), LearningGameState::undefined);
    QCOMPARE(game.difficultyLevel(), LearningGameDifficultyLevel::easy);
    QCOMPARE(int(LearningGameDifficultyLevel::hard), 2);
    game.startGame();
    QCOMPARE(console.lines(), QStringList{QStringLiteral("new game")});
}

void LearningGameTest::verbSetFallsBack_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("read");
    QTest::newRow("nothing stored") << QString() << "All Verbs";
    QTest::newRow("a tag set") << "Travel" << "Travel";
    QTest::newRow("learnt with none learnt") << "Learnt Verbs" << "All Verbs";
    QTest::newRow("a set the data lacks") << "Gone Verbs" << "All Verbs";
    QTest::newRow("empty name") << "" << "All Verbs";
}

void LearningGameTest::verbSetFallsBack()
{
    QFETCH(QString, stored);
    QFETCH(QString, read);
    LearningGame game;
    if (!stored.isNull()) {
        ConsoleCapture console;
        game.setVerbSet(stored);
        QVERIFY(console.contains(u"setting verbSet to " + stored));
    }
    QCOMPARE(game.verbSet(), read);
    // A fallback read leaves the stored name alone.
    QCOMPARE(Services::current().userDefaults().text(LearningGame::lastSelectedVerbSetKey).value_or(QString()),
             stored.isNull() ? QString() : stored);
    // Every game shares the one remembered set.
    QCOMPARE(LearningGame().verbSet(), read);
}

void LearningGameTest::learntVerbsReturnOnceAVerbIsLearnt()
{
    LearningGame game;
    game.setVerbSet(QStringLiteral("Learnt Verbs"));
    QCOMPARE(game.verbSet(), QStringLiteral("All Verbs"));
    ProgressManager::shared().toggleLearnt(VerbDictionary::shared().verbForKey(QStringLiteral("parlare")));
    QCOMPARE(game.verbSet(), QStringLiteral("Learnt Verbs"));
}

QTEST_GUILESS_MAIN(LearningGameTest)
#include "LearningGameTest.moc"
