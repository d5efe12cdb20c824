// The app binary with links: a launch with a link opens that quiz, a second launch hands its
// link to the app that already runs, and an unknown quiz is refused.
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The app's data, settings and link socket in a temporary home, never the learner's own.
QProcessEnvironment appEnvironment(const QTemporaryDir &home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    // QTemporaryDir makes the folder readable by its owner only, as a runtime folder must be.
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The app's own traces are the only view of another process taking a link.
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("flexio.app.debug=true"));
    environment.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{message}"));
    return environment;
}

struct Run
{
    int exitCode = -1;
    QString errors;
};

Run runApp(const QTemporaryDir &home, const QStringList &arguments)
{
    QProcess app;
    app.setProcessEnvironment(appEnvironment(home));
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

// Reads the running app's console until a line holds the text, or the time runs out.
bool waitForLine(QProcess &app, QString &errors, const QString &text, int timeoutMs = 30000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!errors.contains(text)) {
        if (deadline.hasExpired() || app.state() == QProcess::NotRunning)
            return false;
        app.waitForReadyRead(200);
        errors += QString::fromUtf8(app.readAllStandardError());
    }
    return true;
}

}

class AppLinksTest : public QObject
{
    Q_OBJECT

private slots:
    void startsOnTheLinkedQuiz_data();
    void startsOnTheLinkedQuiz();
    void aSecondLaunchHandsItsLinkToTheRunningApp();
    void refusesAnUnknownQuiz();
};

void AppLinksTest::startsOnTheLinkedQuiz_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("opened");
    QTest::newRow("known quiz") << "tavelo-italian://modal-verbs" << "opening quiz modal-verbs";
    QTest::newRow("unknown quiz") << "tavelo-italian://abc"
                                  << "no quiz has the id abc, opening the first quiz irregular-present";
    QTest::newRow("other scheme") << "Tavelo-Italian://modal-verbs" << "";
}

void AppLinksTest::startsOnTheLinkedQuiz()
{
    QFETCH(QString, link);
    QFETCH(QString, opened);
    QTemporaryDir home;
    const Run run = runApp(home, {QStringLiteral("--self-test"), link});
    QVERIFY2(run.exitCode == 0, qPrintable(run.errors.right(2000)));
    QVERIFY(run.errors.contains(QStringLiteral("opening deeplink!\nURL to handle: ") + link + u'\n'));
    if (opened.isEmpty())
        QVERIFY2(!run.errors.contains(QStringLiteral("DeepLinkModel >> destination")), qPrintable(run.errors));
    else
        QVERIFY2(run.errors.contains(opened), qPrintable(run.errors.right(2000)));
    QVERIFY2(!run.errors.contains(QStringLiteral("qrc:/")), qPrintable(run.errors.right(2000)));
}

void AppLinksTest::aSecondLaunchHandsItsLinkToTheRunningApp()
{
    QTemporaryDir home;
    QProcess running;
    running.setProcessEnvironment(appEnvironment(home));
    running.start(QStringLiteral(FLEXIO_APP), {});
    QString errors;
    const bool listening = waitForLine(running, errors, QStringLiteral("listening for links on "));
    if (!listening) {
        running.kill();
        running.waitForFinished();
        QFAIL(qPrintable(errors.right(2000)));
    }

    const QString link = QStringLiteral("tavelo-italian://essere-or-avere");
    const Run second = runApp(home, {link});
    QCOMPARE(second.exitCode, 0);
    QVERIFY2(second.errors.contains(u"handed [\"" + link + u"\"] to the running app"), qPrintable(second.errors));
    // The second launch opens no window of its own.
    QVERIFY(!second.errors.contains(QStringLiteral("verbs added.")));

    const bool opened = waitForLine(running, errors, QStringLiteral("opening quiz essere-or-avere"));
    running.kill();
    running.waitForFinished();
    QVERIFY2(opened, qPrintable(errors.right(2000)));
    QVERIFY(errors.contains(u"URL to handle: " + link));

    // With the app gone, a launch with a link opens it itself.
    const Run alone = runApp(home, {QStringLiteral("--self-test"), link});
    QCOMPARE(alone.exitCode, 0);
    QVERIFY(alone.errors.contains(QStringLiteral("opening quiz essere-or-avere")));
}

void AppLinksTest::refusesAnUnknownQuiz()
{
    QTemporaryDir home;
    const QString png = home.filePath(QStringLiteral("screen.png"));
    const Run run = runApp(home, {QStringLiteral("--screenshot"), QStringLiteral("quiz:no-such-quiz"), png});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.errors.contains(QStringLiteral("no quiz no-such-quiz")));
    QVERIFY(!QFile::exists(png));
}

QTEST_GUILESS_MAIN(AppLinksTest)
#include "tst_applinks.moc"
