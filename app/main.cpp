#include "app/FlexioApp.h"

#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(FlexioPlugin)

int main(int argc, char **argv)
{
    return FlexioApp::run(argc, argv);
}
