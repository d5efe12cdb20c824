#include "speech/AudioEngines.h"

#include "speech/AudioRecording.h"
#include "speech/PlatformAudio.h"
#include "speech/RecordingAudioPlayer.h"
#include "speech/RecordingSpeechSynthesizer.h"
#include "speech/ThreadedSpeechSynthesizer.h"

#include <QStandardPaths>

namespace {

// Where the platform's engines cannot be loaded: no voices, so every tap says nothing.
class SilentSynthesizer final : public SpeechSynthesizer
{
public:
    QStringList voiceLanguages() override { return {}; }
    void stop() override {}
    void speak(const QString &, const QString &) override {}
};

}

AudioEngines::AudioEngines(MainQueue &queue)
    : queue_(queue)
{
    if (QStandardPaths::isTestModeEnabled())
        useRecorders();
}

AudioEngines::~AudioEngines() = default;

std::unique_ptr<SpeechSynthesizer> AudioEngines::makeSynthesizer()
{
    if (synthesizerFactory_)
        return std::make_unique<ThreadedSpeechSynthesizer>(synthesizerFactory_, queue_);
    if (recording_)
        return std::make_unique<RecordingSpeechSynthesizer>(recording_);
    return std::make_unique<ThreadedSpeechSynthesizer>(
        [] {
            std::unique_ptr<SpeechSynthesizer> platform = PlatformAudio::makeSynthesizer();
            return platform ? std::move(platform) : std::make_unique<SilentSynthesizer>();
        },
        queue_);
}

std::unique_ptr<AudioPlayer> AudioEngines::makePlayer()
{
    if (recording_) {
        if (!recording_->playersAvailable)
            return nullptr;
        return std::make_unique<RecordingAudioPlayer>(recording_);
    }
    return PlatformAudio::makePlayer();
}

AudioRecording &AudioEngines::useRecorders()
{
    if (!recording_)
        recording_ = std::make_shared<AudioRecording>();
    return *recording_;
}

void AudioEngines::usePlatform()
{
    recording_.reset();
    synthesizerFactory_ = nullptr;
}

void AudioEngines::useSynthesizer(std::function<std::unique_ptr<SpeechSynthesizer>()> factory)
{
    synthesizerFactory_ = std::move(factory);
}
