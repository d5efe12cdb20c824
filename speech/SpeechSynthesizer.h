#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The platform's speech synthesiser with its built-in voices.
class SpeechSynthesizer
{
public:
    virtual ~SpeechSynthesizer() = default;

    // The language of every built-in voice, written like "it-IT", one entry per voice.
    [[nodiscard]] virtual QStringList voiceLanguages() = 0;
    // Cuts off the utterance in progress, if any.
    virtual void stop() = 0;
    // Starts saying text with the built-in voice of locale at the default rate, pitch and volume.
    virtual void speak(const QString &text, const QString &locale) = 0;
    // listener is told when the synthesiser starts and stops speaking (on the synthesiser's
    // thread); a synthesiser that cannot tell never calls it.
    virtual void onSpeakingChanged(std::function<void(bool speaking)> listener) { (void)listener; }
    // False while the voices are still being listed; a synthesiser that lists them at once knows.
    [[nodiscard]] virtual bool voicesListed() { return true; }
    // False while the engine leaves a call unanswered.
    [[nodiscard]] virtual bool answering() { return true; }
    // listener is told, on the main thread, when the voices or whether the engine answers change.
    virtual void onVoicesChanged(std::function<void()> listener) { (void)listener; }
};
