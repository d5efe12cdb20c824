#include "screens/QmlModules.h"

#include "platform/Logging.h"

#include <QFileInfo>
#include <QLoggingCategory>

#include <algorithm>

namespace {

const QStringList fileDialogModules = {QStringLiteral("QtQuick.Dialogs"), QStringLiteral("Qt.labs.folderlistmodel")};

// A folder of the list as a path QFileInfo reads: "qrc:/x" is the resource ":/x".
QString localFolder(const QString &importPath)
{
    return importPath.startsWith(u"qrc:") ? importPath.mid(3) : importPath;
}

}

QmlModules::QmlModules(QStringList importPaths, QObject *parent)
    : QObject(parent)
    , importPaths_(std::move(importPaths))
    , fileDialogs_(std::all_of(
          fileDialogModules.begin(), fileDialogModules.end(), [this](const QString &uri) { return available(uri); }))
{}

const QList<QmlModules::Module> &QmlModules::imported()
{
    static const QList<Module> modules = {
        {QStringLiteral("QtQml.WorkerScript"), QStringLiteral("qml6-module-qtqml-workerscript"), true},
        {QStringLiteral("QtQuick"), QStringLiteral("qml6-module-qtquick"), true},
        {QStringLiteral("QtQuick.Window"), QStringLiteral("qml6-module-qtquick-window"), true},
        {QStringLiteral("QtQuick.Layouts"), QStringLiteral("qml6-module-qtquick-layouts"), true},
        {QStringLiteral("QtQuick.Templates"), QStringLiteral("qml6-module-qtquick-templates"), true},
        {QStringLiteral("QtQuick.Controls"), QStringLiteral("qml6-module-qtquick-controls"), true},
        {QStringLiteral("QtQuick.Controls.Basic"), QStringLiteral("qml6-module-qtquick-controls"), true},
        {QStringLiteral("QtQuick.Dialogs"), QStringLiteral("qml6-module-qtquick-dialogs"), false},
        {QStringLiteral("Qt.labs.folderlistmodel"), QStringLiteral("qml6-module-qt-labs-folderlistmodel"), false},
    };
    return modules;
}

bool QmlModules::available(const QString &uri) const
{
    const QString relative = QString(uri).replace(u'.', u'/') + QStringLiteral("/qmldir");
    return std::any_of(importPaths_.begin(), importPaths_.end(),
        [&relative](const QString &path) { return QFileInfo::exists(localFolder(path) + u'/' + relative); });
}

QList<QmlModules::Module> QmlModules::missing() const
{
    QList<Module> modules;
    for (const Module &module : imported()) {
        if (!available(module.uri))
            modules.append(module);
    }
    return modules;
}

bool QmlModules::report() const
{
    bool complete = true;
    for (const Module &module : missing()) {
        const QString install = u"(install the package " + module.package + u')';
        if (module.required) {
            complete = false;
            qCWarning(lcApp).noquote() << u"Flexio cannot start: the QML module " + module.uri + u" is missing "
                    + install;
        } else {
            qCWarning(lcApp).noquote() << u"The QML module " + module.uri + u" is missing " + install
                    + u"; Save and Load progress ask for a file path instead of showing a file dialog";
        }
    }
    return complete;
}
