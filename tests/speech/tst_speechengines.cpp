#include "speech/AudioEngines.h"
#include "speech/TextToSpeech.h"
#include "speech/ThreadedSpeechSynthesizer.h"
#include "speech/module/QtAudioPlayer.h"
#include "speech/module/QtSpeechSynthesizer.h"
#include "support/TestServices.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextToSpeech>

#include <optional>

// The real speech and audio engines. Speech runs against a speech-dispatcher of the test's own,
// configured from the machine's settings but with a silent audio output, so that the test works
// on machines without a sound card and never disturbs the user's speech server.
class SpeechEnginesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        skipReason_ = startSpeechServer();
    }
    void cleanupTestCase()
    {
        if (speechServer_.state() == QProcess::NotRunning)
            return;
        speechServer_.terminate();
        if (!speechServer_.waitForFinished(5000))
            speechServer_.kill();
        speechServer_.waitForFinished(5000);
    }
    void init()
    {
        services_.emplace();
        services_->audioEngines().usePlatform();
    }
    void cleanup() { services_.reset(); }

    void speechDispatcherSpeaksItalian()
    {
        if (!skipReason_.isEmpty())
            QSKIP(skipReason_.constData());
        QtSpeechSynthesizer synthesizer;
        QVERIFY2(synthesizer.engine().state() != QTextToSpeech::Error, "the speech engine reports an error");
        const QStringList languages = synthesizer.voiceLanguages();
        QVERIFY2(languages.contains(QStringLiteral("it-IT")) && languages.contains(QStringLiteral("en-GB")),
            qPrintable(languages.join(u' ')));

        auto &tts = services_->textToSpeech();
        auto *threaded = dynamic_cast<ThreadedSpeechSynthesizer *>(&tts.speakTalk());
        QVERIFY(threaded);
        // The voices are listed on the engine's thread.
        QTRY_VERIFY_WITH_TIMEOUT(!threaded->voiceLanguages().isEmpty(), 10000);
        tts.speak(QStringLiteral("parlo"), QStringLiteral("it-IT"));
        QVERIFY(threaded->speaking());
        QTRY_VERIFY_WITH_TIMEOUT(!threaded->speaking(), 10000);
        QVERIFY(threaded->available());
    }

    // The effect sounds load as short sounds; what is not a sound fails, once.
    // clang-format off
    void mediaPlayer_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("ding") << ":/flexio/ding.mp3" << QByteArray();
        QTest::newRow("wrong") << ":/flexio/wrong.mp3" << QByteArray();
        QTest::newRow("text") << "clip.mp3" << QByteArray("<html><body>Clip not ready</body></html>\n").repeated(20);
        QTest::newRow("missing file") << "clip.mp3" << QByteArray();
    }
    // clang-format on
    void mediaPlayer()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, contents);
        QtAudioPlayer player;
        if (!player.isAvailable())
            QSKIP("Qt Multimedia has no media back end on this machine");
        const bool sound = path.startsWith(u':');
        QTemporaryDir dir;
        QFile file(sound ? path : dir.filePath(path));
        if (!contents.isEmpty())
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
        file.close();
        QStringList errors;
        player.play(file.fileName(), [&errors](const QString &error) { errors.append(error); });
        QTRY_VERIFY_WITH_TIMEOUT(player.mediaPlayer().duration() > 0 || !errors.isEmpty(), 10000);
        QTest::qWait(200);
        QVERIFY2(errors.size() == (sound ? 0 : 1), qPrintable(errors.join(u'\n')));
        QVERIFY(!sound || player.mediaPlayer().duration() < 1000);
    }

private:
    // Starts the test's own speech server; why not, when it cannot.
    QByteArray startSpeechServer()
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("speech-dispatcher"));
        if (program.isEmpty())
            return "speech-dispatcher is not installed (tools/bootstrap.sh installs it)";
        if (!QFileInfo::exists(QStringLiteral("/etc/speech-dispatcher/speechd.conf")))
            return "speech-dispatcher has no configuration in /etc/speech-dispatcher";
        const QString conf = speechDir_.filePath(QStringLiteral("conf"));
        const QString home = speechDir_.filePath(QStringLiteral("home"));
        const QString socket = speechDir_.filePath(QStringLiteral("speechd.sock"));
        const QString output = speechDir_.filePath(QStringLiteral("server-output.txt"));
        QDir().mkpath(home);
        if (QProcess::execute(
                QStringLiteral("cp"), {QStringLiteral("-r"), QStringLiteral("/etc/speech-dispatcher"), conf})
            != 0)
            return "the speech-dispatcher configuration could not be copied";
        // Only espeak-ng, and speech goes to libao's null driver: synthesised in full, heard by no one.
        QFile config(conf + QStringLiteral("/speechd.conf"));
        QFile libao(home + QStringLiteral("/.libao"));
        if (!config.open(QIODevice::Append) || !libao.open(QIODevice::WriteOnly))
            return "the speech-dispatcher configuration could not be written";
        config.write("\nAudioOutputMethod \"libao\"\nAddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n"
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
        speechServer_.setStandardOutputFile(output);
        speechServer_.setStandardErrorFile(output, QIODevice::Append);
        speechServer_.start(program,
            {"--run-single", "--timeout", "0", "--log-level", "1", "--communication-method", "unix_socket",
                "--socket-path", socket, "--config-dir", conf, "--log-dir", speechDir_.filePath("log")});
        if (!speechServer_.waitForStarted(10000))
            return "speech-dispatcher did not start";
        QElapsedTimer waited;
        waited.start();
        while (!QFileInfo::exists(socket) && speechServer_.state() == QProcess::Running && waited.elapsed() < 15000)
            QTest::qWait(50);
        if (!QFileInfo::exists(socket)) {
            QFile log(output);
            return "speech-dispatcher did not open its socket: " + (log.open(QIODevice::ReadOnly) ? log.readAll() : "");
        }
        qputenv("SPEECHD_ADDRESS", "unix_socket:" + socket.toLocal8Bit());
        return {};
    }

    // espeak-ng offers about a hundred variants of every voice, some ten thousand voices in all,
    // which makes each list of voices slow to pass around (minutes under AddressSanitizer). The
    // server gets a view of the espeak-ng data without the variants (voices/!v): one voice per language.
    QString espeakDataWithoutVariants()
    {
        QString source;
        for (const char *candidate : {"/usr/lib/x86_64-linux-gnu/espeak-ng-data",
                 "/usr/lib/aarch64-linux-gnu/espeak-ng-data", "/usr/share/espeak-ng-data", "/usr/lib/espeak-ng-data"}) {
            if (source.isEmpty() && QFileInfo(QString::fromLatin1(candidate) + QStringLiteral("/voices")).isDir())
                source = QString::fromLatin1(candidate);
        }
        const QString data = speechDir_.filePath(QStringLiteral("espeak/espeak-ng-data"));
        for (const QString &folder : {QString(), QStringLiteral("/voices")}) {
            if (source.isEmpty() || !QDir().mkpath(data + folder))
                return {};
            const QStringList entries = QDir(source + folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
            for (const QString &entry : entries) {
                if (entry != u"voices" && entry != u"!v"
                    && !QFile::link(source + folder + u'/' + entry, data + folder + u'/' + entry))
                    return {};
            }
        }
        return speechDir_.filePath(QStringLiteral("espeak"));
    }

    QTemporaryDir speechDir_;
    QProcess speechServer_;
    QByteArray skipReason_;
    std::optional<TestServices> services_;
};

QTEST_GUILESS_MAIN(SpeechEnginesTest)
#include "tst_speechengines.moc"
