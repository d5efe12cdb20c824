#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QTextStream;
class Services;
class Verb;
class VerbDictionary;

// The command-line mode "flexio conjugate": prints a verb's conjugation tables or drill items as
// plain text, without a window.
//   flexio conjugate VERB          the tables: title and gloss, then pronoun, form, English
//   flexio conjugate --drill VERB  the drill items of the stored tense switches: code, Italian, English
//   flexio conjugate --irregular VERB  the tables with each irregular stretch in brackets ("[vad]o")
//   flexio conjugate --stress VERB  the tables with the stressed vowel marked where the stress
//                                   falls before the next-to-last syllable ("telèfonano")
//   flexio conjugate --all         every verb's tables, in dictionary order
// VERB is a verb's key, the infinitive as the dictionary shows it, or any of its forms ("vado"),
// which the first line then places ("vado: andare, presente, io"). An unknown verb prints
// "no verb VERB" and the closest infinitives, and gives the exit status 2.
class ConjugateCommand
{
public:
    // Reads the verbs of services.
    ConjugateCommand(Services &services, QTextStream &out, QTextStream &err);

    // Runs with the arguments that follow "conjugate"; returns the exit status.
    int run(const QStringList &arguments);

    static constexpr int usageOrUnknownVerb = 2;
    static constexpr int noData = 1;
    static constexpr int suggestionCount = 5;

    // Infinitives of the verbs whose keys are fewest edits away from name, nearest first.
    [[nodiscard]] static QStringList closestInfinitives(
        VerbDictionary &dictionary, const QString &name, qsizetype count);

private:
    enum class Mode { tables, drill, irregular, stress, all };

    int runMode(Mode mode, const QString &name);
    [[nodiscard]] QList<Verb *> matchingVerbs(const VerbDictionary &dictionary, const QString &name) const;
    void printTables(Verb &verb, Mode mode);
    void printDrill(Verb &verb);
    void usage();

    Services &services_;
    QTextStream &out_;
    QTextStream &err_;
};
