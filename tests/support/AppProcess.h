#pragma once

// Runs the app binary (FLEXIO_APP, defined by the test target) with its data, settings and link
// socket in a temporary home, never the learner's own.

#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <utility>

namespace AppProcess {

inline QProcessEnvironment environment(const QTemporaryDir &home, const QString &resourceRoot = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    // QTemporaryDir makes the folder readable by its owner only, as a runtime folder must be.
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The app's traces are what the tests read.
    environment.insert(
        QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("flexio.app.debug=true;flexio.verbs.debug=true"));
    if (!resourceRoot.isEmpty())
        environment.insert(QStringLiteral("FLEXIO_RESOURCE_ROOT"), resourceRoot);
    return environment;
}

inline void start(QProcess &app, const QProcessEnvironment &environment, const QStringList &arguments)
{
    app.setProcessEnvironment(environment);
    app.start(QStringLiteral(FLEXIO_APP), arguments);
}

// Runs the app to its end; the exit code (-1 when it crashed or hung) and its console.
inline std::pair<int, QString> run(
    const QTemporaryDir &home, const QStringList &arguments, const QString &resources = {})
{
    QProcess app;
    start(app, environment(home, resources), arguments);
    const bool ended = app.waitForFinished(60000);
    if (!ended)
        app.kill();
    app.waitForFinished();
    const int code = ended && app.exitStatus() == QProcess::NormalExit ? app.exitCode() : -1;
    return {code, QString::fromUtf8(app.readAllStandardError())};
}

// Reads the running app's console until it holds the text, or the time runs out.
inline bool waitFor(QProcess &app, QString &console, const QString &text)
{
    QDeadlineTimer deadline(30000);
    while (!console.contains(text)) {
        if (deadline.hasExpired() || app.state() == QProcess::NotRunning)
            return false;
        app.waitForReadyRead(200);
        console += QString::fromUtf8(app.readAllStandardError());
    }
    return true;
}

}
