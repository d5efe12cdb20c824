#include "platform/Console.h"
#include "platform/ManualMainQueue.h"
#include "progress/ProgressManager.h"
#include "settings/TenseSetting.h"
#include "support/TestServices.h"
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
    return u"<verb><infinitive>" + infinitive + u"</infinitive>" + extra + u"</verb>\n";
}

QList<Verb *> readAll(const QByteArray &xml, bool *complete = nullptr)
{
    QList<Verb *> verbs;
    VerbDataReader reader([&verbs](Verb *verb) { verbs.append(verb); });
    const bool done = reader.read(xml);
    if (complete)
        *complete = done;
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
class VerbFolder
{
public:
    explicit VerbFolder(const QByteArray &xml)
    {
        QFile file(dir_.filePath(QStringLiteral("verbs.xml")));
        if (file.open(QIODevice::WriteOnly))
            file.write(xml);
    }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

const QStringList six{"a", "b", "c", "d", "e", "f"};

}

class VerbsTest : public QObject
{
    Q_OBJECT

private slots:
    void computeKey_data();
    void computeKey();
    void simpleRule_data();
    void simpleRule();
    void compoundRule_data();
    void compoundRule();
    void imperativeRule_data();
    void imperativeRule();
    void readerFillsFields_data();
    void readerFillsFields();
    void readerKeepsCompletedVerbsOfMalformedFile();
    void dictionaryStopsOnMalformedFile();
    void dictionarySortsIgnoringDiacriticsStably();
    void dictionaryLoadsFlagsOnTheQueue();
    void verbSets();
    void randomVerbSkipsSensitiveAndFallsBackToBlank();
};

void VerbsTest::computeKey_data()
{
    QTest::addColumn<QString>("infinitive");
    QTest::addColumn<bool>("reflexive");
    QTest::addColumn<QString>("key");
    QTest::newRow("plain") << "parlare" << false << "parlare";
    QTest::newRow("bars removed") << "alz|a|re" << false << "alzare";
    QTest::newRow("capitals lowered") << "Essere" << false << "essere";
    QTest::newRow("reflexive") << "lavare" << true << "lavarsi";
    QTest::newRow("reflexive with bars and capitals") << "Al|zare" << true << "alzarsi";
    QTest::newRow("reflexive -ere") << "mettere" << true << "mettersi";
}

void VerbsTest::computeKey()
{
    QFETCH(QString, infinitive);
    QFETCH(bool, reflexive);
    QFETCH(QString, key);
    Verb verb;
    verb.infinitive = infinitive;
    verb.reflexive = reflexive;
    ConsoleCapture console;
    verb.computeKey();
    QCOMPARE(verb.key, key);
    QVERIFY(console.contains(u"the key for " + infinitive + u" is " + key));
}

void VerbsTest::simpleRule_data()
{
    QTest::addColumn<QString>("infinitive");
    QTest::addColumn<QStringList>("tense");
    QTest::addColumn<bool>("reflexive");
    QTest::addColumn<QString>("preposition");
    QTest::addColumn<QStringList>("forms");
    QTest::newRow("given forms") << "parlare" << six << false << "" << six;
    QTest::newRow("infinitive fallback without bars")
        << "par|lare" << QStringList() << false << ""
        << QStringList(6, QStringLiteral("parlare"));
    QTest::newRow("reflexive fallback")
        << "lavare" << QStringList() << true << ""
        << QStringList{"mi lavare", "ti lavare", "si lavare", "ci lavare", "vi lavare", "si lavare"};
    QTest::newRow("reflexive with preposition")
        << "pentire" << QStringList{"pento", "penti", "pente", "pentiamo", "pentite", "pentono"} << true << "di"
        << QStringList{"mi pento di", "ti penti di", "si pente di", "ci pentiamo di", "vi pentite di",
                       "si pentono di"};
    QTest::newRow("empty slot keeps its place")
        << "x" << QStringList{"a", "", "c", "d", "e", "f"} << false << "a"
        << QStringList{"a a", "", "c a", "d a", "e a", "f a"};
}

void VerbsTest::simpleRule()
{
    QFETCH(QString, infinitive);
    QFETCH(QStringList, tense);
    QFETCH(bool, reflexive);
    QFETCH(QString, preposition);
    QFETCH(QStringList, forms);
    Verb verb;
    verb.infinitive = infinitive;
    verb.reflexive = reflexive;
    verb.preposition = preposition;
    verb.presentTense = tense;
    verb.futureTense = tense;
    verb.subjunctivePastTense = tense;
    QCOMPARE(verb.presentForms(), forms);
    QCOMPARE(verb.futureForms(), forms);
    QCOMPARE(verb.pastSubjunctiveForms(), forms);
}

void VerbsTest::compoundRule_data()
{
    QTest::addColumn<QString>("infinitive");
    QTest::addColumn<QString>("participle");
    QTest::addColumn<bool>("essere");
    QTest::addColumn<bool>("reflexive");
    QTest::addColumn<QString>("preposition");
    QTest::addColumn<QStringList>("perfect");
    QTest::addColumn<QString>("conditionalPerfectSlot5");
    QTest::newRow("avere") << "parlare" << "parlato" << false << false << ""
                           << QStringList{"ho parlato", "hai parlato", "ha parlato", "abbiamo parlato",
                                          "avete parlato", "hanno parlato"}
                           << "avrebbero parlato";
    QTest::newRow("essere agrees") << "nascere" << "nato" << true << false << ""
                                   << QStringList{"sono nato/a", "sei nato/a", "è nato/a", "siamo nati/e",
                                                  "siete nati/e", "sono nati/e"}
                                   << "sarebbero nati/e";
    QTest::newRow("reflexive takes essere") << "lavare" << "lavato" << false << true << ""
                                            << QStringList{"mi sono lavato/a", "ti sei lavato/a", "si è lavato/a",
                                                           "ci siamo lavati/e", "vi siete lavati/e",
                                                           "si sono lavati/e"}
                                            << "si sarebbero lavati/e";
    QTest::newRow("preposition last") << "andare" << "andato" << true << false << "a"
                                      << QStringList{"sono andato/a a", "sei andato/a a", "è andato/a a",
                                                     "siamo andati/e a", "siete andati/e a", "sono andati/e a"}
                                      << "sarebbero andati/e a";
    QTest::newRow("participle derived from the infinitive as written")
        << "spie|len" << "" << false << false << ""
        << QStringList{"ho gespie|lt", "hai gespie|lt", "ha gespie|lt", "abbiamo gespie|lt", "avete gespie|lt",
                       "hanno gespie|lt"}
        << "avrebbero gespie|lt";
}

void VerbsTest::compoundRule()
{
    QFETCH(QString, infinitive);
    QFETCH(QString, participle);
    QFETCH(bool, essere);
    QFETCH(bool, reflexive);
    QFETCH(QString, preposition);
    QFETCH(QStringList, perfect);
    QFETCH(QString, conditionalPerfectSlot5);
    Verb verb;
    verb.infinitive = infinitive;
    verb.pastParticiple = participle;
    verb.perfectWithEssere = essere;
    verb.reflexive = reflexive;
    verb.preposition = preposition;
    QCOMPARE(verb.perfectForms(), perfect);
    QCOMPARE(verb.conditionalPerfectForms().at(5), conditionalPerfectSlot5);
    QVERIFY(!verb.pastParticiple.isEmpty());
    const QString auxiliary = (essere || reflexive) ? QStringLiteral("ero ") : QStringLiteral("avevo ");
    QVERIFY(verb.pluperfectForms().at(0).contains(auxiliary));
    QVERIFY(verb.futurePerfectForms().at(1).contains((essere || reflexive) ? u"sarai " : u"avrai "));
}

void VerbsTest::imperativeRule_data()
{
    QTest::addColumn<QStringList>("tense");
    QTest::addColumn<bool>("reflexive");
    QTest::addColumn<QString>("preposition");
    QTest::addColumn<QStringList>("forms");
    QTest::newRow("empty list gives empty slots") << QStringList() << false << "" << QStringList(6);
    QTest::newRow("no reflexive pronoun added")
        << QStringList{"", "lavati", "si lavi", "laviamoci", "lavatevi", "si lavino"} << true << ""
        << QStringList{"", "lavati", "si lavi", "laviamoci", "lavatevi", "si lavino"};
    QTest::newRow("preposition after empty slot")
        << QStringList{"", "va", "vada", "andiamo", "andate", "vadano"} << false << "a"
        << QStringList{"", "va a", "vada a", "andiamo a", "andate a", "vadano a"};
}

void VerbsTest::imperativeRule()
{
    QFETCH(QStringList, tense);
    QFETCH(bool, reflexive);
    QFETCH(QString, preposition);
    QFETCH(QStringList, forms);
    Verb verb;
    verb.infinitive = QStringLiteral("andare");
    verb.imperativeTense = tense;
    verb.reflexive = reflexive;
    verb.preposition = preposition;
    QCOMPARE(verb.imperativeForms(), forms);
}

void VerbsTest::readerFillsFields_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("tags split, empty pieces dropped")
        << "<tags>Travel,,Work,</tags>" << "tags" << QVariant(QStringList{"Travel", "Work"});
    QTest::newRow("blank after comma kept")
        << "<tags>,Travel, Work</tags>" << "tags" << QVariant(QStringList{"Travel", " Work"});
    QTest::newRow("impersonal exactly true") << "<impersonal>true</impersonal>" << "impersonal" << QVariant(true);
    QTest::newRow("impersonal capital") << "<impersonal>True</impersonal>" << "impersonal" << QVariant(false);
    QTest::newRow("impersonal blanks") << "<impersonal> true</impersonal>" << "impersonal" << QVariant(false);
    QTest::newRow("reflexive true") << "<reflexive>true</reflexive>" << "reflexive" << QVariant(true);
    QTest::newRow("essere absent") << "" << "perfectWithEssere" << QVariant(false);
    QTest::newRow("essere true") << "<perfect_essere>true</perfect_essere>" << "perfectWithEssere" << QVariant(true);
    QTest::newRow("text not trimmed") << "<english_inf> speak\n</english_inf>" << "englishInfinitive"
                                      << QVariant(QStringLiteral(" speak\n"));
    QTest::newRow("character references decoded")
        << "<notes>a &amp; b &#232;</notes>" << "notes" << QVariant(QStringLiteral("a & b è"));
    QTest::newRow("CDATA contributes nothing")
        << "<notes>x<![CDATA[hidden]]>y</notes>" << "notes" << QVariant(QStringLiteral("xy"));
    QTest::newRow("repeated child overwrites")
        << "<gerund>one</gerund><gerund>two</gerund>" << "gerund" << QVariant(QStringLiteral("two"));
    QTest::newRow("unknown and differently cased elements ignored")
        << "<Notes>x</Notes><colour>red</colour><notes>kept</notes>" << "notes" << QVariant(QStringLiteral("kept"));
    QTest::newRow("tense with only tps")
        << "<imp><tps>parlava</tps></imp>" << "imperfectTense"
        << QVariant(QStringList{"", "", "parlava", "", "", ""});
    QTest::newRow("person element outside a tense before any tense")
        << "<fps>parlo</fps><ind_pres><sps>parli</sps></ind_pres>" << "presentTense"
        << QVariant(QStringList{"", "parli", "", "", "", ""});
    QTest::newRow("absent tense stays empty") << "" << "futureTense" << QVariant(QStringList());
    QTest::newRow("english forms")
        << "<english_simple_past>spoke</english_simple_past><english_past_participle>spoken</english_past_participle>"
        << "englishPastParticiple" << QVariant(QStringLiteral("spoken"));
    QTest::newRow("all tense elements")
        << "<sub_imp><fps>a</fps><sps>b</sps><tps>c</tps><fpp>d</fpp><spp>e</spp><tpp>f</tpp></sub_imp>"
        << "subjunctivePastTense" << QVariant(six);
}

void VerbsTest::readerFillsFields()
{
    QFETCH(QString, body);
    QFETCH(QString, field);
    QFETCH(QVariant, expected);
    const QList<Verb *> verbs = readAll(document(verbElement(QStringLiteral("parlare"), body)));
    QCOMPARE(verbs.size(), 1);
    std::unique_ptr<Verb> verb(verbs.first());

    const std::map<QString, QVariant> fields{
        {"tags", verb->tags},
        {"impersonal", verb->impersonal},
        {"reflexive", verb->reflexive},
        {"perfectWithEssere", verb->perfectWithEssere},
        {"englishInfinitive", verb->englishInfinitive},
        {"englishPastParticiple", verb->englishPastParticiple},
        {"notes", verb->notes},
        {"gerund", verb->gerund},
        {"imperfectTense", verb->imperfectTense},
        {"presentTense", verb->presentTense},
        {"futureTense", verb->futureTense},
        {"subjunctivePastTense", verb->subjunctivePastTense},
    };
    QVERIFY2(fields.count(field), qPrintable(field));
    QCOMPARE(fields.at(field), expected);
}

void VerbsTest::readerKeepsCompletedVerbsOfMalformedFile()
{
    const QByteArray xml = document(verbElement(QStringLiteral("zappare")) + verbElement(QStringLiteral("amare"))
                                    + u"<verb><infinitive>broken</infinitive><notes>x</verb>\n"
                                    + verbElement(QStringLiteral("bere")));
    QList<Verb *> verbs;
    VerbDataReader reader([&verbs](Verb *verb) { verbs.append(verb); });
    QVERIFY(!reader.read(xml));
    QCOMPARE(infinitives(verbs), QStringList({"zappare", "amare"}));
    QCOMPARE(reader.errorLine(), 5);
    QVERIFY(reader.errorColumn() > 0);
    QVERIFY(!reader.errorText().isEmpty());
    qDeleteAll(verbs);
}

void VerbsTest::dictionaryStopsOnMalformedFile()
{
    VerbFolder folder(document(verbElement(QStringLiteral("zappare")) + verbElement(QStringLiteral("amare"))
                               + u"<verb><infinitive>rotto</infinitive>"));
    ConsoleCapture console;
    TestServices services(folder.path());
    VerbDictionary &dictionary = VerbDictionary::shared();
    QVERIFY(!dictionary.loaded());
    QCOMPARE(infinitives(dictionary.verbs()), QStringList({"zappare", "amare"}));
    QVERIFY(dictionary.loadError().contains(QStringLiteral("verbs.xml")));
    QVERIFY(dictionary.loadError().contains(QStringLiteral("(line 5, column ")));
    QVERIFY(!console.containsPart(QStringLiteral("verbs added.")));
    QCOMPARE(services.queue().pendingCount(), 0);

    VerbFolder empty(QByteArray{});
    TestServices missing(QDir::tempPath() + u"/no-such-flexio-folder");
    QVERIFY(!VerbDictionary::shared().loaded());
    QVERIFY(VerbDictionary::shared().loadError().contains(QStringLiteral("not found")));
}

void VerbsTest::dictionarySortsIgnoringDiacriticsStably()
{
    VerbFolder folder(document(verbElement(QStringLiteral("zappare")) + verbElement(QStringLiteral("perché"))
                               + verbElement(QStringLiteral("àbaco")) + verbElement(QStringLiteral("perche"))
                               + verbElement(QStringLiteral("abate"))));
    ConsoleCapture console;
    TestServices services(folder.path());
    VerbDictionary &dictionary = VerbDictionary::shared();
    QVERIFY(dictionary.loaded());
    QCOMPARE(infinitives(dictionary.verbs()), QStringList({"àbaco", "abate", "perché", "perche", "zappare"}));
    QVERIFY(console.contains(QStringLiteral("5 verbs added.")));
    QVERIFY(console.contains(QStringLiteral("adding verb zappare")));
}

void VerbsTest::dictionaryLoadsFlagsOnTheQueue()
{
    QTemporaryDir store;
    const QString storePath = store.filePath(QStringLiteral("defaults.json"));
    {
        TestServices first(TestServices::fixture(QStringLiteral("basic")), storePath);
        first.queue().runPending();
        ProgressManager::shared().setLearnt(QStringLiteral("lavarsi"), true);
        ProgressManager::shared().setTenseFlag(QStringLiteral("Future"), true);
    }
    TestServices second(TestServices::fixture(QStringLiteral("basic")), storePath);
    VerbDictionary &dictionary = VerbDictionary::shared();
    QVERIFY(dictionary.learntVerbs().isEmpty());
    QCOMPARE(dictionary.enabledTenseCount(), 1);
    QCOMPARE(second.queue().pendingCount(), 1);
    second.queue().runPending();
    QCOMPARE(infinitives(dictionary.learntVerbs()), QStringList({"lavare"}));
    QCOMPARE(dictionary.enabledTenseCount(), 2);
    QVERIFY(dictionary.tenseSettings().at(5)->status());
}

void VerbsTest::verbSets()
{
    VerbFolder folder(document(verbElement(QStringLiteral("zappare"), QStringLiteral("<tags>Work,All Verbs</tags>"))
                               + verbElement(QStringLiteral("morire"), QStringLiteral("<tags>Health</tags>"))
                               + verbElement(QStringLiteral("amare"), QStringLiteral("<tags>Feelings,Work</tags>"))
                               + verbElement(QStringLiteral("bere"), QStringLiteral("<tags>health</tags>"))));
    TestServices services(folder.path());
    services.queue().runPending();
    VerbDictionary &dictionary = VerbDictionary::shared();

    QCOMPARE(dictionary.verbSetNames(),
             QStringList({"All Verbs", "All Verbs", "Feelings", "Health", "Work", "health"}));
    QCOMPARE(infinitives(dictionary.verbsInSet(QStringLiteral("All Verbs"))),
             QStringList({"amare", "bere", "zappare"}));
    QCOMPARE(infinitives(dictionary.verbsInSet(QStringLiteral("Health"))), QStringList({"morire"}));
    QCOMPARE(infinitives(dictionary.verbsInSet(QStringLiteral("Work"))), QStringList({"amare", "zappare"}));
    QVERIFY(dictionary.verbsInSet(QStringLiteral("Nothing")).isEmpty());
    QVERIFY(dictionary.verbsInSet(QStringLiteral("Learnt Verbs")).isEmpty());

    Verb *bere = dictionary.verbForKey(QStringLiteral("bere"));
    QVERIFY(bere);
    ProgressManager::shared().toggleLearnt(bere);
    QCOMPARE(dictionary.verbSetNames().last(), QStringLiteral("Learnt Verbs"));
    QCOMPARE(infinitives(dictionary.verbsInSet(QStringLiteral("Learnt Verbs"))), QStringList({"bere"}));
    ProgressManager::shared().toggleLearnt(bere);
    QVERIFY(!dictionary.verbSetNames().contains(QStringLiteral("Learnt Verbs")));
}

void VerbsTest::randomVerbSkipsSensitiveAndFallsBackToBlank()
{
    {
        VerbFolder folder(document(verbElement(QStringLiteral("morire")) + verbElement(QStringLiteral("amare"))
                                   + verbElement(QStringLiteral("bere"))));
        TestServices services(folder.path());
        QSet<QString> seen;
        for (int i = 0; i < 100; ++i)
            seen.insert(VerbDictionary::shared().randomVerb()->infinitive);
        QCOMPARE(seen, QSet<QString>({"amare", "bere"}));
    }
    for (const QString &verbs : {QString(), verbElement(QStringLiteral("morire"))}) {
        VerbFolder folder(document(verbs));
        TestServices services(folder.path());
        Verb *verb = VerbDictionary::shared().randomVerb();
        QVERIFY(verb);
        QVERIFY(verb->isBlank());
        QCOMPARE(verb->presentForms(), QStringList(6));
    }
}

QTEST_GUILESS_MAIN(VerbsTest)
#include "tst_verbs.moc"
