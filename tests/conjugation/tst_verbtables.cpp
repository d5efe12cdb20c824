#include "platform/Console.h"
#include "platform/Random.h"
#include "settings/TenseSetting.h"
#include "support/TestServices.h"
#include "verbs/Verb.h"
#include "verbs/VerbDictionary.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

const QStringList allTenses{"Present", "Imperfect", "Past Historic", "Perfect", "Pluperfect", "Future",
                            "Future Perfect", "Conditional", "Conditional Perfect", "Present Subjunctive",
                            "Past Subjunctive"};
const QStringList personCodes{"1PS|SING", "2PS|SING", "3PS|SING", "1PS|PLUR", "2PS|PLUR", "3PS|PLUR"};
const QStringList tableTitles{"Past Participle",    "Present Tense",     "Imperfect",
                              "Past Historic",      "Perfect Tense",     "Pluperfect Tense",
                              "Future Tense",       "Future Perfect Tense", "Conditional Mood",
                              "Conditional Perfect Tense", "Present Subjunctive", "Past Subjunctive",
                              "Imperative"};

void switchOn(const QStringList &names)
{
    for (TenseSetting *setting : VerbDictionary::shared().tenseSettings())
        setting->setStatus(names.contains(setting->tenseName()));
}

Verb &fixtureVerb(const QString &key)
{
    Verb *verb = VerbDictionary::shared().verbForKey(key);
    if (!verb)
        qFatal("no fixture verb %s", qPrintable(key));
    return *verb;
}

// Every code of the given tense codes, six persons each, or only the third person singular.
QStringList codesOf(const QStringList &tenseCodes, bool thirdPersonOnly)
{
    QStringList codes;
    for (const QString &tense : tenseCodes) {
        for (const QString &person : personCodes) {
            if (!thirdPersonOnly || person == u"3PS|SING")
                codes.append(tense + person);
        }
    }
    return codes;
}

// Lines written to the console while it lives are dropped.
class SilentConsole
{
public:
    SilentConsole() : previous_(Console::setSink([](const QString &) {})) {}
    ~SilentConsole() { Console::setSink(std::move(previous_)); }

private:
    Console::Sink previous_;
};

}

class TestVerbTables : public QObject
{
    Q_OBJECT

private slots:
    void drillCodesFollowTheSwitches_data();
    void drillCodesFollowTheSwitches();
    void perfectItems();
    void impersonalItemsSpeakOfIt();
    void derivedEnglishIsStoredOnFirstUse_data();
    void derivedEnglishIsStoredOnFirstUse();
    void italianDrillResetsTheHeSheSeed();
    void tablesOfAVerb();
    void tablesOfAnImpersonalVerb();
    void tablesIgnoreTheSwitches();
    void rowFields_data();
    void rowFields();
    void glosses_data();
    void glosses();
    void missingParticipleIsDerived();
    void drillItemsPairUpForEveryShippedVerb();
};

void TestVerbTables::drillCodesFollowTheSwitches_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("infinitive"); // replaces the fixture's infinitive when given
    QTest::addColumn<QStringList>("switchedOn");
    QTest::addColumn<QStringList>("tenseCodes");
    QTest::addColumn<bool>("thirdPersonOnly");

    const QStringList allCodes{"PRES|", "IMP|", "PASTHIST|", "FUT|", "COND|", "PERF|", "FUT|PERF|", "COND|PERF|",
                               "PLUP|", "SUBJ|PRES|", "SUBJ|IMP|"};
    const QStringList fallbacks{"PRES|", "IMP|", "PASTHIST|", "FUT|", "COND|"};

    QTest::newRow("all off gives the present") << "parlare" << "" << QStringList{} << QStringList{"PRES|"} << false;
    QTest::newRow("only the present") << "parlare" << "" << QStringList{"Present"} << QStringList{"PRES|"} << false;
    QTest::newRow("only the perfect") << "parlare" << "" << QStringList{"Perfect"} << QStringList{"PERF|"} << false;
    QTest::newRow("drill order, not switch order")
        << "parlare" << ""
        << QStringList{"Past Subjunctive", "Future", "Pluperfect", "Conditional Perfect", "Present"}
        << QStringList{"PRES|", "FUT|", "COND|PERF|", "PLUP|", "SUBJ|IMP|"} << false;
    QTest::newRow("all on") << "parlare" << "" << allTenses << allCodes << false;
    QTest::newRow("impersonal, all off") << "piovere" << "" << QStringList{} << fallbacks << true;
    QTest::newRow("impersonal, only the perfect")
        << "piovere" << "" << QStringList{"Perfect"} << fallbacks + QStringList{"PERF|"} << true;
    QTest::newRow("impersonal, all on") << "piovere" << "" << allTenses << allCodes << true;
    QTest::newRow("treated as impersonal, only the future perfect")
        << "parlare" << "geschehen" << QStringList{"Future Perfect"} << fallbacks + QStringList{"FUT|PERF|"}
        << true;
}

void TestVerbTables::drillCodesFollowTheSwitches()
{
    QFETCH(QString, key);
    QFETCH(QString, infinitive);
    QFETCH(QStringList, switchedOn);
    QFETCH(QStringList, tenseCodes);
    QFETCH(bool, thirdPersonOnly);

    TestServices services;
    Verb &verb = fixtureVerb(key);
    if (!infinitive.isEmpty())
        verb.infinitive = infinitive;
    switchOn(switchedOn);

    const Verb::GameParts italian = verb.gameParts(false);
    const Verb::GameParts english = verb.gameParts(true);
    QCOMPARE(italian.codes, codesOf(tenseCodes, thirdPersonOnly));
    QCOMPARE(english.codes, italian.codes);
    QCOMPARE(italian.texts.size(), italian.codes.size());
    QCOMPARE(english.texts.size(), italian.codes.size());
}

void TestVerbTables::perfectItems()
{
    TestServices services;
    switchOn({"Perfect"});
    Verb &verb = fixtureVerb(QStringLiteral("parlare"));
    const Verb::GameParts italian = verb.gameParts(false);
    const Verb::GameParts english = verb.gameParts(true);
    QCOMPARE(italian.texts, (QStringList{"ho parlato", "hai parlato", "ha parlato", "abbiamo parlato",
                                         "avete parlato", "hanno parlato"}));
    QCOMPARE(english.texts, (QStringList{"I have spoken", "you (sng.) have spoken", "he/she has spoken",
                                         "we have spoken", "you (pl.) have spoken", "they have spoken"}));
    QCOMPARE(english.codes.first(), QStringLiteral("PERF|1PS|SING"));
    QCOMPARE(english.codes.last(), QStringLiteral("PERF|3PS|PLUR"));
}

void TestVerbTables::impersonalItemsSpeakOfIt()
{
    TestServices services;
    switchOn({"Perfect"});
    Verb &verb = fixtureVerb(QStringLiteral("piovere"));
    verb.presentTense[2] = QStringLiteral("lui/lei piove");
    const Verb::GameParts italian = verb.gameParts(false);
    const Verb::GameParts english = verb.gameParts(true);
    QCOMPARE(italian.texts, (QStringList{" piove", "pioveva", "piovve", "pioverà", "pioverebbe", "è piovuto"}));
    QCOMPARE(english.texts, (QStringList{"it rains", "it was raining", "it rained", "it will rain",
                                         "it would rain", "it has rained"}));
    for (const QString &code : english.codes)
        QVERIFY2(code.endsWith(u"|3PS|SING"), qPrintable(code));
}

void TestVerbTables::derivedEnglishIsStoredOnFirstUse_data()
{
    QTest::addColumn<bool>("tables");
    QTest::addColumn<QString>("givenParticiple");
    QTest::addColumn<QString>("simplePast");
    QTest::addColumn<QString>("participle");
    QTest::newRow("drill items, nothing given") << false << "" << "worked" << "worked";
    QTest::newRow("tables, nothing given") << true << "" << "worked" << "worked";
    QTest::newRow("drill items, participle given") << false << "wrought" << "worked" << "wrought";
    QTest::newRow("tables, participle given") << true << "wrought" << "worked" << "wrought";
}

void TestVerbTables::derivedEnglishIsStoredOnFirstUse()
{
    QFETCH(bool, tables);
    QFETCH(QString, givenParticiple);
    QFETCH(QString, simplePast);
    QFETCH(QString, participle);

    TestServices services;
    // Only the present is on: the English past is derived all the same.
    Verb &verb = fixtureVerb(QStringLiteral("lavorare"));
    verb.englishPastParticiple = givenParticiple;
    ConsoleCapture console;
    for (int call = 0; call < 2; ++call) {
        if (tables)
            (void)verb.conjugationTables();
        else
            (void)verb.gameParts(false);
    }
    QCOMPARE(verb.englishSimplePast, simplePast);
    QCOMPARE(verb.englishPastParticiple, participle);
    QCOMPARE(console.count(QStringLiteral("English >> Creating simple past from infinitive: work")), 1);
}

void TestVerbTables::italianDrillResetsTheHeSheSeed()
{
    TestServices services;
    Verb &verb = fixtureVerb(QStringLiteral("parlare"));
    verb.heSheSeed = HeSheSeedStatus::she;
    (void)verb.gameParts(true);
    QCOMPARE(verb.heSheSeed, HeSheSeedStatus::she);
    (void)verb.gameParts(false);
    QCOMPARE(verb.heSheSeed, HeSheSeedStatus::unset);
}

void TestVerbTables::tablesOfAVerb()
{
    TestServices services;
    Verb &verb = fixtureVerb(QStringLiteral("parlare"));
    const QList<Conjugation> tables = verb.conjugationTables();
    QStringList titles;
    QSet<QUuid> ids;
    for (const Conjugation &table : tables) {
        titles.append(table.title);
        ids.insert(table.id);
        QCOMPARE(table.parts.size(), table.title == u"Past Participle" ? 1 : table.title == u"Imperative" ? 5 : 6);
        for (const ConjugationPart &row : table.parts)
            ids.insert(row.id);
    }
    QCOMPARE(titles, tableTitles);
    QCOMPARE(ids.size(), 13 + 1 + 11 * 6 + 5);

    QCOMPARE(tables.at(1).parts.at(0).pronoun, QStringLiteral("io"));
    QCOMPARE(tables.at(1).parts.at(0).text, QStringLiteral("parlo"));
    QCOMPARE(tables.at(1).parts.at(0).translation, QStringLiteral("I speak"));
    QCOMPARE(tables.at(3).parts.at(4).translation, QStringLiteral("you (pl.) spoke"));
    QCOMPARE(tables.at(5).parts.at(3).text, QStringLiteral("avevamo parlato"));
    QCOMPARE(tables.at(5).parts.at(3).translation, QStringLiteral("we had spoken"));
    QCOMPARE(tables.at(12).parts.at(0).text, QStringLiteral("parla"));
    QCOMPARE(tables.at(12).parts.at(0).translation, QStringLiteral("speak!"));

    // Every call builds new tables.
    QVERIFY(verb.conjugationTables().first().id != tables.first().id);
}

void TestVerbTables::tablesOfAnImpersonalVerb()
{
    TestServices services;
    Verb &verb = fixtureVerb(QStringLiteral("piovere"));
    const QList<Conjugation> tables = verb.conjugationTables();
    QCOMPARE(tables.size(), 12);
    QCOMPARE(tables.first().parts.size(), 1);
    QCOMPARE(tables.first().parts.first().text, QStringLiteral("piovuto"));
    for (qsizetype i = 1; i < tables.size(); ++i) {
        QCOMPARE(tables.at(i).title, tableTitles.at(i));
        QCOMPARE(tables.at(i).parts.size(), 1);
        QCOMPARE(tables.at(i).parts.first().pronoun, QString());
    }
    QCOMPARE(tables.at(1).parts.first().text, QStringLiteral("piove"));
    QCOMPARE(tables.at(1).parts.first().translation, QStringLiteral("it rains"));
    QCOMPARE(tables.at(1).gloss, QStringLiteral(" rains"));
    QCOMPARE(tables.at(4).parts.first().text, QStringLiteral("è piovuto"));
    QCOMPARE(tables.at(4).parts.first().ttsPhrase, QStringLiteral("è piovuto"));
}

void TestVerbTables::tablesIgnoreTheSwitches()
{
    TestServices services;
    Verb &verb = fixtureVerb(QStringLiteral("andare"));
    auto texts = [&verb] {
        QStringList all;
        for (const Conjugation &table : verb.conjugationTables()) {
            for (const ConjugationPart &row : table.parts)
                all << table.title << row.text << row.translation;
        }
        return all;
    };
    switchOn({});
    const QStringList allOff = texts();
    switchOn(allTenses);
    QCOMPARE(texts(), allOff);
}

void TestVerbTables::rowFields_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("pronoun");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("ttsPhrase");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<bool>("verbFirst"); // imperative layout: verb first, pronoun in the form

    QTest::newRow("participle") << "parlare" << 0 << 0 << "" << "parlato" << "parlato" << "spoken" << false;
    QTest::newRow("present") << "parlare" << 1 << 2 << "lui/lei" << "parla" << "parla" << "he/she speaks" << false;
    QTest::newRow("future") << "parlare" << 6 << 5 << "loro" << "parleranno" << "parleranno"
                            << "they will speak" << false;
    QTest::newRow("perfect with essere, singular")
        << "andare" << 4 << 0 << "io" << "sono andato/a" << "sono andato" << "I have gone" << false;
    QTest::newRow("pluperfect with essere, plural")
        << "andare" << 5 << 3 << "noi" << "eravamo andati/e" << "eravamo andati" << "we had gone" << false;
    QTest::newRow("reflexive future perfect") << "lavarsi" << 7 << 2 << "lui/lei" << "si sarà lavato/a"
                                              << "si sarà lavato" << "he/she will have washed" << false;
    QTest::newRow("reflexive conditional perfect")
        << "lavarsi" << 9 << 5 << "loro" << "si sarebbero lavati/e" << "si sarebbero lavati"
        << "they would have washed" << false;
    QTest::newRow("perfect with avere") << "parlare" << 4 << 1 << "tu" << "hai parlato" << "hai parlato"
                                        << "you (sng.) have spoken" << false;
    QTest::newRow("imperative noi") << "parlare" << 12 << 2 << "" << "parliamo" << "parliamo" << "let's speak!" << true;
    QTest::newRow("imperative loro") << "parlare" << 12 << 4 << "" << "parlino" << "parlino"
                                     << "speak! (formal pl.)" << true;
}

void TestVerbTables::rowFields()
{
    QFETCH(QString, key);
    QFETCH(int, table);
    QFETCH(int, row);
    QFETCH(QString, pronoun);
    QFETCH(QString, text);
    QFETCH(QString, ttsPhrase);
    QFETCH(QString, translation);
    QFETCH(bool, verbFirst);

    TestServices services;
    const ConjugationPart part = fixtureVerb(key).conjugationTables().at(table).parts.at(row);
    QCOMPARE(part.pronoun, pronoun);
    QCOMPARE(part.text, text);
    QCOMPARE(part.ttsPhrase, ttsPhrase);
    QCOMPARE(part.translation, translation);
    QCOMPARE(part.locale, QStringLiteral("it-IT"));
    QCOMPARE(part.isVerbFirst, verbFirst);
    QCOMPARE(part.pronounNeeded, !verbFirst);
    QCOMPARE(part.pronounIncorporated, verbFirst);
    QVERIFY(part.ttsEnabled);
}

void TestVerbTables::glosses_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("glosses");
    QTest::newRow("parlare") << "parlare"
                             << QStringList{"spoken",          " speaks",     " was speaking",      " spoke",
                                            " has spoken",     " had spoken", " will speak",        " will have spoken",
                                            " would speak",    " would have spoken", " may speak",  " might speak",
                                            "speak!"};
    QTest::newRow("a bar phrase") << "alzarsi"
                                  << QStringList{"got up",     " gets up",     " was getting up", " got up",
                                                 " has got up", " had got up", " will get up",    " will have got up",
                                                 " would get up", " would have got up", " may get up", " might get up",
                                                 "get up!"};
    QTest::newRow("be") << "essere"
                        << QStringList{"been",        " is",          " was",    " was",     " has been",
                                       " had been",   " will be",     " will have been", " would be",
                                       " would have been", " may be", " might be", "be!"};
}

void TestVerbTables::glosses()
{
    QFETCH(QString, key);
    QFETCH(QStringList, glosses);
    TestServices services;
    QStringList built;
    for (const Conjugation &table : fixtureVerb(key).conjugationTables())
        built.append(table.gloss);
    QCOMPARE(built, glosses);
}

void TestVerbTables::missingParticipleIsDerived()
{
    TestServices services;
    Verb verb;
    verb.infinitive = QStringLiteral("machen");
    verb.englishInfinitive = QStringLiteral("make");
    const QList<Conjugation> tables = verb.conjugationTables();
    QCOMPARE(verb.pastParticiple, QStringLiteral("gemacht"));
    QCOMPARE(tables.first().parts.first().text, QStringLiteral("gemacht"));
    QCOMPARE(tables.first().parts.first().translation, QStringLiteral("maked"));
    QCOMPARE(tables.at(4).parts.at(2).text, QStringLiteral("ha gemacht"));
}

void TestVerbTables::drillItemsPairUpForEveryShippedVerb()
{
    TestServices::Options options;
    options.resourceRoot = QStringLiteral(FLEXIO_SOURCE_DIR "/resources");
    TestServices services(options);
    const SilentConsole quiet;
    VerbDictionary &dictionary = VerbDictionary::shared();
    QVERIFY(dictionary.loaded());
    QVERIFY(dictionary.verbCount() > 0);

    static const QRegularExpression codePattern(QStringLiteral(
        R"(^(PRES|IMP|PASTHIST|FUT|COND|PERF|FUT\|PERF|COND\|PERF|PLUP|SUBJ\|PRES|SUBJ\|IMP)\|[123]PS\|(SING|PLUR)$)"));
    const QStringList fallbackTenses{"Present", "Imperfect", "Past Historic", "Future", "Conditional"};
    Random &random = services.services().random();

    for (int combination = 0; combination < 50; ++combination) {
        QStringList on;
        for (const QString &tense : allTenses) {
            if (random.chance(1, 2))
                on.append(tense);
        }
        switchOn(on);
        QCOMPARE(dictionary.enabledTenseCount(), on.size());
        const qsizetype personalCount = 6 * std::max<qsizetype>(1, on.size());
        qsizetype impersonalCount = fallbackTenses.size();
        for (const QString &tense : on)
            impersonalCount += fallbackTenses.contains(tense) ? 0 : 1;

        for (Verb *verb : dictionary.verbs()) {
            const QByteArray where = verb->key.toUtf8() + " with " + on.join(u',').toUtf8();
            const Verb::GameParts italian = verb->gameParts(false);
            const Verb::GameParts english = verb->gameParts(true);
            QVERIFY2(italian.codes == english.codes, where.constData());
            QVERIFY2(italian.texts.size() == italian.codes.size(), where.constData());
            QVERIFY2(english.texts.size() == english.codes.size(), where.constData());
            QVERIFY2(italian.codes.size() == (verb->isImpersonalLike() ? impersonalCount : personalCount),
                     where.constData());
            for (qsizetype i = 0; i < italian.codes.size(); ++i) {
                const QByteArray item = where + " item " + QByteArray::number(i) + ": " + italian.codes.at(i).toUtf8()
                                        + " / " + italian.texts.at(i).toUtf8() + " / " + english.texts.at(i).toUtf8();
                QVERIFY2(codePattern.match(italian.codes.at(i)).hasMatch(), item.constData());
                QVERIFY2(!italian.texts.at(i).trimmed().isEmpty(), item.constData());
                QVERIFY2(!english.texts.at(i).trimmed().isEmpty(), item.constData());
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestVerbTables)
#include "tst_verbtables.moc"
