#include "GameTesting.h"

#include "app/Services.h"
#include "games/LearningGame.h"
#include "platform/LearnerStore.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QTest>

void qml_register_types_Flexio();

class LearningGameTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { services_ = std::make_unique<GameServices>(); }
    void cleanup() { services_.reset(); }

    void verbSetFallsBack_data();
    void verbSetFallsBack();
    void learntVerbsReturnOnceAVerbIsLearnt();
    void gamesAndTheirEnumerationsReachTheScreens_data();
    void gamesAndTheirEnumerationsReachTheScreens();
    void accuracyBands_data();
    void accuracyBands();

private:
    std::unique_ptr<GameServices> services_;
};

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
        game.setVerbSet(stored);
    }
    QCOMPARE(game.verbSet(), read);
    // A fallback read leaves the stored name alone.
    QCOMPARE(Services::current().learnerStore().text(LearningGame::lastSelectedVerbSetKey).value_or(QString()),
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

void LearningGameTest::gamesAndTheirEnumerationsReachTheScreens_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("name");
    QTest::newRow("match") << "VerbMatch" << "Infinitive Quiz";
    QTest::newRow("snap") << "SnapGame" << "Snap";
    QTest::newRow("conjugation") << "ConjQuiz" << "Conjugation Quiz";
    QTest::newRow("gap-fill") << "GapFill" << "Gapfill";
}

// A screen makes its game in QML, sets the level by name and colours the message by the state.
void LearningGameTest::gamesAndTheirEnumerationsReachTheScreens()
{
    QFETCH(QString, type);
    QFETCH(QString, name);
    qml_register_types_Flexio();
    QQmlEngine engine;
    QQmlComponent component(&engine);
    // Enumeration values start in lower case, so QML reaches them through the enumeration's name.
    component.setData("import Flexio\n" + type.toUtf8()
                          + " {\n"
                            "  difficultyLevel: LearningGameDifficultyLevel.LearningGameDifficultyLevel.hard\n"
                            "  property bool undecided: gameState === LearningGameState.LearningGameState.undefined\n"
                            "  property int won: LearningGameState.LearningGameState.won\n"
                            "}\n",
                      QUrl());
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    auto *game = qobject_cast<LearningGame *>(object.get());
    QVERIFY(game);
    QCOMPARE(game->gameName(), name);
    QCOMPARE(game->difficultyLevel(), LearningGameDifficultyLevel::hard);
    QCOMPARE(object->property("undecided").toBool(), true);
    QCOMPARE(object->property("won").toInt(), int(LearningGameState::won));
    QVERIFY(!game->message().isEmpty());
}

void LearningGameTest::accuracyBands_data()
{
    QTest::addColumn<int>("accuracy");
    QTest::addColumn<int>("band");
    QTest::addColumn<LearningGameState>("state");
    QTest::newRow("0") << 0 << 6 << LearningGameState::lost;
    QTest::newRow("49") << 49 << 6 << LearningGameState::lost;
    QTest::newRow("50") << 50 << 5 << LearningGameState::complete;
    QTest::newRow("59") << 59 << 5 << LearningGameState::complete;
    QTest::newRow("60") << 60 << 4 << LearningGameState::complete;
    QTest::newRow("70") << 70 << 3 << LearningGameState::complete;
    QTest::newRow("89") << 89 << 2 << LearningGameState::complete;
    QTest::newRow("90") << 90 << 1 << LearningGameState::won;
    QTest::newRow("99") << 99 << 1 << LearningGameState::won;
    QTest::newRow("100") << 100 << 0 << LearningGameState::won;
}

void LearningGameTest::accuracyBands()
{
    QFETCH(int, accuracy);
    QFETCH(int, band);
    QFETCH(LearningGameState, state);
    QCOMPARE(LearningGame::accuracyBand(accuracy), band);
    QCOMPARE(LearningGame::stateForAccuracy(accuracy), state);
}

QTEST_GUILESS_MAIN(LearningGameTest)
#include "LearningGameTest.moc"
