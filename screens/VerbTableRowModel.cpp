#include "screens/VerbTableRowModel.h"

#include "speech/TextToSpeech.h"

// The speech service (and the platform's synthesiser behind it) is only started by a tap.
VerbTableRowModel::VerbTableRowModel(TextToSpeech &speech, QObject *parent)
    : QObject(parent)
    , speech_(speech)
{
    connect(&speech, &TextToSpeech::availabilityChanged, this, &VerbTableRowModel::partChanged);
}

bool VerbTableRowModel::speakable() const
{
    return ttsEnabled_ && speech_.canSpeak(locale_);
}

void VerbTableRowModel::speakPart()
{
    if (!speakable())
        return;
    TextToSpeech &tts = speech_;
    if (!tts.isVoiceAvailable(locale_) && !tts.clipCached(ttsPhrase_) && !loadedAlready_ && !waitingForSoundLoad_) {
        connect(
            &tts, &TextToSpeech::downloadDoneChanged, this, &VerbTableRowModel::endWaitForClip, Qt::UniqueConnection);
        waitingForSoundLoad_ = true;
        emit loadingChanged();
    }
    tts.speak(ttsPhrase_, locale_);
    // No fetch under way after speak (no service for the locale, no clips folder, a failure
    // before the request): nothing will ever end the wait, so the gear goes away at once.
    if (waitingForSoundLoad_ && tts.downloadDone()) {
        waitingForSoundLoad_ = false;
        emit loadingChanged();
    }
}

void VerbTableRowModel::endWaitForClip()
{
    if (!speech_.downloadDone() || !waitingForSoundLoad_)
        return;
    waitingForSoundLoad_ = false;
    loadedAlready_ = true;
    emit loadingChanged();
}
