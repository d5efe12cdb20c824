#include "ScreenProbe.h"

#include "app/Services.h"
#include "platform/LearnerStore.h"
#include "platform/ManualMainQueue.h"
#include "speech/AudioEngines.h"
#include "speech/AudioRecording.h"
#include "speech/SpeechSynthesizer.h"
#include "speech/TextToSpeech.h"
#include "support/TestServices.h"

#include <QVariantMap>

QVariant ScreenProbe::stored(const QString &key, const QString &name) const
{
    return TestServices::current().learnerStore().dictionary(key).value_or(QVariantMap()).value(name);
}

QStringList ScreenProbe::said() const
{
    QStringList texts;
    if (const AudioRecording *recording = TestServices::current().audioEngines().recording()) {
        for (const auto &utterance : recording->said)
            texts.append(utterance.text);
    }
    return texts;
}

void ScreenProbe::setVoices(const QStringList &locales)
{
    if (AudioRecording *recording = TestServices::current().audioEngines().recording())
        recording->voiceLanguages = locales;
}

void ScreenProbe::advance(int ms)
{
    auto *queue = dynamic_cast<ManualMainQueue *>(&TestServices::current().mainQueue());
    if (queue)
        queue->advance(ms);
    else
        qWarning("the screens run on a real main queue; nothing to advance");
}

QString ScreenProbe::storedText(const QString &key) const
{
    return TestServices::current().learnerStore().text(key).value_or(QString());
}

void ScreenProbe::hangSpeech()
{
    TestServices::current().audioEngines().useSynthesizer(
        [hang = hang_] { return std::make_unique<HangingSynthesizer>(hang); });
    // Made now, so that the voices are listed before the first tap.
    TestServices::current().textToSpeech();
}

bool ScreenProbe::speechReady() const
{
    return !TestServices::current().textToSpeech().speakTalk().voiceLanguages().isEmpty();
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
