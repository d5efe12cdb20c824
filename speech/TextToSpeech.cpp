#include "speech/TextToSpeech.h"

#include "platform/Logging.h"
#include "speech/AudioEngines.h"
#include "speech/AudioPlayer.h"
#include "speech/ClipAnswer.h"
#include "speech/SpeechSynthesizer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

namespace {

// Characters a URL fragment may hold besides letters, digits and "-._~".
const QByteArray fragmentCharacters = QByteArrayLiteral("!$&'()*+,/:;=?@");
// The same without the ones that would end or change a query value.
const QByteArray queryValueCharacters = QByteArrayLiteral("!$'()*,/:;?@");

}

TextToSpeech::TextToSpeech(AudioEngines &engines, MainQueue &queue, QString appDataPath)
    : engines_(engines)
    , appDataPath_(std::move(appDataPath))
    , speakTalk_(engines.makeSynthesizer())
    , fetcher_(std::make_unique<ClipFetcher>(queue))
{
    speakTalk_->onVoicesChanged([this] { emit availabilityChanged(); });
}

TextToSpeech::~TextToSpeech()
{
    fetcher_.reset();
    player_.reset();
}

const QStringList &TextToSpeech::externalLocales()
{
    static const QStringList locales{QStringLiteral("lv-LV"), QStringLiteral("sw-TZ"), QStringLiteral("ga-IE"),
        QStringLiteral("gd-GB"), QStringLiteral("nb-NO-ONLINE"), QStringLiteral("el-GR-ONLINE"),
        QStringLiteral("is-IS"), QStringLiteral("ee-EE"), QStringLiteral("nl-NL-ONLINE"), QStringLiteral("cy-GB")};
    return locales;
}

QString TextToSpeech::serviceName(const QString &locale)
{
    static const QList<std::pair<QString, QString>> names{
        {QStringLiteral("nl-NL-ONLINE"), QStringLiteral("speech_nl_app")},
        {QStringLiteral("el-GR-ONLINE"), QStringLiteral("speech_el_app")},
        {QStringLiteral("ee-EE"), QStringLiteral("speech_ee_app")},
        {QStringLiteral("lv-LV"), QStringLiteral("speech_lv_app")},
        {QStringLiteral("sw-TZ"), QStringLiteral("speech_sw_app")},
        {QStringLiteral("ga-IE"), QStringLiteral("speech_ga_app")},
        {QStringLiteral("gd-GB"), QStringLiteral("speech_gd_app")},
        {QStringLiteral("cy-GB"), QStringLiteral("speech_cy_new_app")},
        {QStringLiteral("is-IS"), QStringLiteral("speech_is_new_app")},
        {QStringLiteral("nb-NO-ONLINE"), QStringLiteral("speech_nb_app")},
    };
    for (const auto &[name, service] : names) {
        if (name == locale)
            return service;
    }
    return QStringLiteral("speech_sw_app");
}

QString TextToSpeech::clipFileName(const QString &text)
{
    return ClipAnswer::clipFileName(text);
}

QString TextToSpeech::clipsFolder() const
{
    const QString data = appDataPath_;
    if (data.isEmpty())
        return {};
    return QDir(data).filePath(QStringLiteral("clips"));
}

QString TextToSpeech::clipPath(const QString &text) const
{
    const QString folder = clipsFolder();
    if (folder.isEmpty())
        return {};
    return folder + u'/' + clipFileName(text) + QStringLiteral(".mp3");
}

QUrl TextToSpeech::serviceRequest(const QString &locale, const QString &text) const
{
    QString base = endpoint_;
    while (base.endsWith(u'/'))
        base.chop(1);
    const QString head = base + QStringLiteral("/textmachine/") + serviceName(locale) + QStringLiteral(".php?secret=");
    // The text and the token are query values: an "&", "=" or "+" in them is encoded so that the
    // service receives them whole.
    const QByteArray encoded = QUrl::toPercentEncoding(head, fragmentCharacters)
        + QUrl::toPercentEncoding(token_, queryValueCharacters)
        + "&str=" + QUrl::toPercentEncoding(clipFileName(text), queryValueCharacters);
    const QUrl url = QUrl::fromEncoded(encoded, QUrl::StrictMode);
    return ClipAnswer::isWebUrl(url) ? url : QUrl();
}

bool TextToSpeech::isVoiceAvailable(const QString &locale)
{
    bool available = false;
    const QStringList languages = speakTalk_->voiceLanguages();
    for (const QString &language : languages) {
        if (language == locale) {
            available = true;
        }
    }
    return available;
}

bool TextToSpeech::canSpeak(const QString &locale)
{
    if (!speakTalk_->voicesListed() || isVoiceAvailable(locale))
        return true;
    return externalLocales().contains(locale) && serviceRequest(locale, QStringLiteral("a")).isValid()
        && !clipsFolder().isEmpty();
}

QString TextToSpeech::silenceNotice(const QString &locale)
{
    if (silenceNoticeDismissed_ || canSpeak(locale))
        return {};
    if (!speakTalk_->answering())
        return QStringLiteral("Forms are not spoken: the speech engine does not answer. Check that the "
                              "speech-dispatcher service runs (Debian packages speech-dispatcher and "
                              "speech-dispatcher-espeak-ng), then start the app again.");
    return QStringLiteral("Forms are not spoken: this system has no voice for ") + QLocale(locale).nativeLanguageName()
        + QStringLiteral(". Install one to hear them, such as the Debian packages speech-dispatcher and "
                         "speech-dispatcher-espeak-ng.");
}

void TextToSpeech::dismissSilenceNotice()
{
    silenceNoticeDismissed_ = true;
    emit availabilityChanged();
}

bool TextToSpeech::clipCached(const QString &text)
{
    const QString path = clipPath(text);
    return !path.isEmpty() && QFileInfo(path).isFile();
}

void TextToSpeech::speak(const QString &text, const QString &locale)
{
    speakTalk_->stop();
    // Without a voice a tap says nothing, and tells nothing each time: the screens say it once.
    if (!canSpeak(locale))
        return;
    if (isVoiceAvailable(locale)) {
        speakTalk_->speak(text, locale);
        return;
    }
    if (!externalLocales().contains(locale))
        return;
    if (clipsFolder().isEmpty()) {
        qCWarning(lcSpeech).noquote() << QStringLiteral("there is no folder for speech clips");
        return;
    }
    if (clipCached(text)) {
        playSoundFromDocs(QUrl::fromLocalFile(clipPath(text)));
        return;
    }
    startFetch(text, locale, false);
}

void TextToSpeech::preloadExternalSound(const QString &text, const QString &locale)
{
    if (isVoiceAvailable(locale) || !canSpeak(locale))
        return;
    if (!externalLocales().contains(locale))
        return;
    const QString path = clipPath(text);
    if (path.isEmpty()) {
        qCWarning(lcSpeech).noquote() << QStringLiteral("there is no folder for speech clips");
        return;
    }
    if (QFileInfo(path).isFile()) {
        return;
    }
    startFetch(text, locale, true);
}

void TextToSpeech::startFetch(const QString &text, const QString &locale, bool preload)
{
    setDownloadDone(false);
    const QUrl request = serviceRequest(locale, text);
    if (!request.isValid()) {
        qCWarning(lcSpeech).noquote() << QStringLiteral("the speech service's address is not valid");
        setDownloadDone(true);
        return;
    }
    const QString clipName = clipFileName(text);
    fetcher_->fetch(request, maxSoundUrlBytes,
        [this, clipName, preload](const ClipFetcher::Result &result) { soundUrlAnswered(result, clipName, preload); });
}

void TextToSpeech::soundUrlAnswered(const ClipFetcher::Result &result, const QString &clipName, bool preload)
{
    if (!result.ok()) {
        qCWarning(lcSpeech).noquote() << u"the speech service did not answer: " + result.error;
        setDownloadDone(true);
        return;
    }
    const QString text = ClipAnswer::soundUrlText(result.body);
    if (text.isEmpty()) {
        qCWarning(lcSpeech).noquote() << QStringLiteral("the speech service's answer names no clip");
        setDownloadDone(true);
        return;
    }
    qCDebug(lcSpeech).noquote() << u"the speech service names the clip " + text;
    const QUrl clipUrl(text, QUrl::TolerantMode);
    if (!ClipAnswer::isWebUrl(clipUrl)) {
        qCWarning(lcSpeech).noquote() << u"the speech service names a clip that is not a web address: " + text;
        setDownloadDone(true);
        return;
    }
    fetchClip(clipUrl, clipName, preload);
}

void TextToSpeech::fetchClip(const QUrl &clipUrl, const QString &clipName, bool preload)
{
    // The name comes from the spoken text, never from the server's URL.
    const QString folder = clipsFolder();
    const QString destination = folder + u'/' + clipName + QStringLiteral(".mp3");
    fetcher_->fetch(clipUrl, maxClipBytes, [this, destination, preload](const ClipFetcher::Result &result) {
        QString error = result.error;
        if (error.isEmpty() && result.body.isEmpty())
            error = QStringLiteral("The clip is empty.");
        if (error.isEmpty())
            error = storeClip(result.body, destination);
        if (!error.isEmpty()) {
            qCWarning(lcSpeech).noquote() << u"a speech clip was not stored: " + error;
            setDownloadDone(true);
            return;
        }
        if (!preload)
            playSoundFromDocs(QUrl::fromLocalFile(destination));
        setDownloadDone(true);
    });
}

QString TextToSpeech::storeClip(const QByteArray &data, const QString &destination) const
{
    const QString folder = clipsFolder();
    if (!ClipAnswer::isInside(destination, folder))
        return QStringLiteral("The clip name is not a file name in the clips folder.");
    if (!QDir().mkpath(folder))
        return QStringLiteral("Cannot make the folder ") + folder;
    // Written beside the destination and renamed into place whole.
    QSaveFile file(destination);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(data) != data.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

void TextToSpeech::playSoundFromDocs(const QUrl &file)
{
    // The platform has no audio session to set up; sounds go to the default output.
    std::unique_ptr<AudioPlayer> player = engines_.makePlayer();
    if (!player) {
        deleteUnplayableClip(file, QStringLiteral("No audio player is available."));
        return;
    }
    player_ = std::move(player);
    player_->play(file.toLocalFile(), [this, file](const QString &error) { deleteUnplayableClip(file, error); });
}

void TextToSpeech::deleteUnplayableClip(const QUrl &file, const QString &error)
{
    qCWarning(lcSpeech).noquote() << u"a speech clip does not play: " + error;
    // Only clips are ever deleted.
    const QFileInfo info(file.toLocalFile());
    const QString folder = clipsFolder();
    if (folder.isEmpty() || info.absolutePath() != QFileInfo(folder).absoluteFilePath())
        return;
    qCDebug(lcSpeech).noquote() << u"deleting the clip " + file.toString() + u", which does not play";
    QFile clip(info.absoluteFilePath());
    if (!clip.remove())
        qCWarning(lcSpeech).noquote() << u"cannot delete the clip: " + clip.errorString();
}

void TextToSpeech::setDownloadDone(bool done)
{
    if (downloadDone_ == done)
        return;
    downloadDone_ = done;
    emit downloadDoneChanged();
}
