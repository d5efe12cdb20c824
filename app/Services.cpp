#include "app/Services.h"

#include "app/ScreenModels.h"
#include "games/SoundEffects.h"
#include "platform/EngineObjects.h"
#include "platform/LearnerDatabase.h"
#include "platform/QtMainQueue.h"
#include "platform/Random.h"
#include "platform/Resources.h"
#include "progress/DailyGoal.h"
#include "progress/MistakeLog.h"
#include "progress/ProgressManager.h"
#include "progress/ProgressTransfer.h"
#include "progress/ReviewSchedule.h"
#include "quizzes/QuizGamesParser.h"
#include "screens/DeepLinkModel.h"
#include "screens/QmlModules.h"
#include "screens/Theme.h"
#include "settings/DisplaySwitches.h"
#include "settings/TenseSetting.h"
#include "speech/AudioEngines.h"
#include "speech/SpeechService.h"
#include "speech/TextToSpeech.h"
#include "verbs/StressMarks.h"
#include "verbs/Tense.h"
#include "verbs/VerbDictionary.h"

#include <QFile>
#include <QQmlEngine>
#include <QStandardPaths>

ServicesConfig ServicesConfig::forApp()
{
    ServicesConfig config;
    config.appDataPath = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    config.storePath = config.appDataPath + QStringLiteral("/learner.sqlite");
    config.jsonStorePath = config.appDataPath + QStringLiteral("/defaults.json");
    // A data folder to try out edited data files without rebuilding.
    const QString resourceOverride = qEnvironmentVariable("FLEXIO_RESOURCE_ROOT");
    config.resourceRoot = resourceOverride.isEmpty() ? Resources::defaultRoot() : resourceOverride;
    config.speechServiceFile =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/speech-service.conf");
    return config;
}

Services::Services(ServicesConfig config)
    : config_(std::move(config))
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
    screenModels_.reset();
    deepLinkModel_.reset();
    theme_.reset();
    quizGamesParser_.reset();
    soundEffects_.reset();
    textToSpeech_.reset();
    audioEngines_.reset();
    progressTransfer_.reset();
    dailyGoal_.reset();
    mistakeLog_.reset();
    reviewSchedule_.reset();
    progressManager_.reset();
    verbDictionary_.reset();
    if (tenseSettings_)
        qDeleteAll(*tenseSettings_);
    learnerStore_.reset();
}

LearnerDatabase &Services::learnerStore()
{
    if (!learnerStore_) {
        learnerStore_ = std::make_unique<LearnerDatabase>(config_.storePath);
        // The JSON store is renamed once taken in, so one still in place is not in the database yet.
        if (!config_.jsonStorePath.isEmpty() && QFile::exists(config_.jsonStorePath))
            ProgressTransfer::migrateJsonStore(*learnerStore_, mainQueue(), config_.jsonStorePath);
    }
    return *learnerStore_;
}

const QList<TenseSetting *> &Services::tenseSettings()
{
    if (!tenseSettings_) {
        QList<TenseSetting *> list;
        const auto add = [this, &list](const QString &name, bool on, const QString &italian, const QString &english) {
            auto *setting = new TenseSetting(name, on);
            setting->setNames(italian, english);
            QObject::connect(setting, &TenseSetting::statusAssigned, setting,
                [this](const QString &tense, bool status) { progressManager().setTenseFlag(tense, status); });
            list.append(setting);
        };
        for (const Tense &tense : Tense::all())
            add(tense.name, tense.onByDefault, tense.italianName, tense.englishName);
        for (const DisplaySwitches::Switch &display : DisplaySwitches::all())
            add(display.name, display.onByDefault, display.label, display.label);
        tenseSettings_ = list;
    }
    return *tenseSettings_;
}

VerbDictionary &Services::verbDictionary()
{
    if (!verbDictionary_) {
        verbDictionary_ = std::make_unique<VerbDictionary>(VerbDictionary::Sources{resources(), mainQueue(), random(),
            learnerStore(), tenseSettings(), [this] { return progressManager().learntFlags(); }});
    }
    return *verbDictionary_;
}

const StressMarks &Services::stressMarks()
{
    if (!stressMarks_)
        stressMarks_ = std::make_unique<StressMarks>(resources().path(QStringLiteral("stress"), QStringLiteral("tsv")));
    return *stressMarks_;
}

ProgressManager &Services::progressManager()
{
    if (!progressManager_)
        progressManager_ = std::make_unique<ProgressManager>(learnerStore(), verbDictionary(), tenseSettings());
    return *progressManager_;
}

ReviewSchedule &Services::reviewSchedule()
{
    if (!reviewSchedule_)
        reviewSchedule_ = std::make_unique<ReviewSchedule>(learnerStore());
    return *reviewSchedule_;
}

MistakeLog &Services::mistakeLog()
{
    if (!mistakeLog_)
        mistakeLog_ = std::make_unique<MistakeLog>(learnerStore(), mainQueue(), reviewSchedule());
    return *mistakeLog_;
}

DailyGoal &Services::dailyGoal()
{
    if (!dailyGoal_)
        dailyGoal_ = std::make_unique<DailyGoal>(learnerStore(), mistakeLog(), mainQueue());
    return *dailyGoal_;
}

ProgressTransfer &Services::progressTransfer()
{
    if (!progressTransfer_)
        progressTransfer_ = std::make_unique<ProgressTransfer>(
            learnerStore(), progressManager(), mistakeLog(), reviewSchedule(), verbDictionary());
    return *progressTransfer_;
}

QuizGamesParser &Services::quizGamesParser()
{
    if (!quizGamesParser_)
        quizGamesParser_ = std::make_unique<QuizGamesParser>(resources(), random(), progressManager());
    return *quizGamesParser_;
}

AudioEngines &Services::audioEngines()
{
    if (!audioEngines_)
        audioEngines_ = std::make_unique<AudioEngines>(mainQueue());
    return *audioEngines_;
}

TextToSpeech &Services::textToSpeech()
{
    if (!textToSpeech_) {
        textToSpeech_ = std::make_unique<TextToSpeech>(audioEngines(), mainQueue(), appDataPath());
        const SpeechService service = SpeechService::configured(config_.speechServiceFile);
        textToSpeech_->setServiceEndpoint(service.endpoint);
        textToSpeech_->setAccessToken(service.token);
    }
    return *textToSpeech_;
}

SoundEffects &Services::soundEffects()
{
    if (!soundEffects_)
        soundEffects_ = std::make_unique<SoundEffects>(resources(), audioEngines());
    return *soundEffects_;
}

Theme &Services::theme()
{
    if (!theme_)
        theme_ = std::make_unique<Theme>(learnerStore());
    return *theme_;
}

ScreenModels &Services::screenModels()
{
    if (!screenModels_)
        screenModels_ = std::make_unique<ScreenModels>(*this);
    return *screenModels_;
}

DeepLinkModel &Services::deepLinkModel()
{
    if (!deepLinkModel_)
        deepLinkModel_ = std::make_unique<DeepLinkModel>(quizGamesParser());
    return *deepLinkModel_;
}

GameContext Services::gameContext()
{
    return {verbDictionary(), progressManager(), mistakeLog(), reviewSchedule(), learnerStore(), mainQueue(), random(),
        textToSpeech(), soundEffects()};
}

void Services::provideTo(QQmlEngine &engine)
{
    EngineObjects::provide(engine, VerbDictionary::staticMetaObject, [this] { return &verbDictionary(); });
    EngineObjects::provide(engine, ProgressManager::staticMetaObject, [this] { return &progressManager(); });
    EngineObjects::provide(engine, ProgressTransfer::staticMetaObject, [this] { return &progressTransfer(); });
    EngineObjects::provide(engine, TextToSpeech::staticMetaObject, [this] { return &textToSpeech(); });
    EngineObjects::provide(engine, Theme::staticMetaObject, [this] { return &theme(); });
    EngineObjects::provide(engine, DeepLinkModel::staticMetaObject, [this] { return &deepLinkModel(); });
    EngineObjects::provide(engine, ScreenModels::staticMetaObject, [this] { return &screenModels(); });
    qmlModules_ = std::make_unique<QmlModules>(engine.importPathList());
    EngineObjects::provide(engine, QmlModules::staticMetaObject, [this] { return qmlModules_.get(); });
}
