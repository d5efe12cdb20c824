// Plays answers through the app's objects in a loop until it is killed, as a game records them
// (points, then the answer with its review), and prints each answer's number once the calls
// have returned. Usage: flexio_store_writer STORE_FILE RESOURCE_FOLDER VERB_KEY
#include "progress/MistakeLog.h"
#include "progress/ProgressManager.h"
#include "support/TestServices.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4)
        return 2;
    // The writer is killed, so its temporary folder goes beside the store, which the test removes.
    qputenv("TMPDIR", QFileInfo(arguments.at(1)).absolutePath().toLocal8Bit());
    TestServices services(arguments.at(2), arguments.at(1));
    ProgressManager &progress = services.progressManager();
    MistakeLog &log = services.mistakeLog();
    const QString key = arguments.at(3);
    for (long long answer = 1;; ++answer) {
        progress.addPoints(key, 1);
        log.record(key, QStringLiteral("PRES|1PS|SING"), QString::number(answer), answer % 3 != 0);
        std::printf("%lld\n", answer);
        std::fflush(stdout);
    }
}
