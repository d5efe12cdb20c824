#pragma once

#include "speech/AudioPlayer.h"

#include <memory>

struct AudioRecording;

// A player that plays nothing and writes down what it was asked to play. Like a real player it
// refuses a file that is missing or does not look like an MP3 stream.
class RecordingAudioPlayer final : public AudioPlayer
{
public:
    explicit RecordingAudioPlayer(std::shared_ptr<AudioRecording> recording);

    void play(const QString &filePath, FailureHandler onFailure) override;

    // Whether the file starts like an MP3 stream: an ID3 tag or an MPEG audio frame header.
    static bool looksLikeMp3(const QString &filePath);

private:
    std::shared_ptr<AudioRecording> recording_;
};
