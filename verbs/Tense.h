#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Verb;

// One tense the app conjugates. Its row names it, builds its Italian forms and their English, and
// places it in the drills, the conjugation tables and the tense switches; every other part of the
// app reads tenses from here. Adding a tense is adding a row (and, for a simple tense, the
// verb's stored forms and an English rule).
struct Tense
{
    // The switch, its stored flag and the label of a drilled form: "Past Historic".
    QString name;
    // The title of the verb's table: "Past Historic", "Perfect Tense".
    QString title;
    // The drill code; a drill item is coded CODE|PERSON|NUMBER ("PASTHIST|1PS|SING").
    QString code;
    // Where the tense's items come in a verb's drill list.
    int drillRank = 0;
    bool onByDefault = false;
    // The present is drilled when every switch is off.
    bool drilledWhenNoneOn = false;
    // An impersonal verb drills this tense whatever the switches say.
    bool drilledWhenImpersonal = false;
    // Simple tenses: the verb's own forms.
    QStringList (*ownForms)(const Verb &verb) = nullptr;
    // Compound tenses: the auxiliary in its tense, avere's and essere's, before the participle.
    const QStringList *avere = nullptr;
    const QStringList *essere = nullptr;
    // The English of the form of each of the given pronouns.
    QStringList (*english)(Verb &verb, const QStringList &pronouns) = nullptr;
    // When Italian uses the tense, said after the gloss of a verb's table; empty for most.
    QString usage;

    [[nodiscard]] bool isSimple() const { return ownForms != nullptr; }
    // The verb's six forms in this tense.
    [[nodiscard]] QStringList formsOf(Verb &verb) const;

    // Every tense, in the order of the tables and the switches.
    static const QList<Tense> &all();
    // Every tense, in the order of the drill items.
    static const QList<const Tense *> &inDrillOrder();
    static const Tense *withCode(const QString &code);
    static const Tense *named(const QString &name);
};
