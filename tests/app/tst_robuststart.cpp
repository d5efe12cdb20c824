// The app binary against faulty data files, an unchanged store and a second launch.
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QProcessEnvironment appEnvironment(const QTemporaryDir &home, const QString &resourceRoot = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("flexio.app.debug=true"));
    if (!resourceRoot.isEmpty())
        environment.insert(QStringLiteral("FLEXIO_RESOURCE_ROOT"), resourceRoot);
    return environment;
}

// Runs the app to its end; the exit code (-1 when it crashed or hung) and its console.
std::pair<int, QString> runApp(const QTemporaryDir &home, const QStringList &arguments, const QString &resources = {})
{
    QProcess app;
    app.setProcessEnvironment(appEnvironment(home, resources));
    app.start(QStringLiteral(FLEXIO_APP), arguments);
    const bool ended = app.waitForFinished(60000);
    if (!ended)
        app.kill();
    app.waitForFinished();
    const int code = ended && app.exitStatus() == QProcess::NormalExit ? app.exitCode() : -1;
    return {code, QString::fromUtf8(app.readAllStandardError())};
}

QString storePath(const QTemporaryDir &home)
{
    return home.filePath(QStringLiteral("data/flexio/defaults.json"));
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

void RobustStartTest::refusesAFaultyDataFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QByteArray nested;
    for (int i = 0; i < 100000; ++i)
        nested += "<e" + QByteArray::number(i) + '>';
    const QByteArray verb = "<verb><infinitive>amare</infinitive><ind_pres><fps>amo</fps></ind_pres></verb>";
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

void RobustStartTest::refusesAFaultyDataFile()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QTemporaryDir home;
    QTemporaryDir resources;
    QVERIFY(QFile::copy(QStringLiteral(FLEXIO_FIXTURES "/basic/verbs.xml"), resources.filePath(QStringLiteral("verbs.xml"))));
    QFile data(resources.filePath(file));
    QVERIFY(data.open(QIODevice::WriteOnly | QIODevice::Truncate));
    data.write(content);
    data.close();

    const auto [code, console] = runApp(home, {QStringLiteral("--self-test")}, resources.path());
    QCOMPARE(code, 1);
    const QStringList lines = console.split(u'\n').filter(QStringLiteral("Flexio cannot start: "));
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().endsWith(resources.filePath(file) + u" is not valid " + expected), qPrintable(lines.first()));
    QVERIFY(!QFileInfo::exists(storePath(home)));
}

void RobustStartTest::anUnchangedStartWritesNothing()
{
    QTemporaryDir home;
    QCOMPARE(runApp(home, {QStringLiteral("--self-test")}).first, 0);
    const QDateTime written = QFileInfo(storePath(home)).lastModified();
    QVERIFY(written.isValid());
    QCOMPARE(runApp(home, {QStringLiteral("--self-test")}).first, 0);
    QCOMPARE(QFileInfo(storePath(home)).lastModified(), written);
}

void RobustStartTest::aSecondLaunchRaisesTheRunningApp()
{
    QTemporaryDir home;
    QProcess running;
    running.setProcessEnvironment(appEnvironment(home));
    running.start(QStringLiteral(FLEXIO_APP), {});
    QVERIFY(running.waitForStarted());
    const auto waitFor = [&running](QString &console, const QString &text) {
        QDeadlineTimer deadline(30000);
        while (!console.contains(text) && !deadline.hasExpired() && running.state() == QProcess::Running) {
            running.waitForReadyRead(200);
            console += QString::fromUtf8(running.readAllStandardError());
        }
        return console.contains(text);
    };
    QString console;
    const bool listening = waitFor(console, QStringLiteral("listening for links on "));
    const auto [code, second] = listening ? runApp(home, {}) : std::pair<int, QString>{-1, QString()};
    const bool raised = waitFor(console, QStringLiteral("raising the window"));
    running.kill();
    running.waitForFinished();
    QVERIFY2(listening && raised, qPrintable(console.right(2000)));
    QCOMPARE(code, 0);
    QVERIFY2(second.contains(QStringLiteral("the app runs already")), qPrintable(second));
    QVERIFY(!second.contains(QStringLiteral("verbs added.")));
}

QTEST_GUILESS_MAIN(RobustStartTest)
#include "tst_robuststart.moc"
