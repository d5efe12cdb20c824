#include "app/FlexioApp.h"

#include "app/ConjugateCommand.h"
#include "app/LinkForwarder.h"
#include "app/ProgressCommand.h"
#include "app/QuitOnSignals.h"
#include "app/Screenshot.h"
#include "app/Services.h"
#include "platform/LearnerDatabase.h"
#include "platform/Logging.h"
#include "platform/ManualMainQueue.h"
#include "platform/QtMainQueue.h"
#include "quizzes/QuizGamesParser.h"
#include "screens/DeepLinkModel.h"
#include "screens/QmlModules.h"
#include "screens/Symbols.h"
#include "screens/Theme.h"
#include "speech/AudioEngines.h"
#include "speech/TextToSpeech.h"
#include "verbs/VerbDictionary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QLoggingCategory>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <future>
#include <memory>
#include <optional>

#if defined(Q_OS_LINUX)
#include <unistd.h>
#endif

namespace {

constexpr int selfTestTimeoutMs = 20000;
constexpr std::uint64_t playScreenshotSeed = 20240917;

// What the options of a window run ask for.
struct WindowOptions
{
    bool selfTest = false;
    QString screenshotName;
    QString screenshotPath;
    QSize size;
    std::optional<Theme::Appearance> appearance;
    QStringList links;

    [[nodiscard]] bool screenshot() const { return !screenshotName.isEmpty(); }
    [[nodiscard]] bool interactive() const { return !selfTest && !screenshot(); }
};

bool refuse(const char *usage)
{
    qCWarning(lcApp).noquote() << QString::fromLatin1(usage);
    return false;
}

// "--screenshot NAME PATH".
bool readScreenshot(const QStringList &arguments, WindowOptions &options)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--screenshot"));
    if (at < 0)
        return true;
    options.screenshotName = arguments.value(at + 1);
    options.screenshotPath = arguments.value(at + 2);
    return !options.screenshotPath.isEmpty() || refuse("usage: flexio --screenshot NAME PATH");
}

// "--size WIDTHxHEIGHT" renders at another size than the phone's, for layout checks.
bool readSize(const QStringList &arguments, WindowOptions &options)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--size"));
    if (at < 0)
        return true;
    const QStringList parts = arguments.value(at + 1).split(u'x');
    options.size = QSize(parts.value(0).toInt(), parts.value(1).toInt());
    return (parts.size() == 2 && !options.size.isEmpty()) || refuse("usage: --size WIDTHxHEIGHT");
}

// "--appearance light|dark" shows this run in that appearance, without storing it.
bool readAppearance(const QStringList &arguments, WindowOptions &options)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--appearance"));
    if (at < 0)
        return true;
    const QString name = arguments.value(at + 1);
    if (name != u"light" && name != u"dark")
        return refuse("usage: --appearance light|dark");
    options.appearance = name == u"dark" ? Theme::Appearance::alwaysDark : Theme::Appearance::alwaysLight;
    return true;
}

// The links among the arguments: every "scheme://..." that is not an option's value.
QStringList linkArguments(const QStringList &arguments)
{
    QStringList links;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == u"--screenshot") {
            i += 2;
            continue;
        }
        if (argument == u"--size" || argument == u"--appearance") {
            i += 1;
            continue;
        }
        if (DeepLinkModel::looksLikeLink(argument))
            links.append(argument);
    }
    return links;
}

// Wrong options are refused (with a usage line) before anything is loaded.
std::optional<WindowOptions> readWindowOptions(const QStringList &arguments)
{
    WindowOptions options;
    options.selfTest = arguments.contains(QStringLiteral("--self-test"));
    if (!readScreenshot(arguments, options) || !readSize(arguments, options) || !readAppearance(arguments, options))
        return std::nullopt;
    options.links = linkArguments(arguments);
    return options;
}

// True when another process of this learner runs the app and has taken the links; otherwise
// this process listens for later launches (when it can).
bool handOverToRunningApp(LinkForwarder &forwarder, const QStringList &links)
{
    // Two launches at once: the one that does not get to listen hands over to the one that does.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (LinkForwarder::handOver(forwarder.serverName(), links)) {
            qCDebug(lcApp).noquote() << QString(links.isEmpty()
                    ? QStringLiteral("the app runs already; it was asked to show its window")
                    : QString(u"handed " + Logging::quotedList(links) + u" to the running app"));
            return true;
        }
        if (forwarder.listen())
            return false;
    }
    return false;
}

std::unique_ptr<Services> makeServices(const WindowOptions &options)
{
    ServicesConfig config = ServicesConfig::forApp();
    // A game dealt for a screenshot is dealt the same way every time.
    if (options.screenshotName.startsWith(u"play:") || options.screenshotName.startsWith(u"result:"))
        config.randomSeed = playScreenshotSeed;
    if (Screenshot::drawsSampleLearner(options.screenshotName)) {
        config.storePath.clear();
        config.jsonStorePath.clear();
    }
    auto services = std::make_unique<Services>(std::move(config));
    // Screenshots are taken in silence: a dealt game speaks and plays sounds into recorders, not
    // through the platform's speech server.
    if (options.screenshot())
        services->audioEngines().useRecorders();
    if (options.appearance)
        services->theme().useAppearance(*options.appearance);
    return services;
}

// The verbs, so that a faulty verb data file stops the app before any screen.
bool dataLoaded(const QString &error)
{
    if (error.isEmpty())
        return true;
    qCWarning(lcApp).noquote() << QString(u"Flexio cannot start: " + error);
    return false;
}

// Where the session sets no runtime folder, Qt warns at every start and then makes one of its
// own in the temporary folder. The app makes that private folder itself, without the warning.
void provideRuntimeFolder()
{
#if defined(Q_OS_LINUX) && !defined(Q_OS_ANDROID)
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    // Only a folder this user made and no one else may enter: another user could have made it first.
    const QString folder =
        LinkForwarder::privateFolder(QDir::tempPath() + QStringLiteral("/runtime-") + QString::number(::getuid()));
    if (!folder.isEmpty())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
#endif
}

// Text is drawn unhinted, as on the phones and tablets the app is made for, where Qt turns hinting
// off anyway when it scales for the screen's pixel ratio. FreeType's light hinter reworks every
// glyph at every size: about a twentieth of the work of the start, for text that looks the same.
// The default size is the body text's, so that the font engine Qt makes for the default font is
// one the screens use as well.
void setDefaultFont()
{
    QFont font = QGuiApplication::font();
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPixelSize(Theme::body());
    QGuiApplication::setFont(font);
}

void useSoftwareRenderingWithoutDisplay()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.startsWith("offscreen") && qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

const QUrl &mainWindowUrl()
{
    static const QUrl url(QStringLiteral("qrc:/qt/qml/Flexio/Main.qml"));
    return url;
}

// Gives the engine the app's objects and compiles the window's screens, which creates nothing
// and draws no text, so it runs while the fonts load. Null when a QML module the app needs is
// missing.
std::unique_ptr<QQmlComponent> compileWindow(QQmlApplicationEngine &engine, Services &services)
{
    services.provideTo(engine);
    if (!services.qmlModules().report())
        return nullptr;
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    return std::make_unique<QQmlComponent>(&engine, mainWindowUrl());
}

// Makes the window from what compileWindow left in the engine's cache.
QQuickWindow *loadWindow(QQmlApplicationEngine &engine, const WindowOptions &options)
{
    engine.load(mainWindowUrl());
    auto *window =
        engine.rootObjects().isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(engine.rootObjects().first());
    if (!window) {
        qCWarning(lcApp).noquote() << QStringLiteral("Flexio cannot start: the main window did not load");
        return nullptr;
    }
    if (options.size.isValid())
        window->resize(options.size);
    return window;
}

// Links from later launches open here, and such a launch brings the window to the front.
void takeLinksFromLaterLaunches(LinkForwarder &forwarder, QQuickWindow *window, DeepLinkModel &links)
{
    if (forwarder.isListening())
        qCDebug(lcApp).noquote() << QString(u"listening for links on " + forwarder.serverName());
    QObject::connect(
        &forwarder, &LinkForwarder::linkReceived, window, [&links](const QString &link) { links.openDeepLink(link); });
    QObject::connect(&forwarder, &LinkForwarder::raiseRequested, window, [window] {
        qCDebug(lcApp) << "raising the window";
        window->show();
        window->raise();
        window->requestActivate();
    });
}

// Runs once, after the window's first frame.
void afterFirstFrame(QQuickWindow *window, std::function<void()> work)
{
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(window, &QQuickWindow::frameSwapped, window, [connection, work] {
        QObject::disconnect(*connection);
        QTimer::singleShot(0, work);
    });
}

// The voices are listed and the quizzes read in the background while the learner looks at the
// menu, and the icon (an SVG drawn through a plugin) is set once the menu shows.
void finishStartAfterFirstFrame(QQuickWindow *window, Services &services)
{
    afterFirstFrame(window, [&services] {
        QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/qt/qml/Flexio/images/AppIcon.svg")));
        services.quizGamesParser().startReading();
        services.textToSpeech();
        services.learnerStore().checkInBackground();
    });
}

void endSelfTestAfterFirstFrame(QQuickWindow *window)
{
    afterFirstFrame(window, [] { QCoreApplication::exit(0); });
    QTimer::singleShot(selfTestTimeoutMs, [] {
        qCWarning(lcApp).noquote() << QStringLiteral("self-test: no frame within the time allowed");
        QCoreApplication::exit(1);
    });
}

}

int FlexioApp::run(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("flexio"));
    provideRuntimeFolder();
    if (argc > 1 && qstrcmp(argv[1], "conjugate") == 0)
        return runConjugate(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "progress") == 0)
        return runProgress(argc, argv);
    // "--screenshot" alone lists the screen names, without a display.
    if (argc == 2 && qstrcmp(argv[1], "--screenshot") == 0) {
        QTextStream(stdout) << Screenshot::names().join(u'\n') << Qt::endl;
        return 0;
    }
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Italian Flexio"));
    // The name of the installed launcher entry, which desktops match the window to.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.tavelo.italianflexio"));
    useSoftwareRenderingWithoutDisplay();
    QGuiApplication app(argc, argv);
    setDefaultFont();
    return runWindow(app.arguments().mid(1));
}

int FlexioApp::runConjugate(int argc, char **argv)
{
    // Text only: no window, so no display is needed.
    QCoreApplication app(argc, argv);
    // No event loop runs in this mode, so the main queue is driven by hand: work queued while
    // loading is dropped with the registry instead of waiting on timers that never fire.
    ServicesConfig config = ServicesConfig::forApp();
    config.mainQueue = std::make_unique<ManualMainQueue>();
    // The command reads the learner's store and never changes it. Before the app's first start
    // there is no store: then the switches come from a JSON store of an earlier version, taken
    // into a store in memory from a scratch copy, so the learner's file stays where it is.
    QTemporaryDir scratch;
    if (!QFileInfo::exists(config.storePath)) {
        const QString copy = scratch.filePath(QStringLiteral("defaults.json"));
        const bool copied = scratch.isValid() && QFile::copy(config.jsonStorePath, copy);
        config.storePath.clear();
        config.jsonStorePath = copied ? copy : QString();
    }
    Services services(std::move(config));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return ConjugateCommand(services, out, err).run(app.arguments().mid(2));
}

int FlexioApp::runProgress(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ServicesConfig config = ServicesConfig::forApp();
    config.mainQueue = std::make_unique<ManualMainQueue>();
    Services services(std::move(config));
    QTextStream err(stderr);
    return ProgressCommand(services, err).run(app.arguments().mid(2));
}

int FlexioApp::runWindow(const QStringList &arguments)
{
    const std::optional<WindowOptions> options = readWindowOptions(arguments);
    if (!options)
        return 2;

    // One app per learner: a launch while the app runs hands its links to it, asks it to show
    // its window, and ends.
    QtMainQueue linkQueue;
    std::unique_ptr<LinkForwarder> forwarder;
    if (options->interactive()) {
        forwarder = std::make_unique<LinkForwarder>(LinkForwarder::defaultServerName(), linkQueue);
        if (handOverToRunningApp(*forwarder, options->links))
            return 0;
    }

    // Reading the system's font list and the bundled fonts takes as long as loading the data and
    // compiling the screens, so they run side by side; the screens are made only once the fonts
    // are in.
    auto fonts = std::async(std::launch::async, &Symbols::installFonts);
    // The objects go while the application object still exists: work the loading queued never
    // runs, and the speech engine's plugin talks to its server on the way out and crashes when it
    // is torn down at exit.
    std::unique_ptr<Services> services = makeServices(*options);
    if (!dataLoaded(services->verbDictionary().loadError()))
        return 1;
    auto engine = std::make_unique<QQmlApplicationEngine>();
    std::unique_ptr<QQmlComponent> compiled = compileWindow(*engine, *services);
    fonts.wait();

    std::optional<Screenshot> screenshot;
    if (options->screenshot())
        screenshot.emplace(*services, options->screenshotName, options->screenshotPath);
    QQuickWindow *window = compiled ? loadWindow(*engine, *options) : nullptr;
    compiled.reset();
    if (!window) {
        engine.reset();
        return 1;
    }
    // Every answer is committed as it is given; a logout or a shutdown ends the loop, so the
    // store is closed as on a normal quit.
    QuitOnSignals quitOnSignals;
    if (forwarder)
        takeLinksFromLaterLaunches(*forwarder, window, services->deepLinkModel());
    for (const QString &link : options->links)
        services->deepLinkModel().openDeepLink(link);

    if (options->interactive())
        finishStartAfterFirstFrame(window, *services);
    else if (options->selfTest)
        endSelfTestAfterFirstFrame(window);
    else
        afterFirstFrame(window, [&screenshot, window] { screenshot->take(*window); });
    const int status = QCoreApplication::exec();
    forwarder.reset();
    // The window's scene graph hands its textures to deferred deletion; let that run before the
    // process ends.
    engine.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    screenshot.reset();
    services.reset();
    return status;
}
