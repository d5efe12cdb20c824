#include "speech/ClipFetcher.h"

#include "platform/MainQueue.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QUrl>

#include <memory>

ClipFetcher::ClipFetcher(MainQueue &queue, QObject *parent)
    : QObject(parent)
    , queue_(queue)
    , network_(new QNetworkAccessManager(this))
{}

ClipFetcher::~ClipFetcher()
{
    // Replies still running end here without calling their completions.
    const auto replies = network_->findChildren<QNetworkReply *>();
    for (QNetworkReply *reply : replies)
        reply->disconnect(this);
}

void ClipFetcher::fetch(const QUrl &url, qint64 maxBytes, Completion done)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    QNetworkReply *reply = network_->get(request);
    ++running_;

    // Why the fetch was cut off, when it was.
    auto cutOff = std::make_shared<QString>();
    const QPointer<QNetworkReply> guard(reply);
    const QueueHandlePtr deadline = queue_.after(timeLimitMs, [guard, cutOff] {
        if (guard && guard->isRunning()) {
            *cutOff = QStringLiteral("No answer within %1 seconds.").arg(timeLimitMs / 1000);
            guard->abort();
        }
    });

    connect(reply, &QNetworkReply::downloadProgress, this, [reply, cutOff, maxBytes](qint64 received, qint64 total) {
        if ((received > maxBytes || total > maxBytes) && cutOff->isEmpty() && reply->isRunning()) {
            *cutOff = QStringLiteral("The answer is longer than %1 bytes.").arg(maxBytes);
            reply->abort();
        }
    });

    connect(reply, &QNetworkReply::finished, this, [this, reply, cutOff, deadline, maxBytes, done = std::move(done)] {
        deadline->invalidate();
        --running_;
        Result result;
        if (!cutOff->isEmpty())
            result.error = *cutOff;
        else if (reply->error() != QNetworkReply::NoError)
            result.error = reply->errorString();
        else
            result.body = reply->readAll();
        if (result.ok() && result.body.size() > maxBytes) {
            result.error = QStringLiteral("The answer is longer than %1 bytes.").arg(maxBytes);
            result.body.clear();
        }
        reply->deleteLater();
        done(result);
    });
}
