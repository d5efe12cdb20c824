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
    previous_ = latest_;
    latest_ = this;
    makeFresh();
}

TestServices::~TestServices()
{
    services_.reset();
    latest_ = previous_;
}

Services &TestServices::current()
{
    if (!latest_)
        qFatal("no TestServices lives");
    return *latest_->services_;
}

void TestServices::restart()
{
    makeFresh();
}

void TestServices::makeFresh()
{
    services_.reset();
    auto queue = std::make_unique<ManualMainQueue>();
    queue_ = queue.get();
    ServicesConfig config;
    config.storePath = storePath_;
    config.resourceRoot = options_.resourceRoot.isEmpty() ? fixture(QStringLiteral("basic")) : options_.resourceRoot;
    config.appDataPath = dir_.filePath(QStringLiteral("appdata"));
    config.mainQueue = std::move(queue);
    config.randomSeed = options_.seed;
    config.storeWriteDelayMs = options_.storeWriteDelayMs;
    services_ = std::make_unique<Services>(std::move(config));
}

QString TestServices::fixture(const QString &name)
{
    return QStringLiteral(FLEXIO_FIXTURES) + u'/' + name;
}
