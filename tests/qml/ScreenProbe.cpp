#include "ScreenProbe.h"

#include "platform/LearnerStore.h"
#include "platform/ManualMainQueue.h"
#include "speech/AudioEngines.h"
#include "speech/AudioRecording.h"
#include "speech/SpeechSynthesizer.h"
#include "speech/TextToSpeech.h"
#include "support/TestServices.h"
#include "verbs/Tense.h"

#include <QVariantMap>

#include <algorithm>

QVariant ScreenProbe::stored(const QString &key, const QString &name) const
{
    return services_->learnerStore().dictionary(key).value_or(QVariantMap()).value(name);
}

QStringList ScreenProbe::said() const
{
    QStringList texts;
    if (const AudioRecording *recording = services_->audioEngines().recording()) {
        for (const auto &utterance : recording->said)
            texts.append(utterance.text);
    }
    return texts;
}

void ScreenProbe::setVoices(const QStringList &locales)
{
    if (AudioRecording *recording = services_->audioEngines().recording())
        recording->voiceLanguages = locales;
}

void ScreenProbe::advance(int ms)
{
    services_->queue().advance(ms);
}

int ScreenProbe::tenseCount(bool byPerson)
{
    const QList<Tense> &tenses = Tense::all();
    return int(
        std::count_if(tenses.begin(), tenses.end(), [byPerson](const Tense &t) { return !byPerson || t.personal; }));
}

QString ScreenProbe::storedText(const QString &key) const
{
    return services_->learnerStore().text(key).value_or(QString());
}

void ScreenProbe::hangSpeech()
{
    services_->audioEngines().useSynthesizer([hang = hang_] { return std::make_unique<HangingSynthesizer>(hang); });
    // Made now, so that the voices are listed before the first tap.
    services_->textToSpeech();
}

bool ScreenProbe::speechReady() const
{
    return !services_->textToSpeech().speakTalk().voiceLanguages().isEmpty();
}

void ScreenProbe::releaseSpeech()
{
    hang_->release.release(1000);
}

QSize ScreenProbe::screenSize()
{
    const QStringList parts = qEnvironmentVariable("FLEXIO_SCREEN_SIZE").split(u'x');
    const QSize size(parts.value(0).toInt(), parts.value(1).toInt());
    return size.isEmpty() ? QSize(390, 844) : size;
}
