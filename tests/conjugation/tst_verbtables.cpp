#include "settings/TenseSetting.h"
#include "support/TestServices.h"
#include "verbs/Tense.h"
#include "verbs/Verb.h"
#include "verbs/VerbDictionary.h"

#include <QSet>
#include <QTest>

namespace {

const QStringList allTenses = [] {
    QStringList names;
    for (const Tense &tense : Tense::all())
        names.append(tense.name);
    return names;
}();
const QStringList personCodes{"1PS|SING", "2PS|SING", "3PS|SING", "1PS|PLUR", "2PS|PLUR", "3PS|PLUR"};
const QStringList tableTitles{"Past Participle", "Present Tense", "Imperfect", "Past Historic", "Perfect Tense",
    "Pluperfect Tense", "Future Tense", "Future Perfect Tense", "Conditional Mood", "Conditional Perfect Tense",
    "Present Subjunctive", "Past Subjunctive", "Imperative"};

void switchOn(TestServices &services, const QStringList &names)
{
    for (TenseSetting *setting : services.verbDictionary().tenseSettings())
        setting->setStatus(names.contains(setting->tenseName()));
}

Verb &fixtureVerb(TestServices &services, const QString &key)
{
    Verb *verb = services.verbDictionary().verbForKey(key);
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

}

class TestVerbTables : public QObject
{
    Q_OBJECT

private slots:
    // clang-format off
    void drillCodesFollowTheSwitches_data()
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
        QTest::newRow("only the perfect") << "parlare" << "" << QStringList{"Perfect"} << QStringList{"PERF|"} << false;
        QTest::newRow("drill order, not switch order") << "parlare" << ""
            << QStringList{"Past Subjunctive", "Future", "Pluperfect", "Conditional Perfect", "Present"}
            << QStringList{"PRES|", "FUT|", "COND|PERF|", "PLUP|", "SUBJ|IMP|"} << false;
        QTest::newRow("all on") << "parlare" << "" << allTenses << allCodes << false;
        QTest::newRow("impersonal, all off") << "piovere" << "" << QStringList{} << fallbacks << true;
        QTest::newRow("impersonal, only the perfect")
            << "piovere" << "" << QStringList{"Perfect"} << fallbacks + QStringList{"PERF|"} << true;
        QTest::newRow("treated as impersonal, only the future perfect")
            << "parlare" << "geschehen" << QStringList{"Future Perfect"} << fallbacks + QStringList{"FUT|PERF|"}
            << true;
    }
    // clang-format on

    void drillCodesFollowTheSwitches()
    {
        QFETCH(QString, key);
        QFETCH(QString, infinitive);
        QFETCH(QStringList, switchedOn);
        QFETCH(QStringList, tenseCodes);
        QFETCH(bool, thirdPersonOnly);

        TestServices services;
        Verb &verb = fixtureVerb(services, key);
        if (!infinitive.isEmpty())
            verb.infinitive = infinitive;
        switchOn(services, switchedOn);

        const Verb::GameParts italian = verb.gameParts(services.verbDictionary().tenseSettings(), false);
        const Verb::GameParts english = verb.gameParts(services.verbDictionary().tenseSettings(), true);
        QCOMPARE(italian.codes, codesOf(tenseCodes, thirdPersonOnly));
        QCOMPARE(english.codes, italian.codes);
        QCOMPARE(italian.texts.size(), italian.codes.size());
        QCOMPARE(english.texts.size(), italian.codes.size());
    }

    // The tables show every tense whatever the drill switches say.
    void tablesOfAVerb()
    {
        TestServices services;
        Verb &verb = fixtureVerb(services, QStringLiteral("parlare"));
        switchOn(services, {});
        const QList<Conjugation> tables = verb.conjugationTables();
        QStringList titles, glosses, texts;
        QSet<QUuid> ids;
        for (const Conjugation &table : tables) {
            titles.append(table.title);
            glosses.append(table.gloss);
            ids.insert(table.id);
            for (const ConjugationPart &row : table.parts) {
                ids.insert(row.id);
                texts << row.text << row.translation;
            }
        }
        switchOn(services, allTenses);
        QStringList allOn;
        for (const Conjugation &table : verb.conjugationTables()) {
            for (const ConjugationPart &row : table.parts)
                allOn << row.text << row.translation;
        }
        QCOMPARE(allOn, texts);
        QCOMPARE(titles, tableTitles);
        // The subjunctives' glosses go on to say when Italian uses them.
        for (QString &gloss : glosses) {
            const qsizetype usage = gloss.indexOf(u" \u2014 after che ");
            if (gloss.startsWith(u"(that)") && usage > 0)
                gloss.truncate(usage);
        }
        QCOMPARE(glosses,
            (QStringList{"spoken", " speaks", " was speaking", " spoke", " has spoken", " had spoken", " will speak",
                " will have spoken", " would speak", " would have spoken", "(that) speaks", "(that) spoke", "speak!"}));
        QCOMPARE(ids.size(), 13 + 1 + 11 * 6 + 5);

        // Every call builds new tables.
        QVERIFY(verb.conjugationTables().first().id != tables.first().id);
    }

    // An impersonal verb speaks of "it", in its tables and in its drill items.
    void impersonalVerb()
    {
        TestServices services;
        switchOn(services, {"Perfect"});
        Verb &verb = fixtureVerb(services, QStringLiteral("piovere"));
        const QList<Conjugation> tables = verb.conjugationTables();
        QCOMPARE(tables.size(), 12);
        QCOMPARE(tables.first().parts.first().text, QStringLiteral("piovuto"));
        QCOMPARE(tables.at(1).parts.first().text, QStringLiteral("piove"));
        QCOMPARE(tables.at(1).parts.first().translation, QStringLiteral("it rains"));
        QCOMPARE(tables.at(1).gloss, QStringLiteral(" rains"));
        QCOMPARE(tables.at(4).parts.first().text, QStringLiteral("è piovuto"));
        QCOMPARE(tables.at(4).parts.first().ttsPhrase, QStringLiteral("è piovuto"));

        verb.presentTense[2] = QStringLiteral("lui/lei piove");
        QCOMPARE(verb.gameParts(services.verbDictionary().tenseSettings(), false).texts,
            (QStringList{" piove", "pioveva", "piovve", "pioverà", "pioverebbe", "è piovuto"}));
        QCOMPARE(verb.gameParts(services.verbDictionary().tenseSettings(), true).texts,
            (QStringList{"it rains", "it was raining", "it rained", "it will rain", "it would rain", "it has rained"}));
    }

    // clang-format off
    void rowFields_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("fields"); // pronoun|text|spoken phrase|translation
        QTest::addColumn<bool>("verbFirst"); // imperative layout: verb first, pronoun in the form
        QTest::newRow("participle") << "parlare" << 0 << 0 << "|parlato|parlato|spoken" << false;
        QTest::newRow("present") << "parlare" << 1 << 2 << "lui/lei|parla|parla|he/she speaks" << false;
        QTest::newRow("perfect with essere, singular") << "andare" << 4 << 0 << "io|sono andato/a|sono andato|I have gone" << false;
        QTest::newRow("pluperfect with essere, plural")
            << "andare" << 5 << 3 << "noi|eravamo andati/e|eravamo andati|we had gone" << false;
        QTest::newRow("reflexive future perfect")
            << "lavarsi" << 7 << 2 << "lui/lei|si sarà lavato/a|si sarà lavato|he/she will have washed" << false;
        QTest::newRow("imperative noi") << "parlare" << 12 << 2 << "|parliamo|parliamo|let's speak!" << true;
        QTest::newRow("imperative loro") << "parlare" << 12 << 4 << "|parlino|parlino|speak! (formal pl.)" << true;
    }
    // clang-format on

    void rowFields()
    {
        QFETCH(QString, key);
        QFETCH(int, table);
        QFETCH(int, row);
        QFETCH(QString, fields);
        QFETCH(bool, verbFirst);
        TestServices services;
        const ConjugationPart part = fixtureVerb(services, key).conjugationTables().at(table).parts.at(row);
        QCOMPARE(QStringList({part.pronoun, part.text, part.ttsPhrase, part.translation}).join(u'|'), fields);
        QCOMPARE(part.locale, QStringLiteral("it-IT"));
        QCOMPARE(part.isVerbFirst, verbFirst);
        QCOMPARE(part.pronounNeeded, !verbFirst);
        QCOMPARE(part.pronounIncorporated, verbFirst);
        QVERIFY(part.ttsEnabled);
    }
};

QTEST_GUILESS_MAIN(TestVerbTables)
#include "tst_verbtables.moc"
