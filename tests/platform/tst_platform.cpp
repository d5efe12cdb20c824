#include "platform/Collation.h"
#include "platform/LearnerDatabase.h"
#include "platform/ManualMainQueue.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>
#include <sqlite3.h>

class PlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void storeKeepsValuesAcrossInstances();
    void olderSchemaIsMigrated();
    void unreadableStoreIsKeptAside_data();
    void unreadableStoreIsKeptAside();
    void damageFoundAfterStartIsKeptAsideAtTheNext();
    void unwritableStoreIsReportedOnce();
    void manualQueueRunsDueWorkInTimeOrder();
    void collationIgnoresDiacritics_data();
    void collationIgnoresDiacritics();
};

namespace {

LearnerDatabase::Form form(const QString &verb, int person)
{
    return {verb + u"#PRES#" + QString::number(person), verb, QStringLiteral("PRES"), person};
}

// Runs sql on the file with SQLite itself, as another program would.
void runSql(const QString &path, const char *sql)
{
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    QCOMPARE(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

} // namespace

void PlatformTest::storeKeepsValuesAcrossInstances()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("learner.sqlite"));
    const qint64 big = std::numeric_limits<qint64>::max() - 1;
    {
        LearnerDatabase store(path);
        QVERIFY(store.addPoints(QStringLiteral("parlare"), big) && store.addPoints(QStringLiteral("parlare"), 5));
        QVERIFY(store.setSetting(QStringLiteral("name"), QStringLiteral("perché")));
        // A failed change inside a transaction undoes the transaction's other changes.
        QVERIFY(!store.write([&] { return store.setLearnt(QStringLiteral("andare"), true) && false; }));
        QVERIFY(store.addAnswer(form(QStringLiteral("bere"), 2), {86'400'000, false, QStringLiteral("bevo"), {}}));
        QVERIFY(store.putCard(form(QStringLiteral("bere"), 2), {5000, 1.5, 4.0, 1, 1, 1, 0, 4000}));
    }
    LearnerDatabase reopened(path);
    // Points stop at the largest score instead of wrapping round.
    QCOMPARE(reopened.score(QStringLiteral("parlare")), std::numeric_limits<qint64>::max());
    QCOMPARE(reopened.setting(QStringLiteral("name")), std::optional<QString>(QStringLiteral("perché")));
    QVERIFY(reopened.learntFlags().isEmpty());
    QCOMPARE(reopened.tally(QStringLiteral("bere#PRES#2"))->wrong, 1);
    QCOMPARE(reopened.dueForms(5000), QStringList{QStringLiteral("bere#PRES#2")});
    QCOMPARE((QList<qint64>{reopened.dueCount(4999), reopened.dueCount(5000), reopened.dueCount(5000, 0, 0)}),
        (QList<qint64>{0, 1, 0}));
    QCOMPARE(reopened.answersPerDay(QDate(1970, 1, 1), QDate(1970, 1, 3)).value(QDate(1970, 1, 2)), 1);
}

void PlatformTest::olderSchemaIsMigrated()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("learner.sqlite"));
    {
        LearnerDatabase store(path);
        store.addAnswer(form(QStringLiteral("bere"), 0), {86'400'000 * 3, true, QStringLiteral("bevo"), {}});
    }
    // The first version had no answers per day and no finished quizzes.
    runSql(path, "DROP TABLE daily_activity; DROP TABLE quiz_activity; PRAGMA user_version = 1;");
    LearnerDatabase store(path);
    QCOMPARE(store.answersPerDay(QDate(1970, 1, 1), QDate(1970, 1, 9)).value(QDate(1970, 1, 4)), 1);
    QVERIFY(store.addQuizActivity({QStringLiteral("articles"), 1, 2, 50}));
}

// clang-format off
void PlatformTest::unreadableStoreIsKeptAside_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("sql");
    QTest::newRow("text") << QByteArray("{\"progressDictionary\": {\"parlare\": 3") << QByteArray();
    QTest::newRow("damaged header") << QByteArray("SQLite format 3\0\x10\0\x01\x01\0@  ", 24) + QByteArray(4072, 'x') << QByteArray();
    QTest::newRow("another program's database") << QByteArray() << QByteArray("CREATE TABLE notes(body TEXT);");
}
// clang-format on

void PlatformTest::unreadableStoreIsKeptAside()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, sql);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("learner.sqlite"));
    if (!sql.isEmpty())
        runSql(path, sql.constData());
    QFile file(path);
    QVERIFY(content.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(content) == content.size()));
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("kept it as .* and starting afresh$")));
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    LearnerDatabase store(path);
    QFile aside(store.setAsidePath());
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), before);
    QVERIFY(store.setLearnt(QStringLiteral("parlare"), true) && !store.inMemory());
    QCOMPARE(LearnerDatabase(path).learntFlags().size(), 1);
}

// A damaged page the start does not read is found by the check after it, and the file is kept
// aside at the next start.
void PlatformTest::damageFoundAfterStartIsKeptAsideAtTheNext()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("learner.sqlite"));
    {
        LearnerDatabase store(path);
        store.write([&store] {
            for (int i = 0; i < 2000; ++i)
                store.setLearnt(u"verbo" + QString::number(i), true);
            return true;
        });
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite) && file.size() > 8 * 4096);
    QVERIFY(file.seek(file.size() - 4096) && file.write(QByteArray(4096, 'x')) == 4096);
    file.close();
    {
        LearnerDatabase store(path);
        QVERIFY(store.setAsidePath().isEmpty() && !QFileInfo::exists(store.damageMark()));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("is damaged; .* at the next start$")));
        store.checkInBackground();
    }
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("kept it as .* and starting afresh$")));
    LearnerDatabase next(path);
    QVERIFY(!next.setAsidePath().isEmpty() && !QFileInfo::exists(next.damageMark()) && next.learntFlags().isEmpty());
}

void PlatformTest::unwritableStoreIsReportedOnce()
{
    // Not even root can make files under /proc: the store lives in memory and says so once.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^could not open .* until the app closes$")));
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    LearnerDatabase store(QStringLiteral("/proc/flexio-store/learner.sqlite"));
    QVERIFY(store.addPoints(QStringLiteral("parlare"), 2));
    QVERIFY(store.inMemory());
    QCOMPARE(store.score(QStringLiteral("parlare")), 2);
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
