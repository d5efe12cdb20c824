#include "platform/ManualMainQueue.h"
#include "progress/ProgressManager.h"
#include "settings/TenseSetting.h"
#include "support/TestServices.h"
#include "verbs/FormIndex.h"
#include "verbs/StressMarks.h"
#include "verbs/Tense.h"
#include "verbs/Verb.h"
#include "verbs/VerbDataReader.h"
#include "verbs/VerbDictionary.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray document(const QString &verbs)
{
    return (u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<verbs>\n" + verbs + u"</verbs>\n").toUtf8();
}

QString verbElement(const QString &infinitive, const QString &extra = {})
{
    // A verb needs a tense table; the empty imperative stands in where a test needs none.
    return u"<verb><infinitive>" + infinitive + u"</infinitive><imperative/>" + extra + u"</verb>\n";
}

QList<Verb *> readAll(const QByteArray &xml)
{
    QList<Verb *> verbs;
    VerbDataReader reader([&verbs](Verb *verb) { verbs.append(verb); });
    (void)reader.read(xml);
    return verbs;
}

QStringList infinitives(const QList<Verb *> &verbs)
{
    QStringList names;
    for (const Verb *verb : verbs)
        names.append(verb->infinitive);
    return names;
}

// A resource folder holding one verbs.xml, for a dictionary built over it.
std::unique_ptr<QTemporaryDir> verbFolder(const QByteArray &xml)
{
    auto dir = std::make_unique<QTemporaryDir>();
    QFile file(dir->filePath(QStringLiteral("verbs.xml")));
    if (file.open(QIODevice::WriteOnly))
        file.write(xml);
    return dir;
}

}

class VerbsTest : public QObject
{
    Q_OBJECT

private slots:
    // The shipped stress marks against forms checked by hand (stress_forms.tsv: verb key, the
    // text a table row shows, the text with its marks), including forms that take none.
    void shippedStressMarks_data()
    {
        QTest::addColumn<QString>("verb");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("marked");
        QFile file(QStringLiteral(FLEXIO_SOURCE_DIR "/tests/verbs/stress_forms.tsv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts).mid(1);
        QVERIFY(lines.size() >= 150);
        for (const QString &line : lines) {
            const QStringList fields = line.split(u'\t');
            QTest::addRow("%s", qPrintable(fields.value(1))) << fields.value(0) << fields.value(1) << fields.value(2);
        }
    }
    void shippedStressMarks()
    {
        QFETCH(QString, verb);
        QFETCH(QString, shown);
        QFETCH(QString, marked);
        static const StressMarks marks(QStringLiteral(FLEXIO_SOURCE_DIR "/resources/stress.tsv"));
        QCOMPARE(marks.marked(verb, shown), marked);
    }

    // The Italian forms a verb shows. "given" is the stored tense (comma separated), or the stored
    // participle for the compound rule; a compound row lists the perfect and then the conditional
    // perfect of loro.
    // clang-format off
    void formRules_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("infinitive");
        QTest::addColumn<bool>("reflexive");
        QTest::addColumn<bool>("essere");
        QTest::addColumn<QString>("preposition");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("expected");
        QTest::newRow("given forms") << "simple" << "parlare" << false << false << "" << "a,b,c,d,e,f" << "a,b,c,d,e,f";
        QTest::newRow("infinitive fallback without bars")
            << "simple" << "par|lare" << false << false << "" << "" << "parlare,parlare,parlare,parlare,parlare,parlare";
        QTest::newRow("reflexive fallback") << "simple" << "lavare" << true << false << "" << ""
                                            << "mi lavare,ti lavare,si lavare,ci lavare,vi lavare,si lavare";
        QTest::newRow("reflexive with preposition")
            << "simple" << "pentire" << true << false << "di" << "pento,penti,pente,pentiamo,pentite,pentono"
            << "mi pento di,ti penti di,si pente di,ci pentiamo di,vi pentite di,si pentono di";
        QTest::newRow("empty slot keeps its place") << "simple" << "x" << false << false << "a" << "a,,c,d,e,f"
                                                    << "a a,,c a,d a,e a,f a";
        QTest::newRow("avere") << "compound" << "parlare" << false << false << "" << "parlato"
                               << "ho parlato,hai parlato,ha parlato,abbiamo parlato,avete parlato,hanno parlato,avrebbero parlato";
        QTest::newRow("essere agrees") << "compound" << "nascere" << false << true << "" << "nato"
                                       << "sono nato/a,sei nato/a,è nato/a,siamo nati/e,siete nati/e,sono nati/e,sarebbero nati/e";
        QTest::newRow("reflexive takes essere") << "compound" << "lavare" << true << false << "" << "lavato"
            << "mi sono lavato/a,ti sei lavato/a,si è lavato/a,ci siamo lavati/e,vi siete lavati/e,si sono lavati/e,"
               "si sarebbero lavati/e";
        QTest::newRow("preposition last") << "compound" << "andare" << false << true << "a" << "andato"
            << "sono andato/a a,sei andato/a a,è andato/a a,siamo andati/e a,siete andati/e a,sono andati/e a,sarebbero andati/e a";
        QTest::newRow("empty imperative gives empty slots") << "imperative" << "andare" << false << false << "" << "" << ",,,,,";
        QTest::newRow("no reflexive pronoun added")
            << "imperative" << "andare" << true << false << "" << ",lavati,si lavi,laviamoci,lavatevi,si lavino"
            << ",lavati,si lavi,laviamoci,lavatevi,si lavino";
        QTest::newRow("preposition after empty slot") << "imperative" << "andare" << false << false << "a"
                                                      << ",va,vada,andiamo,andate,vadano"
                                                      << ",va a,vada a,andiamo a,andate a,vadano a";
    }
    // clang-format on

    void formRules()
    {
        QFETCH(QString, rule);
        QFETCH(QString, infinitive);
        QFETCH(bool, reflexive);
        QFETCH(bool, essere);
        QFETCH(QString, preposition);
        QFETCH(QString, given);
        QFETCH(QString, expected);
        const QStringList tense = given.isEmpty() ? QStringList() : given.split(u',');
        const QStringList forms = expected.split(u',');
        Verb verb;
        verb.infinitive = infinitive;
        verb.reflexive = reflexive;
        verb.perfectWithEssere = essere;
        verb.preposition = preposition;
        if (rule == u"simple") {
            verb.presentTense = verb.futureTense = verb.subjunctivePastTense = tense;
            QCOMPARE(verb.presentForms(), forms);
            QCOMPARE(verb.futureForms(), forms);
            QCOMPARE(verb.pastSubjunctiveForms(), forms);
        } else if (rule == u"imperative") {
            verb.imperativeTense = tense;
            QCOMPARE(verb.imperativeForms(), forms);
        } else {
            verb.pastParticiple = given;
            auto formsIn = [&verb](
                               const char *tense) { return Tense::named(QString::fromLatin1(tense))->formsOf(verb); };
            QCOMPARE(formsIn("Perfect") + QStringList{formsIn("Conditional Perfect").at(5)}, forms);
            const bool withEssere = essere || reflexive;
            QVERIFY(
                formsIn("Pluperfect").at(0).contains(withEssere ? QStringLiteral("ero ") : QStringLiteral("avevo ")));
            QVERIFY(formsIn("Future Perfect").at(1).contains(withEssere ? u"sarai " : u"avrai "));
        }
    }

    // clang-format off
    void readerFillsFields_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("expected");

        QTest::newRow("tags split, empty pieces dropped")
            << "<tags>Travel,,Work,</tags>" << "tags" << QVariant(QStringList{"Travel", "Work"});
        QTest::newRow("impersonal capital") << "<impersonal>True</impersonal>" << "impersonal" << QVariant(false);
        QTest::newRow("character references decoded")
            << "<notes>a &amp; b &#232;</notes>" << "notes" << QVariant(QStringLiteral("a & b è"));
        QTest::newRow("unknown and differently cased elements ignored")
            << "<Notes>x</Notes><colour>red</colour><notes>kept</notes>" << "notes" << QVariant(QStringLiteral("kept"));
        QTest::newRow("tense with only tps") << "<imp><tps>parlava</tps></imp>" << "imperfectTense"
            << QVariant(QStringList{"", "", "parlava", "", "", ""});
        QTest::newRow("absent tense stays empty") << "" << "futureTense" << QVariant(QStringList());
    }
    // clang-format on

    void readerFillsFields()
    {
        QFETCH(QString, body);
        QFETCH(QString, field);
        QFETCH(QVariant, expected);
        const QList<Verb *> verbs = readAll(document(verbElement("parlare", body)));
        QCOMPARE(verbs.size(), 1);
        std::unique_ptr<Verb> verb(verbs.first());

        const std::map<QString, QVariant> fields{{"tags", verb->tags}, {"impersonal", verb->impersonal},
            {"notes", verb->notes}, {"imperfectTense", verb->imperfectTense}, {"futureTense", verb->futureTense}};
        QVERIFY2(fields.count(field), qPrintable(field));
        QCOMPARE(fields.at(field), expected);
    }

    void dictionaryStopsOnMalformedFile()
    {
        const auto folder = verbFolder(
            document(verbElement("zappare") + verbElement("amare") + u"<verb><infinitive>rotto</infinitive>"));
        TestServices services(folder->path());
        VerbDictionary &dictionary = services.verbDictionary();
        QVERIFY(!dictionary.loaded());
        QCOMPARE(infinitives(dictionary.verbs()), QStringList({"zappare", "amare"}));
        QVERIFY(dictionary.loadError().contains(QStringLiteral("verbs.xml")));
        QVERIFY(dictionary.loadError().contains(QStringLiteral("(line 5, column ")));
        QCOMPARE(services.queue().pendingCount(), 0);

        TestServices missing(QDir::tempPath() + u"/no-such-flexio-folder");
        QVERIFY(!missing.verbDictionary().loaded());
        QVERIFY(missing.verbDictionary().loadError().contains(QStringLiteral("not found")));
    }

    void dictionarySortsIgnoringDiacriticsStably()
    {
        const auto folder = verbFolder(document(verbElement("zappare") + verbElement("perché") + verbElement("àbaco")
            + verbElement("perche") + verbElement("abate")));
        TestServices services(folder->path());
        VerbDictionary &dictionary = services.verbDictionary();
        QVERIFY(dictionary.loaded());
        QCOMPARE(infinitives(dictionary.verbs()), QStringList({"àbaco", "abate", "perché", "perche", "zappare"}));
    }

    void verbSets()
    {
        const auto folder = verbFolder(document(verbElement("zappare", "<tags>Work,All Verbs</tags>")
            + verbElement("morire", "<tags>Health</tags>") + verbElement("amare", "<tags>Feelings,Work</tags>")
            + verbElement("bere", "<tags>health</tags>")));
        TestServices services(folder->path());
        services.queue().runPending();
        VerbDictionary &dictionary = services.verbDictionary();

        QCOMPARE(
            dictionary.verbSetNames(), QStringList({"All Verbs", "All Verbs", "Feelings", "Health", "Work", "health"}));
        QCOMPARE(
            infinitives(dictionary.verbsInSet(QStringLiteral("All Verbs"))), QStringList({"amare", "bere", "zappare"}));
        QCOMPARE(infinitives(dictionary.verbsInSet(QStringLiteral("Health"))), QStringList({"morire"}));
        QCOMPARE(infinitives(dictionary.verbsInSet(QStringLiteral("Work"))), QStringList({"amare", "zappare"}));
        QVERIFY(dictionary.verbsInSet(QStringLiteral("Nothing")).isEmpty());
        QVERIFY(dictionary.verbsInSet(QStringLiteral("Learnt Verbs")).isEmpty());

        Verb *bere = dictionary.verbForKey(QStringLiteral("bere"));
        QVERIFY(bere);
        services.progressManager().toggleLearnt(bere);
        QCOMPARE(dictionary.verbSetNames().last(), QStringLiteral("Learnt Verbs"));
        QCOMPARE(infinitives(dictionary.verbsInSet(QStringLiteral("Learnt Verbs"))), QStringList({"bere"}));
        services.progressManager().toggleLearnt(bere);
        QVERIFY(!dictionary.verbSetNames().contains(QStringLiteral("Learnt Verbs")));
    }

    // A verb is made only when handed out, once, and one made after the stored flags were read
    // still carries its flag.
    void verbsAreMadeWhenHandedOut()
    {
        const auto folder = verbFolder(document(verbElement("amare") + verbElement("bere") + verbElement("cadere")));
        TestServices services(folder->path());
        services.progressManager().setLearnt(QStringLiteral("cadere"), true);
        services.restart();
        VerbDictionary &dictionary = services.verbDictionary();
        services.queue().runPending();
        QCOMPARE(dictionary.verbCount(), 3);
        QVERIFY(dictionary.findChildren<Verb *>().isEmpty());
        QCOMPARE(infinitives(dictionary.learntVerbs()), QStringList({"cadere"}));
        QCOMPARE(dictionary.findChildren<Verb *>().size(), 1);
        QVERIFY(dictionary.verbForKey(QStringLiteral("cadere"))->learnt());
        QCOMPARE(dictionary.verbForKey(QStringLiteral("cadere")), dictionary.verbs().last());
        QCOMPARE(dictionary.findChildren<Verb *>().size(), 3);
    }

    // clang-format off
    void searchFindsAnyForm_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("first");  // the best hit's infinitive
        QTest::addColumn<QString>("where");  // its place, for a hit on a form
        QTest::newRow("a present form") << "vado" << "andare" << "vado: andare, presente, io";
        QTest::newRow("two persons of one tense") << "fossi" << "essere" << "fossi: essere, congiuntivo imperfetto, io / tu";
        QTest::newRow("no accent typed") << "andro" << "andare" << "andro: andare, futuro semplice, io";
        QTest::newRow("a capital for an accented letter") << "È" << "essere" << "";
        QTest::newRow("a compound form, agreeing") << "sono andata" << "andare" << "sono andata: andare, passato prossimo, io";
        QTest::newRow("English with to") << "to go" << "andare" << "";
        QTest::newRow("the infinitive before its prefix and forms") << "fare" << "fare" << "";
        QTest::newRow("a prefix of an infinitive") << "venir" << "venire" << "";
    }
    // clang-format on

    void searchFindsAnyForm()
    {
        QFETCH(QString, text);
        QFETCH(QString, first);
        QFETCH(QString, where);
        TestServices services;
        VerbDictionary &dictionary = services.verbDictionary();
        // The index made at pack time reads the same as one made now.
        const FormIndex packed(FormIndex::build(dictionary.verbs()), dictionary.verbs());
        for (const FormIndex *index : {&dictionary.formIndex(), &packed}) {
            const QList<FormIndex::Hit> hits = index->search(text, dictionary.verbs());
            QVERIFY(!hits.isEmpty());
            QCOMPARE(dictionary.verbs().at(hits.first().verb)->displayInfinitive(), first);
            QCOMPARE(hits.first().where, where);
        }
        QCOMPARE(dictionary.formIndex().closest(QStringLiteral("andere"), dictionary.verbs(), 3).first(),
            QStringLiteral("andare"));
        QVERIFY(dictionary.formIndex().search(QStringLiteral("xyzzy"), dictionary.verbs()).isEmpty());
    }

    void randomVerbSkipsSensitiveAndFallsBackToBlank()
    {
        {
            const auto folder =
                verbFolder(document(verbElement("morire") + verbElement("amare") + verbElement("bere")));
            TestServices services(folder->path());
            QSet<QString> seen;
            for (int i = 0; i < 100; ++i)
                seen.insert(services.verbDictionary().randomVerb()->infinitive);
            QCOMPARE(seen, QSet<QString>({"amare", "bere"}));
        }
        for (const QString &verbs : {QString(), verbElement("morire")}) {
            const auto folder = verbFolder(document(verbs));
            TestServices services(folder->path());
            Verb *verb = services.verbDictionary().randomVerb();
            QVERIFY(verb && verb->isBlank());
            QCOMPARE(verb->presentForms(), QStringList(6));
        }
    }
};

QTEST_GUILESS_MAIN(VerbsTest)
#include "tst_verbs.moc"
