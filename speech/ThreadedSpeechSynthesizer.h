#pragma once

#include "speech/SpeechSynthesizer.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class MainQueue;
class QThread;

// Runs a speech synthesiser on a thread of its own, so that an engine call that blocks (the
// platform's speech server not answering) never holds up the main thread. Calls return at once:
// the voices are listed once in the background when it is made (none are known until then),
// stop() is only sent while something is being said, and an engine that leaves a call unanswered
// for stallMs makes speech unavailable (one warning) until it answers again.
class ThreadedSpeechSynthesizer final : public SpeechSynthesizer
{
public:
    using Factory = std::function<std::unique_ptr<SpeechSynthesizer>()>;

    static constexpr int defaultStallMs = 4000;
    // How long closing waits for a busy engine before leaving it behind.
    static constexpr int closeWaitMs = 1000;
    // Phrases asked for while this many calls are still unanswered are not said.
    static constexpr qint64 maxPendingCalls = 4;

    // factory runs on the synthesiser's thread; stalls are timed on queue.
    ThreadedSpeechSynthesizer(Factory factory, MainQueue &queue, int stallMs = defaultStallMs);
    ~ThreadedSpeechSynthesizer() override;

    [[nodiscard]] QStringList voiceLanguages() override;
    void stop() override;
    void speak(const QString &text, const QString &locale) override;

    [[nodiscard]] bool voicesListed() override { return state_->voices || state_->stalled; }
    [[nodiscard]] bool answering() override { return !state_->stalled; }
    void onVoicesChanged(std::function<void()> listener) override { state_->voicesChanged = std::move(listener); }
    [[nodiscard]] bool available() const { return !state_->stalled; }
    // Whether a phrase was sent and the engine has not yet said it is quiet again.
    [[nodiscard]] bool speaking() const { return state_->speaking; }

private:
    // What the main thread knows of the engine; queued answers and stall checks hold it weakly.
    struct State
    {
        std::optional<QStringList> voices;
        bool speaking = false;
        bool stalled = false;
        bool warned = false;
        qint64 posted = 0;
        qint64 answered = 0;
        std::function<void()> voicesChanged;
    };
    using Call = std::function<void(SpeechSynthesizer &)>;

    // Runs call with the engine on its thread (when there is an engine); then answer, if any, on
    // the main thread.
    void post(Call call, std::function<void(State &)> answer = {});
    void run(std::function<void()> work, std::function<void(State &)> answer = {});
    static void answered(State &state, qint64 serial, const std::function<void(State &)> &answer);
    void markStalled();

    MainQueue &queue_;
    int stallMs_;
    std::shared_ptr<State> state_;
    QThread *thread_;
    // Lives on the engine's thread; calls are queued to it.
    QObject *worker_;
    // Made, used and destroyed on the engine's thread only.
    std::shared_ptr<std::unique_ptr<SpeechSynthesizer>> engine_;
};
