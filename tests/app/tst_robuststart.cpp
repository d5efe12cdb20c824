// The app binary against faulty data files, an unchanged store and a second launch.
#include "support/AppProcess.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString storePath(const QTemporaryDir &home)
{
    return home.filePath(QStringLiteral("data/flexio/learner.sqlite"));
}

}

class RobustStartTest : public QObject
{
    Q_OBJECT

private slots:
    void refusesAFaultyDataFile_data();
    void refusesAFaultyDataFile();
    void anUnchangedStartWritesNothing();
    void aSecondLaunchRaisesTheRunningApp();
};

// clang-format off
void RobustStartTest::refusesAFaultyDataFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QByteArray nested;
    for (int i = 0; i < 100000; ++i)
        nested += "<e" + QByteArray::number(i) + '>';
    const QByteArray verb = "<verb><infinitive>amare</infinitive><ind_pres><fps>amo</fps></ind_pres></verb>";
    QTest::newRow("no verb data") << "verbs.xml" << QByteArray() << "the verb data file verbs.xml was not found";
    QTest::newRow("verb in a verb") << "verbs.xml" << QByteArray("<verbs>\n<verb><infinitive>a</infinitive>\n <verb/></verb></verbs>")
                                    << "verb data: a <verb> inside another <verb> (line 3, column 8)";
    QTest::newRow("no infinitive") << "verbs.xml" << "<verbs>" + verb + "\n<verb><ind_pres/></verb></verbs>"
                                   << "verb data: a verb without an infinitive (line 2, column 24)";
    QTest::newRow("no tables") << "verbs.xml" << QByteArray("<verbs><verb><infinitive>dire</infinitive></verb></verbs>")
                               << "verb data: the verb dire has no tense tables (line 1, column 49)";
    QTest::newRow("no verbs") << "verbs.xml" << QByteArray("<verbs/>\n") << "verb data: the file holds no verbs (line 2, column 0)";
    QTest::newRow("deep verbs") << "verbs.xml" << "<verbs>" + nested
                                << "verb data: elements are nested more than 16 deep (line 1, column 77)";
    QTest::newRow("quiz in a quiz") << "quizzes.xml" << QByteArray("<quizzes><quiz>\n<quiz></quiz></quiz></quizzes>")
                                    << "quiz data: a <quiz> inside another <quiz> (line 2, column 6)";
    QTest::newRow("no quizzes") << "quizzes.xml" << QByteArray("<quizzes></quizzes>")
                                << "quiz data: the file holds no quizzes (line 1, column 19)";
    QTest::newRow("deep quizzes") << "quizzes.xml" << "<quizzes>" + nested
                                  << "quiz data: elements are nested more than 16 deep (line 1, column 79)";
}
// clang-format on

void RobustStartTest::refusesAFaultyDataFile()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QTemporaryDir home;
    QTemporaryDir resources;
    QVERIFY(QFile::copy(
        QStringLiteral(FLEXIO_FIXTURES "/basic/verbs.xml"), resources.filePath(QStringLiteral("verbs.xml"))));
    // A null content stands for a missing file.
    QFile data(resources.filePath(file));
    QVERIFY(
        content.isNull() ? data.remove() : data.open(QIODevice::WriteOnly) && data.write(content) == content.size());
    data.close();

    const auto [code, console] = AppProcess::run(home, {QStringLiteral("--self-test")}, resources.path());
    QCOMPARE(code, 1);
    const QStringList lines = console.split(u'\n').filter(QStringLiteral("Flexio cannot start: "));
    QCOMPARE(lines.size(), 1);
    const QString reason = content.isNull() ? expected : resources.filePath(file) + u" is not valid " + expected;
    QVERIFY2(lines.first().endsWith(reason), qPrintable(lines.first()));
    QVERIFY(!QFileInfo::exists(storePath(home)));
}

void RobustStartTest::anUnchangedStartWritesNothing()
{
    QTemporaryDir home;
    QCOMPARE(AppProcess::run(home, {QStringLiteral("--self-test")}).first, 0);
    QVERIFY(!QFileInfo::exists(storePath(home)));
}

void RobustStartTest::aSecondLaunchRaisesTheRunningApp()
{
    QTemporaryDir home;
    QProcess running;
    AppProcess::start(running, AppProcess::environment(home), {});
    QVERIFY(running.waitForStarted());
    QString console;
    const bool listening = AppProcess::waitFor(running, console, QStringLiteral("listening for links on "));
    const auto [code, second] = listening ? AppProcess::run(home, {}) : std::pair<int, QString>{-1, QString()};
    const bool raised = AppProcess::waitFor(running, console, QStringLiteral("raising the window"));
    running.kill();
    running.waitForFinished();
    QVERIFY2(listening && raised, qPrintable(console.right(2000)));
    QCOMPARE(code, 0);
    QVERIFY2(second.contains(QStringLiteral("the app runs already")), qPrintable(second));
    QVERIFY(!second.contains(QStringLiteral("verbs added.")));
}

QTEST_GUILESS_MAIN(RobustStartTest)
#include "tst_robuststart.moc"
