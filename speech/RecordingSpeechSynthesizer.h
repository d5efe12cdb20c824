#pragma once

#include "speech/SpeechSynthesizer.h"

#include <memory>

struct AudioRecording;

// A synthesiser that says nothing and writes down what it was asked to say.
class RecordingSpeechSynthesizer final : public SpeechSynthesizer
{
public:
    explicit RecordingSpeechSynthesizer(std::shared_ptr<AudioRecording> recording);

    [[nodiscard]] QStringList voiceLanguages() override;
    void stop() override;
    void speak(const QString &text, const QString &locale) override;
    void onVoicesChanged(std::function<void()> listener) override;

private:
    std::shared_ptr<AudioRecording> recording_;
};
