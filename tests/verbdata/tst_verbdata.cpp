#include "progress/DrilledForm.h"
#include "settings/TenseSetting.h"
#include "support/TestServices.h"
#include "verbs/DrillCode.h"
#include "verbs/English.h"
#include "verbs/Tense.h"
#include "verbs/Verb.h"
#include "verbs/VerbDictionary.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <memory>

// What the app builds from every shipped verb. The file's own rules (structure, keys, tags,
// Italian forms, stored English forms) are checked by tools/verbdata/check.py.
namespace {

struct IrregularForms
{
    QString past;
    QString participle;
};

QHash<QString, IrregularForms> readIrregularEnglish()
{
    QHash<QString, IrregularForms> table;
    QFile file(QFINDTESTDATA("irregular_english.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("irregular_english.txt cannot be read");
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        if (fields.size() == 3 && !line.startsWith(u'#'))
            table.insert(fields.at(0), {fields.at(1), fields.at(2)});
    }
    return table;
}

// A text a learner sees: something there, no stray blanks or bar marks.
QString textFault(const QString &text)
{
    if (text.trimmed().isEmpty())
        return QStringLiteral("empty");
    if (text.contains(u'|'))
        return QStringLiteral("holds a bar");
    if (text.contains(QStringLiteral("  ")))
        return QStringLiteral("holds a double blank");
    return {};
}

}

class TestVerbData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestServices::Options options;
        options.resourceRoot = QStringLiteral(FLEXIO_SOURCE_DIR "/resources");
        services_ = std::make_unique<TestServices>(options);
        QVERIFY2(services_->verbDictionary().loaded(), qPrintable(services_->verbDictionary().loadError()));
        for (TenseSetting *setting : services_->verbDictionary().tenseSettings())
            setting->setStatus(true);
        irregular_ = readIrregularEnglish();
        QVERIFY(irregular_.size() > 100);
    }

    void cleanupTestCase() { services_.reset(); }

    // clang-format off
    void renderings_data()
    {
        QTest::addColumn<int>("index");
        const QList<Verb *> &verbs = services_->verbDictionary().verbs();
        for (int i = 0; i < verbs.size(); ++i)
            QTest::newRow(verbs.at(i)->key.toUtf8().constData()) << i;
    }
    // clang-format on

    // Every text a learner sees is there and clean, and irregular heads keep their own forms. Commands
    // in the imperative, "it" for impersonal verbs, the simple past for verbs of state, in the tables
    // and in the drill items alike.
    void renderings()
    {
        QFETCH(int, index);
        Verb &v = *services_->verbDictionary().verbs().at(index);
        static const QRegularExpression sentence(
            QStringLiteral("^(I|you \\(sng\\.\\)|he/she|we|you \\(pl\\.\\)|they) "));
        static const QRegularExpression progressive(QStringLiteral("\\b(was|were) \\w+ing\\b"));
        QHash<QString, QStringList> byTense;
        const QList<Conjugation> tables = v.conjugationTables();
        QCOMPARE(tables.size(), Tense::all().size() + 1 + (v.isImpersonalLike() || !v.hasImperative() ? 0 : 1));
        for (const Conjugation &table : tables) {
            QVERIFY2(textFault(table.gloss).isEmpty(), qPrintable(table.title + u" gloss \"" + table.gloss + u'"'));
            byTense[QStringLiteral("glosses")].append(table.gloss);
            QCOMPARE(table.parts.size(),
                table.code == u"IMPER"                                                                      ? 5
                    : table.code == u"PART" || v.isImpersonalLike() || !DrilledForm::hasPersons(table.code) ? 1
                                                                                                            : 6);
            for (const ConjugationPart &part : table.parts) {
                const QByteArray where = (table.title + u": \"" + part.text + u"\" / \"" + part.ttsPhrase + u"\" / \""
                    + part.translation + u'"')
                                             .toUtf8();
                QVERIFY2(textFault(part.text).isEmpty(), where.constData());
                QVERIFY2(textFault(part.ttsPhrase).isEmpty(), where.constData());
                QVERIFY2(textFault(part.translation).isEmpty(), where.constData());
                byTense[table.title].append(part.translation);
                const bool command = !sentence.match(part.translation).hasMatch() && part.translation.contains(u'!');
                QVERIFY2(table.code != u"IMPER" || (command && part.ttsPhrase == part.text), where.constData());
                QVERIFY2(!v.isImpersonalLike()
                        || (part.pronoun.isEmpty() && !part.translation.contains(u"he/she")
                            && !part.text.contains(u'/')),
                    where.constData());
            }
        }

        const Verb::GameParts italian = v.gameParts(services_->verbDictionary().tenseSettings(), false);
        const Verb::GameParts english = v.gameParts(services_->verbDictionary().tenseSettings(), true);
        qsizetype items = 0;
        for (const Tense &tense : Tense::all())
            items += tense.personal && !v.isImpersonalLike() ? 6 : 1;
        QCOMPARE(italian.codes.size(), items);
        QCOMPARE(english.codes, italian.codes);
        // A prompt with two right answers cannot be played: every English item is its own.
        QCOMPARE(QSet<QString>(english.texts.begin(), english.texts.end()).size(), english.texts.size());
        for (qsizetype i = 0; i < italian.texts.size(); ++i) {
            const QString where =
                italian.codes.at(i) + u": \"" + italian.texts.at(i) + u"\" / \"" + english.texts.at(i) + u'"';
            QVERIFY2(textFault(italian.texts.at(i)).isEmpty(), qPrintable(where));
            QVERIFY2(textFault(english.texts.at(i)).isEmpty(), qPrintable(where));
            QVERIFY2(!v.isImpersonalLike() || !italian.texts.at(i).contains(u'/'), qPrintable(where));
            byTense[DrillCode::parse(english.codes.at(i))->tense].append(english.texts.at(i));
        }

        // An irregular head never shows the -ed form the rules would make up for it, as a whole word.
        const QString head = English::splitInfinitive(v.englishInfinitive).at(0);
        const auto found = irregular_.constFind(head);
        const QString madeUp = English::simplePast(head);
        if (found != irregular_.constEnd() && madeUp != found->past && madeUp != found->participle) {
            const QRegularExpression word(u"\\b" + QRegularExpression::escape(madeUp) + u"\\b");
            for (const QStringList &texts : std::as_const(byTense)) {
                for (const QString &text : texts)
                    QVERIFY2(!word.match(text).hasMatch(), qPrintable(u'"' + text + u'"'));
            }
        }
        if (!v.stative || !v.englishPastShift.isEmpty())
            return;
        // A verb of state reads alike in both pasts, each named by its tense: "I had (imperfect)".
        const QRegularExpression tenseName(QStringLiteral(" \\([a-z ]+\\)$"));
        auto bare = [&](const QString &tense) { return byTense.value(tense).replaceInStrings(tenseName, QString()); };
        QCOMPARE(bare(QStringLiteral("IMP")), bare(QStringLiteral("PASTHIST")));
        if (!v.englishInfinitive.startsWith(u"be "))
            QVERIFY(!progressive.match(byTense.value(QStringLiteral("IMP")).join(u'\n')).hasMatch());
    }

private:
    std::unique_ptr<TestServices> services_;
    QHash<QString, IrregularForms> irregular_;
};

QTEST_GUILESS_MAIN(TestVerbData)
#include "tst_verbdata.moc"
