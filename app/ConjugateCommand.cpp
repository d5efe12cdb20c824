#include "app/ConjugateCommand.h"

#include "app/Services.h"

#include "verbs/Irregularity.h"
#include "verbs/StressMarks.h"
#include "verbs/Tense.h"
#include "verbs/Verb.h"
#include "verbs/VerbDictionary.h"

#include <QTextStream>

ConjugateCommand::ConjugateCommand(Services &services, QTextStream &out, QTextStream &err)
    : services_(services)
    , out_(out)
    , err_(err)
{}

int ConjugateCommand::run(const QStringList &arguments)
{
    if (arguments == QStringList{QStringLiteral("--all")})
        return runMode(Mode::all, {});
    static const QList<std::pair<QString, Mode>> options{{QStringLiteral("--drill"), Mode::drill},
        {QStringLiteral("--irregular"), Mode::irregular}, {QStringLiteral("--stress"), Mode::stress}};
    for (const auto &[option, mode] : options) {
        if (arguments.size() == 2 && arguments.at(0) == option && !arguments.at(1).startsWith(u"--"))
            return runMode(mode, arguments.at(1));
    }
    if (arguments.size() == 1 && !arguments.at(0).startsWith(u"--"))
        return runMode(Mode::tables, arguments.at(0));
    usage();
    return usageOrUnknownVerb;
}

int ConjugateCommand::runMode(Mode mode, const QString &name)
{
    VerbDictionary &dictionary = services_.verbDictionary();
    if (!dictionary.loaded()) {
        err_ << "Flexio cannot start: " << dictionary.loadError() << Qt::endl;
        return noData;
    }

    if (mode == Mode::all) {
        bool first = true;
        for (Verb *verb : dictionary.verbs()) {
            if (!first)
                out_ << '\n';
            first = false;
            printTables(*verb, Mode::tables);
        }
        out_.flush();
        return 0;
    }

    QList<Verb *> verbs = matchingVerbs(dictionary, name);
    if (verbs.isEmpty()) {
        // A form of a verb stands for its verb ("vado" for andare), said on the first line.
        const QList<FormIndex::Hit> hits = dictionary.formIndex().search(name, dictionary.verbs());
        for (const FormIndex::Hit &hit : hits) {
            if (hit.tier != FormIndex::Tier::form)
                continue;
            out_ << hit.where << '\n';
            verbs.append(dictionary.verbs().at(hit.verb));
        }
        if (!verbs.isEmpty())
            out_ << '\n';
    }
    if (verbs.isEmpty()) {
        err_ << "no verb " << name << Qt::endl;
        for (const QString &infinitive : closestInfinitives(dictionary, name, suggestionCount))
            err_ << infinitive << Qt::endl;
        return usageOrUnknownVerb;
    }
    // The switches the learner stored, as the app's start-up step reads them.
    if (mode == Mode::drill)
        dictionary.loadLearntAndTenseFlags();
    for (qsizetype i = 0; i < verbs.size(); ++i) {
        if (i > 0)
            out_ << '\n';
        if (mode == Mode::drill)
            printDrill(*verbs.at(i));
        else
            printTables(*verbs.at(i), mode);
    }
    out_.flush();
    return 0;
}

QList<Verb *> ConjugateCommand::matchingVerbs(const VerbDictionary &dictionary, const QString &name) const
{
    const QString lowered = name.toLower();
    QList<Verb *> found;
    for (Verb *verb : dictionary.verbs()) {
        if (verb->key == lowered || verb->displayInfinitive() == name)
            found.append(verb);
    }
    return found;
}

QStringList ConjugateCommand::closestInfinitives(VerbDictionary &dictionary, const QString &name, qsizetype count)
{
    return dictionary.formIndex().closest(name, dictionary.verbs(), count);
}

void ConjugateCommand::printTables(Verb &verb, Mode mode)
{
    out_ << verb.displayInfinitive() << " (" << verb.englishDisplay() << ")\n";
    QList<Conjugation> tables = verb.conjugationTables();
    if (mode == Mode::irregular) {
        Irregularity(verb).mark(tables);
        const QStringList irregular = Irregularity::irregularTables(tables);
        out_ << "irregular: " << (irregular.isEmpty() ? QStringLiteral("none") : irregular.join(QStringLiteral(", ")))
             << '\n';
        const QStringList alike = Irregularity::alike(verb, services_.verbDictionary().verbs(), 5);
        if (!irregular.isEmpty() && !alike.isEmpty())
            out_ << "conjugated alike: " << alike.join(QStringLiteral(", ")) << '\n';
    }
    for (const Conjugation &table : std::as_const(tables)) {
        out_ << '\n' << Tense::label(table.title, table.englishTitle, false) << ": " << table.gloss.trimmed() << '\n';
        for (const ConjugationPart &row : table.parts) {
            const QString text = mode == Mode::stress ? services_.stressMarks().marked(verb.key, row.text)
                                                      : Irregularity::bracketed(row.text, row.irregular);
            out_ << row.pronoun << '\t' << text << '\t' << row.translation << '\n';
        }
    }
}

void ConjugateCommand::printDrill(Verb &verb)
{
    const QList<TenseSetting *> &tenses = services_.verbDictionary().tenseSettings();
    const Verb::GameParts italian = verb.gameParts(tenses, false);
    const Verb::GameParts english = verb.gameParts(tenses, true);
    for (qsizetype i = 0; i < italian.codes.size(); ++i)
        out_ << italian.codes.at(i) << '\t' << italian.texts.at(i) << '\t' << english.texts.value(i) << '\n';
}

void ConjugateCommand::usage()
{
    err_ << "usage: flexio conjugate VERB | --drill VERB | --irregular VERB | --stress VERB | --all" << Qt::endl;
}
