#pragma once

#include "speech/AudioPlayer.h"

#include <QAudioOutput>
#include <QMediaPlayer>

// Plays MP3 files and resources through QMediaPlayer on the default audio output.
class QtAudioPlayer final : public AudioPlayer
{
public:
    QtAudioPlayer();
    ~QtAudioPlayer() override;

    void play(const QString &filePath, FailureHandler onFailure) override;

    // Whether the platform has a media back end to play with.
    [[nodiscard]] bool isAvailable() const { return player_.isAvailable(); }
    [[nodiscard]] QMediaPlayer &mediaPlayer() { return player_; }

private:
    void fail(const QString &error);

    QAudioOutput output_;
    QMediaPlayer player_;
    FailureHandler onFailure_;
    bool failed_ = false;
};
