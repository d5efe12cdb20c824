#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

class MainQueue;
class QNetworkAccessManager;
class QUrl;

// Bounded HTTP GETs for the speech service: an answer longer than its limit, or one that takes
// longer than timeLimitMs on the main queue's clock, is cut off and fails. Completions run on the
// main thread.
class ClipFetcher : public QObject
{
    Q_OBJECT

public:
    struct Result
    {
        QByteArray body;
        QString error; // empty on success

        [[nodiscard]] bool ok() const { return error.isEmpty(); }
    };
    using Completion = std::function<void(const Result &)>;

    static constexpr int timeLimitMs = 15000;

    explicit ClipFetcher(MainQueue &queue, QObject *parent = nullptr);
    ~ClipFetcher() override;

    // Starts a GET of url; done runs once with the body or the reason for the failure.
    void fetch(const QUrl &url, qint64 maxBytes, Completion done);

    [[nodiscard]] int runningCount() const { return running_; }

private:
    MainQueue &queue_;
    QNetworkAccessManager *network_;
    int running_ = 0;
};
