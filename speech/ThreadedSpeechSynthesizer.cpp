#include "speech/ThreadedSpeechSynthesizer.h"

#include "platform/Logging.h"

#include "platform/MainQueue.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QMutex>
#include <QThread>

#include <vector>

namespace {

// Threads whose engine never answered are left running rather than waited for at exit. They
// stay reachable from here: they cannot be destroyed while they run.
struct LeftBehind
{
    QMutex mutex;
    std::vector<std::pair<QThread *, QObject *>> threads;
};

// The answers go to the application object, which outlives this object and its state (a gone
// state is ignored there).
void toMainThread(std::function<void()> work)
{
    if (QCoreApplication *application = QCoreApplication::instance())
        QMetaObject::invokeMethod(application, std::move(work), Qt::QueuedConnection);
}

LeftBehind &leftBehind()
{
    static LeftBehind *threads = new LeftBehind;
    return *threads;
}

}

ThreadedSpeechSynthesizer::ThreadedSpeechSynthesizer(Factory factory, MainQueue &queue, int stallMs)
    : queue_(queue)
    , stallMs_(stallMs)
    , state_(std::make_shared<State>())
    , thread_(new QThread)
    , worker_(new QObject)
    , engine_(std::make_shared<std::unique_ptr<SpeechSynthesizer>>())
{
    thread_->setObjectName(QStringLiteral("speech"));
    worker_->moveToThread(thread_);
    thread_->start();
    std::weak_ptr<State> weak = state_;
    run([engine = engine_, factory = std::move(factory), weak] {
        *engine = factory();
        if (!*engine)
            return;
        // The engine tells when it falls quiet, so that stop() is only sent while it speaks.
        (*engine)->onSpeakingChanged([weak](bool speaking) {
            toMainThread([weak, speaking] {
                if (const std::shared_ptr<State> state = weak.lock())
                    state->speaking = speaking;
            });
        });
    });
    auto voices = std::make_shared<QStringList>();
    post([voices](SpeechSynthesizer &engine) { *voices = engine.voiceLanguages(); },
        [voices](State &state) {
            state.voices = *voices;
            if (state.voicesChanged)
                state.voicesChanged();
        });
}

ThreadedSpeechSynthesizer::~ThreadedSpeechSynthesizer()
{
    // The engine goes on its own thread, then the thread ends.
    QMetaObject::invokeMethod(
        worker_, [engine = engine_] { engine->reset(); }, Qt::QueuedConnection);
    thread_->quit();
    if (thread_->wait(closeWaitMs)) {
        delete worker_;
        delete thread_;
        return;
    }
    qCWarning(lcSpeech) << "the speech engine does not answer; it is left behind";
    LeftBehind &threads = leftBehind();
    const QMutexLocker lock(&threads.mutex);
    threads.threads.emplace_back(thread_, worker_);
}

void ThreadedSpeechSynthesizer::post(Call call, std::function<void(State &)> answer)
{
    run(
        [engine = engine_, call = std::move(call)] {
            if (*engine)
                call(**engine);
        },
        std::move(answer));
}

void ThreadedSpeechSynthesizer::run(std::function<void()> work, std::function<void(State &)> answer)
{
    const qint64 serial = ++state_->posted;
    std::weak_ptr<State> weak = state_;
    QMetaObject::invokeMethod(
        worker_,
        [work = std::move(work), answer = std::move(answer), weak, serial] {
            work();
            toMainThread([weak, answer, serial] {
                if (const std::shared_ptr<State> state = weak.lock())
                    answered(*state, serial, answer);
            });
        },
        Qt::QueuedConnection);
    queue_.after(stallMs_, [this, weak, serial] {
        const std::shared_ptr<State> state = weak.lock();
        if (state && state->answered < serial)
            markStalled();
    });
}

void ThreadedSpeechSynthesizer::answered(State &state, qint64 serial, const std::function<void(State &)> &answer)
{
    state.answered = std::max(state.answered, serial);
    // Every call has come back: the engine works again.
    if (state.answered == state.posted && state.stalled) {
        state.stalled = false;
        if (state.voicesChanged)
            state.voicesChanged();
    }
    if (answer)
        answer(state);
}

void ThreadedSpeechSynthesizer::markStalled()
{
    if (!state_->stalled) {
        state_->stalled = true;
        if (state_->voicesChanged)
            state_->voicesChanged();
    }
    if (state_->warned)
        return;
    state_->warned = true;
    qCWarning(lcSpeech) << "the speech engine does not answer; speech is off until it does";
}

QStringList ThreadedSpeechSynthesizer::voiceLanguages()
{
    if (state_->stalled || !state_->voices)
        return {};
    return *state_->voices;
}

void ThreadedSpeechSynthesizer::stop()
{
    if (state_->stalled || !state_->speaking)
        return;
    state_->speaking = false;
    post([](SpeechSynthesizer &engine) { engine.stop(); });
}

void ThreadedSpeechSynthesizer::speak(const QString &text, const QString &locale)
{
    if (state_->stalled || state_->posted - state_->answered >= maxPendingCalls)
        return;
    state_->speaking = true;
    post([text, locale](SpeechSynthesizer &engine) { engine.speak(text, locale); });
}
