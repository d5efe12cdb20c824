#pragma once

#include "platform/ManualMainQueue.h"
#include "progress/ProgressManager.h"
#include "speech/AudioEngines.h"
#include "speech/AudioRecording.h"
#include "support/TestServices.h"
#include "verbs/VerbDictionary.h"

#include <QString>

#include <memory>

// Fresh services over the games' fixture verbs (and effect sounds) for one test, with the
// recording speech and audio engines and the start-up step already run.
class GameServices
{
public:
    explicit GameServices(const QString &fixture = QStringLiteral("games"))
    {
        TestServices::Options options;
        options.resourceRoot = TestServices::fixture(fixture);
        services_ = std::make_unique<TestServices>(options);
        recording_ = &AudioEngines::shared().useRecorders();
        services_->queue().runPending();
    }

    ManualMainQueue &queue() { return services_->queue(); }
    AudioRecording &recording() { return *recording_; }
    TestServices &testServices() { return *services_; }

    static qint64 score(const QString &verbKey) { return ProgressManager::shared().progressScores().value(verbKey); }

private:
    std::unique_ptr<TestServices> services_;
    AudioRecording *recording_ = nullptr;
};

