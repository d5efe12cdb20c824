#pragma once

#include <QStringList>

class QTextStream;
class Services;

// The command-line mode "flexio progress", for backups and scripts, without a window:
//   flexio progress --export FILE  writes everything the learner owns to FILE
//   flexio progress --import FILE  merges a saved FILE into the learner's store
// Exit status 0, or 1 with one line on standard error saying why.
class ProgressCommand
{
public:
    ProgressCommand(Services &services, QTextStream &err);

    // Runs with the arguments that follow "progress"; returns the exit status.
    int run(const QStringList &arguments);

    static constexpr int failed = 1;

private:
    Services &services_;
    QTextStream &err_;
};
