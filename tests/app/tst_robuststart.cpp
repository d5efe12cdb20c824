// The app binary against faulty data files, an unchanged store and a second launch.
#include "app/LinkForwarder.h"
#include "support/AppProcess.h"

#include <QDir>
#include <QLibraryInfo>
#include <QRegularExpression>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The resident memory of a running process, in KiB.
qint64 residentKiB(const QProcess &process)
{
    QFile status(u"/proc/" + QString::number(process.processId()) + u"/status");
    const QString text = status.open(QIODevice::ReadOnly) ? QString::fromLatin1(status.readAll()) : QString();
    return QRegularExpression(QStringLiteral("VmRSS:\\s*(\\d+)")).match(text).captured(1).toLongLong();
}

// Fills mirror with links to what folder holds, but for the entry at the relative path hidden.
void mirrorWithout(const QString &folder, const QString &mirror, const QString &hidden)
{
    QDir().mkpath(mirror);
    const QString first = hidden.section(u'/', 0, 0);
    for (const QFileInfo &entry : QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (entry.fileName() != first)
            QFile::link(entry.absoluteFilePath(), mirror + u'/' + entry.fileName());
        else if (hidden.contains(u'/'))
            mirrorWithout(entry.absoluteFilePath(), mirror + u'/' + first, hidden.section(u'/', 1));
    }
}

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
    void aFloodOfLinksOpensTheNewestInFlatMemory();
    void aMissingFileDialogModuleIsNamed();
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
    QVERIFY(!second.contains(QStringLiteral("verbs added")));
}

void RobustStartTest::aFloodOfLinksOpensTheNewestInFlatMemory()
{
#ifdef __SANITIZE_ADDRESS__
    QSKIP("AddressSanitizer keeps freed memory in quarantine; the plain build measures the memory");
#endif
    QTemporaryDir home;
    QProcess running;
    QProcessEnvironment environment = AppProcess::environment(home);
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("flexio.links.debug=true"));
    // The console goes to a file: 2,000 hand-overs write more than a pipe holds.
    const QString log = home.filePath(QStringLiteral("console.txt"));
    running.setStandardErrorFile(log);
    AppProcess::start(running, environment, {});
    const auto console = [&log] {
        QFile file(log);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    const QString socket = home.filePath(QStringLiteral("flexio-links"));
    QTRY_VERIFY_WITH_TIMEOUT(LinkForwarder::handOver(socket, {}, 500), 30000);
    // A first quiz screen is made before the count starts.
    const QString link = QStringLiteral("tavelo-italian://essere-or-avere");
    QVERIFY(LinkForwarder::handOver(socket, {link}));
    QTRY_VERIFY_WITH_TIMEOUT(console().contains(u"passing on " + link), 30000);
    QTest::qWait(500);
    const qint64 before = residentKiB(running);
    for (int i = 0; i < 2000; ++i)
        QVERIFY2(LinkForwarder::handOver(socket, {i % 2 ? link : u"tavelo-italian://irregular-present"_qs}),
            qPrintable(QString::number(i)));
    const QString newest = QStringLiteral("tavelo-italian://irregular-participles");
    QVERIFY(LinkForwarder::handOver(socket, {newest}));
    QTRY_VERIFY_WITH_TIMEOUT(console().endsWith(u"passing on " + newest + u'\n'), 30000);
    QTest::qWait(500);
    const qint64 after = residentKiB(running);
    running.kill();
    running.waitForFinished();
    QVERIFY2(after - before < 10 * 1024, qPrintable(QStringLiteral("%1 KiB, then %2 KiB").arg(before).arg(after)));
    QVERIFY(console().count(QStringLiteral("passing on ")) < 100);
}

// The app copied beside a qt.conf whose QML folder lacks the file dialog's folder model.
void RobustStartTest::aMissingFileDialogModuleIsNamed()
{
    QTemporaryDir folder(QStringLiteral(FLEXIO_APP "-XXXXXX"));
    const QString app = folder.filePath(QStringLiteral("flexio"));
    QVERIFY(QFile::copy(QStringLiteral(FLEXIO_APP), app));
    mirrorWithout(QLibraryInfo::path(QLibraryInfo::QmlImportsPath), folder.filePath(QStringLiteral("qml")),
        QStringLiteral("Qt/labs/folderlistmodel"));
    QFile conf(folder.filePath(QStringLiteral("qt.conf")));
    QVERIFY(conf.open(QIODevice::WriteOnly));
    conf.write("[Paths]\nPrefix=/usr\nPlugins=" + QFile::encodeName(QLibraryInfo::path(QLibraryInfo::PluginsPath))
        + "\nQmlImports=" + QFile::encodeName(folder.filePath(QStringLiteral("qml"))) + '\n');
    conf.close();
    QTemporaryDir home;
    QProcess process;
    process.setProcessEnvironment(AppProcess::environment(home));
    process.start(app, {QStringLiteral("--self-test")});
    QVERIFY(process.waitForFinished(60000));
    const QString console = QString::fromUtf8(process.readAllStandardError());
    QCOMPARE(process.exitCode(), 0);
    QVERIFY2(console.contains(QStringLiteral(
                 "Qt.labs.folderlistmodel is missing (install the package qml6-module-qt-labs-folderlistmodel)")),
        qPrintable(console));
}

QTEST_GUILESS_MAIN(RobustStartTest)
#include "tst_robuststart.moc"
