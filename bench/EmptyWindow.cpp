// The yardstick of the start-up figures: an empty Qt Quick window of the app's size, started the
// way the app starts, that quits after its first frame.

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTimer>

int main(int argc, char **argv)
{
    if (qgetenv("QT_QPA_PLATFORM").startsWith("offscreen") && qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    QQmlApplicationEngine engine;
    engine.loadData("import QtQuick\nWindow { width: 390; height: 844; visible: true; color: \"white\" }");
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
    if (!window)
        return 1;
    QObject::connect(
        window, &QQuickWindow::frameSwapped, &app, [] { QTimer::singleShot(0, [] { QCoreApplication::exit(0); }); });
    return QGuiApplication::exec();
}
