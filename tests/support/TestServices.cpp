#include "support/TestServices.h"

#include "app/Services.h"
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
    storePath_ = options_.storePath.isEmpty() ? dir_.filePath(QStringLiteral("learner.sqlite")) : options_.storePath;
    makeFresh();
}

TestServices::~TestServices() = default;

// clang-format off
LearnerDatabase &TestServices::learnerStore() { return services_->learnerStore(); }
Random &TestServices::random() { return services_->random(); }
VerbDictionary &TestServices::verbDictionary() { return services_->verbDictionary(); }
ProgressManager &TestServices::progressManager() { return services_->progressManager(); }
ReviewSchedule &TestServices::reviewSchedule() { return services_->reviewSchedule(); }
MistakeLog &TestServices::mistakeLog() { return services_->mistakeLog(); }
DailyGoal &TestServices::dailyGoal() { return services_->dailyGoal(); }
ProgressTransfer &TestServices::progressTransfer() { return services_->progressTransfer(); }
QuizGamesParser &TestServices::quizGamesParser() { return services_->quizGamesParser(); }
AudioEngines &TestServices::audioEngines() { return services_->audioEngines(); }
TextToSpeech &TestServices::textToSpeech() { return services_->textToSpeech(); }
SoundEffects &TestServices::soundEffects() { return services_->soundEffects(); }
Theme &TestServices::theme() { return services_->theme(); }
const StressMarks &TestServices::stressMarks() { return services_->stressMarks(); }
DeepLinkModel &TestServices::deepLinkModel() { return services_->deepLinkModel(); }
GameContext TestServices::gameContext() { return services_->gameContext(); }
void TestServices::provideTo(QQmlEngine &engine) { services_->provideTo(engine); }
// clang-format on

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
    config.appDataPath = appDataPath();
    config.mainQueue = std::move(queue);
    config.randomSeed = options_.seed;
    config.jsonStorePath = options_.jsonStorePath;
    services_ = std::make_unique<Services>(std::move(config));
}

QString TestServices::fixture(const QString &name)
{
    return QStringLiteral(FLEXIO_FIXTURES) + u'/' + name;
}
