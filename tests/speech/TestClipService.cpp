#include "LocalHttpServer.h"

#include "platform/ManualMainQueue.h"
#include "speech/AudioEngines.h"
#include "speech/AudioRecording.h"
#include "speech/ClipFetcher.h"
#include "speech/TextToSpeech.h"
#include "support/TestServices.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include <optional>

namespace {

const QByteArray servicePath = "/textmachine/speech_cy_new_app.php";
const QByteArray token = "Kq4TnW8vZb2LrX6mPd9YsH3jGc7FeA";

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

// The clip path of the speech service against a real HTTP server on 127.0.0.1.
class TestClipService : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        services_.emplace();
        recording_ = &AudioEngines::shared().useRecorders();
        server_.emplace();
        TextToSpeech::shared().setServiceEndpoint(server_->base());
    }
    void cleanup()
    {
        recording_ = nullptr;
        server_.reset();
        services_.reset();
    }

    void firstSpeakFetchesStoresAndPlays_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("str");
        QTest::newRow("plain") << "diolch" << QByteArray("diolch");
        QTest::newRow("question") << "sut wyt ti?" << QByteArray("sut_wyt_ti_");
        QTest::newRow("slash") << "a/neu" << QByteArray("a__neu");
        QTest::newRow("accent and apostrophe") << "perché l'ho" << QByteArray("perch%C3%A9_l'ho");
        QTest::newRow("query characters") << "1+1=2 & more" << QByteArray("1%2B1%3D2_%26_more");
        QTest::newRow("percent and hash") << "50% #1" << QByteArray("50%25_%231");
    }
    void firstSpeakFetchesStoresAndPlays()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, str);
        const QByteArray clip = fakeClip();
        server_->answer(servicePath, {200, server_->base().toUtf8() + "/made/clip-7f3a.mp3\n"});
        server_->answer("/made/clip-7f3a.mp3", {200, clip});
        auto &tts = TextToSpeech::shared();
        QSignalSpy done(&tts, &TextToSpeech::downloadDoneChanged);

        tts.speak(text, QStringLiteral("cy-GB"));
        QVERIFY(!tts.downloadDone());
        QTRY_VERIFY(tts.downloadDone());

        QCOMPARE(server_->requests(),
                 QList<QByteArray>({servicePath + "?secret=" + token + "&str=" + str, "/made/clip-7f3a.mp3"}));
        const QString path = tts.clipPath(text);
        QCOMPARE(readFile(path), clip);
        QCOMPARE(QDir(tts.clipsFolder()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QFileInfo(path).fileName()});
        QCOMPARE(recording_->played, QStringList{path});
        QCOMPARE(done.count(), 2);

        // The second time the stored clip plays without asking the server.
        tts.speak(text, QStringLiteral("cy-GB"));
        QCOMPARE(server_->requests().size(), 2);
        QCOMPARE(recording_->played, QStringList({path, path}));
        QCOMPARE(done.count(), 2);
    }

    void preloadStoresWithoutPlaying()
    {
        const QByteArray clip = fakeClip(1200);
        server_->answer(servicePath, {200, server_->base().toUtf8() + "/made/x.mp3"});
        server_->answer("/made/x.mp3", {200, clip});
        auto &tts = TextToSpeech::shared();

        tts.preloadExternalSound(QStringLiteral("nos da"), QStringLiteral("cy-GB"));
        QVERIFY(!tts.downloadDone());
        QTRY_VERIFY(tts.downloadDone());

        QCOMPARE(readFile(tts.clipPath(QStringLiteral("nos da"))), clip);
        QVERIFY(recording_->played.isEmpty());

        tts.preloadExternalSound(QStringLiteral("nos da"), QStringLiteral("cy-GB"));
        QCOMPARE(server_->requests().size(), 2);
    }

    // Whatever the server calls the clip, it is stored under the name made from the text.
    void hostileClipUrlStaysInClipsFolder_data()
    {
        QTest::addColumn<QByteArray>("clipPath");
        QTest::newRow("encoded parent folders") << QByteArray("/made/..%2F..%2Fevil.mp3");
        QTest::newRow("encoded absolute path") << QByteArray("/made/%2Ftmp%2Fevil.mp3");
        QTest::newRow("another clip's name") << QByteArray("/made/bore_da.mp3");
        QTest::newRow("no file name") << QByteArray("/made/");
    }
    void hostileClipUrlStaysInClipsFolder()
    {
        QFETCH(QByteArray, clipPath);
        const QByteArray clip = fakeClip();
        server_->answer(servicePath, {200, server_->base().toUtf8() + clipPath});
        server_->answer(clipPath, {200, clip});
        auto &tts = TextToSpeech::shared();

        tts.speak(QStringLiteral("diolch"), QStringLiteral("cy-GB"));
        QTRY_VERIFY(tts.downloadDone());

        QCOMPARE(server_->requests().value(1), clipPath);
        QCOMPARE(readFile(tts.clipPath(QStringLiteral("diolch"))), clip);
        QVERIFY(!QFileInfo::exists(QStringLiteral("/tmp/evil.mp3")));
        const QString root = QFileInfo(services_->dataPath()).absolutePath();
        QStringList written;
        QDirIterator files(services_->dataPath(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext())
            written.append(QDir(services_->dataPath()).relativeFilePath(files.next()));
        QCOMPARE(written, QStringList{QStringLiteral("appdata/clips/diolch.mp3")});
        QVERIFY(!QFileInfo::exists(root + QStringLiteral("/evil.mp3")));
    }

    void failedFetchEndsWithDownloadDone_data()
    {
        QTest::addColumn<bool>("preload");
        QTest::addColumn<QString>("kind");
        QTest::newRow("no network") << false << "closed port";
        QTest::newRow("service fails") << false << "service 500";
        QTest::newRow("answer too long") << false << "long answer";
        QTest::newRow("service stalls") << false << "service stalls";
        QTest::newRow("service stalls, preload") << true << "service stalls";
        QTest::newRow("answer not text") << false << "binary answer";
        QTest::newRow("empty answer") << false << "empty answer";
        QTest::newRow("answer not a URL") << false << "not a URL";
        QTest::newRow("answer a local file") << true << "file URL";
        QTest::newRow("clip missing") << false << "clip 404";
        QTest::newRow("clip too large, preload") << true << "huge clip";
        QTest::newRow("clip stalls") << false << "clip stalls";
        QTest::newRow("clip empty") << false << "empty clip";
        QTest::newRow("clips folder unwritable") << false << "blocked folder";
    }
    void failedFetchEndsWithDownloadDone()
    {
        QFETCH(bool, preload);
        QFETCH(QString, kind);
        auto &tts = TextToSpeech::shared();
        const QByteArray clipUrl = server_->base().toUtf8() + "/made/c.mp3";
        server_->answer(servicePath, {200, clipUrl});
        server_->answer("/made/c.mp3", {200, fakeClip()});
        bool stalls = false;
        if (kind == u"closed port") {
            tts.setServiceEndpoint(QStringLiteral("http://127.0.0.1:%1").arg(LocalHttpServer::closedPort()));
        } else if (kind == u"service 500") {
            server_->answer(servicePath, {500, clipUrl});
        } else if (kind == u"long answer") {
            server_->answer(servicePath, {200, clipUrl + "?pad=" + QByteArray(3000, 'a')});
        } else if (kind == u"service stalls") {
            server_->answer(servicePath, {200, {}, true});
            stalls = true;
        } else if (kind == u"binary answer") {
            server_->answer(servicePath, {200, QByteArray::fromHex("fffe00c328")});
        } else if (kind == u"empty answer") {
            server_->answer(servicePath, {200, " \r\n"});
        } else if (kind == u"not a URL") {
            server_->answer(servicePath, {200, "Sorry, no voice today"});
        } else if (kind == u"file URL") {
            server_->answer(servicePath, {200, "file:///etc/hostname"});
        } else if (kind == u"clip 404") {
            server_->answer("/made/c.mp3", {404, "Not Found"});
        } else if (kind == u"huge clip") {
            server_->answer("/made/c.mp3", {200, fakeClip(TextToSpeech::maxClipBytes + 1)});
        } else if (kind == u"clip stalls") {
            server_->answer("/made/c.mp3", {200, {}, true});
            stalls = true;
        } else if (kind == u"empty clip") {
            server_->answer("/made/c.mp3", {200, {}});
        } else if (kind == u"blocked folder") {
            // A plain file where the clips folder should be.
            QDir().mkpath(services_->services().appDataPath());
            QFile blocker(tts.clipsFolder());
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        QSignalSpy done(&tts, &TextToSpeech::downloadDoneChanged);

        if (preload)
            tts.preloadExternalSound(QStringLiteral("diolch"), QStringLiteral("cy-GB"));
        else
            tts.speak(QStringLiteral("diolch"), QStringLiteral("cy-GB"));
        QVERIFY(!tts.downloadDone());
        if (stalls) {
            const int expected = kind == u"service stalls" ? 1 : 2;
            QTRY_COMPARE(server_->requests().size(), expected);
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

    // A stored clip that turns out not to play is removed, so that the next request fetches it again.
    void unplayableDownloadIsDeletedAndFetchedAgain()
    {
        server_->answer(servicePath, {200, server_->base().toUtf8() + "/made/c.mp3"});
        server_->answer("/made/c.mp3", {200, "<html>clip not ready</html>"});
        auto &tts = TextToSpeech::shared();
        const QString path = tts.clipPath(QStringLiteral("diolch"));

        tts.speak(QStringLiteral("diolch"), QStringLiteral("cy-GB"));
        QTRY_VERIFY(tts.downloadDone());
        QCOMPARE(recording_->played, QStringList{path});
        QVERIFY(!QFileInfo::exists(path));

        server_->answer("/made/c.mp3", {200, fakeClip()});
        tts.speak(QStringLiteral("diolch"), QStringLiteral("cy-GB"));
        QTRY_VERIFY(tts.downloadDone());
        QCOMPARE(server_->requests().size(), 4);
        QCOMPARE(readFile(path), fakeClip());
    }

private:
    std::optional<TestServices> services_;
    std::optional<LocalHttpServer> server_;
    AudioRecording *recording_ = nullptr;
};

QTEST_GUILESS_MAIN(TestClipService)
#include "TestClipService.moc"
