#include "app/ConjugateCommand.h"
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

Outcome runCommand(TestServices &services, const QStringList &arguments)
{
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    Outcome outcome;
    outcome.status = ConjugateCommand(services.services(), outStream, errStream).run(arguments);
    outStream.flush();
    errStream.flush();
    outcome.out = out.split(u'\n');
    outcome.err = err.split(u'\n', Qt::SkipEmptyParts);
    return outcome;
}

const QString usageLine =
    QStringLiteral("usage: flexio conjugate VERB | --drill VERB | --irregular VERB | --stress VERB | --all");

// Runs the built app with a home of its own, so the learner's files stay untouched.
Outcome runApp(const QStringList &arguments, const QTemporaryDir &home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    for (const char *name : {"FLEXIO_RESOURCE_ROOT", "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
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

class TestConjugateCommand : public QObject
{
    Q_OBJECT

private slots:
    // clang-format off
    void tablesOfOneVerb_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("line");
        QTest::newRow("key") << "parlare" << "parlare (speak)" << "io\tparlo\tI speak";
        QTest::newRow("capitals") << "Parlare" << "parlare (speak)" << "lui/lei\tha parlato\the/she has spoken";
        QTest::newRow("reflexive by its shown infinitive") << "alzarsi" << "alzarsi (get up)"
                                                           << "lui/lei\tsi è alzato/a\the/she has got up";
        QTest::newRow("impersonal") << "piovere" << "piovere (rain)" << "\tpiove\tit rains";
        QTest::newRow("gloss heading") << "parlare" << "parlare (speak)" << "Presente (Present): speaks";
    }
    // clang-format on

    void tablesOfOneVerb()
    {
        QFETCH(QString, name);
        QFETCH(QString, heading);
        QFETCH(QString, line);
        TestServices services;
        const Outcome outcome = runCommand(services, {name});
        QCOMPARE(outcome.status, 0);
        QVERIFY(outcome.err.isEmpty());
        QCOMPARE(outcome.out.first(), heading);
        QVERIFY2(outcome.out.contains(line), qPrintable(outcome.out.join(u'\n')));
    }

    // clang-format off
    // The shipped data, through the app: irregular stretches in brackets, a form for its verb.
    void shippedVerbs_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("line");     // a line the output holds
        QTest::addColumn<QString>("noLine");   // a text no line holds
        QTest::newRow("regular: no bracket") << QStringList{"--irregular", "parlare"} << "io\tparlo\tI speak" << "[";
        QTest::newRow("irregular present") << QStringList{"--irregular", "andare"} << "io\t[vad]o\tI go" << "[and";
        QTest::newRow("a spelling change is regular")
            << QStringList{"--irregular", "cercare"} << "tu\tcerchi\tyou (sng.) look for" << "[";
        QTest::newRow("a form resolves to its verb") << QStringList{"vado"} << "vado: andare, presente, io" << "no verb";
        QTest::newRow("a new tense of an essere verb")
            << QStringList{"essere"} << "\tessendo stato/a\thaving been" << "Past Subjunctive";
    }
    // clang-format on

    void shippedVerbs()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, line);
        QFETCH(QString, noLine);
        QTemporaryDir home;
        const Outcome outcome = runApp(arguments, home);
        QCOMPARE(outcome.status, 0);
        QVERIFY2(outcome.out.contains(line), qPrintable(outcome.out.mid(0, 12).join(u'\n')));
        QVERIFY(
            std::none_of(outcome.out.begin(), outcome.out.end(), [&](const QString &l) { return l.contains(noLine); }));
    }

    // clang-format off
    void refused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");   // the first line on the error stream
        QTest::addColumn<QString>("nearest"); // for an unknown verb, the first suggestion when there is a clear one
        QTest::newRow("nothing") << QStringList{} << usageLine << "";
        QTest::newRow("drill without a verb") << QStringList{"--drill"} << usageLine << "";
        QTest::newRow("two verbs") << QStringList{"parlare", "amare"} << usageLine << "";
        QTest::newRow("unknown option") << QStringList{"--tables"} << usageLine << "";
        QTest::newRow("drill with an option") << QStringList{"--drill", "--all"} << usageLine << "";
        QTest::newRow("no such verb") << QStringList{"nonesiste"} << "no verb nonesiste" << "";
        QTest::newRow("a letter missing") << QStringList{"parlre"} << "no verb parlre" << "parlare";
        QTest::newRow("a letter changed") << QStringList{"mangiere"} << "no verb mangiere" << "mangiare";
        // The stored infinitive of a reflexive verb is not how the dictionary shows it.
        QTest::newRow("reflexive") << QStringList{"alzare"} << "no verb alzare" << "alzarsi";
    }
    // clang-format on

    void refused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        QFETCH(QString, nearest);
        TestServices services;
        const Outcome outcome = runCommand(services, arguments);
        QCOMPARE(outcome.status, 2);
        QCOMPARE(outcome.out, QStringList{QString()});
        QCOMPARE(outcome.err.value(0), error);
        QCOMPARE(outcome.err.size(), error == usageLine ? 1 : 6);
        if (error != usageLine)
            QCOMPARE(outcome.err.mid(1),
                ConjugateCommand::closestInfinitives(services.verbDictionary(), arguments.first(), 5));
        if (!nearest.isEmpty())
            QCOMPARE(outcome.err.at(1), nearest);
    }

    void missingData()
    {
        QTemporaryDir empty;
        TestServices::Options options;
        options.resourceRoot = empty.path();
        TestServices services(options);
        const Outcome outcome = runCommand(services, {QStringLiteral("parlare")});
        QCOMPARE(outcome.status, 1);
        QCOMPARE(outcome.err, QStringList{"Flexio cannot start: the verb data file verbs.xml was not found"});
    }

    // clang-format off
    void drillLeavesTheStoreAlone_data()
    {
        QTest::addColumn<QByteArray>("store"); // empty: no store file
        QTest::addColumn<QString>("firstItem");
        QTest::newRow("no store") << QByteArray() << "PRES|1PS|SING\tparlo\tI speak";
        QTest::newRow("stored switches") << QByteArray(R"({"flagDictionary": {"Future": true}, "learntDictionary": {}})")
                                         << "FUT|1PS|SING\tparlerò\tI will speak";
        QTest::newRow("unreadable store") << QByteArray("{not json") << "PRES|1PS|SING\tparlo\tI speak";
    }
    // clang-format on

    void drillLeavesTheStoreAlone()
    {
        QFETCH(QByteArray, store);
        QFETCH(QString, firstItem);
        QTemporaryDir home;
        const QString folder = home.filePath(QStringLiteral("data/flexio"));
        QVERIFY(QDir().mkpath(folder));
        QFile file(folder + QStringLiteral("/defaults.json"));
        QVERIFY(store.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(store) == store.size()));
        file.close();
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
};

QTEST_GUILESS_MAIN(TestConjugateCommand)
#include "tst_conjugatecommand.moc"
