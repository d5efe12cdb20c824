#pragma once

#include "speech/SpeechSynthesizer.h"

#include <QLocale>

#include <memory>
#include <optional>

class QTextToSpeech;

// The platform's built-in voices through QTextToSpeech (speech-dispatcher on Linux).
class QtSpeechSynthesizer final : public SpeechSynthesizer
{
public:
    QtSpeechSynthesizer();
    ~QtSpeechSynthesizer() override;

    [[nodiscard]] QStringList voiceLanguages() override;
    void stop() override;
    void speak(const QString &text, const QString &locale) override;
    void onSpeakingChanged(std::function<void(bool speaking)> listener) override;

    [[nodiscard]] QTextToSpeech &engine() { return *engine_; }

    // "it-IT" for the Italian of Italy.
    static QString localeText(const QLocale &locale);

private:
    std::unique_ptr<QTextToSpeech> engine_;
    // The voices do not change while the app runs; listing them is slow, so it is done once.
    std::optional<QStringList> voiceLanguages_;
};
