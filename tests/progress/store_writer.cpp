// Adds one point to a verb's score in a loop and prints each new score once the call has
// returned, until it is killed. Usage: flexio_store_writer STORE_FILE RESOURCE_FOLDER VERB_KEY
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
    const QString key = arguments.at(3);
    for (;;) {
        progress.addPoints(key, 1);
        std::printf("%lld\n", static_cast<long long>(progress.progressScores().value(key)));
        std::fflush(stdout);
    }
}
