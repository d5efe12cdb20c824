#pragma once

#include <QStringList>

// The app's entry point behind main(): reads the options, loads the verb data and shows the
// window (or renders it to a file, or checks that it loads); "flexio conjugate ..." prints
// conjugations as text instead.
class FlexioApp
{
public:
    static int run(int argc, char **argv);

private:
    static int runWindow(const QStringList &arguments);
    static int runConjugate(int argc, char **argv);
};
