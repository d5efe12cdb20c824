#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

// Ends the event loop when the process is asked to end (SIGTERM, SIGINT, SIGHUP: a logout, a
// shutdown, a Ctrl-C), so that everything is closed as on a normal quit. The handler only
// writes a byte to a pipe; the main thread reads it and quits.
class QuitOnSignals : public QObject
{
    Q_OBJECT

public:
    QuitOnSignals();
    ~QuitOnSignals() override;

    // The signal that ended the loop, or 0.
    [[nodiscard]] int received() const { return received_; }

private:
    void readSignal();

    std::unique_ptr<QSocketNotifier> notifier_;
    int received_ = 0;
};
