#include "app/ConjugateCommand.h"

#include "app/Services.h"

#include "verbs/Verb.h"
#include "verbs/VerbDictionary.h"

#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

qsizetype editDistance(const QString &a, const QString &b)
{
    std::vector<qsizetype> previous(size_t(b.size()) + 1);
    std::vector<qsizetype> current(previous.size());
    for (size_t j = 0; j < previous.size(); ++j)
        previous[j] = qsizetype(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const qsizetype substitution = previous[size_t(j - 1)] + (a.at(i - 1) == b.at(j - 1) ? 0 : 1);
            current[size_t(j)] = std::min({previous[size_t(j)] + 1, current[size_t(j - 1)] + 1, substitution});
        }
        std::swap(previous, current);
    }
    return previous[size_t(b.size())];
}

}

ConjugateCommand::ConjugateCommand(Services &services, QTextStream &out, QTextStream &err)
    : services_(services)
    , out_(out)
    , err_(err)
{}

int ConjugateCommand::run(const QStringList &arguments)
{
    if (arguments == QStringList{QStringLiteral("--all")})
        return runMode(Mode::all, {});
    if (arguments.size() == 2 && arguments.at(0) == u"--drill" && !arguments.at(1).startsWith(u"--"))
        return runMode(Mode::drill, arguments.at(1));
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
            printTables(*verb);
        }
        out_.flush();
        return 0;
    }

    const QList<Verb *> verbs = matchingVerbs(dictionary, name);
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
            printTables(*verbs.at(i));
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

QStringList ConjugateCommand::closestInfinitives(const VerbDictionary &dictionary, const QString &name, qsizetype count)
{
    const QString lowered = name.toLower();
    std::vector<std::pair<qsizetype, const Verb *>> ranked;
    for (const Verb *verb : dictionary.verbs())
        ranked.emplace_back(editDistance(lowered, verb->key), verb);
    // Equally near verbs keep the dictionary order.
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QStringList infinitives;
    for (const auto &[distance, verb] : ranked) {
        if (infinitives.size() >= count)
            break;
        const QString shown = verb->displayInfinitive();
        if (!infinitives.contains(shown))
            infinitives.append(shown);
    }
    return infinitives;
}

void ConjugateCommand::printTables(Verb &verb)
{
    out_ << verb.displayInfinitive() << " (" << verb.englishDisplay() << ")\n";
    for (const Conjugation &table : verb.conjugationTables()) {
        out_ << '\n' << table.title << ": " << table.gloss.trimmed() << '\n';
        for (const ConjugationPart &row : table.parts)
            out_ << row.pronoun << '\t' << row.text << '\t' << row.translation << '\n';
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
    err_ << "usage: flexio conjugate VERB | --drill VERB | --all" << Qt::endl;
}
