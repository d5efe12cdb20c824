#include "app/Services.h"

#include "platform/QtMainQueue.h"
#include "platform/Random.h"
#include "platform/Resources.h"
#include "platform/LearnerStore.h"
#include "progress/ProgressManager.h"
#include "settings/LanguageSetting.h"
#include "settings/TenseSetting.h"
#include "verbs/VerbDictionary.h"

#include <QStandardPaths>

namespace {

std::unique_ptr<Services> &installed()
{
    static std::unique_ptr<Services> services;
    return services;
}

const QStringList defaultTenses{"Present", "Imperfect", "Past Historic", "Perfect", "Pluperfect", "Future",
                                "Future Perfect", "Conditional", "Conditional Perfect", "Present Subjunctive",
                                "Past Subjunctive"};

}

ServicesConfig ServicesConfig::forApp()
{
    ServicesConfig config;
    config.appDataPath = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    config.storePath = config.appDataPath + QStringLiteral("/defaults.json");
    // A data folder to try out edited data files without rebuilding.
    const QString resourceOverride = qEnvironmentVariable("FLEXIO_RESOURCE_ROOT");
    config.resourceRoot = resourceOverride.isEmpty() ? Resources::defaultRoot() : resourceOverride;
    config.storeWriteDelayMs = LearnerStore::defaultWriteDelayMs;
    return config;
}

Services::Services(ServicesConfig config) : config_(std::move(config))
{
    if (config_.resourceRoot.isEmpty())
        config_.resourceRoot = Resources::defaultRoot();
    resources_ = std::make_unique<Resources>(config_.resourceRoot);
    mainQueue_ = config_.mainQueue ? std::move(config_.mainQueue) : std::make_unique<QtMainQueue>();
    random_ = config_.randomSeed ? std::make_unique<Random>(*config_.randomSeed) : std::make_unique<Random>();
}

Services::~Services()
{
    // Users first, then what they use.
    while (!objects_.empty())
        objects_.pop_back();
    progressManager_.reset();
    verbDictionary_.reset();
    if (tenseSettings_)
        qDeleteAll(*tenseSettings_);
    qDeleteAll(languageSettings_);
    learnerStore_.reset();
}

Services &Services::current()
{
    auto &services = installed();
    if (!services)
        services = std::make_unique<Services>(ServicesConfig::forApp());
    return *services;
}

void Services::install(std::unique_ptr<Services> services)
{
    installed() = std::move(services);
}

bool Services::isInstalled()
{
    return installed() != nullptr;
}

LearnerStore &Services::learnerStore()
{
    if (!learnerStore_)
        learnerStore_ = config_.storeWriteDelayMs < 0
                            ? std::make_unique<LearnerStore>(config_.storePath)
                            : std::make_unique<LearnerStore>(config_.storePath, mainQueue_.get(), config_.storeWriteDelayMs);
    return *learnerStore_;
}

const QList<TenseSetting *> &Services::tenseSettings()
{
    if (!tenseSettings_) {
        QList<TenseSetting *> list;
        for (const QString &name : defaultTenses)
            list.append(new TenseSetting(name, name == u"Present"));
        tenseSettings_ = list;
    }
    return *tenseSettings_;
}

const QList<LanguageSetting *> &Services::languageSettings()
{
    return languageSettings_;
}

VerbDictionary &Services::verbDictionary()
{
    if (!verbDictionary_)
        verbDictionary_ = std::make_unique<VerbDictionary>(*this);
    return *verbDictionary_;
}

ProgressManager &Services::progressManager()
{
    if (!progressManager_)
        progressManager_ = std::make_unique<ProgressManager>(*this);
    return *progressManager_;
}
