#pragma once

#include <QString>

#include <memory>

class AudioPlayer;
class Services;

// Plays the bundled effect sounds ("ding" for a right answer, "wrong" for a wrong one).
// Failures only write a console line; the game goes on without sound.
class SoundEffects
{
public:
    explicit SoundEffects(Services &services);
    ~SoundEffects();
    SoundEffects(const SoundEffects &) = delete;
    SoundEffects &operator=(const SoundEffects &) = delete;

    static SoundEffects &shared();

    // Plays the "mp3" resource called name; returns at once.
    void playSound(const QString &name);

    // The player of the last sound started, or none.
    [[nodiscard]] AudioPlayer *audioPlayer() const { return audioPlayer_.get(); }

private:
    Services &services_;
    std::unique_ptr<AudioPlayer> audioPlayer_;
};
