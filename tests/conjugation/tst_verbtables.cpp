#include "settings/TenseSetting.h"
#include "support/TestServices.h"
#include "verbs/Tense.h"
#include "verbs/Verb.h"
#include "verbs/VerbDictionary.h"

#include <QSet>

#include <QTest>
#include <algorithm>

namespace {

const QStringList allTenses = [] {
    QStringList names;
    for (const Tense &tense : Tense::all())
        names.append(tense.name);
    return names;
}();
const QStringList personCodes{"1PS|SING", "2PS|SING", "3PS|SING", "1PS|PLUR", "2PS|PLUR", "3PS|PLUR"};
const QStringList tableTitles = [] {
    QStringList titles{Tense::participleItalian};
    for (const Tense &tense : Tense::all())
        titles.append(tense.italianName);
    return titles << Tense::imperativeItalian;
}();

const ConjugationPart &rowOf(const QList<Conjugation> &tables, const QString &title, qsizetype row)
{
    const auto table =
        std::find_if(tables.begin(), tables.end(), [&](const Conjugation &t) { return t.title == title; });
    if (table == tables.end() || row >= table->parts.size())
        qFatal("no row %lld of %s", qlonglong(row), qPrintable(title));
    return table->parts.at(row);
}

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

// Every code of the given tense codes, six persons each (one for a tense without persons), or
// only the third person singular.
QStringList codesOf(const QStringList &tenseCodes, bool thirdPersonOnly)
{
    QStringList codes;
    for (const QString &tense : tenseCodes) {
        if (!Tense::withCode(tense)->personal) {
            codes.append(tense);
            continue;
        }
        for (const QString &person : personCodes) {
            if (!thirdPersonOnly || person == u"3PS|SING")
                codes.append(tense + u'|' + person);
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

        QStringList allCodes;
        for (const Tense *tense : Tense::inDrillOrder())
            allCodes.append(tense->code);
        const QStringList fallbacks{"PRES", "IMP", "PASTHIST", "FUT", "COND"};

        QTest::newRow("all off gives the present") << "parlare" << "" << QStringList{} << QStringList{"PRES"} << false;
        QTest::newRow("only the perfect") << "parlare" << "" << QStringList{"Perfect"} << QStringList{"PERF"} << false;
        QTest::newRow("drill order, not switch order") << "parlare" << ""
            << QStringList{"Past Gerund", "Past Subjunctive", "Future", "Pluperfect", "Conditional Perfect", "Present"}
            << QStringList{"PRES", "FUT", "COND|PERF", "PLUP", "SUBJ|IMP", "GER|PAST"} << false;
        QTest::newRow("all on") << "parlare" << "" << allTenses << allCodes << false;
        QTest::newRow("display switches are no tenses")
            << "parlare" << "" << QStringList{"English Names First"} << QStringList{"PRES"} << false;
        QTest::newRow("impersonal, all off") << "piovere" << "" << QStringList{} << fallbacks << true;
        QTest::newRow("impersonal, only the perfect and the past gerund")
            << "piovere" << "" << QStringList{"Perfect", "Past Gerund"} << fallbacks + QStringList{"PERF", "GER|PAST"}
            << true;
        QTest::newRow("treated as impersonal, only the future perfect")
            << "parlare" << "geschehen" << QStringList{"Future Perfect"} << fallbacks + QStringList{"FUT|PERF"}
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
        QCOMPARE(glosses.mid(0, 4), (QStringList{"spoken", " speaks", " was speaking", " spoke"}));
        QCOMPARE(glosses.last(), QStringLiteral("speak!"));
        qsizetype rows = 1 + 5;
        for (const Tense &tense : Tense::all())
            rows += tense.personal ? 6 : 1;
        QCOMPARE(ids.size(), tables.size() + rows);

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
        QCOMPARE(tables.size(), tableTitles.size() - 1);
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
    // The tenses beyond the eleven of the first tables, for a regular, an irregular, a reflexive and
    // an essere verb: the io form (or the one form) and its English, and, where there are persons,
    // the loro form.
    void newTenses_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        const auto rows = [](const char *key, const QStringList &expected) {
            const QStringList tables{"Gerundio presente", "Gerundio passato", "Infinito passato", "Trapassato remoto",
                                     "Congiuntivo passato", "Congiuntivo trapassato"};
            for (qsizetype i = 0; i < tables.size(); ++i) {
                const QStringList pair = expected.at(i).split(u'#');
                QTest::addRow("%s, %s", key, qPrintable(tables.at(i))) << key << tables.at(i) << pair.at(0) << pair.value(1);
            }
        };
        rows("parlare", {"parlando|speaking", "avendo parlato|having spoken", "avere parlato|to have spoken",
                         "ebbi parlato|I had spoken#ebbero parlato|they had spoken",
                         "abbia parlato|(that) I have spoken#abbiano parlato|(that) they have spoken",
                         "avessi parlato|(that) I had spoken#avessero parlato|(that) they had spoken"});
        rows("fare", {"facendo|doing", "avendo fatto|having done", "avere fatto|to have done",
                      "ebbi fatto|I had done#ebbero fatto|they had done",
                      "abbia fatto|(that) I have done#abbiano fatto|(that) they have done",
                      "avessi fatto|(that) I had done#avessero fatto|(that) they had done"});
        rows("alzarsi", {"alzandosi|getting up", "essendosi alzato/a|having got up", "essersi alzato/a|to have got up",
                         "mi fui alzato/a|I had got up#si furono alzati/e|they had got up",
                         "mi sia alzato/a|(that) I have got up#si siano alzati/e|(that) they have got up",
                         "mi fossi alzato/a|(that) I had got up#si fossero alzati/e|(that) they had got up"});
        rows("andare", {"andando|going", "essendo andato/a|having gone", "essere andato/a|to have gone",
                        "fui andato/a|I had gone#furono andati/e|they had gone",
                        "sia andato/a|(that) I have gone#siano andati/e|(that) they have gone",
                        "fossi andato/a|(that) I had gone#fossero andati/e|(that) they had gone"});
    }
    // clang-format on

    void newTenses()
    {
        QFETCH(QString, key);
        QFETCH(QString, table);
        QFETCH(QString, first);
        QFETCH(QString, last);
        TestServices services;
        const QList<Conjugation> tables = fixtureVerb(services, key).conjugationTables();
        const auto text = [&](qsizetype row) -> QString {
            const ConjugationPart &part = rowOf(tables, table, row);
            return part.text + u'|' + part.translation;
        };
        QCOMPARE(text(0), first);
        if (!last.isEmpty())
            QCOMPARE(text(5), last);
        else
            QCOMPARE(rowOf(tables, table, 0).pronoun, QString());

        // Switched on, the tense is drilled with the same forms and English.
        switchOn(services, {Tense::all().at(tableTitles.indexOf(table) - 1).name});
        Verb &verb = fixtureVerb(services, key);
        const Verb::GameParts italian = verb.gameParts(services.verbDictionary().tenseSettings(), false);
        const Verb::GameParts english = verb.gameParts(services.verbDictionary().tenseSettings(), true);
        QCOMPARE(italian.texts.first() + u'|' + english.texts.first(), first);
        QCOMPARE(italian.texts.size(), last.isEmpty() ? 1 : 6);
    }

    // clang-format off
    void rowFields_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("fields"); // pronoun|text|spoken phrase|translation
        QTest::addColumn<bool>("verbFirst"); // imperative layout: verb first, pronoun in the form
        QTest::newRow("participle") << "parlare" << "Participio passato" << 0 << "|parlato|parlato|spoken" << false;
        QTest::newRow("present") << "parlare" << "Presente" << 2 << "lui/lei|parla|parla|he/she speaks" << false;
        QTest::newRow("perfect with essere, singular") << "andare" << "Passato prossimo" << 0 << "io|sono andato/a|sono andato|I have gone" << false;
        QTest::newRow("pluperfect with essere, plural")
            << "andare" << "Trapassato prossimo" << 3 << "noi|eravamo andati/e|eravamo andati|we had gone" << false;
        QTest::newRow("reflexive future perfect")
            << "lavarsi" << "Futuro anteriore" << 2 << "lui/lei|si sarà lavato/a|si sarà lavato|he/she will have washed" << false;
        QTest::newRow("imperative noi") << "parlare" << "Imperativo" << 2 << "|parliamo|parliamo|let's speak!" << true;
        QTest::newRow("imperative loro") << "parlare" << "Imperativo" << 4 << "|parlino|parlino|speak! (formal pl.)" << true;
        QTest::newRow("past gerund of a reflexive verb: no pronoun, one row")
            << "alzarsi" << "Gerundio passato" << 0 << "|essendosi alzato/a|essendosi alzato|having got up" << false;
    }
    // clang-format on

    void rowFields()
    {
        QFETCH(QString, key);
        QFETCH(QString, table);
        QFETCH(int, row);
        QFETCH(QString, fields);
        QFETCH(bool, verbFirst);
        TestServices services;
        const ConjugationPart part = rowOf(fixtureVerb(services, key).conjugationTables(), table, row);
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
