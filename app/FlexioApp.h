#pragma once

#include <QStringList>

// The app's entry point behind main(): reads the options, loads the verb data and shows the
// window (or renders it to a file, or checks that it loads); "flexio conjugate ..." prints
// conjugations as text instead, and "flexio progress ..." saves or loads the learner's progress.
class FlexioApp
{
public:
    static int run(int argc, char **argv);

private:
    static int runWindow(const QStringList &arguments);
    static int runConjugate(int argc, char **argv);
    static int runProgress(int argc, char **argv);
};
