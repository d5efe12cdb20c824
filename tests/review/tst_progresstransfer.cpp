#include "platform/ManualMainQueue.h"
#include "progress/MistakeLog.h"
#include "progress/ProgressManager.h"
#include "progress/ProgressTransfer.h"
#include "progress/ReviewSchedule.h"
#include "support/TestServices.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

class ProgressTransferTest : public QObject {
    Q_OBJECT

    static ProgressTransfer &transfer() { return Services::current().object<ProgressTransfer>(); }

    // A learner with a score, a learnt verb, a quiz grade, logged answers and a
    // review card.
    static void play()
    {
        ProgressManager &progress = ProgressManager::shared();
        progress.addPoints(QStringLiteral("parlare"), 3);
        progress.setLearnt(QStringLiteral("parlare"), true);
        progress.setQuizScore(QStringLiteral("modal-verbs"), 80);
        MistakeLog::shared().record(QStringLiteral("parlare"), QStringLiteral("PRES|1PS|PLUR"), "parlaimo", false);
        MistakeLog::shared().record(QStringLiteral("parlare"), QStringLiteral("PRES|1PS|PLUR"), "parliamo", true);
    }

private slots:
    void exportThenImportIntoAnEmptyStoreGivesTheSameStore()
    {
        QByteArray saved;
        {
            TestServices first;
            play();
            saved = transfer().exportJson();
        }
        TestServices empty;
        QCOMPARE(transfer().importJson(saved), QString());
        QCOMPARE(transfer().exportJson(), saved);
        QCOMPARE(MistakeLog::shared().records().size(), 1);
    }

    void badFilesAreRefusedAndChangeNothing_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("truncated") << "truncate"
                                   << "damaged";
        QTest::newRow("score as text") << "progressDictionary"
                                       << "progressDictionary";
        QTest::newRow("log of numbers") << "mistakeLog"
                                        << "mistakeLog";
        QTest::newRow("card with a text due") << "reviewSchedule"
                                              << "reviewSchedule";
        QTest::newRow("newer version") << "version"
                                       << "newer version";
        QTest::newRow("another kind of file") << "format"
                                              << "not a progress file";
    }
    void badFilesAreRefusedAndChangeNothing()
    {
        QFETCH(QString, edit);
        QFETCH(QString, refusal);
        TestServices services;
        play();
        const QByteArray before = transfer().exportJson();
        QJsonObject file = QJsonDocument::fromJson(before).object();
        QJsonObject store = file["store"].toObject();
        QByteArray bytes;
        if (edit == u"truncate") {
            bytes = before.left(before.size() / 2);
        } else {
            if (edit == u"progressDictionary")
                store[edit] = QJsonObject{{"parlare", "ten"}};
            else if (edit == u"mistakeLog")
                store[edit] = QJsonObject{{"parlare#PRES#0", 4}};
            else if (edit == u"reviewSchedule")
                store[edit] = QJsonObject{{"parlare#PRES#3", QJsonObject{{"due", "soon"}}}};
            else if (edit == u"version")
                file[edit] = ProgressTransfer::formatVersion + 1;
            else
                file[edit] = "something else";
            // Merged in first, a good part would change the store before the bad one is seen.
            if (edit != u"progressDictionary")
                store["progressDictionary"] = QJsonObject{{"essere", 50}};
            file["store"] = store;
            bytes = QJsonDocument(file).toJson();
        }
        const QString message = transfer().importJson(bytes);
        QVERIFY2(message.contains(refusal), qPrintable(message));
        QCOMPARE(transfer().exportJson(), before);
    }

    void importMergesHigherScoresAndBothLogs()
    {
        QByteArray theirs;
        {
            TestServices other;
            play();
            MistakeLog::shared().record(QStringLiteral("essere"), QStringLiteral("IMP|1PS|SING"), "sono", false);
            ProgressManager::shared().addPoints(QStringLiteral("parlare"), 4);
            theirs = transfer().exportJson();
        }

        TestServices mine;
        mine.queue().advance(5000);
        ProgressManager::shared().addPoints(QStringLiteral("parlare"), 2);
        ProgressManager::shared().addPoints(QStringLiteral("essere"), 9);
        MistakeLog::shared().record(QStringLiteral("parlare"), QStringLiteral("PRES|1PS|PLUR"), "parlamo", false);
        QCOMPARE(transfer().importJson(theirs), QString());
        QCOMPARE(transfer().importJson(theirs), QString());
        const auto scores = ProgressManager::shared().progressScores();
        QCOMPARE(scores.value("parlare"), 7);
        QCOMPARE(scores.value("essere"), 9);
        const auto records = MistakeLog::shared().records();
        QCOMPARE(records.value("parlare#PRES#3").answers.size(), 3);
        QCOMPARE(records.value("parlare#PRES#3").wrong, 2);
        QVERIFY(records.contains("essere#IMP#0"));
        QVERIFY(ReviewSchedule::shared().card(*DrilledForm::fromId("essere#IMP#0")));
    }
};

QTEST_GUILESS_MAIN(ProgressTransferTest)
#include "tst_progresstransfer.moc"
