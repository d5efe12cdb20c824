#include "support/TestServices.h"

#include "platform/ManualMainQueue.h"

#include <QStandardPaths>

TestServices::TestServices()
    : TestServices(Options{})
{}

TestServices::TestServices(const QString &resourceRoot, const QString &storePath)
    : TestServices(Options{resourceRoot, storePath})
{}

TestServices::TestServices(Options options)
    : options_(std::move(options))
{
    QStandardPaths::setTestModeEnabled(true);
    storePath_ = options_.storePath.isEmpty() ? dir_.filePath(QStringLiteral("defaults.json")) : options_.storePath;
    installFresh();
}

TestServices::~TestServices()
{
    Services::install(nullptr);
}

void TestServices::restart()
{
    installFresh();
}

void TestServices::installFresh()
{
    Services::install(nullptr);
    auto queue = std::make_unique<ManualMainQueue>();
    queue_ = queue.get();
    ServicesConfig config;
    config.storePath = storePath_;
    config.resourceRoot = options_.resourceRoot.isEmpty() ? fixture(QStringLiteral("basic")) : options_.resourceRoot;
    config.appDataPath = dir_.filePath(QStringLiteral("appdata"));
    config.mainQueue = std::move(queue);
    config.randomSeed = options_.seed;
    config.storeWriteDelayMs = options_.storeWriteDelayMs;
    Services::install(std::make_unique<Services>(std::move(config)));
}

QString TestServices::fixture(const QString &name)
{
    return QStringLiteral(FLEXIO_FIXTURES) + u'/' + name;
}
