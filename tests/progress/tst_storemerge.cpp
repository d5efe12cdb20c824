// Two processes on one store, and a store that cannot be written.
#include "platform/LearnerStore.h"
#include "support/TestServices.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class StoreMergeTest : public QObject
{
    Q_OBJECT

private slots:
    // clang-format off
    void twoWritersLoseNoPoints_data()
    {
        QTest::addColumn<QString>("secondVerb");
        QTest::newRow("same verb") << "parlare";
        QTest::newRow("other verbs") << "essere";
    }
    // clang-format on

    void twoWritersLoseNoPoints()
    {
        QFETCH(QString, secondVerb);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("defaults.json"));
        const QString resources = TestServices::fixture(QStringLiteral("basic"));
        QProcess writers[2];
        const QString verbs[2] = {QStringLiteral("parlare"), secondVerb};
        for (int i = 0; i < 2; ++i) {
            writers[i].setStandardErrorFile(QProcess::nullDevice());
            writers[i].start(QStringLiteral(STORE_WRITER), {path, resources, verbs[i]});
            QVERIFY(writers[i].waitForStarted());
        }
        // Each printed line is one point its writer reported as saved.
        QByteArray printed[2];
        while (printed[0].count('\n') < 150 || printed[1].count('\n') < 150) {
            for (int i = 0; i < 2; ++i) {
                QVERIFY2(writers[i].state() == QProcess::Running, "a writer ended");
                writers[i].waitForReadyRead(20);
                printed[i] += writers[i].readAllStandardOutput();
            }
        }
        for (QProcess &writer : writers) {
            ::kill(pid_t(writer.processId()), SIGKILL);
            writer.waitForFinished();
        }
        const qsizetype saved[2] = {printed[0].count('\n') + writers[0].readAllStandardOutput().count('\n'),
            printed[1].count('\n') + writers[1].readAllStandardOutput().count('\n')};
        const QVariantMap scores =
            LearnerStore(path).dictionary(QStringLiteral("progressDictionary")).value_or(QVariantMap());
        // A write may land between a writer's last print and its kill.
        const auto stored = [&scores](const QString &verb) { return scores.value(verb).toLongLong(); };
        const qint64 expected[2] = {secondVerb == verbs[0] ? saved[0] + saved[1] : saved[0], saved[1]};
        for (int i = 0; i < (secondVerb == verbs[0] ? 1 : 2); ++i) {
            QVERIFY2(stored(verbs[i]) >= expected[i] && stored(verbs[i]) <= expected[i] + 2,
                qPrintable(
                    QStringLiteral("%1: %2 stored, %3 saved").arg(verbs[i]).arg(stored(verbs[i])).arg(expected[i])));
        }
    }

    void anUnwritableStoreIsReportedOnce()
    {
        // Not even root can make files under /proc.
        LearnerStore store(QStringLiteral("/proc/flexio-store/defaults.json"));
        QTest::ignoreMessage(
            QtWarningMsg, QRegularExpression(QStringLiteral("could not .* \\(later failures are not reported\\)")));
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        for (int i = 0; i < 11; ++i)
            QVERIFY(!store.set(QStringLiteral("key") + QString::number(i), i));
        // What could not be written still reads back while the app runs.
        QVERIFY(store.contains(QStringLiteral("key3")));
        QCOMPARE(store.writeCount(), 0);
    }
};

QTEST_GUILESS_MAIN(StoreMergeTest)
#include "tst_storemerge.moc"
