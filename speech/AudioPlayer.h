#pragma once

#include <QString>

#include <functional>

// Plays one sound file at a time.
class AudioPlayer
{
public:
    using FailureHandler = std::function<void(const QString &error)>;

    virtual ~AudioPlayer() = default;

    // Starts playing the file (a file path, or a ":/" resource path). A file that cannot be played
    // is reported through onFailure, during the call or later on the main thread, but never after
    // the player was destroyed.
    virtual void play(const QString &filePath, FailureHandler onFailure) = 0;
};
