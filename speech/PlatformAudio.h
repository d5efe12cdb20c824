#pragma once

#include <memory>

class AudioPlayer;
class SpeechSynthesizer;

// The platform's speech synthesiser and audio player live in a module of their own, loaded when
// the app first speaks or plays a sound: Qt Multimedia and Qt TextToSpeech bring the sound
// server's client and a dozen codec libraries, which the app's start and its first frame never
// need. The module is looked for in FLEXIO_MODULE_DIR (when set), beside the program, and in the
// installed module folder; where it cannot be loaded the app stays silent and says why once.
class PlatformAudio
{
public:
    // The platform's synthesiser, or none when the module cannot be loaded.
    static std::unique_ptr<SpeechSynthesizer> makeSynthesizer();
    // The platform's player, or none when the module cannot be loaded or the platform has no
    // media back end.
    static std::unique_ptr<AudioPlayer> makePlayer();
};

// What the module exports, by these names.
extern "C" {
using MakeSynthesizerFunction = SpeechSynthesizer *();
using MakePlayerFunction = AudioPlayer *();
}
