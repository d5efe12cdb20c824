#include "LocalHttpServer.h"

#include "games/SoundEffects.h"
#include "platform/ManualMainQueue.h"
#include "platform/Resources.h"
#include "speech/AudioEngines.h"
#include "speech/AudioRecording.h"
#include "speech/ClipFetcher.h"
#include "speech/TextToSpeech.h"
#include "support/TestServices.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

const QByteArray servicePath = "/textmachine/speech_cy_new_app.php";
const QByteArray token = "local-test-token";

QByteArray fakeClip(int size = 800)
{
    return QByteArray::fromHex("fffb9064") + QByteArray(size - 4, '\x11');
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}

// The speech service with the recording synthesiser and players; clips come from a real HTTP
// server on 127.0.0.1.
class TextToSpeechTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        services_.emplace();
        recording_ = &services_->audioEngines().useRecorders();
        server_.emplace();
        services_->textToSpeech().setServiceEndpoint(server_->base());
        services_->textToSpeech().setAccessToken(QString::fromLatin1(token));
    }
    void cleanup()
    {
        server_.reset();
        services_.reset();
    }

    // A built-in voice cuts off the utterance under way; a locale with neither a voice nor the
    // service says nothing, and speak still cuts off.
    void builtInVoiceSpeaksAndNothingIsFetched()
    {
        auto &tts = services_->textToSpeech();
        QVERIFY(tts.isVoiceAvailable(QStringLiteral("it-IT")));
        for (const char *locale : {"it", "it-it", "it-IT-x", "cy-GB"})
            QVERIFY2(!tts.isVoiceAvailable(QString::fromLatin1(locale)), locale);
        QSignalSpy done(&tts, &TextToSpeech::downloadDoneChanged);
        tts.speak(QStringLiteral("parlo"), QStringLiteral("it-IT"));
        tts.preloadExternalSound(QStringLiteral("parlo"), QStringLiteral("it-IT"));
        tts.speak(QStringLiteral("to speak"), QStringLiteral("en-GB"));
        const QList<AudioRecording::Utterance> said{{"parlo", "it-IT"}, {"to speak", "en-GB"}};
        QCOMPARE(recording_->said, said);
        QCOMPARE(recording_->interrupted, QStringList{QStringLiteral("parlo")});
        tts.preloadExternalSound(QStringLiteral("bonjour"), QStringLiteral("fr-FR"));
        QCOMPARE(recording_->speaking, QStringLiteral("to speak"));
        tts.speak(QStringLiteral("bonjour"), QStringLiteral("fr-FR"));
        QVERIFY(recording_->speaking.isEmpty());
        QCOMPARE(recording_->said, said);
        QVERIFY(recording_->played.isEmpty());
        QVERIFY(server_->requests().isEmpty());
        QCOMPARE(done.count(), 0);
        QVERIFY(!QFileInfo::exists(tts.clipsFolder()));
    }

    // The text is sent whole, made file-safe, as a query value, and the clip is stored under that
    // name in the clips folder, whatever the server calls it; the second time, it plays from there.
    // clang-format off
    void firstSpeakFetchesStoresAndPlays_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("str");
        QTest::addColumn<QByteArray>("clipPath");
        QTest::addColumn<bool>("preload");
        const QByteArray made = "/made/clip-7f3a.mp3";
        QTest::newRow("plain") << "diolch" << QByteArray("diolch") << made << false;
        QTest::newRow("question") << "sut wyt ti?" << QByteArray("sut_wyt_ti_") << made << false;
        QTest::newRow("slash") << "a/neu" << QByteArray("a__neu") << made << false;
        QTest::newRow("parent folder") << "../evil" << QByteArray("____evil") << made << false;
        QTest::newRow("accent and apostrophe") << "perché l'ho" << QByteArray("perch%C3%A9_l'ho") << made << false;
        QTest::newRow("query characters") << "1+1=2 & more" << QByteArray("1%2B1%3D2_%26_more") << made << false;
        QTest::newRow("percent and hash") << "50% #1" << QByteArray("50%25_%231") << made << false;
        QTest::newRow("preload stores without playing") << "nos da" << QByteArray("nos_da") << made << true;
        const QByteArray diolch = "diolch";
        QTest::newRow("clip URL: parent folders") << "diolch" << diolch << QByteArray("/made/..%2F..%2Fevil.mp3") << false;
        QTest::newRow("clip URL: absolute path") << "diolch" << diolch << QByteArray("/made/%2Ftmp%2Fevil.mp3") << false;
        QTest::newRow("clip URL: another clip") << "diolch" << diolch << QByteArray("/made/bore_da.mp3") << false;
        QTest::newRow("clip URL: no file name") << "diolch" << diolch << QByteArray("/made/") << true;
    }
    // clang-format on
    void firstSpeakFetchesStoresAndPlays()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, str);
        QFETCH(QByteArray, clipPath);
        QFETCH(bool, preload);
        const QString fileName = QString::fromUtf8(QByteArray::fromPercentEncoding(str)) + QStringLiteral(".mp3");
        const QByteArray clip = fakeClip();
        server_->answer(servicePath, {200, server_->base().toUtf8() + clipPath + "\n"});
        server_->answer(clipPath, {200, clip});
        auto &tts = services_->textToSpeech();
        QSignalSpy done(&tts, &TextToSpeech::downloadDoneChanged);
        const auto say = [&] { preload ? tts.preloadExternalSound(text, "cy-GB") : tts.speak(text, "cy-GB"); };
        say();
        QVERIFY(!tts.downloadDone());
        QTRY_VERIFY(tts.downloadDone());
        QCOMPARE(server_->requests(), QList<QByteArray>({servicePath + "?secret=" + token + "&str=" + str, clipPath}));
        const QString path = QDir(services_->appDataPath()).filePath(QStringLiteral("clips/") + fileName);
        QCOMPARE(readFile(path), clip);
        QStringList written;
        QDirIterator files(services_->dataPath(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext())
            written.append(QDir(services_->dataPath()).relativeFilePath(files.next()));
        QCOMPARE(written, QStringList{QStringLiteral("appdata/clips/") + fileName});
        QVERIFY(!QFileInfo::exists(QStringLiteral("/tmp/evil.mp3")));
        QVERIFY(!QFileInfo::exists(QFileInfo(services_->dataPath()).absolutePath() + QStringLiteral("/evil.mp3")));
        QCOMPARE(recording_->played, preload ? QStringList() : QStringList{path});
        QCOMPARE(done.count(), 2);

        say();
        QCOMPARE(server_->requests().size(), 2);
        QCOMPARE(recording_->played, preload ? QStringList() : QStringList({path, path}));
        QCOMPARE(done.count(), 2);
    }

    // What fails: the service answer or the clip (a status below zero stalls), or the whole
    // request. Every failure ends the fetch with nothing stored and nothing played.
    // clang-format off
    void failedFetchEndsWithDownloadDone_data()
    {
        QTest::addColumn<bool>("preload");
        QTest::addColumn<QByteArray>("where");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        const QByteArray url = "BASE/made/c.mp3", service = "service", clip = "clip";
        const QByteArray closedPort = "closed port";
        QTest::newRow("no network") << false << closedPort << 0 << QByteArray();
        QTest::newRow("no network, preload") << true << closedPort << 0 << QByteArray();
        QTest::newRow("service fails") << false << service << 500 << url;
        QTest::newRow("answer too long") << false << service << 200 << url + "?pad=" + QByteArray(3000, 'a');
        QTest::newRow("service stalls") << false << service << -1 << QByteArray();
        QTest::newRow("service stalls, preload") << true << service << -1 << QByteArray();
        QTest::newRow("answer not text") << false << service << 200 << QByteArray::fromHex("fffe00c328");
        QTest::newRow("empty answer") << false << service << 200 << QByteArray(" \r\n");
        QTest::newRow("answer not a URL") << false << service << 200 << QByteArray("Sorry, no voice today");
        QTest::newRow("answer a local file") << true << service << 200 << QByteArray("file:///etc/hostname");
        QTest::newRow("clip missing") << false << clip << 404 << QByteArray("Not Found");
        QTest::newRow("clip too large") << false << clip << 200 << fakeClip(TextToSpeech::maxClipBytes + 1);
        QTest::newRow("clip too large, preload") << true << clip << 200 << fakeClip(TextToSpeech::maxClipBytes + 1);
        QTest::newRow("clip stalls") << false << clip << -1 << QByteArray();
        QTest::newRow("clip empty") << false << clip << 200 << QByteArray();
        QTest::newRow("clips folder unwritable") << false << QByteArray("folder") << 0 << QByteArray();
    }
    // clang-format on
    void failedFetchEndsWithDownloadDone()
    {
        QFETCH(bool, preload);
        QFETCH(QByteArray, where);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        auto &tts = services_->textToSpeech();
        body.replace("BASE", server_->base().toUtf8());
        server_->answer(servicePath, {200, server_->base().toUtf8() + "/made/c.mp3"});
        server_->answer("/made/c.mp3", {200, fakeClip()});
        if (where == "service" || where == "clip") {
            server_->answer(where == "service" ? servicePath : "/made/c.mp3", {qAbs(status), body, status < 0});
        } else if (where == "closed port") {
            tts.setServiceEndpoint(QStringLiteral("http://127.0.0.1:%1").arg(LocalHttpServer::closedPort()));
        } else if (where == "folder") {
            // A plain file where the clips folder should be.
            QDir().mkpath(services_->appDataPath());
            QFile blocker(tts.clipsFolder());
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        QSignalSpy done(&tts, &TextToSpeech::downloadDoneChanged);

        preload ? tts.preloadExternalSound("diolch", "cy-GB") : tts.speak("diolch", "cy-GB");
        if (status < 0) {
            QTRY_COMPARE(server_->requests().size(), where == "service" ? 1 : 2);
            QTest::qWait(50);
            QVERIFY(!tts.downloadDone());
            // The fetch gives up after its time limit on the main queue's clock.
            services_->queue().advance(ClipFetcher::timeLimitMs - 1);
            QTest::qWait(20);
            QVERIFY(!tts.downloadDone());
            services_->queue().advance(1);
        }
        QTRY_VERIFY(tts.downloadDone());
        QCOMPARE(done.count(), 2);
        QVERIFY(recording_->played.isEmpty());
        QVERIFY(!QFileInfo(tts.clipPath(QStringLiteral("diolch"))).isFile());
        if (QFileInfo(tts.clipsFolder()).isDir())
            QCOMPARE(QDir(tts.clipsFolder()).entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(services_->queue().pendingCount(), 0);
    }

    // Without a usable service address nothing is fetched, and nothing is said about it at each tap.
    void noServiceNoFetch()
    {
        auto &tts = services_->textToSpeech();
        QSignalSpy done(&tts, &TextToSpeech::downloadDoneChanged);
        for (const char *endpoint : {"", "textmachine", "file:///tmp", "http:// /"}) {
            tts.setServiceEndpoint(QString::fromLatin1(endpoint));
            tts.speak(QStringLiteral("diolch"), QStringLiteral("cy-GB"));
            tts.preloadExternalSound(QStringLiteral("bore da"), QStringLiteral("cy-GB"));
        }
        QCOMPARE(done.count(), 0);
        QVERIFY(server_->requests().isEmpty());
    }

    // A stored clip that does not play is deleted, so that it is fetched again; no other file ever is.
    // clang-format off
    void unplayableClipIsDeleted_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("playersAvailable");
        QTest::addColumn<bool>("inClips");
        QTest::newRow("not an MP3") << QByteArray("<html>Not Found</html>") << true << true;
        QTest::newRow("empty file") << QByteArray() << true << true;
        QTest::newRow("no audio player") << fakeClip() << false << true;
        QTest::newRow("outside the clips folder") << QByteArray("not a sound") << true << false;
    }
    // clang-format on
    void unplayableClipIsDeleted()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, playersAvailable);
        QFETCH(bool, inClips);
        recording_->playersAvailable = playersAvailable;
        auto &tts = services_->textToSpeech();
        const QString path = inClips ? tts.clipPath("drwg") : QDir(services_->appDataPath()).filePath("drwg.mp3");
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
        file.close();
        if (inClips)
            tts.speak(QStringLiteral("drwg"), QStringLiteral("gd-GB"));
        else
            tts.playSoundFromDocs(QUrl::fromLocalFile(path));
        QCOMPARE(QFileInfo::exists(path), !inClips);
        QVERIFY(server_->requests().isEmpty());
    }

    // An effect that cannot play is reported and leaves the previous player in place.
    // clang-format off
    void soundEffectFailures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("playersAvailable");
        QTest::addColumn<QString>("warning");
        QTest::newRow("no such sound") << "bell" << true << "sound bell not found";
        QTest::newRow("not a plain name") << "../ding" << true << "sound ../ding not found";
        QTest::newRow("no audio player") << "ding" << false << "error playing sound";
    }
    // clang-format on
    void soundEffectFailures()
    {
        QFETCH(QString, name);
        QFETCH(bool, playersAvailable);
        QFETCH(QString, warning);
        services_.reset();
        services_.emplace(Resources::defaultRoot());
        recording_ = &services_->audioEngines().useRecorders();
        auto &effects = services_->soundEffects();
        effects.playSound(QStringLiteral("ding"));
        AudioPlayer *before = effects.audioPlayer();
        QCOMPARE(recording_->played, QStringList{Resources::defaultRoot() + QStringLiteral("/ding.mp3")});
        recording_->playersAvailable = playersAvailable;
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        effects.playSound(name);
        QCOMPARE(recording_->played.size(), 1);
        QVERIFY(effects.audioPlayer() == before);
    }

private:
    std::optional<TestServices> services_;
    std::optional<LocalHttpServer> server_;
    AudioRecording *recording_ = nullptr;
};

QTEST_GUILESS_MAIN(TextToSpeechTest)
#include "tst_texttospeech.moc"
