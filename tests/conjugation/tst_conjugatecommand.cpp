#include "app/ConjugateCommand.h"
#include "platform/UserDefaults.h"
#include "settings/TenseSetting.h"
#include "support/TestServices.h"
#include "verbs/Verb.h"
#include "verbs/VerbDictionary.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

struct Outcome
{
    int status = -1;
    QStringList out;
    QStringList err;
};

Outcome runCommand(const QStringList &arguments)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    Outcome outcome;
    outcome.status = ConjugateCommand(outStream, errStream).run(arguments);
    outStream.flush();
    errStream.flush();
    outcome.out = out.split(u'\n');
    outcome.err = err.split(u'\n', Qt::SkipEmptyParts);
    return outcome;
}

const QString usageLine = QStringLiteral("usage: flexio conjugate VERB | --drill VERB | --all");

}

class TestConjugateCommand : public QObject
{
    Q_OBJECT

private slots:
    void tablesOfOneVerb_data();
    void tablesOfOneVerb();
    void unknownVerb();
    void closestInfinitives_data();
    void closestInfinitives();
    void drillFollowsTheStoredSwitches();
    void allVerbs();
    void badArguments_data();
    void badArguments();
    void missingData();
    void theAppPrintsTables();
    void theAppRejectsAnUnknownVerb();
    void drillLeavesTheStoreAlone_data();
    void drillLeavesTheStoreAlone();
};

void TestConjugateCommand::tablesOfOneVerb_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("line");
    QTest::newRow("key") << "parlare" << "parlare (speak)" << "io\tparlo\tI speak";
    QTest::newRow("capitals") << "Parlare" << "parlare (speak)" << "lui/lei\tha parlato\the/she has spoken";
    QTest::newRow("reflexive by its shown infinitive") << "alzarsi" << "alzarsi (get up)"
                                                       << "lui/lei\tsi è alzato/a\the/she has got up";
    QTest::newRow("impersonal") << "piovere" << "piovere (rain)" << "\tpiove\tit rains";
}

void TestConjugateCommand::tablesOfOneVerb()
{
    QFETCH(QString, name);
    QFETCH(QString, heading);
    QFETCH(QString, line);
    TestServices services;
    const Outcome outcome = runCommand({name});
    QCOMPARE(outcome.status, 0);
    QVERIFY(outcome.err.isEmpty());
    QCOMPARE(outcome.out.first(), heading);
    QVERIFY2(outcome.out.contains(line), qPrintable(outcome.out.join(u'\n')));
}

void TestConjugateCommand::unknownVerb()
{
    TestServices services;
    // The stored infinitive of a reflexive verb is not how the dictionary shows it.
    for (const QString &name : {QStringLiteral("nonesiste"), QStringLiteral("alzare")}) {
        const Outcome outcome = runCommand({name});
        QCOMPARE(outcome.status, 2);
        QCOMPARE(outcome.out, QStringList{QString()});
        QCOMPARE(outcome.err.first(), u"no verb " + name);
        QCOMPARE(outcome.err.mid(1), ConjugateCommand::closestInfinitives(VerbDictionary::shared(), name, 5));
        QCOMPARE(outcome.err.size(), 6);
    }
}

void TestConjugateCommand::closestInfinitives_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("nearest");
    QTest::newRow("a letter missing") << "parlre" << "parlare";
    QTest::newRow("a letter changed") << "mangiere" << "mangiare";
    QTest::newRow("capitals") << "DORMIRE" << "dormire";
    QTest::newRow("reflexive") << "alzare" << "alzarsi";
}

void TestConjugateCommand::closestInfinitives()
{
    QFETCH(QString, name);
    QFETCH(QString, nearest);
    TestServices services;
    const QStringList closest = ConjugateCommand::closestInfinitives(VerbDictionary::shared(), name, 5);
    QCOMPARE(closest.size(), 5);
    QCOMPARE(closest.first(), nearest);
    QCOMPARE(ConjugateCommand::closestInfinitives(VerbDictionary::shared(), name, 2), closest.mid(0, 2));
}

void TestConjugateCommand::drillFollowsTheStoredSwitches()
{
    TestServices services;
    QVariantMap flags;
    for (const TenseSetting *setting : VerbDictionary::shared().tenseSettings()) {
        const QString &tense = setting->tenseName();
        flags.insert(tense, tense == u"Future" || tense == u"Pluperfect");
    }
    QVERIFY(services.services().userDefaults().set(QStringLiteral("flagDictionary"), flags));

    const Outcome outcome = runCommand({QStringLiteral("--drill"), QStringLiteral("parlare")});
    QCOMPARE(outcome.status, 0);
    QCOMPARE(outcome.out, (QStringList{"FUT|1PS|SING\tparlerò\tI will speak",
                                       "FUT|2PS|SING\tparlerai\tyou (sng.) will speak",
                                       "FUT|3PS|SING\tparlerà\the/she will speak",
                                       "FUT|1PS|PLUR\tparleremo\twe will speak",
                                       "FUT|2PS|PLUR\tparlerete\tyou (pl.) will speak",
                                       "FUT|3PS|PLUR\tparleranno\tthey will speak",
                                       "PLUP|1PS|SING\tavevo parlato\tI had spoken",
                                       "PLUP|2PS|SING\tavevi parlato\tyou (sng.) had spoken",
                                       "PLUP|3PS|SING\taveva parlato\the/she had spoken",
                                       "PLUP|1PS|PLUR\tavevamo parlato\twe had spoken",
                                       "PLUP|2PS|PLUR\tavevate parlato\tyou (pl.) had spoken",
                                       "PLUP|3PS|PLUR\tavevano parlato\tthey had spoken",
                                       ""}));
}

void TestConjugateCommand::allVerbs()
{
    TestServices services;
    const Outcome outcome = runCommand({QStringLiteral("--all")});
    QCOMPARE(outcome.status, 0);
    QStringList headings;
    for (const QString &line : outcome.out) {
        if (line.endsWith(u')') && !line.contains(u'\t') && !line.contains(u':'))
            headings.append(line);
    }
    QStringList expected;
    for (const Verb *verb : VerbDictionary::shared().verbs())
        expected.append(verb->displayInfinitive() + u" (" + verb->englishDisplay() + u')');
    QCOMPARE(headings, expected);
    // The sensitive verb is in the dictionary, so it is printed too.
    QVERIFY(outcome.out.contains(QStringLiteral("morire (die)")));
    QCOMPARE(outcome.out.count(QStringLiteral("Imperative: speak!")), 1);
}

void TestConjugateCommand::badArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("drill without a verb") << QStringList{"--drill"};
    QTest::newRow("two verbs") << QStringList{"parlare", "amare"};
    QTest::newRow("unknown option") << QStringList{"--tables"};
    QTest::newRow("all with a verb") << QStringList{"--all", "parlare"};
    QTest::newRow("drill with an option") << QStringList{"--drill", "--all"};
}

void TestConjugateCommand::badArguments()
{
    QFETCH(QStringList, arguments);
    TestServices services;
    const Outcome outcome = runCommand(arguments);
    QCOMPARE(outcome.status, 2);
    QCOMPARE(outcome.err, QStringList{usageLine});
    QCOMPARE(outcome.out, QStringList{QString()});
}

void TestConjugateCommand::missingData()
{
    QTemporaryDir empty;
    TestServices::Options options;
    options.resourceRoot = empty.path();
    TestServices services(options);
    const Outcome outcome = runCommand({QStringLiteral("parlare")});
    QCOMPARE(outcome.status, 1);
    QCOMPARE(outcome.err, QStringList{"Flexio cannot start: the verb data file verbs.xml was not found"});
}

namespace {

// Runs the built app with a home of its own, so the learner's files stay untouched.
Outcome runApp(const QStringList &arguments, const QTemporaryDir &home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.remove(QStringLiteral("FLEXIO_RESOURCE_ROOT"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(FLEXIO_EXECUTABLE), QStringList{QStringLiteral("conjugate")} + arguments);
    Outcome outcome;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return outcome;
    outcome.status = process.exitCode();
    outcome.out = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n');
    outcome.err = QString::fromUtf8(process.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    return outcome;
}

}

void TestConjugateCommand::theAppPrintsTables()
{
    QTemporaryDir home;
    const Outcome outcome = runApp({QStringLiteral("parlare")}, home);
    QCOMPARE(outcome.status, 0);
    QVERIFY2(outcome.err.isEmpty(), qPrintable(outcome.err.join(u'\n')));
    QVERIFY(outcome.out.contains(QStringLiteral("io\tparlo\tI speak")));
    QVERIFY(outcome.out.contains(QStringLiteral("lui/lei\tha parlato\the/she has spoken")));
    QCOMPARE(outcome.out.count(QStringLiteral("Present Tense: speaks")), 1);
}

void TestConjugateCommand::theAppRejectsAnUnknownVerb()
{
    QTemporaryDir home;
    const Outcome outcome = runApp({QStringLiteral("nonesiste")}, home);
    QCOMPARE(outcome.status, 2);
    QCOMPARE(outcome.out, QStringList{QString()});
    QCOMPARE(outcome.err.size(), 6);
    QCOMPARE(outcome.err.first(), QStringLiteral("no verb nonesiste"));
    for (const QString &suggestion : outcome.err.mid(1))
        QVERIFY2(!suggestion.isEmpty() && !suggestion.contains(u' '), qPrintable(suggestion));
}

void TestConjugateCommand::drillLeavesTheStoreAlone_data()
{
    QTest::addColumn<QByteArray>("store"); // empty: no store file
    QTest::addColumn<QString>("firstItem");
    QTest::newRow("no store") << QByteArray() << "PRES|1PS|SING\tparlo\tI speak";
    QTest::newRow("stored switches") << QByteArray(R"({"flagDictionary": {"Future": true}, "learntDictionary": {}})")
                                     << "FUT|1PS|SING\tparlerò\tI will speak";
    QTest::newRow("unreadable store") << QByteArray("{not json") << "PRES|1PS|SING\tparlo\tI speak";
}

void TestConjugateCommand::drillLeavesTheStoreAlone()
{
    QFETCH(QByteArray, store);
    QFETCH(QString, firstItem);
    QTemporaryDir home;
    const QString folder = home.filePath(QStringLiteral("data/flexio"));
    QVERIFY(QDir().mkpath(folder));
    QFile file(folder + QStringLiteral("/defaults.json"));
    if (!store.isEmpty()) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(store);
        file.close();
    }
    const Outcome outcome = runApp({QStringLiteral("--drill"), QStringLiteral("parlare")}, home);
    QCOMPARE(outcome.status, 0);
    QCOMPARE(outcome.out.first(), firstItem);
    QCOMPARE(QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             store.isEmpty() ? QStringList() : QStringList{"defaults.json"});
    if (!store.isEmpty()) {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), store);
    }
}

QTEST_GUILESS_MAIN(TestConjugateCommand)
#include "tst_conjugatecommand.moc"
