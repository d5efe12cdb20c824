#pragma once

#include "speech/SpeechSynthesizer.h"

#include <QAtomicInt>
#include <QSemaphore>

#include <memory>

// A speech engine whose stop() and speak() hang for five seconds, as speech-dispatcher does when
// it cannot open the audio device, unless the test lets them go.
class HangingSynthesizer final : public SpeechSynthesizer
{
public:
    struct Hang
    {
        QSemaphore release;
        QAtomicInt calls;
    };

    explicit HangingSynthesizer(std::shared_ptr<Hang> hang)
        : hang_(std::move(hang))
    {}
    QStringList voiceLanguages() override { return {QStringLiteral("it-IT"), QStringLiteral("en-GB")}; }
    void stop() override { block(); }
    void speak(const QString &, const QString &) override { block(); }

private:
    void block()
    {
        hang_->calls.ref();
        hang_->release.tryAcquire(1, 5000);
    }
    std::shared_ptr<Hang> hang_;
};
