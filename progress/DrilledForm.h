#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// One form a game or the review drill asks for: a verb, a tense code such as
// "PRES" or "FUT|PERF" (as in the drill codes, or "INF" for the infinitive) and
// a person slot 0..5 (-1 where the form has no person). Drill codes are read by
// DrillCode.
class DrilledForm
{
public:
    QString verbKey;
    QString tense;
    int person = -1;

    // A drill code such as "COND|PERF|2PS|PLUR" for the given verb.
    static std::optional<DrilledForm> fromCode(const QString &verbKey, const QString &code);
    // The form's stored identity, as made by id().
    static std::optional<DrilledForm> fromId(const QString &id);
    [[nodiscard]] QString id() const;

    // The tenses the games drill, in the order screens list them.
    static const QStringList &tenseCodes();
    // Both names of a tense: "Futuro anteriore (Future Perfect)".
    static QString tenseName(const QString &tense, bool englishFirst = false);
    static QString personName(int person);
    // Whether the tense's forms go by person (the gerunds and infinitives do not).
    static bool hasPersons(const QString &tense);
    // "Futuro anteriore (Future Perfect), noi" or "Infinito (Infinitive)".
    [[nodiscard]] QString label(bool englishFirst = false) const;
    // Whether this names a form of a verb (a default one names none).
    [[nodiscard]] bool isVerbForm() const { return !verbKey.isEmpty() && !tense.isEmpty(); }

    static inline const QString infinitive = QStringLiteral("INF");

    friend bool operator==(const DrilledForm &, const DrilledForm &) = default;
};
