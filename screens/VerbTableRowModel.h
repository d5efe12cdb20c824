#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

class TextToSpeech;

// One row of a verb table: speaks its form when tapped and says whether the loading gear shows
// while a clip is fetched for a locale without a built-in voice.
class VerbTableRowModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Screens get a table row's model from ScreenModels")
    Q_PROPERTY(bool ttsEnabled MEMBER ttsEnabled_ NOTIFY partChanged)
    Q_PROPERTY(QString ttsPhrase MEMBER ttsPhrase_ NOTIFY partChanged)
    Q_PROPERTY(QString locale MEMBER locale_ NOTIFY partChanged)
    // Whether a tap says the form: the row speaks and a voice (or clip service) is there for it.
    Q_PROPERTY(bool speakable READ speakable NOTIFY partChanged)
    Q_PROPERTY(bool waitingForSoundLoad READ waitingForSoundLoad NOTIFY loadingChanged)
    Q_PROPERTY(bool loadedAlready READ loadedAlready NOTIFY loadingChanged)
    Q_PROPERTY(bool gearShown READ gearShown NOTIFY loadingChanged)

public:
    explicit VerbTableRowModel(TextToSpeech &speech, QObject *parent = nullptr);

    [[nodiscard]] bool waitingForSoundLoad() const { return waitingForSoundLoad_; }
    [[nodiscard]] bool loadedAlready() const { return loadedAlready_; }
    [[nodiscard]] bool gearShown() const { return waitingForSoundLoad_ && !loadedAlready_; }
    [[nodiscard]] bool speakable() const;

    // The row tap: nothing for a row without speech; otherwise the form is spoken, and the gear
    // shows while its clip has to be fetched first.
    Q_INVOKABLE void speakPart();

signals:
    void partChanged();
    void loadingChanged();

private:
    void endWaitForClip();

    TextToSpeech &speech_;

    bool ttsEnabled_ = true;
    QString ttsPhrase_;
    QString locale_;
    bool waitingForSoundLoad_ = false;
    bool loadedAlready_ = false;
};
