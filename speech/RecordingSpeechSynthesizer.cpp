#include "speech/RecordingSpeechSynthesizer.h"

#include "speech/AudioRecording.h"

RecordingSpeechSynthesizer::RecordingSpeechSynthesizer(std::shared_ptr<AudioRecording> recording)
    : recording_(std::move(recording))
{}

QStringList RecordingSpeechSynthesizer::voiceLanguages()
{
    return recording_->voiceLanguages;
}

void RecordingSpeechSynthesizer::stop()
{
    ++recording_->stops;
    if (!recording_->speaking.isEmpty())
        recording_->interrupted.append(recording_->speaking);
    recording_->speaking.clear();
}

void RecordingSpeechSynthesizer::speak(const QString &text, const QString &locale)
{
    recording_->said.append({text, locale});
    recording_->speaking = text;
}

void RecordingSpeechSynthesizer::onVoicesChanged(std::function<void()> listener)
{
    recording_->voicesChanged = std::move(listener);
}
