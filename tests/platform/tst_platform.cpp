#include "platform/Collation.h"
#include "platform/LearnerStore.h"
#include "platform/ManualMainQueue.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class PlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void storeKeepsValuesAcrossInstances();
    void gatheredChangesAreWrittenOnceAndMerged();
    void unreadableStoreIsKeptAside_data();
    void unreadableStoreIsKeptAside();
    void manualQueueRunsDueWorkInTimeOrder();
    void collationIgnoresDiacritics_data();
    void collationIgnoresDiacritics();
};

void PlatformTest::storeKeepsValuesAcrossInstances()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("defaults.json"));
    const qint64 big = 9'007'199'254'740'993; // beyond a double's exact integers
    {
        LearnerStore store(path);
        QVERIFY(store.set(QStringLiteral("scores"), QVariantMap{{"parlare", big}, {"andare", -3}}));
        QVERIFY(store.set(QStringLiteral("flags"), QVariantMap{{"Future", false}}));
        QVERIFY(store.set(QStringLiteral("name"), QStringLiteral("perché")));
        QVERIFY(store.set(QStringLiteral("gone"), QVariantMap{{"a", 1}}) && store.remove(QStringLiteral("gone")));
    }
    LearnerStore reopened(path);
    QCOMPARE(reopened.dictionary(QStringLiteral("scores")).value_or(QVariantMap{}),
        (QVariantMap{{"parlare", big}, {"andare", -3}}));
    QCOMPARE(reopened.dictionary(QStringLiteral("flags"))->value("Future").typeId(), QMetaType::Bool);
    QCOMPARE(reopened.text(QStringLiteral("name")), std::optional<QString>(QStringLiteral("perché")));
    // Only the kind asked for is read.
    QVERIFY(!reopened.dictionary(QStringLiteral("name")) && !reopened.text(QStringLiteral("scores")));
    QVERIFY(!reopened.contains(QStringLiteral("gone")));
}

void PlatformTest::gatheredChangesAreWrittenOnceAndMerged()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("defaults.json"));
    const auto points = [](const LearnerStore &store) {
        return store.dictionary(QStringLiteral("scores")).value_or(QVariantMap{}).value("parlare").toLongLong();
    };
    const auto add = [](qint64 n) { return [n](const QVariant &stored) { return stored.toLongLong() + n; }; };
    ManualMainQueue queue;
    {
        LearnerStore store(path, &queue, 1000);
        store.updateEntry(QStringLiteral("scores"), QStringLiteral("parlare"), add(2));
        store.updateEntry(QStringLiteral("scores"), QStringLiteral("parlare"), add(3));
        QCOMPARE(points(store), 5);
        // Another process adds its points meanwhile: both stay.
        LearnerStore(path).updateEntry(QStringLiteral("scores"), QStringLiteral("parlare"), add(10));
        QCOMPARE(points(store), 15);
        queue.advance(999);
        QCOMPARE(store.writeCount(), 0);
        // Written on a worker thread; flushing waits for that write and has nothing left to write.
        queue.advance(1);
        QVERIFY(store.flush());
        QCOMPARE(store.writeCount(), 1);
        QCOMPARE(points(LearnerStore(path)), 15);
        store.set(QStringLiteral("late"), QStringLiteral("kept"));
    }
    // What was still gathered is written as the store goes.
    QCOMPARE(LearnerStore(path).text(QStringLiteral("late")), std::optional<QString>(QStringLiteral("kept")));
    QCOMPARE(queue.pendingCount(), 0);
}

// clang-format off
void PlatformTest::unreadableStoreIsKeptAside_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("truncated json") << QByteArray("{\"progressDictionary\": {\"parlare\": 3");
    QTest::newRow("not an object") << QByteArray("[1, 2, 3]");
    QTest::newRow("binary") << QByteArray("\x00\x01\x02garbage", 10);
}
// clang-format on

void PlatformTest::unreadableStoreIsKeptAside()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("defaults.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    file.close();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("could not read")));
    LearnerStore store(path);
    QVERIFY(!store.contains(QStringLiteral("progressDictionary")));
    QFile aside(store.setAsidePath());
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), content);
    QVERIFY(store.set(QStringLiteral("fresh"), QVariantMap{{"a", true}}));
    QVERIFY(LearnerStore(path).dictionary(QStringLiteral("fresh")));
}

void PlatformTest::manualQueueRunsDueWorkInTimeOrder()
{
    ManualMainQueue queue;
    QStringList ran;
    const auto note = [&](const char *what) { ran << QString::fromLatin1(what) + QString::number(queue.now()); };
    queue.after(300, [&] { note("c"); });
    queue.after(100, [&] {
        note("a");
        queue.after(5, [&] { note("d"); });
        queue.post([&] { note("p"); });
    });
    queue.after(100, [&] { note("b"); });
    queue.after(200, [&] { note("x"); })->invalidate();
    QueueHandlePtr ticks;
    ticks = queue.every(120, [&] {
        note("t");
        if (queue.now() >= 240)
            ticks->invalidate();
    });
    queue.advance(99);
    QVERIFY(ran.isEmpty());
    queue.advance(1000);
    QCOMPARE(ran, QStringList({"a100", "b100", "p100", "d105", "t120", "t240", "c300"}));
    QCOMPARE(queue.now(), 1099);
    QCOMPARE(queue.pendingCount(), 0);
}

// clang-format off
void PlatformTest::collationIgnoresDiacritics_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("expected");
    QTest::newRow("accent equal it") << "it" << "perché" << "perche" << 0;
    QTest::newRow("accent equal en") << "en" << "café" << "cafe" << 0;
    QTest::newRow("grave before letter") << "it" << "è" << "f" << -1;
    QTest::newRow("accent does not jump") << "it" << "zòcolo" << "abete" << 1;
    QTest::newRow("case still differs") << "it" << "Amare" << "amare" << 1;
}
// clang-format on

void PlatformTest::collationIgnoresDiacritics()
{
    QFETCH(QString, locale);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, expected);
    const Collation collation(locale);
    QCOMPARE(collation.compare(a, b), expected);
    QCOMPARE(collation.compare(b, a), -expected);
}

QTEST_GUILESS_MAIN(PlatformTest)
#include "tst_platform.moc"
