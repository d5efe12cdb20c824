#pragma once

#include <QString>

#include <memory>

class AudioPlayer;
class AudioEngines;
class Resources;

// Plays the bundled effect sounds ("ding" for a right answer, "wrong" for a wrong one).
// Failures only write a console line; the game goes on without sound.
class SoundEffects
{
public:
    SoundEffects(const Resources &resources, AudioEngines &engines);
    ~SoundEffects();
    SoundEffects(const SoundEffects &) = delete;
    SoundEffects &operator=(const SoundEffects &) = delete;

    // Plays the "mp3" resource called name; returns at once.
    void playSound(const QString &name);

    // The player of the last sound started, or none.
    [[nodiscard]] AudioPlayer *audioPlayer() const { return audioPlayer_.get(); }

private:
    const Resources &resources_;
    AudioEngines &engines_;
    std::unique_ptr<AudioPlayer> audioPlayer_;
};
