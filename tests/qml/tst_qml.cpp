// Runs the Qt Quick tests of this folder. Each test file gets fresh shared objects over the
// screens fixture: a new store, recording speech engines and a seeded random source.
#include "ScreenProbe.h"
#include "screens/Symbols.h"
#include "support/TestServices.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest>

#include <memory>

Q_IMPORT_QML_PLUGIN(FlexioPlugin)

class Setup : public QObject
{
    Q_OBJECT

public slots:
    void applicationAvailable() { Symbols::installFonts(); }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        // The previous file's engine is gone: its singletons no longer point into the registry.
        services_.reset();
        // FLEXIO_QML_FIXTURE names another fixture folder for a second set of screen tests.
        const QString fixture = qEnvironmentVariable("FLEXIO_QML_FIXTURE", QStringLiteral("screens"));
        services_ = std::make_unique<TestServices>(TestServices::fixture(fixture));
        services_->provideTo(*engine);
        probe_.setServices(services_.get());
        engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
        engine->rootContext()->setContextProperty(QStringLiteral("probe"), &probe_);
    }

    void cleanupTestCase() { services_.reset(); }

private:
    std::unique_ptr<TestServices> services_;
    ScreenProbe probe_;
};

QUICK_TEST_MAIN_WITH_SETUP(tst_qml, Setup)

#include "tst_qml.moc"
