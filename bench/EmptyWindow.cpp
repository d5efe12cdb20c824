// The yardsticks of the start-up figures: a window of the app's size, started the way the app
// starts, that quits after its first frame. With no argument it is empty; "text" draws one line of
// text (which makes Qt read the system's fonts); "controls" shows one Qt Quick Controls page with
// a label in a navigation stack, the least a screen of the app is made of.

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTimer>

namespace {

QByteArray windowSource(const QByteArray &kind)
{
    if (kind == "text")
        return "import QtQuick\nWindow { width: 390; height: 844; visible: true; color: \"white\"\n"
               "  Text { text: \"Italian verbs\"; font.pixelSize: 20 } }";
    if (kind == "controls")
        return "import QtQuick\nimport QtQuick.Controls.Basic\n"
               "ApplicationWindow { width: 390; height: 844; visible: true\n"
               "  StackView { anchors.fill: parent; initialItem: Page { Label { text: \"Italian verbs\" } } } }";
    return "import QtQuick\nWindow { width: 390; height: 844; visible: true; color: \"white\" }";
}

}

int main(int argc, char **argv)
{
    if (qgetenv("QT_QPA_PLATFORM").startsWith("offscreen") && qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    QQmlApplicationEngine engine;
    engine.loadData(windowSource(argc > 1 ? QByteArray(argv[1]) : QByteArray()));
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
    if (!window)
        return 1;
    QObject::connect(
        window, &QQuickWindow::frameSwapped, &app, [] { QTimer::singleShot(0, [] { QCoreApplication::exit(0); }); });
    return QGuiApplication::exec();
}
