#include "speech/AudioEngines.h"
#include "speech/QtAudioPlayer.h"
#include "speech/QtSpeechSynthesizer.h"
#include "speech/TextToSpeech.h"
#include "speech/ThreadedSpeechSynthesizer.h"
#include "support/TestServices.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextToSpeech>

#include <optional>

// The real speech and audio engines. Speech runs against a speech-dispatcher of the test's own,
// configured from the machine's settings but with a silent audio output, so that the test works
// on machines without a sound card and never disturbs the user's speech server.
class TestSpeechEngines : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        startSpeechServer();
    }

    void cleanupTestCase()
    {
        if (speechServer_.state() != QProcess::NotRunning) {
            speechServer_.terminate();
            if (!speechServer_.waitForFinished(5000))
                speechServer_.kill();
            speechServer_.waitForFinished(5000);
        }
    }

    void init()
    {
        services_.emplace();
        AudioEngines::shared().usePlatform();
    }
    void cleanup() { services_.reset(); }

    void speechDispatcherHasItalianAndEnglishVoices()
    {
        if (!skipReason_.isEmpty())
            QSKIP(skipReason_.constData());
        QtSpeechSynthesizer synthesizer;
        QVERIFY2(synthesizer.engine().state() != QTextToSpeech::Error, "the speech engine reports an error");
        const QStringList languages = synthesizer.voiceLanguages();
        QVERIFY2(languages.contains(QStringLiteral("it-IT")), qPrintable(languages.join(u' ')));
        QVERIFY2(languages.contains(QStringLiteral("en-GB")), qPrintable(languages.join(u' ')));
    }

    void speakReachesSpeakingState()
    {
        if (!skipReason_.isEmpty())
            QSKIP(skipReason_.constData());
        auto &tts = TextToSpeech::shared();
        auto *synthesizer = dynamic_cast<ThreadedSpeechSynthesizer *>(&tts.speakTalk());
        QVERIFY(synthesizer);
        // The voices are listed on the engine's thread.
        QTRY_VERIFY_WITH_TIMEOUT(!synthesizer->voiceLanguages().isEmpty(), 10000);

        tts.speak(QStringLiteral("parlo"), QStringLiteral("it-IT"));

        QVERIFY(synthesizer->speaking());
        QTRY_VERIFY_WITH_TIMEOUT(!synthesizer->speaking(), 10000);
        QVERIFY(synthesizer->available());
    }

    void mediaPlayerLoadsEffectSounds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("ding") << "ding";
        QTest::newRow("wrong") << "wrong";
    }
    void mediaPlayerLoadsEffectSounds()
    {
        QFETCH(QString, name);
        QtAudioPlayer player;
        if (!player.isAvailable())
            QSKIP("Qt Multimedia has no media back end on this machine");
        bool failed = false;
        player.play(QStringLiteral(":/flexio/") + name + QStringLiteral(".mp3"), [&failed](const QString &error) {
            qWarning() << error;
            failed = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(player.mediaPlayer().duration() > 0 || failed, 10000);
        QVERIFY(!failed);
        QVERIFY(player.mediaPlayer().duration() < 1000);
    }

    void mediaPlayerRefusesWhatIsNotASound_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("exists");
        QTest::newRow("text") << QByteArray("<html><body>Clip not ready</body></html>\n").repeated(20) << true;
        QTest::newRow("missing file") << QByteArray() << false;
    }
    void mediaPlayerRefusesWhatIsNotASound()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, exists);
        QtAudioPlayer player;
        if (!player.isAvailable())
            QSKIP("Qt Multimedia has no media back end on this machine");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("clip.mp3"));
        if (exists) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        int failures = 0;
        player.play(path, [&failures](const QString &) { ++failures; });
        QTRY_COMPARE_WITH_TIMEOUT(failures, 1, 10000);
        QTest::qWait(200);
        QCOMPARE(failures, 1);
    }

private:
    void startSpeechServer()
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("speech-dispatcher"));
        if (program.isEmpty()) {
            skipReason_ = "speech-dispatcher is not installed (tools/bootstrap.sh installs it)";
            return;
        }
        if (!QFileInfo::exists(QStringLiteral("/etc/speech-dispatcher/speechd.conf"))) {
            skipReason_ = "speech-dispatcher has no configuration in /etc/speech-dispatcher";
            return;
        }
        const QString conf = speechDir_.filePath(QStringLiteral("conf"));
        const QString home = speechDir_.filePath(QStringLiteral("home"));
        const QString socket = speechDir_.filePath(QStringLiteral("speechd.sock"));
        QDir().mkpath(home);
        QProcess copy;
        copy.start(QStringLiteral("cp"), {QStringLiteral("-r"), QStringLiteral("/etc/speech-dispatcher"), conf});
        if (!copy.waitForFinished(10000) || copy.exitCode() != 0) {
            skipReason_ = "the speech-dispatcher configuration could not be copied";
            return;
        }
        // Only espeak-ng, and speech goes to libao's null driver: synthesised in full, heard by no one.
        QFile config(conf + QStringLiteral("/speechd.conf"));
        QFile libao(home + QStringLiteral("/.libao"));
        if (!config.open(QIODevice::Append) || !libao.open(QIODevice::WriteOnly)) {
            skipReason_ = "the speech-dispatcher configuration could not be written";
            return;
        }
        config.write("\nAudioOutputMethod \"libao\"\n"
                     "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n"
                     "DefaultModule espeak-ng\n");
        libao.write("default_driver=null\n");
        config.close();
        libao.close();

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home);
        const QString voices = espeakDataWithoutVariants();
        if (!voices.isEmpty())
            environment.insert(QStringLiteral("ESPEAK_DATA_PATH"), voices);
        speechServer_.setProcessEnvironment(environment);
        // Into a file: a pipe nobody reads while a test waits on the server would stall the server.
        const QString output = speechDir_.filePath(QStringLiteral("server-output.txt"));
        speechServer_.setStandardOutputFile(output);
        speechServer_.setStandardErrorFile(output, QIODevice::Append);
        speechServer_.start(program, {QStringLiteral("--run-single"), QStringLiteral("--timeout"), QStringLiteral("0"),
                                      QStringLiteral("--log-level"), QStringLiteral("1"),
                                      QStringLiteral("--communication-method"), QStringLiteral("unix_socket"),
                                      QStringLiteral("--socket-path"), socket, QStringLiteral("--config-dir"), conf,
                                      QStringLiteral("--log-dir"), speechDir_.filePath(QStringLiteral("log"))});
        if (!speechServer_.waitForStarted(10000)) {
            skipReason_ = "speech-dispatcher did not start";
            return;
        }
        QElapsedTimer waited;
        waited.start();
        while (!QFileInfo::exists(socket) && speechServer_.state() == QProcess::Running && waited.elapsed() < 15000)
            QTest::qWait(50);
        if (!QFileInfo::exists(socket)) {
            QFile output(speechDir_.filePath(QStringLiteral("server-output.txt")));
            output.open(QIODevice::ReadOnly);
            skipReason_ = "speech-dispatcher did not open its socket: " + output.readAll();
            return;
        }
        qputenv("SPEECHD_ADDRESS", "unix_socket:" + socket.toLocal8Bit());
    }

    // espeak-ng offers about a hundred variants of every voice, some ten thousand voices in all,
    // which makes each list of voices slow to pass around (minutes under AddressSanitizer). The
    // server gets a view of the espeak-ng data without the variants: one voice per language.
    QString espeakDataWithoutVariants()
    {
        const QStringList candidates{QStringLiteral("/usr/lib/x86_64-linux-gnu/espeak-ng-data"),
                                     QStringLiteral("/usr/lib/aarch64-linux-gnu/espeak-ng-data"),
                                     QStringLiteral("/usr/share/espeak-ng-data"),
                                     QStringLiteral("/usr/lib/espeak-ng-data")};
        QString source;
        for (const QString &candidate : candidates) {
            if (QFileInfo(candidate + QStringLiteral("/voices")).isDir()) {
                source = candidate;
                break;
            }
        }
        if (source.isEmpty())
            return {};
        const QString view = speechDir_.filePath(QStringLiteral("espeak"));
        const QString data = view + QStringLiteral("/espeak-ng-data");
        if (!QDir().mkpath(data + QStringLiteral("/voices")))
            return {};
        const QStringList entries = QDir(source).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        for (const QString &entry : entries) {
            if (entry != u"voices" && !QFile::link(source + u'/' + entry, data + u'/' + entry))
                return {};
        }
        const QStringList voiceEntries =
            QDir(source + QStringLiteral("/voices")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        for (const QString &entry : voiceEntries) {
            if (entry != u"!v" && !QFile::link(source + QStringLiteral("/voices/") + entry,
                                                  data + QStringLiteral("/voices/") + entry))
                return {};
        }
        return view;
    }

    QTemporaryDir speechDir_;
    QProcess speechServer_;
    QByteArray skipReason_;
    std::optional<TestServices> services_;
};

QTEST_GUILESS_MAIN(TestSpeechEngines)
#include "TestSpeechEngines.moc"
