#include "platform/Collation.h"
#include "platform/ManualMainQueue.h"
#include "platform/Random.h"
#include "platform/Resources.h"
#include "platform/LearnerStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class PlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void storeKeepsValuesAcrossInstances();
    void storeReadsOnlyTheKindAsked();
    void storeRemovesKeys();
    void unreadableStoreIsKeptAside_data();
    void unreadableStoreIsKeptAside();
    void manualQueueRunsDueWorkInTimeOrder();
    void manualQueueRepeatsUntilInvalidated();
    void manualQueueRunsWorkScheduledByWork();
    void randomIsRepeatableAndInRange();
    void collationIgnoresDiacritics_data();
    void collationIgnoresDiacritics();
    void resourcesFindFilesByNameAndType();
};

void PlatformTest::storeKeepsValuesAcrossInstances()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("defaults.json"));
    const qint64 big = 9'007'199'254'740'993; // beyond a double's exact integers
    {
        LearnerStore store(path);
        QVERIFY(store.set(QStringLiteral("scores"), QVariantMap{{"parlare", big}, {"andare", -3}}));
        QVERIFY(store.set(QStringLiteral("flags"), QVariantMap{{"Present", true}, {"Future", false}}));
        QVERIFY(store.set(QStringLiteral("name"), QStringLiteral("perché")));
    }
    LearnerStore reopened(path);
    const auto scores = reopened.dictionary(QStringLiteral("scores"));
    QVERIFY(scores);
    QCOMPARE(scores->value("parlare").toLongLong(), big);
    QCOMPARE(scores->value("andare").toLongLong(), -3);
    const auto flags = reopened.dictionary(QStringLiteral("flags"));
    QVERIFY(flags);
    QCOMPARE(flags->value("Present").typeId(), QMetaType::Bool);
    QCOMPARE(flags->value("Future").toBool(), false);
    QCOMPARE(reopened.text(QStringLiteral("name")), std::optional<QString>(QStringLiteral("perché")));
}

void PlatformTest::storeReadsOnlyTheKindAsked()
{
    QTemporaryDir dir;
    LearnerStore store(dir.filePath(QStringLiteral("defaults.json")));
    store.set(QStringLiteral("name"), QStringLiteral("text"));
    store.set(QStringLiteral("map"), QVariantMap{{"a", 1}});
    QVERIFY(!store.dictionary(QStringLiteral("name")));
    QVERIFY(!store.text(QStringLiteral("map")));
    QVERIFY(!store.dictionary(QStringLiteral("absent")));
}

void PlatformTest::storeRemovesKeys()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("defaults.json"));
    {
        LearnerStore store(path);
        store.set(QStringLiteral("map"), QVariantMap{{"a", 1}});
        QVERIFY(store.remove(QStringLiteral("map")));
        QVERIFY(!store.contains(QStringLiteral("map")));
    }
    QVERIFY(!LearnerStore(path).contains(QStringLiteral("map")));
}

void PlatformTest::unreadableStoreIsKeptAside_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("truncated json") << QByteArray("{\"progressDictionary\": {\"parlare\": 3");
    QTest::newRow("not an object") << QByteArray("[1, 2, 3]");
    QTest::newRow("binary") << QByteArray("\x00\x01\x02garbage", 10);
}

void PlatformTest::unreadableStoreIsKeptAside()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("defaults.json"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("could not read")));
    LearnerStore store(path);
    QVERIFY(!store.setAsidePath().isEmpty());
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
    queue.after(300, [&] { ran << QStringLiteral("c"); });
    queue.after(100, [&] { ran << QStringLiteral("a"); });
    queue.after(100, [&] { ran << QStringLiteral("b"); });
    auto cancelled = queue.after(200, [&] { ran << QStringLiteral("x"); });
    cancelled->invalidate();

    queue.advance(99);
    QVERIFY(ran.isEmpty());
    queue.advance(1);
    QCOMPARE(ran, QStringList({"a", "b"}));
    queue.advance(1000);
    QCOMPARE(ran, QStringList({"a", "b", "c"}));
    QCOMPARE(queue.now(), 1100);
    QCOMPARE(queue.pendingCount(), 0);
}

void PlatformTest::manualQueueRepeatsUntilInvalidated()
{
    ManualMainQueue queue;
    QList<qint64> ticks;
    QueueHandlePtr handle;
    handle = queue.every(1000, [&] {
        ticks << queue.now();
        if (ticks.size() == 3)
            handle->invalidate();
    });
    queue.advance(37'000);
    QCOMPARE(ticks, QList<qint64>({1000, 2000, 3000}));
    QVERIFY(!handle->isValid());
}

void PlatformTest::manualQueueRunsWorkScheduledByWork()
{
    ManualMainQueue queue;
    QList<qint64> times;
    queue.after(10, [&] {
        times << queue.now();
        queue.after(5, [&] { times << queue.now(); });
        queue.post([&] { times << queue.now(); });
    });
    queue.advance(20);
    QCOMPARE(times, QList<qint64>({10, 10, 15}));
}

void PlatformTest::randomIsRepeatableAndInRange()
{
    Random first(42);
    Random second(42);
    QList<int> a, b;
    for (int i = 0; i < 200; ++i) {
        a << first.uniform(-2, 5);
        b << second.uniform(-2, 5);
    }
    QCOMPARE(a, b);
    QVERIFY(std::all_of(a.begin(), a.end(), [](int v) { return v >= -2 && v <= 5; }));
    QVERIFY(a.contains(-2) && a.contains(5));
    QCOMPARE(first.uniform(3, 1), 3);
    QCOMPARE(first.index(0), 0);

    QList<int> deck{1, 2, 3, 4, 5, 6, 7, 8};
    QList<int> shuffled = first.shuffled(deck);
    std::sort(shuffled.begin(), shuffled.end());
    QCOMPARE(shuffled, deck);
}

void PlatformTest::collationIgnoresDiacritics_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("expected");
    QTest::newRow("accent equal it") << "it" << "perché" << "perche" << 0;
    QTest::newRow("accent equal en") << "en" << "café" << "cafe" << 0;
    QTest::newRow("grave before letter") << "it" << "è" << "f" << -1;
    QTest::newRow("alphabetical") << "it" << "andare" << "avere" << -1;
    QTest::newRow("accent does not jump") << "it" << "zòcolo" << "abete" << 1;
    QTest::newRow("case still differs") << "it" << "Amare" << "amare" << 1;
}

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

void PlatformTest::resourcesFindFilesByNameAndType()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("verbs.xml")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const Resources resources(dir.path());
    QCOMPARE(resources.path(QStringLiteral("verbs"), QStringLiteral("xml")), file.fileName());
    QVERIFY(resources.path(QStringLiteral("verbs"), QStringLiteral("json")).isEmpty());
    QVERIFY(!Resources().path(QStringLiteral("verbs"), QStringLiteral("xml")).isEmpty());
}

QTEST_GUILESS_MAIN(PlatformTest)
#include "tst_platform.moc"
