#pragma once

#include "platform/EngineObjects.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

class QQmlEngine;

// The Qt Quick modules the screens import, each with the Debian package that ships it, checked
// against a QML engine's import folders before any screen loads. A missing module the screens
// cannot do without stops the app with the package to install; a missing optional one turns its
// feature off (the file dialogs give way to a plain file path field).
class QmlModules : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    QML_UNCREATABLE("the QML modules are checked at start")
    // Whether Qt's file dialog can open: its module and the folder model it lists files with.
    Q_PROPERTY(bool fileDialogs READ fileDialogs CONSTANT)

public:
    struct Module
    {
        QString uri;
        QString package;
        bool required;
    };

    // importPaths as a QML engine lists them ("qrc:/..." entries included).
    explicit QmlModules(QStringList importPaths, QObject *parent = nullptr);

    static const QList<Module> &imported();
    [[nodiscard]] bool available(const QString &uri) const;
    [[nodiscard]] QList<Module> missing() const;
    [[nodiscard]] bool fileDialogs() const { return fileDialogs_; }
    // Writes one line per missing module, naming its package; false when a required one is missing.
    [[nodiscard]] bool report() const;

    static QmlModules *create(QQmlEngine *engine, QJSEngine *) { return EngineObjects::take<QmlModules>(engine); }

private:
    QStringList importPaths_;
    bool fileDialogs_;
};
