#include "speech/module/QtAudioPlayer.h"

#include <QUrl>

QtAudioPlayer::QtAudioPlayer()
{
    player_.setAudioOutput(&output_);
    QObject::connect(&player_, &QMediaPlayer::errorOccurred, &player_,
        [this](QMediaPlayer::Error, const QString &error) { fail(error); });
    QObject::connect(&player_, &QMediaPlayer::mediaStatusChanged, &player_, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::InvalidMedia)
            fail(player_.errorString());
    });
}

QtAudioPlayer::~QtAudioPlayer()
{
    // No failure reaches the owner once it let go of the player.
    onFailure_ = nullptr;
    player_.stop();
}

void QtAudioPlayer::play(const QString &filePath, FailureHandler onFailure)
{
    onFailure_ = std::move(onFailure);
    failed_ = false;
    const QUrl source =
        filePath.startsWith(u':') ? QUrl(QStringLiteral("qrc") + filePath) : QUrl::fromLocalFile(filePath);
    player_.stop();
    player_.setSource(source);
    player_.play();
}

void QtAudioPlayer::fail(const QString &error)
{
    if (failed_ || !onFailure_)
        return;
    failed_ = true;
    const FailureHandler handler = onFailure_;
    handler(error.isEmpty() ? QStringLiteral("The sound cannot be played.") : error);
}
