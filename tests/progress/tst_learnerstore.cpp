// The learner's store as processes share and lose it: killed writers, writers side by side,
// the JSON store of the earlier version, saved files good and hostile.
#include "platform/LearnerDatabase.h"
#include "progress/MistakeLog.h"
#include "progress/ProgressManager.h"
#include "progress/ProgressTransfer.h"
#include "support/TestServices.h"
#include "verbs/Tense.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

const QString basic = TestServices::fixture(QStringLiteral("basic"));

// A writer of answers on the store at path; each printed line is one answer it gave.
struct Writer
{
    QProcess process;
    QByteArray printed;

    void start(const QString &path, const QString &verb)
    {
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(QStringLiteral(STORE_WRITER), {path, basic, verb});
        QVERIFY(process.waitForStarted());
    }
    qint64 acknowledged() const { return printed.count('\n'); }
    void read(int waitMs) { process.waitForReadyRead(waitMs), printed += process.readAllStandardOutput(); }
    void kill()
    {
        if (process.processId() > 0)
            ::kill(pid_t(process.processId()), SIGKILL);
        process.waitForFinished();
        printed += process.readAllStandardOutput();
        // A line cut by the kill is not an answer shown.
        printed.truncate(printed.lastIndexOf('\n') + 1);
    }
};

QJsonObject saved(TestServices &services)
{
    return QJsonDocument::fromJson(services.progressTransfer().exportJson()).object()["store"].toObject();
}

qint64 answersOf(const QString &path, const QString &verb)
{
    LearnerDatabase store(path);
    const auto tally = store.tally(verb + QStringLiteral("#PRES#0"));
    return tally ? tally->right + tally->wrong : 0;
}

} // namespace

class LearnerStoreTest : public QObject
{
    Q_OBJECT

private slots:
    // A writer killed at random moments never loses an answer it had shown as given.
    void killedWriterLosesNoAnswer()
    {
        const int kills = std::max(20, qEnvironmentVariableIntValue("FLEXIO_STORE_KILLS"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("learner.sqlite"));
        qint64 acknowledged = 0;
        for (int kill = 0; kill < kills; ++kill) {
            Writer writer;
            writer.start(path, QStringLiteral("parlare"));
            QElapsedTimer alive;
            alive.start();
            for (const int lifeMs = 30 + int(QRandomGenerator::global()->bounded(120)); alive.elapsed() < lifeMs;)
                writer.read(5);
            writer.kill();
            acknowledged += writer.acknowledged();
            // Every answer shown is stored; the one under way at the kill may be too.
            const qint64 stored = answersOf(path, QStringLiteral("parlare"));
            QVERIFY2(stored >= acknowledged && stored <= acknowledged + 1,
                qPrintable(QStringLiteral("kill %1: %2 stored, %3 shown").arg(kill).arg(stored).arg(acknowledged)));
            acknowledged = stored;
        }
        QCOMPARE(LearnerDatabase(path).integrityCheck(), QStringLiteral("ok"));
    }

    // Two app processes and a drill listing on one store at once: every answer of each is kept.
    void processesShareOneStore()
    {
        QTemporaryDir home;
        const QString path = home.filePath(QStringLiteral("data/flexio/learner.sqlite"));
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        Writer writers[2];
        for (int i = 0; i < 2; ++i)
            writers[i].start(path, i == 0 ? QStringLiteral("parlare") : QStringLiteral("essere"));
        QProcess drill;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("FLEXIO_RESOURCE_ROOT"), basic);
        drill.setProcessEnvironment(environment);
        int drills = 0;
        while (writers[0].acknowledged() < 100 || writers[1].acknowledged() < 100 || drills < 3) {
            if (drill.state() == QProcess::NotRunning || drill.waitForFinished(1)) {
                QCOMPARE(drill.exitCode(), 0);
                drill.start(QStringLiteral(FLEXIO_APP), {"conjugate", "--drill", "parlare"});
                ++drills;
            }
            for (Writer &writer : writers)
                writer.read(10);
        }
        for (Writer &writer : writers)
            writer.kill();
        drill.waitForFinished();
        for (const auto &[writer, verb] : {std::pair(&writers[0], "parlare"), std::pair(&writers[1], "essere")})
            QVERIFY(qAbs(answersOf(path, QLatin1String(verb)) - writer->acknowledged() - 0.5) <= 0.5);
    }

    // A load of progress in one process while another plays keeps every answer of both.
    void importWhileAnotherPlays()
    {
        QByteArray file;
        {
            TestServices other(basic);
            for (int i = 0; i < 50; ++i)
                other.mistakeLog().record(QStringLiteral("essere"), QStringLiteral("PRES|1PS|SING"), "sono", true);
            file = other.progressTransfer().exportJson();
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("learner.sqlite"));
        Writer writer;
        writer.start(path, QStringLiteral("parlare"));
        while (writer.acknowledged() < 20)
            writer.read(10);
        TestServices loading(basic, path);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(loading.progressTransfer().importJson(file), QString());
        writer.kill();
        QVERIFY(answersOf(path, QStringLiteral("parlare")) >= writer.acknowledged()
            && answersOf(path, QStringLiteral("essere")) == 50);
    }

    // The JSON store the previous version wrote (by playing it) moves in whole and stays beside;
    // saved, everything comes back in an empty store.
    void jsonStoreMigratesAndSavesWhole()
    {
        QTemporaryDir dir;
        const QString json = dir.filePath(QStringLiteral("defaults.json"));
        QVERIFY(QFile::copy(TestServices::fixture(QStringLiteral("store/defaults.json")), json));
        QFile fixture(json);
        QJsonObject before =
            QJsonDocument::fromJson(fixture.open(QIODevice::ReadOnly) ? fixture.readAll() : "").object();
        fixture.close();
        // That version read a tense missing from its map as off, and so do the tenses added since.
        QJsonObject switches = before.value("flagDictionary").toObject();
        for (const Tense &tense : Tense::all())
            switches.insert(tense.name, switches.value(tense.name).toBool(false));
        before.insert("flagDictionary", switches);
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        TestServices::Options options;
        options.resourceRoot = basic;
        options.jsonStorePath = json;
        TestServices played(options);
        QJsonObject after = saved(played);
        QVERIFY(after.take("quizActivity").toArray().isEmpty());
        QCOMPARE(after, before);
        QVERIFY(!QFile::exists(json)
            && QDir(dir.path()).entryList({QStringLiteral("defaults.json.migrated-*")}).size() == 1);

        played.progressManager().recordQuizActivity(QStringLiteral("articles"), 1000, 61000, 80);
        const QByteArray file = played.progressTransfer().exportJson();
        TestServices empty(basic);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(empty.progressTransfer().importJson(file), QString());
            QCOMPARE(saved(empty), saved(played));
        }
    }
};

QTEST_GUILESS_MAIN(LearnerStoreTest)
#include "tst_learnerstore.moc"
