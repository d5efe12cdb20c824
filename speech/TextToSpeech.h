#pragma once

#include "platform/EngineObjects.h"

#include "speech/ClipFetcher.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

#include <functional>
#include <memory>

class AudioPlayer;
class AudioEngines;
class MainQueue;
class SpeechSynthesizer;

// Says a word or phrase aloud in a locale: with a built-in voice where the platform has one for
// the locale, otherwise, for ten locales, with an MP3 clip from the external text-to-speech
// service. Each clip is fetched once into the clips folder and played from there afterwards.
//
// What the network sends is untrusted: a clip is only ever written into the clips folder, under
// the name computed from the spoken text, and answers are bounded in size and time. Every fetch
// ends with downloadDone true again, whether it succeeded or not.
//
// Network replies, file writes and downloadDone all happen on the main thread: the downloads run
// inside QNetworkAccessManager and complete through its signals there.
class TextToSpeech : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool downloadDone READ downloadDone NOTIFY downloadDoneChanged)

public:
    static constexpr qint64 maxSoundUrlBytes = 2 * 1024;
    static constexpr qint64 maxClipBytes = 5 * 1024 * 1024;

    // Clips are cached under appDataPath; fetches complete on queue.
    TextToSpeech(AudioEngines &engines, MainQueue &queue, QString appDataPath);
    // QML's instance: the one its engine was given (EngineObjects).
    static TextToSpeech *create(QQmlEngine *engine, QJSEngine *) { return EngineObjects::take<TextToSpeech>(engine); }
    ~TextToSpeech() override;

    // The locales served by the external service, in the order they are compared.
    static const QStringList &externalLocales();
    // The service script for a locale.
    static QString serviceName(const QString &locale);
    // The file-safe form of a text: the clip's base name and the text sent to the service.
    static QString clipFileName(const QString &text);

    Q_INVOKABLE void speak(const QString &text, const QString &locale);
    Q_INVOKABLE void preloadExternalSound(const QString &text, const QString &locale);
    Q_INVOKABLE bool isVoiceAvailable(const QString &locale);
    // Whether speak() can say anything in locale: a built-in voice for it (or the voices are still
    // being listed), or a clip service configured for it.
    [[nodiscard]] bool canSpeak(const QString &locale);
    // Why nothing is spoken in locale and what to install; empty while it can speak, and once the
    // learner has dismissed the notice.
    [[nodiscard]] QString silenceNotice(const QString &locale);
    void dismissSilenceNotice();
    bool clipCached(const QString &text);
    void playSoundFromDocs(const QUrl &file);

    [[nodiscard]] bool downloadDone() const { return downloadDone_; }

    // The folder of the cached clips (in the app data folder); empty when there is no such folder.
    [[nodiscard]] QString clipsFolder() const;
    // The clip file of a text, inside the clips folder.
    [[nodiscard]] QString clipPath(const QString &text) const;

    // The service request for a text in a locale; an invalid URL when it cannot be built.
    [[nodiscard]] QUrl serviceRequest(const QString &locale, const QString &text) const;
    [[nodiscard]] const QString &serviceEndpoint() const { return endpoint_; }
    void setServiceEndpoint(const QString &endpoint) { endpoint_ = endpoint; }
    void setAccessToken(const QString &token) { token_ = token; }

    [[nodiscard]] SpeechSynthesizer &speakTalk() { return *speakTalk_; }
    [[nodiscard]] AudioPlayer *player() const { return player_.get(); }

signals:
    void downloadDoneChanged();
    // The built-in voices were listed, the engine stopped or started answering, or the silence
    // notice was dismissed.
    void availabilityChanged();

private:
    // Sets downloadDone false and asks the service for the clip of text.
    void startFetch(const QString &text, const QString &locale, bool preload);
    void soundUrlAnswered(const ClipFetcher::Result &result, const QString &clipName, bool preload);
    // Fetches the clip at clipUrl into the clips folder as clipName + ".mp3", and plays it unless
    // it was only preloaded.
    void fetchClip(const QUrl &clipUrl, const QString &clipName, bool preload);
    // Stores a downloaded clip; the error text, or empty when it was stored.
    QString storeClip(const QByteArray &data, const QString &destination) const;
    void deleteUnplayableClip(const QUrl &file, const QString &error);
    void setDownloadDone(bool done);

    AudioEngines &engines_;
    QString appDataPath_;
    std::unique_ptr<SpeechSynthesizer> speakTalk_;
    std::unique_ptr<AudioPlayer> player_;
    bool downloadDone_ = true;
    bool silenceNoticeDismissed_ = false;
    QString endpoint_;
    QString token_;
    // Last, so that no fetch completes into a half-destroyed object.
    std::unique_ptr<ClipFetcher> fetcher_;
};
