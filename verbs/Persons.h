#pragma once

#include <QString>
#include <QStringList>

// The six persons every per-person list follows: io, tu, lui/lei, noi, voi, loro. Slot 2 is the
// third person singular.
class Persons
{
public:
    Persons() = delete;

    static constexpr int count = 6;
    static constexpr int thirdSingular = 2;

    [[nodiscard]] static const QStringList &italian();
    [[nodiscard]] static const QStringList &english();
    [[nodiscard]] static const QStringList &reflexive();
    // The subject pronouns a learner may type before a form: io, tu, lui, lei, ...
    [[nodiscard]] static const QStringList &subjects();
    // The person and number of a drill code: "1PS|SING" ... "3PS|PLUR".
    [[nodiscard]] static QString drillCode(int slot);
    // The slot of a drill code's person and number, or -1.
    [[nodiscard]] static int fromDrillCode(const QString &person, const QString &number);
};
