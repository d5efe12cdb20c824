#include "platform/ManualMainQueue.h"
#include "progress/DailyGoal.h"
#include "progress/MistakeLog.h"
#include "progress/ProgressManager.h"
#include "progress/ProgressTransfer.h"
#include "progress/ReviewSchedule.h"
#include "settings/SettingsManager.h"
#include "support/TestServices.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

class ProgressTransferTest : public QObject
{
    Q_OBJECT

    // A learner with a score, a learnt verb, a quiz grade, logged answers and a
    // review card.
    static void play(TestServices &services)
    {
        ProgressManager &progress = services.progressManager();
        progress.addPoints(QStringLiteral("parlare"), 3);
        progress.setLearnt(QStringLiteral("parlare"), true);
        progress.setQuizScore(QStringLiteral("modal-verbs"), 80);
        services.mistakeLog().record(QStringLiteral("parlare"), QStringLiteral("PRES|1PS|PLUR"), "parlaimo", false);
        services.mistakeLog().record(QStringLiteral("parlare"), QStringLiteral("PRES|1PS|PLUR"), "parliamo", true);
    }

private slots:
    // clang-format off
    void badFilesAreRefusedAndChangeNothing_data()
    {
        QTest::addColumn<QString>("part");
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("truncated") << "" << QJsonValue() << "damaged";
        QTest::newRow("newer version") << "version" << QJsonValue(ProgressTransfer::formatVersion + 1) << "newer version";
        QTest::newRow("another kind of file") << "format" << QJsonValue("something else") << "not a progress file";
        QTest::newRow("unknown verb") << "store/progressDictionary" << QJsonValue(QJsonObject{{"nonverbo", 3}}) << "progressDictionary";
        QTest::newRow("NUL in a key") << "store/learntDictionary" << QJsonValue(QJsonObject{{QString::fromUtf8("parlare\0x", 9), true}}) << "learntDictionary";
        QTest::newRow("score out of range") << "store/progressDictionary" << QJsonValue(QJsonObject{{"parlare", 9e15}}) << "progressDictionary";
        QTest::newRow("huge count") << "store/mistakeLog" << QJsonValue(QJsonObject{{"parlare#PRES#0", QJsonObject{{"right", 1e300}, {"wrong", 0}, {"answers", QJsonArray()}}}}) << "mistakeLog";
        QTest::newRow("long verb set") << "store/LastSelectedVerbSet" << QJsonValue(QString(100000, u'x')) << "LastSelectedVerbSet";
        QTest::newRow("unknown tense") << "store/flagDictionary" << QJsonValue(QJsonObject{{"Gerund", true}}) << "flagDictionary";
        QTest::newRow("no daily goal") << "store/dailyGoal" << QJsonValue(0) << "dailyGoal";
        QTest::newRow("daily goal out of reach") << "store/dailyGoal" << QJsonValue(501) << "dailyGoal";
        QTest::newRow("typed neither yes nor no") << "store/conjugationTyped" << QJsonValue("maybe") << "conjugationTyped";
    }
    // clang-format on
    void badFilesAreRefusedAndChangeNothing()
    {
        QFETCH(QString, part);
        QFETCH(QJsonValue, value);
        QFETCH(QString, refusal);
        TestServices services;
        play(services);
        ProgressTransfer &transfer = services.progressTransfer();
        const QByteArray before = transfer.exportJson();
        QJsonObject file = QJsonDocument::fromJson(before).object();
        QJsonObject store = file["store"].toObject();
        QByteArray bytes = before.left(before.size() / 2);
        if (!part.isEmpty()) {
            if (part.startsWith(u"store/"))
                store[part.mid(6)] = value;
            else
                file[part] = value;
            // Merged in first, a good part would change the store before the bad one is seen.
            if (part != u"store/progressDictionary")
                store["progressDictionary"] = QJsonObject{{"essere", 50}};
            file["store"] = store;
            bytes = QJsonDocument(file).toJson();
        }
        const QString message = transfer.importJson(bytes);
        QVERIFY2(message.contains(refusal), qPrintable(message));
        QCOMPARE(transfer.exportJson(), before);
    }

    void importMergesHigherScoresAndBothLogs()
    {
        QByteArray theirs;
        {
            TestServices other;
            play(other);
            other.mistakeLog().record(QStringLiteral("essere"), QStringLiteral("IMP|1PS|SING"), "sono", false);
            other.progressManager().addPoints(QStringLiteral("parlare"), 4);
            other.dailyGoal().setTarget(30);
            other.learnerStore().setSetting(SettingsManager::conjugationTypedSetting, QStringLiteral("true"));
            theirs = other.progressTransfer().exportJson();
        }

        TestServices mine;
        mine.queue().advance(5000);
        mine.progressManager().addPoints(QStringLiteral("parlare"), 2);
        mine.progressManager().addPoints(QStringLiteral("essere"), 9);
        mine.mistakeLog().record(QStringLiteral("parlare"), QStringLiteral("PRES|1PS|PLUR"), "parlamo", false);
        // However many forms it brings, an import tells the log's and the schedule's listeners once.
        QSignalSpy logChanges(&mine.mistakeLog(), &MistakeLog::changed);
        QSignalSpy scheduleChanges(&mine.reviewSchedule(), &ReviewSchedule::changed);
        QCOMPARE(mine.progressTransfer().importJson(theirs), QString());
        QCOMPARE((QList<qsizetype>{logChanges.size(), scheduleChanges.size()}), (QList<qsizetype>{1, 1}));
        QCOMPARE(mine.progressTransfer().importJson(theirs), QString());
        const auto scores = mine.progressManager().progressScores();
        QCOMPARE(scores.value("parlare"), 7);
        QCOMPARE(scores.value("essere"), 9);
        const auto records = mine.mistakeLog().records();
        QCOMPARE(records.value("parlare#PRES#3").answers.size(), 3);
        QCOMPARE(records.value("parlare#PRES#3").wrong, 2);
        QVERIFY(records.contains("essere#IMP#0"));
        QVERIFY(mine.reviewSchedule().card(*DrilledForm::fromId("essere#IMP#0")));
        QCOMPARE(mine.dailyGoal().target(), 30);
        QCOMPARE(mine.learnerStore().setting(SettingsManager::conjugationTypedSetting), QStringLiteral("true"));
    }
};

QTEST_GUILESS_MAIN(ProgressTransferTest)
#include "tst_progresstransfer.moc"
