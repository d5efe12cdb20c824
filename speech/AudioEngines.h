#pragma once

#include <functional>
#include <memory>

class AudioPlayer;
class MainQueue;
class SpeechSynthesizer;
struct AudioRecording;

// Makes the speech synthesiser and the audio players for the speech service and the effect
// sounds. The app gets the platform's engines. A registry made for tests (QStandardPaths test
// mode) starts with recording stand-ins, so that no test speaks aloud, plays sounds or starts a
// speech server by accident; a test of the real engines asks for them with usePlatform().
// Switch before the first use of a service that keeps what it was given. The platform's
// synthesiser runs on a thread of its own, since its calls can block.
class AudioEngines
{
public:
    // The threaded synthesiser answers on queue.
    explicit AudioEngines(MainQueue &queue);
    ~AudioEngines();

    [[nodiscard]] std::unique_ptr<SpeechSynthesizer> makeSynthesizer();
    // A player, or none when the platform cannot play sounds.
    [[nodiscard]] std::unique_ptr<AudioPlayer> makePlayer();

    // Switches to the recording stand-ins and returns what they record.
    AudioRecording &useRecorders();
    void usePlatform();
    // Makes the synthesiser with factory, on a thread of its own as the platform's is.
    void useSynthesizer(std::function<std::unique_ptr<SpeechSynthesizer>()> factory);

    // What the recording stand-ins recorded; null while the platform's engines are in use.
    [[nodiscard]] AudioRecording *recording() const { return recording_.get(); }

private:
    MainQueue &queue_;
    std::shared_ptr<AudioRecording> recording_;
    std::function<std::unique_ptr<SpeechSynthesizer>()> synthesizerFactory_;
};
