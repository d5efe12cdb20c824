#pragma once

#include "games/GameContext.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

class AudioEngines;
class DailyGoal;
class DeepLinkModel;
class QQmlEngine;
class ScreenModels;
class LearnerDatabase;
class MainQueue;
class MistakeLog;
class ProgressManager;
class ProgressTransfer;
class QmlModules;
class QuizGamesParser;
class Random;
class Resources;
class StressMarks;
class ReviewSchedule;
class SoundEffects;
class TenseSetting;
class TextToSpeech;
class Theme;
class VerbDictionary;

// Where the app's objects find the machine: the store file (and the JSON store of earlier
// versions, taken in at its first open), the bundled resources, the app data folder, the main
// queue and the random source.
struct ServicesConfig
{
    QString storePath;
    QString jsonStorePath;
    QString resourceRoot;
    QString appDataPath;
    std::unique_ptr<MainQueue> mainQueue; // a QTimer queue when empty
    std::optional<std::uint64_t> randomSeed;
    // The learner's settings of the external speech service (SpeechService); none when empty.
    QString speechServiceFile;

    // The learner's own files under the platform's app data folder, the compiled-in resources.
    static ServicesConfig forApp();
};

// The app's composition root: it owns the one instance of each long-lived object, makes each on
// first use and hands every object what it uses. Nothing outside app/ knows it, and nothing looks
// it up: the app start makes one and passes it on, a QML engine is given its objects
// (provideTo), and tests make one of their own.
class Services
{
public:
    explicit Services(ServicesConfig config);
    ~Services();
    Services(const Services &) = delete;
    Services &operator=(const Services &) = delete;

    LearnerDatabase &learnerStore();
    const Resources &resources() const { return *resources_; }
    MainQueue &mainQueue() { return *mainQueue_; }
    Random &random() { return *random_; }
    [[nodiscard]] const QString &appDataPath() const { return config_.appDataPath; }
    [[nodiscard]] const QString &storePath() const { return config_.storePath; }

    // The one list of tense switches, shared by reference by everyone who holds it.
    const QList<TenseSetting *> &tenseSettings();

    VerbDictionary &verbDictionary();
    // The shipped stress marks, read when a form is first marked.
    const StressMarks &stressMarks();
    ProgressManager &progressManager();
    ReviewSchedule &reviewSchedule();
    MistakeLog &mistakeLog();
    DailyGoal &dailyGoal();
    ProgressTransfer &progressTransfer();
    QuizGamesParser &quizGamesParser();
    AudioEngines &audioEngines();
    TextToSpeech &textToSpeech();
    SoundEffects &soundEffects();
    Theme &theme();
    DeepLinkModel &deepLinkModel();
    ScreenModels &screenModels();
    // What every game is made with.
    GameContext gameContext();
    // Gives engine the objects behind the QML singletons; each is made when QML first asks. The
    // QML modules the screens import are checked against the engine's import folders here.
    void provideTo(QQmlEngine &engine);
    // The check of the engine last given its objects.
    const QmlModules &qmlModules() const { return *qmlModules_; }

private:
    ServicesConfig config_;
    std::unique_ptr<Resources> resources_;
    std::unique_ptr<MainQueue> mainQueue_;
    std::unique_ptr<Random> random_;
    std::unique_ptr<LearnerDatabase> learnerStore_;
    std::optional<QList<TenseSetting *>> tenseSettings_;
    std::unique_ptr<VerbDictionary> verbDictionary_;
    std::unique_ptr<StressMarks> stressMarks_;
    std::unique_ptr<ProgressManager> progressManager_;
    std::unique_ptr<ReviewSchedule> reviewSchedule_;
    std::unique_ptr<MistakeLog> mistakeLog_;
    std::unique_ptr<DailyGoal> dailyGoal_;
    std::unique_ptr<ProgressTransfer> progressTransfer_;
    std::unique_ptr<QuizGamesParser> quizGamesParser_;
    std::unique_ptr<AudioEngines> audioEngines_;
    std::unique_ptr<TextToSpeech> textToSpeech_;
    std::unique_ptr<SoundEffects> soundEffects_;
    std::unique_ptr<Theme> theme_;
    std::unique_ptr<DeepLinkModel> deepLinkModel_;
    std::unique_ptr<ScreenModels> screenModels_;
    std::unique_ptr<QmlModules> qmlModules_;
};
