#pragma once

#include <QString>
#include <QStringList>

// Something the learner works through that is reported as school work: its context is found by
// its identifier below the app's main context, and each run of it is an activity there.
// Every step is fire-and-forget; failures are only written to the console.
class SchoolWork;

class SchoolWorkTask
{
public:
    virtual ~SchoolWorkTask() = default;

    [[nodiscard]] virtual QString contextIdentifier() const = 0;
    [[nodiscard]] QStringList identifierPath() const { return {contextIdentifier()}; }

    // Makes the context active and starts a new activity in it.
    void beginActivity(SchoolWork &store) const;
    // Records fraction (0.0 to 1.0) as the running activity's score, completes and ends it.
    void reportScore(SchoolWork &store, double fraction) const;
    // Stops the current activity and makes the context inactive.
    void endActivity(SchoolWork &store) const;

    static inline const QString rule = QStringLiteral("__________________________________________");
};
