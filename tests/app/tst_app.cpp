// The app binary: each screen drawn offscreen, bad arguments refused, and links opened
// at launch or handed to the app that already runs.
#include "games/GameCatalog.h"
#include "support/AppProcess.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class AppTest : public QObject
{
    Q_OBJECT

private slots:
    void savesEachScreen_data();
    void savesEachScreen();
    void refusesBadArguments_data();
    void refusesBadArguments();
    void aDefaultRunPrintsNothing_data();
    void aDefaultRunPrintsNothing();
    void aSecondLaunchHandsItsLinkToTheRunningApp();
};

// Every screen the app lists, with a verb, a quiz and an answer for the names that take one.
void AppTest::savesEachScreen_data()
{
    QTemporaryDir home;
    QProcess app;
    AppProcess::start(app, AppProcess::environment(home), {QStringLiteral("--screenshot")});
    QVERIFY(app.waitForFinished(60000) && app.exitCode() == 0);
    QStringList screens = QString::fromUtf8(app.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    for (const GameEntry &game : GameCatalog::games())
        QVERIFY(screens.contains(u"play:" + game.page) && screens.contains(u"sheet:" + game.page));
    screens.replaceInStrings(QStringLiteral(":VERB"), QStringLiteral(":Parlare"))
        .replaceInStrings(QStringLiteral(":ID"), QStringLiteral(":future-tense"))
        .replaceInStrings(QStringLiteral(":ANSWER"), QStringLiteral(":parlo"));
    QTest::addColumn<QString>("screen");
    for (const QString &screen : std::as_const(screens))
        QTest::newRow(qPrintable(screen)) << screen;
}

void AppTest::savesEachScreen()
{
    QFETCH(QString, screen);
    QTemporaryDir home;
    const QString png = home.filePath(QStringLiteral("screen.png"));
    const auto [code, console] = AppProcess::run(home, {QStringLiteral("--screenshot"), screen, png});
    QVERIFY2(code == 0 && !console.contains(QStringLiteral("qrc:/")), qPrintable(console.right(2000)));
    const auto added =
        QRegularExpression(QStringLiteral("\\b(\\d+) verbs added from (\\S+)\\.$"), QRegularExpression::MultilineOption)
            .match(console);
    // The verbs come from the pack built in, never from parsing the XML at start.
    QVERIFY2(added.hasMatch() && added.captured(1).toInt() >= 20 && added.captured(2) == u":/flexio/verbs.pack",
        qPrintable(console.right(2000)));
    const QImage image(png);
    QCOMPARE(image.size(), QSize(390, 844));
    // A drawn screen, not a blank one.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    }
    QVERIFY2(colours.size() > 20, qPrintable(QString::number(colours.size())));
}

// clang-format off
void AppTest::refusesBadArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no such screen") << QStringList{"--screenshot", "games", "PNG"};
    QTest::newRow("no such verb") << QStringList{"--screenshot", "table:blorpare", "PNG"};
    QTest::newRow("no such game") << QStringList{"--screenshot", "play:chess", "PNG"};
    QTest::newRow("no such quiz") << QStringList{"--screenshot", "quiz:no-such-quiz", "PNG"};
    QTest::newRow("no path") << QStringList{"--screenshot", "menu"};
    QTest::newRow("size without a height") << QStringList{"--screenshot", "menu", "PNG", "--size", "390"};
    QTest::newRow("empty size") << QStringList{"--screenshot", "menu", "PNG", "--size", "0x844"};
}
// clang-format on

void AppTest::refusesBadArguments()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir home;
    const QString png = home.filePath(QStringLiteral("screen.png"));
    arguments.replaceInStrings(QStringLiteral("PNG"), png);
    QCOMPARE(AppProcess::run(home, arguments).first, 2);
    QVERIFY(!QFile::exists(png));
}

// clang-format off
void AppTest::aDefaultRunPrintsNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("first frame") << QStringList{QStringLiteral("--self-test")};
    QTest::newRow("conjugate") << QStringList{QStringLiteral("conjugate"), QStringLiteral("parlare")};
}
// clang-format on

// Traces are off unless asked for, and no session runtime folder is needed to stay quiet.
void AppTest::aDefaultRunPrintsNothing()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir home;
    QProcessEnvironment environment = AppProcess::environment(home);
    environment.remove(QStringLiteral("QT_LOGGING_RULES"));
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    QProcess app;
    AppProcess::start(app, environment, arguments);
    QVERIFY(app.waitForFinished(60000));
    QCOMPARE(app.exitCode(), 0);
    const QByteArray errors = app.readAllStandardError();
    QVERIFY2(errors.isEmpty(), errors.constData());
}

void AppTest::aSecondLaunchHandsItsLinkToTheRunningApp()
{
    QTemporaryDir home;
    QProcess running;
    AppProcess::start(running, AppProcess::environment(home), {});
    QString console;
    const bool listening = AppProcess::waitFor(running, console, QStringLiteral("listening for links on "));
    const QString link = QStringLiteral("tavelo-italian://essere-or-avere");
    const auto [code, second] = listening ? AppProcess::run(home, {link}) : std::pair<int, QString>{-1, {}};
    const bool opened =
        listening && AppProcess::waitFor(running, console, QStringLiteral("opening quiz essere-or-avere"));
    running.kill();
    running.waitForFinished();
    QVERIFY2(opened, qPrintable(console.right(2000)));
    QCOMPARE(code, 0);
    QVERIFY2(second.contains(u"handed [\"" + link + u"\"] to the running app"), qPrintable(second));
    // The second launch opens no window of its own.
    QVERIFY(!second.contains(QStringLiteral("verbs added")));
    QVERIFY(console.contains(u"the link " + link + u" asks for the quiz essere-or-avere"));

    // With the app gone, a launch with a link opens it itself.
    const auto [aloneCode, alone] = AppProcess::run(home, {QStringLiteral("--self-test"), link});
    QVERIFY2(aloneCode == 0 && !alone.contains(QStringLiteral("qrc:/")), qPrintable(alone.right(2000)));
    QVERIFY(alone.contains(QStringLiteral("opening quiz essere-or-avere")));
}

QTEST_GUILESS_MAIN(AppTest)
#include "tst_app.moc"
