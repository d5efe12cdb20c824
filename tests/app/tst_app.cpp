#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString errors;
};

// Runs the app with its data and settings in a temporary home, never the learner's own.
Run runApp(const QTemporaryDir &home, const QStringList &arguments, const QString &resourceRoot = {})
{
    QProcess app;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    // A session has a runtime folder; without one Qt itself warns on standard error.
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (!resourceRoot.isEmpty())
        environment.insert(QStringLiteral("FLEXIO_RESOURCE_ROOT"), resourceRoot);
    app.setProcessEnvironment(environment);
    app.start(QStringLiteral(FLEXIO_APP), arguments);
    Run run;
    if (!app.waitForFinished(60000)) {
        app.kill();
        app.waitForFinished();
        return run;
    }
    run.exitCode = app.exitStatus() == QProcess::NormalExit ? app.exitCode() : -1;
    run.errors = QString::fromUtf8(app.readAllStandardError());
    return run;
}

}

class AppTest : public QObject
{
    Q_OBJECT

private slots:
    void showsTheFirstFrameAndSavesIt();
    void savesEachScreen_data();
    void savesEachScreen();
    void refusesAnUnknownScreen_data();
    void refusesAnUnknownScreen();
    void refusesToStartOnABadVerbFile_data();
    void refusesToStartOnABadVerbFile();
};

void AppTest::showsTheFirstFrameAndSavesIt()
{
    QTemporaryDir home;
    const QString png = home.filePath(QStringLiteral("main.png"));
    const Run run = runApp(home, {QStringLiteral("--screenshot"), QStringLiteral("menu"), png});
    QCOMPARE(run.exitCode, 0);
    // A default start writes nothing to standard error: traces are off.
    QVERIFY2(run.errors.isEmpty(), qPrintable(run.errors.left(2000)));

    QImage image(png);
    QVERIFY(!image.isNull());
    QVERIFY(image.height() > image.width());
    // A drawn screen, not a blank one: the title and the card leave many distinct colours.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    }
    QVERIFY2(colours.size() > 20, qPrintable(QString::number(colours.size())));
}

void AppTest::savesEachScreen_data()
{
    QTest::addColumn<QString>("screen");
    QTest::newRow("dictionary") << "dictionary";
    QTest::newRow("table") << "table:Parlare";
    QTest::newRow("progress") << "progress";
    QTest::newRow("settings") << "settings";
    QTest::newRow("info") << "info";
    QTest::newRow("match sheet") << "sheet:match";
    QTest::newRow("match in play") << "play:match";
    QTest::newRow("snap in play") << "play:snap";
    QTest::newRow("conjugation in play") << "play:conjugation";
    QTest::newRow("gap-fill in play") << "play:gapfill";
    QTest::newRow("quiz menu") << "quizzes";
    QTest::newRow("one quiz") << "quiz:future-tense";
    QTest::newRow("a quiz in play") << "play:quiz:future-tense";
}

void AppTest::savesEachScreen()
{
    QFETCH(QString, screen);
    QTemporaryDir home;
    const QString png = home.filePath(QStringLiteral("screen.png"));
    const Run run = runApp(home, {QStringLiteral("--screenshot"), screen, png});
    QVERIFY2(run.exitCode == 0, qPrintable(run.errors.right(2000)));
    QVERIFY2(!run.errors.contains(QStringLiteral("qrc:/")), qPrintable(run.errors.right(2000)));
    const QImage image(png);
    QCOMPARE(image.size(), QSize(390, 844));
}

void AppTest::refusesAnUnknownScreen_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no such screen") << QStringList{"--screenshot", "games", "PNG"};
    QTest::newRow("no such verb") << QStringList{"--screenshot", "table:blorpare", "PNG"};
    QTest::newRow("no such game") << QStringList{"--screenshot", "play:chess", "PNG"};
    QTest::newRow("no name") << QStringList{"--screenshot"};
    QTest::newRow("no path") << QStringList{"--screenshot", "menu"};
    QTest::newRow("size without a height") << QStringList{"--screenshot", "menu", "PNG", "--size", "390"};
    QTest::newRow("empty size") << QStringList{"--screenshot", "menu", "PNG", "--size", "0x844"};
}

void AppTest::refusesAnUnknownScreen()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir home;
    const QString png = home.filePath(QStringLiteral("screen.png"));
    arguments.replaceInStrings(QStringLiteral("PNG"), png);
    const Run run = runApp(home, arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(!QFile::exists(png));
}

void AppTest::refusesToStartOnABadVerbFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QTest::newRow("malformed") << QByteArray("<verbs>\n<verb><infinitive>amare</infinitive><ind_pres/></verb>\n<verb>\n")
                               << "verbs.xml is not valid XML: Premature end of document (line 4, column 0)";
    QTest::newRow("missing") << QByteArray() << "the verb data file verbs.xml was not found";
}

void AppTest::refusesToStartOnABadVerbFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QTemporaryDir home;
    QTemporaryDir resources;
    if (!content.isEmpty()) {
        QFile file(resources.filePath(QStringLiteral("verbs.xml")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const Run run = runApp(home, {QStringLiteral("--self-test")}, resources.path());
    QCOMPARE(run.exitCode, 1);
    const QStringList lines = run.errors.split(u'\n').filter(QStringLiteral("Flexio cannot start: "));
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().endsWith(expected), qPrintable(lines.first()));
}

QTEST_GUILESS_MAIN(AppTest)
#include "tst_app.moc"
