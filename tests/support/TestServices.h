#pragma once

#include "games/GameContext.h"

#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <memory>

class AudioEngines;
class DailyGoal;
class DeepLinkModel;
class ManualMainQueue;
class ProgressTransfer;
class QQmlEngine;
class QuizGamesParser;
class Services;
class StressMarks;
class Theme;

// Fresh app objects for one test: a store file in a temporary folder, the given fixture resources,
// a manual main queue and a seeded random source. Tests reach the objects through the instance they
// made; only its source file knows the app's composition root.
class TestServices
{
public:
    struct Options
    {
        QString resourceRoot; // a folder under tests/fixtures, or the app's resources
        QString storePath; // a store file to reuse; a fresh temporary one when empty
        std::uint64_t seed = 12345;
        QString jsonStorePath = {}; // a JSON store of earlier versions to take in at the first open
    };

    TestServices();
    explicit TestServices(Options options);
    // Fresh services over the given resource folder (and store file, when given).
    explicit TestServices(const QString &resourceRoot, const QString &storePath = {});
    ~TestServices();
    TestServices(const TestServices &) = delete;
    TestServices &operator=(const TestServices &) = delete;

    // The root itself, for code under test that is handed all of it.
    Services &services() { return *services_; }
    // The main queue of the app objects.
    ManualMainQueue &queue() { return *queue_; }
    [[nodiscard]] QString storePath() const { return storePath_; }
    [[nodiscard]] QString dataPath() const { return dir_.path(); }
    [[nodiscard]] QString appDataPath() const { return dir_.filePath(QStringLiteral("appdata")); }

    // The root's objects of the same names, each made on first use.
    LearnerDatabase &learnerStore();
    Random &random();
    VerbDictionary &verbDictionary();
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
    const StressMarks &stressMarks();
    DeepLinkModel &deepLinkModel();
    GameContext gameContext();
    // Gives a QML engine the objects behind the QML singletons.
    void provideTo(QQmlEngine &engine);

    // Replaces the registry with a fresh one over the same store file, as a restart does.
    void restart();

    static QString fixture(const QString &name);

private:
    void makeFresh();

    QTemporaryDir dir_;
    Options options_;
    QString storePath_;
    ManualMainQueue *queue_ = nullptr;
    std::unique_ptr<Services> services_;
};
