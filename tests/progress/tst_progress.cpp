#include "platform/ManualMainQueue.h"
#include "platform/LearnerStore.h"
#include "progress/ProgressDictionaryEntry.h"
#include "progress/ProgressManager.h"
#include "settings/LanguageSetting.h"
#include "settings/SettingsManager.h"
#include "settings/TenseSetting.h"
#include "settings/VerbSettings.h"
#include "support/TestServices.h"
#include "verbs/VerbDictionary.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include <csignal>

namespace {

const QStringList tenseNames{"Present", "Imperfect", "Past Historic", "Perfect", "Pluperfect", "Future",
                             "Future Perfect", "Conditional", "Conditional Perfect", "Present Subjunctive",
                             "Past Subjunctive"};

QString basic()
{
    return TestServices::fixture(QStringLiteral("basic"));
}

// Writes a store file holding the given dictionaries, as an earlier run of the app left it.
void seedStore(const QString &path, const QVariantMap &dictionaries)
{
    LearnerStore store(path);
    for (auto it = dictionaries.begin(); it != dictionaries.end(); ++it)
        store.set(it.key(), it.value());
}

QVariantMap storedDictionary(const QString &path, const QString &key)
{
    return LearnerStore(path).dictionary(key).value_or(QVariantMap{});
}

QMap<QString, bool> statuses()
{
    QMap<QString, bool> result;
    for (const TenseSetting *setting : VerbDictionary::shared().tenseSettings())
        result.insert(setting->tenseName(), setting->status());
    return result;
}

QVariantMap allTenses(const QStringList &on)
{
    QVariantMap map;
    for (const QString &name : tenseNames)
        map.insert(name, on.contains(name));
    return map;
}

QStringList ranking()
{
    QStringList rows;
    for (const ProgressDictionaryEntry *entry : ProgressManager::shared().progressDictionaryEntries())
        rows.append(entry->verb()->displayInfinitive() + u'=' + QString::number(entry->score()));
    return rows;
}

}

class ProgressTest : public QObject
{
    Q_OBJECT

private slots:
    void tenseSwitchesAtStartUp_data();
    void tenseSwitchesAtStartUp();
    void getFlagOfUnknownNameIsFalse();
    void switchingATenseIsStoredAtOnce();
    void miscSettings();
    void languageSettingStoresEveryChange();
    void pointsAndRanking();
    void addPointsWithEmptyKeyDoesNothing();
    void wrongTypesAreSkipped();
    void learntFlags();
    void quizScoreIsReplaced();
    void valuesSurviveARestart();
    void storeSurvivesKill();
};

void ProgressTest::tenseSwitchesAtStartUp_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<QStringList>("expectedOn");
    QTest::addColumn<QStringList>("expectedStoredNames");

    QTest::newRow("fresh install") << QVariantMap() << QStringList{"Present"} << tenseNames;
    QTest::newRow("learner's choice") << allTenses({"Future", "Perfect"}) << QStringList{"Future", "Perfect"}
                                      << tenseNames;

    QVariantMap otherNames;
    for (int i = 0; i < 11; ++i)
        otherNames.insert(u"Tense " + QString::number(i), true);
    // Eleven entries are taken as stored, so every tense reads as off; storing the first switch
    // adds its name, and the twelve entries are then rebuilt with the tense names.
    QTest::newRow("eleven other names read as off") << otherNames << QStringList() << tenseNames;

    // A map of another size is rebuilt with exactly the current names; the learner's stored
    // choices survive, names it lacked take the switch's initial status.
    QVariantMap ten = allTenses({"Future", "Conditional"});
    ten.remove(QStringLiteral("Past Subjunctive"));
    ten.insert(QStringLiteral("Present"), false);
    QTest::newRow("ten entries keep the stored choices") << ten << QStringList{"Conditional", "Future"}
                                                          << tenseNames;

    QVariantMap twelve = allTenses({"Imperfect", "Past Subjunctive"});
    twelve.insert(QStringLiteral("Gerund"), true);
    QTest::newRow("twelve entries drop the unknown name") << twelve << QStringList{"Imperfect", "Past Subjunctive"}
                                                           << tenseNames;
}

void ProgressTest::tenseSwitchesAtStartUp()
{
    QFETCH(QVariantMap, stored);
    QFETCH(QStringList, expectedOn);
    QFETCH(QStringList, expectedStoredNames);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("defaults.json"));
    if (!stored.isEmpty())
        seedStore(path, {{QStringLiteral("flagDictionary"), stored}});

    TestServices services(basic(), path);
    VerbDictionary::shared();
    services.queue().runPending();

    QStringList on;
    const auto current = statuses();
    for (auto it = current.begin(); it != current.end(); ++it) {
        if (it.value())
            on.append(it.key());
    }
    std::sort(expectedOn.begin(), expectedOn.end());
    QCOMPARE(on, expectedOn);
    QCOMPARE(VerbDictionary::shared().enabledTenseCount(), expectedOn.size());

    const QVariantMap after = storedDictionary(path, QStringLiteral("flagDictionary"));
    QStringList storedNames = after.keys();
    std::sort(expectedStoredNames.begin(), expectedStoredNames.end());
    QCOMPARE(storedNames, expectedStoredNames);
    for (const QString &name : expectedOn)
        QVERIFY2(after.value(name).toBool(), qPrintable(name));
}

void ProgressTest::getFlagOfUnknownNameIsFalse()
{
    TestServices services;
    SettingsManager settings(services.services());
    QVERIFY(settings.getFlag(QStringLiteral("Present")));
    QVERIFY(!settings.getFlag(QStringLiteral("Gerund")));
}

void ProgressTest::switchingATenseIsStoredAtOnce()
{
    TestServices services;
    VerbDictionary::shared();
    services.queue().runPending();
    VerbSettings settings;
    QCOMPARE(settings.tenseSettings(), VerbDictionary::shared().tenseSettings());
    TenseSetting *future = settings.tenseSettings().at(5);
    QCOMPARE(future->tenseName(), QStringLiteral("Future"));
    QSignalSpy changed(future, &TenseSetting::statusChanged);
    settings.toggleTense(future);
    QCOMPARE(changed.count(), 1);
    QVERIFY(storedDictionary(services.storePath(), QStringLiteral("flagDictionary")).value("Future").toBool());

    services.restart();
    VerbDictionary::shared();
    services.queue().runPending();
    QVERIFY(VerbDictionary::shared().tenseSettings().at(5)->status());
    QCOMPARE(VerbDictionary::shared().enabledTenseCount(), 2);
}

void ProgressTest::miscSettings()
{
    TestServices services;
    ProgressManager &progress = ProgressManager::shared();
    QVERIFY(progress.getMiscSettingsDictionary().isEmpty());
    LearnerStore &store = services.services().learnerStore();
    QVERIFY(store.dictionary(QStringLiteral("miscSettingsDictionary")));

    QVERIFY(progress.getMiscSettingsDictionary().isEmpty());

    store.set(QStringLiteral("miscSettingsDictionary"), QVariantMap{{"Spanish", true}});
    QVERIFY(progress.getMiscSettingsDictionary().isEmpty());

    progress.setMiscSetting(QStringLiteral("French"), true);
    QCOMPARE(store.dictionary(QStringLiteral("miscSettingsDictionary"))->value("French"), QVariant(true));
}

void ProgressTest::languageSettingStoresEveryChange()
{
    TestServices services;
    LanguageSetting setting(QStringLiteral("French"), false);
    setting.setStatus(true);
}

void ProgressTest::pointsAndRanking()
{
    TestServices services;
    ProgressManager &progress = ProgressManager::shared();
    QSignalSpy published(&progress, &ProgressManager::progressDictionaryEntriesChanged);

    for (int i = 0; i < 3; ++i)
        progress.addPoints(QStringLiteral("andare"), -1);
    progress.addPoints(QStringLiteral("parlare"), 2);
    progress.addPoints(QStringLiteral("lavarsi"), 2);
    progress.addPoints(QStringLiteral("mangiare"), 2);
    progress.addPoints(QStringLiteral("finire"), 0);
    progress.addPoints(QStringLiteral("gone"), 5);
    QCOMPARE(published.count(), 8);

    // Equal scores in the order of the shown infinitive: lavarsi sorts by its -arsi form.
    QCOMPARE(ranking(), QStringList({"=5", "lavarsi=2", "mangiare=2", "parlare=2", "finire=0", "andare=-3"}));
    QCOMPARE(storedDictionary(services.storePath(), QStringLiteral("progressDictionary")).value("andare").toLongLong(),
             -3);
}

void ProgressTest::addPointsWithEmptyKeyDoesNothing()
{
    TestServices services;
    ProgressManager &progress = ProgressManager::shared();
    QSignalSpy published(&progress, &ProgressManager::progressDictionaryEntriesChanged);
    progress.addPoints(QString(), 1);
    QCOMPARE(published.count(), 0);
    QVERIFY(progress.progressScores().isEmpty());
}

void ProgressTest::wrongTypesAreSkipped()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("defaults.json"));
    QVariantMap flags = allTenses({"Future"});
    flags.insert(QStringLiteral("Present"), QStringLiteral("yes"));
    seedStore(path, {{QStringLiteral("progressDictionary"),
                      QVariantMap{{"parlare", "ten"}, {"andare", 2.5}, {"bere", 3}, {"fare", QVariantList{1}}}},
                     {QStringLiteral("learntDictionary"), QVariantMap{{"parlare", 1}, {"andare", true}}},
                     {QStringLiteral("flagDictionary"), flags},
                     {QStringLiteral("quizScoresDictionary"), QStringLiteral("not a map")}});

    TestServices services(basic(), path);
    VerbDictionary::shared();
    services.queue().runPending();
    ProgressManager &progress = ProgressManager::shared();
    QCOMPARE(progress.progressScores(), (QMap<QString, qint64>{{"bere", 3}}));
    QCOMPARE(progress.learntFlags(), (QMap<QString, bool>{{"andare", true}}));
    QVERIFY(progress.quizScores().isEmpty());
    QVERIFY(!statuses().value("Present"));
    QVERIFY(statuses().value("Future"));
    QCOMPARE(VerbDictionary::shared().learntVerbs().size(), 1);

    progress.addPoints(QStringLiteral("bere"), 1);
    QCOMPARE(progress.progressScores().value("bere"), 4);
}

void ProgressTest::learntFlags()
{
    TestServices services;
    ProgressManager &progress = ProgressManager::shared();
    QVERIFY(progress.learntFlags().isEmpty());
    QVERIFY(services.services().learnerStore().dictionary(QStringLiteral("learntDictionary")));

    Verb *verb = VerbDictionary::shared().verbForKey(QStringLiteral("parlare"));
    QVERIFY(verb);
    QSignalSpy changed(verb, &Verb::learntChanged);
    progress.toggleLearnt(verb);
    QVERIFY(verb->learnt());
    progress.toggleLearnt(verb);
    QVERIFY(!verb->learnt());
    QCOMPARE(changed.count(), 2);
    const QVariantMap stored = storedDictionary(services.storePath(), QStringLiteral("learntDictionary"));
    QVERIFY(stored.contains("parlare"));
    QCOMPARE(stored.value("parlare"), QVariant(false));
}

void ProgressTest::quizScoreIsReplaced()
{
    TestServices services;
    ProgressManager &progress = ProgressManager::shared();
    progress.setQuizScore(QStringLiteral("articles"), 90);
    progress.setQuizScore(QStringLiteral("articles"), 40);
    QCOMPARE(progress.quizScores(), (QMap<QString, qint64>{{"articles", 40}}));
}

void ProgressTest::valuesSurviveARestart()
{
    TestServices services;
    {
        ProgressManager &progress = ProgressManager::shared();
        progress.addPoints(QStringLiteral("parlare"), 4);
        progress.setQuizScore(QStringLiteral("articles"), 75);
        progress.toggleLearnt(VerbDictionary::shared().verbForKey(QStringLiteral("andare")));
        VerbDictionary::shared().tenseSettings().at(9)->setStatus(true);
    }
    services.restart();
    VerbDictionary &dictionary = VerbDictionary::shared();
    services.queue().runPending();
    ProgressManager &progress = ProgressManager::shared();
    QCOMPARE(progress.progressScores().value("parlare"), 4);
    QCOMPARE(progress.quizScores().value("articles"), 75);
    QCOMPARE(dictionary.learntVerbs().size(), 1);
    QCOMPARE(dictionary.learntVerbs().first()->key, QStringLiteral("andare"));
    QVERIFY(dictionary.tenseSettings().at(9)->status());
    QCOMPARE(ranking(), QStringList({"parlare=4"}));
}

void ProgressTest::storeSurvivesKill()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("defaults.json"));
    qint64 lastPrinted = 0;
    for (int round = 0; round < 20; ++round) {
        QProcess writer;
        writer.setProcessChannelMode(QProcess::SeparateChannels);
        writer.setStandardErrorFile(QProcess::nullDevice());
        writer.start(QStringLiteral(STORE_WRITER), {path, basic(), QStringLiteral("parlare")});
        QVERIFY(writer.waitForStarted());
        // Once the writer is writing, kill it at a random moment.
        QByteArray printed;
        while (!printed.contains('\n') && writer.waitForReadyRead(10000))
            printed += writer.readAllStandardOutput();
        QVERIFY2(printed.contains('\n'), "the writer never printed a score");
        const int killAfterMs = QRandomGenerator::global()->bounded(0, 150);
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < killAfterMs) {
            writer.waitForReadyRead(5);
            printed += writer.readAllStandardOutput();
        }
        ::kill(pid_t(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished());
        printed += writer.readAllStandardOutput();
        const QList<QByteArray> lines = printed.split('\n');
        for (const QByteArray &line : lines) {
            if (!line.isEmpty())
                lastPrinted = std::max(lastPrinted, line.toLongLong());
        }

        LearnerStore store(path);
        QVERIFY2(store.setAsidePath().isEmpty(), "the store file did not read back after a kill");
        const auto scores = store.dictionary(QStringLiteral("progressDictionary"));
        QVERIFY(scores);
        QVERIFY2(scores->value("parlare").toLongLong() >= lastPrinted,
                 qPrintable(QStringLiteral("round %1: stored %2, printed %3")
                                .arg(round)
                                .arg(scores->value("parlare").toLongLong())
                                .arg(lastPrinted)));
    }
}

QTEST_GUILESS_MAIN(ProgressTest)
#include "tst_progress.moc"
