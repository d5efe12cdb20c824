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
    // The switch and its stored flag: "Past Historic". Stored, so it never changes.
    QString name;
    // What the classroom calls it, "Passato remoto", and its English name, "Past Historic".
    QString italianName;
    QString englishName;
    // The drill code (see DrillCode): "PASTHIST".
    QString code;
    // Where the tense's items come in a verb's drill list.
    int drillRank = 0;
    bool onByDefault = false;
    // The present is drilled when every switch is off.
    bool drilledWhenNoneOn = false;
    // An impersonal verb drills this tense whatever the switches say.
    bool drilledWhenImpersonal = false;
    // Conjugated by person (six forms), or one form without a person (the gerunds).
    bool personal = true;
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
    // The verb's forms in this tense: six, or one for a tense without persons.
    [[nodiscard]] QStringList formsOf(Verb &verb) const;
    // Both names, the Italian first unless asked otherwise: "Passato remoto (Past Historic)".
    [[nodiscard]] QString label(bool englishFirst = false) const;

    // Every tense, in the order of the tables and the switches.
    static const QList<Tense> &all();
    // Every tense, in the order of the drill items.
    static const QList<const Tense *> &inDrillOrder();
    static const Tense *withCode(const QString &code);
    static const Tense *named(const QString &name);
    // The table of the past participle, which is no tense of its own.
    static inline const QString participleItalian = QStringLiteral("Participio passato");
    static inline const QString participleEnglish = QStringLiteral("Past Participle");
    static inline const QString imperativeItalian = QStringLiteral("Imperativo");
    static inline const QString imperativeEnglish = QStringLiteral("Imperative");
    // "Italian (English)", or the other way round.
    [[nodiscard]] static QString label(const QString &italian, const QString &english, bool englishFirst);
};
