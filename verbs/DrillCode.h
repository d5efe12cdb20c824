#pragma once

#include <QString>

#include <optional>

// The code of one drill item, written and read here only: a tense code of the tense table
// followed, for a tense conjugated by person, by the person and the number
// ("COND|PERF|2PS|PLUR"); a form without a person is its tense code alone ("GER|PAST").
struct DrillCode
{
    QString tense;
    // 0..5, or -1 for a form without a person.
    int person = -1;

    [[nodiscard]] QString text() const;
    // Nothing for a code whose tense is not in the table or whose person does not fit it.
    [[nodiscard]] static std::optional<DrillCode> parse(const QString &code);
};
