#include "QmlTestHelper.h"

#include "app/Services.h"
#include "platform/ManualMainQueue.h"
#include "platform/UserDefaults.h"
#include "speech/AudioEngines.h"
#include "speech/AudioRecording.h"

#include <QVariantMap>

QVariant QmlTestHelper::stored(const QString &key, const QString &name) const
{
    return Services::current().userDefaults().dictionary(key).value_or(QVariantMap()).value(name);
}

QStringList QmlTestHelper::said() const
{
    QStringList texts;
    if (const AudioRecording *recording = AudioEngines::shared().recording()) {
        for (const auto &utterance : recording->said)
            texts.append(utterance.text);
    }
    return texts;
}

void QmlTestHelper::setVoices(const QStringList &locales)
{
    if (AudioRecording *recording = AudioEngines::shared().recording())
        recording->voiceLanguages = locales;
}

void QmlTestHelper::advance(int ms)
{
    if (auto *queue = dynamic_cast<ManualMainQueue *>(&Services::current().mainQueue()))
        queue->advance(ms);
}
