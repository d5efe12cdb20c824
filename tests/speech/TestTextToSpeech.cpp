#include "games/SoundEffects.h"
#include "platform/Resources.h"
#include "speech/AudioEngines.h"
#include "speech/AudioRecording.h"
#include "speech/RecordingAudioPlayer.h"
#include "speech/TextToSpeech.h"
#include "support/TestServices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <optional>

namespace {

// A tiny MPEG audio frame header followed by silence: enough to pass for an MP3 clip.
QByteArray fakeClip()
{
    return QByteArray::fromHex("fffb9064") + QByteArray(400, '\0');
}

void writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(data), data.size());
}

}

// The speech service and the effect sounds with the recording synthesiser and players; no network.
class TestTextToSpeech : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        services_.emplace();
        recording_ = &AudioEngines::shared().useRecorders();
    }
    void cleanup()
    {
        recording_ = nullptr;
        services_.reset();
    }

    void clipFileName_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::newRow("question mark") << "parli?" << "parli_";
        QTest::newRow("blanks and bang") << "che bello!" << "che_bello_";
        QTest::newRow("full stop") << "sì. no" << "sì__no";
        QTest::newRow("slash") << "e/o" << "e__o";
        QTest::newRow("parent folder") << "../evil" << "____evil";
        QTest::newRow("accents and apostrophe kept") << "perché l'ho" << "perché_l'ho";
        QTest::newRow("case kept") << "È Così" << "È_Così";
        QTest::newRow("other characters kept") << "a,b;c&d" << "a,b;c&d";
    }
    void clipFileName()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);
        QCOMPARE(TextToSpeech::clipFileName(text), name);
        QCOMPARE(QFileInfo(TextToSpeech::shared().clipPath(text)).fileName(), name + QStringLiteral(".mp3"));
        QCOMPARE(QFileInfo(TextToSpeech::shared().clipPath(text)).absolutePath(),
                 QDir(services_->services().appDataPath()).filePath(QStringLiteral("clips")));
    }

    void everyExternalLocaleHasItsOwnService()
    {
        QSet<QString> services;
        for (const QString &locale : TextToSpeech::externalLocales())
            services.insert(TextToSpeech::serviceName(locale));
        QCOMPARE(TextToSpeech::externalLocales().size(), 10);
        QCOMPARE(services.size(), 10);
        QCOMPARE(TextToSpeech::serviceName(QStringLiteral("nb-NO-ONLINE")), QStringLiteral("speech_nb_app"));
    }

    void isVoiceAvailable_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("available");
        QTest::newRow("two Italian voices") << "it-IT" << true;
        QTest::newRow("one English voice") << "en-GB" << true;
        QTest::newRow("language only") << "it" << false;
        QTest::newRow("other case") << "it-it" << false;
        QTest::newRow("longer text") << "it-IT-x" << false;
        QTest::newRow("external locale") << "cy-GB" << false;
    }
    void isVoiceAvailable()
    {
        QFETCH(QString, locale);
        QFETCH(bool, available);
        recording_->voiceLanguages = {QStringLiteral("it-IT"), QStringLiteral("en-GB"), QStringLiteral("it-IT")};
        QCOMPARE(TextToSpeech::shared().isVoiceAvailable(locale), available);
    }

    void speakCutsOffAndUsesBuiltInVoice()
    {
        auto &tts = TextToSpeech::shared();
        tts.speak(QStringLiteral("parlo"), QStringLiteral("it-IT"));
        tts.speak(QStringLiteral("to speak"), QStringLiteral("en-GB"));

        const QList<AudioRecording::Utterance> said{{QStringLiteral("parlo"), QStringLiteral("it-IT")},
                                                    {QStringLiteral("to speak"), QStringLiteral("en-GB")}};
        QCOMPARE(recording_->said, said);
        QCOMPARE(recording_->interrupted, QStringList{QStringLiteral("parlo")});
        QCOMPARE(recording_->speaking, QStringLiteral("to speak"));
        QVERIFY(recording_->played.isEmpty());
        QVERIFY(tts.downloadDone());
    }

    void localeWithoutAnyMeansSpeaksNothing_data()
    {
        QTest::addColumn<bool>("preload");
        QTest::newRow("speak") << false;
        QTest::newRow("preload") << true;
    }
    void localeWithoutAnyMeansSpeaksNothing()
    {
        QFETCH(bool, preload);
        auto &tts = TextToSpeech::shared();
        tts.speak(QStringLiteral("uno"), QStringLiteral("it-IT"));
        QSignalSpy done(&tts, &TextToSpeech::downloadDoneChanged);
        if (preload)
            tts.preloadExternalSound(QStringLiteral("bonjour"), QStringLiteral("fr-FR"));
        else
            tts.speak(QStringLiteral("bonjour"), QStringLiteral("fr-FR"));

        QCOMPARE(done.count(), 0);
        QCOMPARE(recording_->said.size(), 1);
        // speak cuts off the utterance under way even when it has nothing to say.
        QCOMPARE(recording_->speaking.isEmpty(), !preload);
        QVERIFY(recording_->played.isEmpty());
        QVERIFY(!QFileInfo::exists(tts.clipsFolder()));
    }

    void preloadWithBuiltInVoiceDoesNothing()
    {
        auto &tts = TextToSpeech::shared();
        tts.preloadExternalSound(QStringLiteral("parlo"), QStringLiteral("it-IT"));
        QVERIFY(recording_->said.isEmpty());
        QVERIFY(tts.downloadDone());
    }

    void cachedClipPlaysWithoutFetching_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << "diolch";
        QTest::newRow("question") << "sut wyt ti?";
        QTest::newRow("slash and accent") << "dŵr/tân";
    }
    void cachedClipPlaysWithoutFetching()
    {
        QFETCH(QString, text);
        auto &tts = TextToSpeech::shared();
        const QString path = tts.clipPath(text);
        writeFile(path, fakeClip());
        QSignalSpy done(&tts, &TextToSpeech::downloadDoneChanged);

        tts.speak(text, QStringLiteral("cy-GB"));

        QCOMPARE(recording_->played, QStringList{path});
        QCOMPARE(done.count(), 0);
        QVERIFY(QFileInfo::exists(path));

        tts.preloadExternalSound(text, QStringLiteral("cy-GB"));
        QCOMPARE(done.count(), 0);
        QCOMPARE(recording_->played.size(), 1);
    }

    void unplayableClipIsDeleted_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("playersAvailable");
        QTest::newRow("not an MP3") << QByteArray("<html>Not Found</html>") << true;
        QTest::newRow("empty file") << QByteArray() << true;
        QTest::newRow("no audio player") << fakeClip() << false;
    }
    void unplayableClipIsDeleted()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, playersAvailable);
        recording_->playersAvailable = playersAvailable;
        auto &tts = TextToSpeech::shared();
        const QString path = tts.clipPath(QStringLiteral("drwg"));
        writeFile(path, contents);

        tts.speak(QStringLiteral("drwg"), QStringLiteral("gd-GB"));

        QVERIFY(!QFileInfo::exists(path));
    }

    void onlyClipsAreDeleted()
    {
        auto &tts = TextToSpeech::shared();
        const QString outside = QDir(services_->services().appDataPath()).filePath(QStringLiteral("notes.mp3"));
        writeFile(outside, "not a sound");
        tts.playSoundFromDocs(QUrl::fromLocalFile(outside));
        QVERIFY(QFileInfo::exists(outside));
    }

    void badEndpointEndsTheFetch_data()
    {
        QTest::addColumn<QString>("endpoint");
        QTest::newRow("empty") << "";
        QTest::newRow("no scheme") << "textmachine";
        QTest::newRow("file scheme") << "file:///tmp";
        QTest::newRow("blank host") << "http:// /";
    }
    void badEndpointEndsTheFetch()
    {
        QFETCH(QString, endpoint);
        auto &tts = TextToSpeech::shared();
        tts.setServiceEndpoint(endpoint);
        QSignalSpy done(&tts, &TextToSpeech::downloadDoneChanged);
        QTest::ignoreMessage(QtWarningMsg, "TextToSpeech > the URL was bad");
        tts.speak(QStringLiteral("diolch"), QStringLiteral("cy-GB"));
        QCOMPARE(done.count(), 2);
        QVERIFY(tts.downloadDone());
        QVERIFY(recording_->played.isEmpty());
    }

    void soundEffects_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("playersAvailable");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("played");
        QTest::newRow("ding") << "ding" << true << "" << true;
        QTest::newRow("wrong") << "wrong" << true << "" << true;
        QTest::newRow("no such sound") << "bell" << true << "sound bell not found" << false;
        QTest::newRow("not a plain name") << "../ding" << true << "sound ../ding not found" << false;
        QTest::newRow("no audio player") << "ding" << false << "error playing sound" << false;
    }
    void soundEffects()
    {
        QFETCH(QString, name);
        QFETCH(bool, playersAvailable);
        QFETCH(QString, line);
        QFETCH(bool, played);
        TestServices::Options options;
        options.resourceRoot = Resources::defaultRoot();
        services_.reset();
        services_.emplace(options);
        recording_ = &AudioEngines::shared().useRecorders();

        auto &effects = SoundEffects::shared();
        effects.playSound(QStringLiteral("ding"));
        AudioPlayer *before = effects.audioPlayer();
        QVERIFY(before);
        recording_->played.clear();
        recording_->playersAvailable = playersAvailable;

        if (!line.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(line));
        effects.playSound(name);

        QCOMPARE(recording_->played,
                 played ? QStringList{Resources::defaultRoot() + u'/' + name + QStringLiteral(".mp3")} : QStringList());
        // A sound that cannot start leaves the previous player in place.
        QCOMPARE(effects.audioPlayer() == before, !played);
    }

    void effectSoundsAreSmallMp3s_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("ding") << "ding";
        QTest::newRow("wrong") << "wrong";
    }
    void effectSoundsAreSmallMp3s()
    {
        QFETCH(QString, name);
        const QString path = Resources().path(name, QStringLiteral("mp3"));
        QVERIFY(!path.isEmpty());
        QVERIFY(RecordingAudioPlayer::looksLikeMp3(path));
        QVERIFY(QFileInfo(path).size() > 1000);
        QVERIFY(QFileInfo(path).size() < 20 * 1024);
    }

private:
    std::optional<TestServices> services_;
    AudioRecording *recording_ = nullptr;
};

QTEST_GUILESS_MAIN(TestTextToSpeech)
#include "TestTextToSpeech.moc"
