#include "verbs/English.h"

#include <QTest>

#include <array>
#include <map>

namespace {

const QStringList pronouns{"I", "you (sng.)", "he/she", "we", "you (pl.)", "they"};

using Rendering = QStringList (*)(const QString &, const QStringList &);
const std::map<QString, Rendering> renderingsByName{
    {"present", &English::presentRenderings},
    {"imperfect", &English::imperfectRenderings},
    {"pastHistoric", &English::pastHistoricRenderings},
    {"future", &English::futureRenderings},
    {"conditional", &English::conditionalRenderings},
    {"perfect", &English::perfectRenderings},
    {"futurePerfect", &English::futurePerfectRenderings},
    {"conditionalPerfect",
        [](const QString &participle, const QStringList &p) {
            return English::conditionalPerfectRenderings(QStringLiteral("speak"), participle, p);
        }},
    {"modalConditionalPerfect",
        [](const QString &infinitive, const QStringList &p) {
            return English::conditionalPerfectRenderings(infinitive, QStringLiteral("x"), p);
        }},
    {"presentSubjunctive", &English::presentSubjunctiveRenderings},
    {"pastSubjunctive", &English::pastSubjunctiveRenderings},
};

}

class TestEnglish : public QObject
{
    Q_OBJECT

private slots:
    // The three derived words: third person present ("s"), simple past ("ed") and -ing form ("ing").
    // clang-format off
    void words_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("infinitive");
        QTest::addColumn<QString>("word");
        const QList<std::array<const char *, 3>> rows{
            {"s", "make", "he/she makes"},   {"s", "study", "he/she studies"}, {"s", "play", "he/she plays"},
            {"s", "go", "he/she goes"},      {"s", "fix", "he/she fixes"},     {"s", "wash", "he/she washes"},
            {"s", "pass", "he/she passes"},  {"s", "watch", "he/she watches"}, {"s", "have", "he/she has"},
            {"s", "can", "he/she can"},      {"s", "must", "he/she must"},     {"s", "look| at", "he/she looks at"},
            {"ed", "stop", "stopped"},       {"ed", "open", "opened"},         {"ed", "travel", "travelled"},
            {"ed", "beat", "beated"},        {"ed", "play", "played"},         {"ed", "try", "tried"},
            {"ed", "bake", "baked"},         {"ed", "prefer", "preferred"},    {"ed", "ax", "axed"},
            {"ed", "be late", "was late"},   {"ed", "can", "could"},           {"ed", "must", "had to"},
            {"ed", "get| up", "got up"},     {"ed", "go| out", "went out"},    {"ed", "become", "became"},
            {"ed", "look| at", "looked at"}, {"ing", "run", "running"},        {"ing", "make", "making"},
            {"ing", "die", "dying"},         {"ing", "see", "seeing"},         {"ing", "agree", "agreeing"},
            {"ing", "listen", "listening"},  {"ing", "sharpen", "sharpening"}, {"ing", "travel", "travelling"},
            {"ing", "occur", "occurring"},   {"ing", "look| at", "looking at"}, {"ing", "can", "able to"},
            {"ing", "must", "obliged to"},   {"ing", "be", ""},                {"ing", "be late", "late"},
            {"ing", "be born", "being born"},
        };
        for (const auto &[form, infinitive, word] : rows)
            QTest::addRow("%s %s", form, infinitive) << form << infinitive << word;
    }
    // clang-format on

    void words()
    {
        QFETCH(QString, form);
        QFETCH(QString, infinitive);
        QFETCH(QString, word);
        if (form == u"s") {
            const QStringList present = English::presentRenderings(infinitive, pronouns);
            QCOMPARE(present.size(), 6);
            QCOMPARE(present.at(2), word);
        } else {
            QCOMPARE(form == u"ed" ? English::simplePast(infinitive) : English::ingForm(infinitive), word);
        }
    }

    // The six renderings after their pronouns (or with the pronoun in place of "%"), separated by
    // "/"; one text stands for all six.
    // clang-format off
    void renderings_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("expected");
        const QList<std::array<const char *, 3>> rows{
            {"present", "be late", "am late/are late/is late/are late/are late/are late"},
            {"present", "have", "have/have/has/have/have/have"}, {"imperfect", "be", "was/were/was/were/were/were"},
            {"imperfect", "run", "was running/were running/was running/were running/were running/were running"},
            {"imperfect", "can", "was able to/were able to/was able to/were able to/were able to/were able to"},
            {"imperfect", "must", "had to"},
            {"pastHistoric", "was late", "was late/were late/was late/were late/were late/were late"},
            {"pastHistoric", "spoke", "spoke"}, {"future", "can", "will be able to"}, {"future", "must", "will have to"},
            {"future", "should", "will be supposed to"}, {"future", "look| at", "will look at"},
            {"conditional", "must", "should"}, {"conditional", "can", "could"},
            {"conditional", "want", "would like"}, {"conditional", "look| at", "would look at"},
            {"modalConditionalPerfect", "must", "should have"}, {"modalConditionalPerfect", "can", "could have"},
            {"modalConditionalPerfect", "want", "would have liked"},
            {"perfect", "spoken", "have spoken/have spoken/has spoken/have spoken/have spoken/have spoken"},
            {"futurePerfect", "spoken", "will have spoken"}, {"conditionalPerfect", "spoken", "would have spoken"},
            {"presentSubjunctive", "look| at", "(that) % look at/(that) % look at/(that) % looks at/(that) % look at/"
                "(that) % look at/(that) % look at"},
            {"presentSubjunctive", "be", "(that) % am/(that) % are/(that) % is/(that) % are/(that) % are/(that) % are"},
            {"pastSubjunctive", "was", "(that) % was/(that) % were/(that) % was/(that) % were/(that) % were/(that) % were"},
            {"pastSubjunctive", "could", "(that) % could"},
        };
        for (const auto &[name, argument, expected] : rows)
            QTest::addRow("%s %s", name, argument) << name << argument << expected;
    }
    // clang-format on

    void renderings()
    {
        QFETCH(QString, name);
        QFETCH(QString, argument);
        QFETCH(QString, expected);
        QStringList parts = expected.split(u'/');
        if (parts.size() == 1)
            parts = QStringList(6, expected);
        QStringList withPronouns;
        for (int slot = 0; slot < 6; ++slot) {
            QString part = parts.at(slot);
            withPronouns.append(
                part.contains(u'%') ? part.replace(u'%', pronouns.at(slot)) : pronouns.at(slot) + u' ' + part);
        }
        QCOMPARE(renderingsByName.at(name)(argument, pronouns), withPronouns);
    }

    // clang-format off
    void oddInfinitivesStillRender_data()
    {
        // Rules that look at the last letters of the head must cope with short and empty heads.
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("argument");
        for (const auto &entry : renderingsByName) {
            for (const char *odd : {"", "y", "e", "|", "be ", "a|b|c"})
                QTest::addRow("%s of '%s'", qPrintable(entry.first), odd) << entry.first << QString::fromUtf8(odd);
        }
    }
    // clang-format on

    void oddInfinitivesStillRender()
    {
        QFETCH(QString, name);
        QFETCH(QString, argument);
        (void)English::simplePast(argument);
        (void)English::ingForm(argument);
        const QStringList withPronouns = renderingsByName.at(name)(argument, pronouns);
        QCOMPARE(withPronouns.size(), 6);
        for (int slot = 0; slot < 6; ++slot)
            QVERIFY2(withPronouns.at(slot).contains(pronouns.at(slot)), qPrintable(withPronouns.at(slot)));
    }
};

QTEST_GUILESS_MAIN(TestEnglish)
#include "tst_english.moc"
