// Adds one point to a verb's score in a loop and prints each new score once the call has
// returned, until it is killed. Usage: flexio_store_writer STORE_FILE RESOURCE_FOLDER VERB_KEY
#include "app/Services.h"
#include "platform/ManualMainQueue.h"
#include "progress/ProgressManager.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4)
        return 2;
    ServicesConfig config;
    config.storePath = arguments.at(1);
    config.resourceRoot = arguments.at(2);
    config.mainQueue = std::make_unique<ManualMainQueue>();
    Services services(std::move(config));
    ProgressManager &progress = services.progressManager();
    const QString key = arguments.at(3);
    for (;;) {
        progress.addPoints(key, 1);
        std::printf("%lld\n", static_cast<long long>(progress.progressScores().value(key)));
        std::fflush(stdout);
    }
}
