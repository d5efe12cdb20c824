// The two functions the app looks up when it loads this module (see speech/PlatformAudio.h).
#include "speech/PlatformAudio.h"
#include "speech/module/QtAudioPlayer.h"
#include "speech/module/QtSpeechSynthesizer.h"

extern "C" {

Q_DECL_EXPORT SpeechSynthesizer *flexioMakeSynthesizer()
{
    return new QtSpeechSynthesizer;
}

// None when the platform has no media back end.
Q_DECL_EXPORT AudioPlayer *flexioMakePlayer()
{
    auto *player = new QtAudioPlayer;
    if (player->isAvailable())
        return player;
    delete player;
    return nullptr;
}
}
