#include "app/FlexioApp.h"

#include "app/ConjugateCommand.h"
#include "app/LinkForwarder.h"
#include "app/Services.h"
#include "games/GameCatalog.h"
#include "games/LearningGame.h"
#include "games/conjugation/ConjQuiz.h"
#include "games/gapfill/GapFill.h"
#include "games/gapfill/GapFillTurn.h"
#include "games/match/VerbMatch.h"
#include "games/review/ReviewDrill.h"
#include "games/snap/SnapGame.h"
#include "platform/LearnerStore.h"
#include "platform/Logging.h"
#include "platform/ManualMainQueue.h"
#include "quizzes/QuizGame.h"
#include "quizzes/QuizGamesParser.h"
#include "screens/DeepLinkModel.h"
#include "screens/Symbols.h"
#include "screens/Theme.h"
#include "speech/AudioEngines.h"
#include "speech/TextToSpeech.h"
#include "verbs/VerbDictionary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLoggingCategory>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <future>
#include <memory>

#if defined(Q_OS_LINUX)
#include <unistd.h>
#endif
#include <optional>

namespace {

constexpr int selfTestTimeoutMs = 20000;
// Time for a pushed screen to finish its transition and settle before it is captured.
constexpr int screenshotSettleMs = 600;
constexpr std::uint64_t playScreenshotSeed = 20240917;

bool loadVerbData(Services &services)
{
    VerbDictionary &dictionary = services.verbDictionary();
    if (dictionary.loaded())
        return true;
    qCWarning(lcApp).noquote() << u"Flexio cannot start: " + dictionary.loadError();
    return false;
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

// The quizzes are read at start too, so that a faulty quiz file stops the app before any screen.
bool loadQuizData(Services &services)
{
    const QString &error = services.quizGamesParser().loadError();
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
    const QString folder = QDir::tempPath() + QStringLiteral("/runtime-") + QString::number(::getuid());
    if (!QDir().mkpath(folder) || QFileInfo(folder).ownerId() != ::getuid())
        return;
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
#endif
}

void useSoftwareRenderingWithoutDisplay()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.startsWith("offscreen") && qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
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

// Pushes the quiz menu ("quizzes") and, for "quiz:ID", the screen of that quiz over it; with
// play, that quiz is started.
bool openQuizScreen(Services &services, QQuickItem *menu, const QString &name, bool play = false)
{
    Quiz *quiz = nullptr;
    if (name.startsWith(u"quiz:")) {
        quiz = services.quizGamesParser().quizWithID(name.mid(5));
        if (!quiz) {
            qCWarning(lcApp).noquote() << u"no quiz " + name.mid(5);
            return false;
        }
    }
    QQuickItem *quizMenu = nullptr;
    QMetaObject::invokeMethod(menu, "openScreen", Q_RETURN_ARG(QQuickItem *, quizMenu),
        Q_ARG(QString, QStringLiteral("quizzes")), Q_ARG(Verb *, nullptr));
    if (!quizMenu || !quiz)
        return quizMenu != nullptr;
    QQuickItem *quizPage = nullptr;
    QMetaObject::invokeMethod(quizMenu, "openQuiz", Q_RETURN_ARG(QQuickItem *, quizPage), Q_ARG(Quiz *, quiz));
    if (quizPage && play) {
        auto *game = qvariant_cast<QuizGame *>(quizPage->property("game"));
        if (!game)
            return false;
        game->startQuiz(quiz);
    }
    return quizPage != nullptr;
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

// Opens the review drill ("review") and, for "review:ANSWER", answers its first form with ANSWER.
bool openReviewScreen(QQuickItem *menu, const QString &name)
{
    QQuickItem *page = nullptr;
    QMetaObject::invokeMethod(menu, "openScreen", Q_RETURN_ARG(QQuickItem *, page),
        Q_ARG(QString, QStringLiteral("review")), Q_ARG(Verb *, nullptr));
    auto *drill = page ? qvariant_cast<ReviewDrill *>(page->property("drill")) : nullptr;
    if (drill && name.startsWith(u"review:"))
        drill->answer(name.mid(7));
    return drill != nullptr;
}

// One move of a game played for a screenshot: a wrong answer while misses are left to make, a
// right one after. False while the game is not ready for a move.
bool conjugationMove(ConjQuiz &game, bool miss)
{
    if (!game.canClick())
        return false;
    for (ConjugationQuizAnswer *answer : game.currentQuestion().alts) {
        if (answer->correct() != miss) {
            game.answerTapped(answer);
            return true;
        }
    }
    return false;
}

bool gapFillMove(GapFill &game, bool miss)
{
    if (!game.canClick())
        return false;
    const QString due = QString(game.currentGapFillTurn()->phrase().at(game.currentLetter())).toLower();
    const QStringList letters = game.letterTexts();
    const auto wrong = std::find_if(letters.begin(), letters.end(), [&due](const QString &l) { return l != due; });
    game.letterTapped(miss && wrong != letters.end() ? *wrong : due);
    return miss && wrong != letters.end();
}

bool snapMove(SnapGame &game, bool miss)
{
    if (!game.canClick())
        return false;
    game.currentPairIsAMatch() != miss ? game.answerMatch() : game.answerNoMatch();
    return true;
}

bool matchMove(VerbMatch &game, bool miss)
{
    const QList<VerbMatchButton *> &cards = game.verbButtons();
    if (!game.tappedCards().isEmpty())
        return false;
    for (VerbMatchButton *first : cards) {
        for (VerbMatchButton *second : cards) {
            if (first == second || first->isCorrect() || second->isCorrect()
                || VerbMatch::isRightPair(*first, *second) == miss)
                continue;
            first->tap();
            second->tap();
            return true;
        }
    }
    return false;
}

// Plays the dealt game to its end with two misses, moving on from each shown answer at once.
void playWithTwoMisses(LearningGame *game)
{
    auto *player = new QTimer(game);
    auto misses = std::make_shared<int>(0);
    QObject::connect(player, &QTimer::timeout, game, [game, player, misses] {
        if (game->result()->shown() || !game->inPlay()) {
            player->stop();
            return;
        }
        if (game->revealing()) {
            game->continueNow();
            return;
        }
        const bool miss = *misses < 2;
        bool missed = false;
        if (auto *quiz = qobject_cast<ConjQuiz *>(game))
            missed = conjugationMove(*quiz, miss) && miss;
        else if (auto *gapFill = qobject_cast<GapFill *>(game))
            missed = gapFillMove(*gapFill, miss);
        else if (auto *snap = qobject_cast<SnapGame *>(game))
            missed = snapMove(*snap, miss) && miss;
        else if (auto *match = qobject_cast<VerbMatch *>(game))
            missed = matchMove(*match, miss) && miss;
        *misses += missed ? 1 : 0;
    });
    player->start(40);
}

// Pushes the named screen onto the menu's navigation stack: "menu" (nothing), "dictionary",
// "progress", "progress:grid" (its accuracy grid), "settings", "info", "table:VERB", "quizzes",
// "quiz:ID", a quiz in play ("play:quiz:ID"), "review", "review:ANSWER", or a game's screen with its
// set-up sheet ("sheet:GAME") or with a game dealt at the medium level ("play:GAME"). False when the
// name is not a screen.
bool openScreen(Services &services, QQuickWindow *window, const QString &name, SessionResult **awaited)
{
    if (name == u"menu")
        return true;
    auto *menu = window->findChild<QQuickItem *>(QStringLiteral("mainMenu"));
    if (!menu)
        return false;
    QString screen = name;
    Verb *verb = nullptr;
    if (name == u"quizzes" || name.startsWith(u"quiz:"))
        return openQuizScreen(services, menu, name);
    if (name.startsWith(u"play:quiz:"))
        return openQuizScreen(services, menu, name.mid(5), true);
    if (name == u"review" || name.startsWith(u"review:"))
        return openReviewScreen(menu, name);
    if (name == u"progress:grid") {
        QQuickItem *progress = nullptr;
        QMetaObject::invokeMethod(menu, "openScreen", Q_RETURN_ARG(QQuickItem *, progress),
            Q_ARG(QString, QStringLiteral("progress")), Q_ARG(Verb *, nullptr));
        return progress && progress->setProperty("tab", 1);
    }
    if (name.startsWith(u"table:")) {
        screen = QStringLiteral("table");
        const QString wanted = name.mid(6).toLower();
        verb = services.verbDictionary().verbForKey(wanted);
        if (!verb) {
            qCWarning(lcApp).noquote() << u"no verb " + name.mid(6);
            return false;
        }
    } else if (name.startsWith(u"sheet:") || name.startsWith(u"play:") || name.startsWith(u"result:")) {
        screen = name.section(u':', 1);
        if (!GameCatalog::onPage(screen))
            return false;
    } else if (name != u"dictionary" && name != u"progress" && name != u"settings" && name != u"info") {
        return false;
    }
    QQuickItem *page = nullptr;
    QMetaObject::invokeMethod(
        menu, "openScreen", Q_RETURN_ARG(QQuickItem *, page), Q_ARG(QString, screen), Q_ARG(Verb *, verb));
    if (page && (name.startsWith(u"play:") || name.startsWith(u"result:"))) {
        auto *game = qvariant_cast<LearningGame *>(page->property("game"));
        if (!game)
            return false;
        game->setDifficultyLevel(LearningGameDifficultyLevel::medium);
        game->startGame();
        if (name.startsWith(u"result:")) {
            *awaited = game->result();
            playWithTwoMisses(game);
        }
    }
    return page != nullptr;
}

void grabWhenSettled(QQuickWindow *window, const QString &path)
{
    QTimer::singleShot(screenshotSettleMs, window, [window, path] {
        const bool saved = window->grabWindow().save(path);
        if (saved)
            qCDebug(lcApp).noquote() << u"screenshot saved to " + path;
        else
            qCWarning(lcApp).noquote() << u"could not save " + path;
        QCoreApplication::exit(saved ? 0 : 1);
    });
}

}

int FlexioApp::run(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("flexio"));
    provideRuntimeFolder();
    if (argc > 1 && qstrcmp(argv[1], "conjugate") == 0)
        return runConjugate(argc, argv);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Italian Flexio"));
    // The name of the installed launcher entry, which desktops match the window to.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.tavelo.italianflexio"));
    useSoftwareRenderingWithoutDisplay();
    QGuiApplication app(argc, argv);
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
    // The command reads the learner's store and must never change it: loading the switches
    // fills in defaults and stores them back, so it works on a scratch copy.
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QFileInfo(config.storePath).fileName());
    if (!scratch.isValid() || (QFile::exists(config.storePath) && !QFile::copy(config.storePath, copy))) {
        QTextStream(stderr) << "Flexio cannot start: no scratch copy of the store could be made" << Qt::endl;
        return ConjugateCommand::noData;
    }
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    config.storePath = copy;
    Services services(std::move(config));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return ConjugateCommand(services, out, err).run(app.arguments().mid(2));
}

int FlexioApp::runWindow(const QStringList &arguments)
{
    const bool selfTest = arguments.contains(QStringLiteral("--self-test"));
    const qsizetype screenshotAt = arguments.indexOf(QStringLiteral("--screenshot"));
    const QString screenshotName = screenshotAt >= 0 ? arguments.value(screenshotAt + 1) : QString();
    const QString screenshotPath = screenshotAt >= 0 ? arguments.value(screenshotAt + 2) : QString();

    // Wrong options are refused before anything is loaded.
    if (screenshotAt >= 0 && screenshotPath.isEmpty()) {
        qCWarning(lcApp).noquote() << QStringLiteral("usage: flexio --screenshot NAME PATH");
        return 2;
    }
    // "--size WIDTHxHEIGHT" renders at another size than the phone's, for layout checks.
    QSize size;
    if (const qsizetype sizeAt = arguments.indexOf(QStringLiteral("--size")); sizeAt >= 0) {
        const QStringList parts = arguments.value(sizeAt + 1).split(u'x');
        size = QSize(parts.value(0).toInt(), parts.value(1).toInt());
        if (parts.size() != 2 || size.isEmpty()) {
            qCWarning(lcApp).noquote() << QStringLiteral("usage: --size WIDTHxHEIGHT");
            return 2;
        }
    }

    // "--appearance light|dark" shows this run in that appearance, without storing it.
    std::optional<Theme::Appearance> appearance;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--appearance")); at >= 0) {
        const QString name = arguments.value(at + 1);
        if (name != u"light" && name != u"dark") {
            qCWarning(lcApp).noquote() << QStringLiteral("usage: --appearance light|dark");
            return 2;
        }
        appearance = name == u"dark" ? Theme::Appearance::alwaysDark : Theme::Appearance::alwaysLight;
    }

    // One app per learner: a launch while the app runs hands its links to it, asks it to show
    // its window, and ends.
    const QStringList links = linkArguments(arguments);
    const bool interactive = !selfTest && screenshotAt < 0;
    std::unique_ptr<LinkForwarder> forwarder;
    if (interactive) {
        forwarder = std::make_unique<LinkForwarder>(LinkForwarder::defaultServerName());
        if (handOverToRunningApp(*forwarder, links))
            return 0;
    }

    // Reading the system's font list and the bundled fonts takes as long as loading the data, so
    // the two run side by side; the screens are made only once the fonts are in.
    auto fonts = std::async(std::launch::async, &Symbols::installFonts);

    ServicesConfig config = ServicesConfig::forApp();
    // A game dealt for a screenshot is dealt the same way every time.
    if (screenshotName.startsWith(u"play:") || screenshotName.startsWith(u"result:"))
        config.randomSeed = playScreenshotSeed;
    // The objects go while the application object still exists: work the loading queued never
    // runs, and the speech engine's plugin talks to its server on the way out and crashes when it
    // is torn down at exit.
    auto services = std::make_unique<Services>(std::move(config));
    // Screenshots are taken in silence: a dealt game speaks and plays sounds into recorders, not
    // through the platform's speech server.
    if (screenshotAt >= 0)
        services->audioEngines().useRecorders();

    // The quiz file is read on a worker thread while the verbs and the screens load.
    services->quizGamesParser();
    if (!loadVerbData(*services))
        return 1;

    fonts.wait();
    if (appearance)
        services->theme().useAppearance(*appearance);
    auto engine = std::make_unique<QQmlApplicationEngine>();
    services->provideTo(*engine);
    engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
    engine->load(QUrl(QStringLiteral("qrc:/qt/qml/Flexio/Main.qml")));
    auto *window =
        engine->rootObjects().isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(engine->rootObjects().first());
    if (!window) {
        qCWarning(lcApp).noquote() << QStringLiteral("Flexio cannot start: the main window did not load");
        engine.reset();
        return 1;
    }

    if (!loadQuizData(*services)) {
        engine.reset();
        return 1;
    }

    if (size.isValid())
        window->resize(size);
    // A phone may end a suspended app without notice: changes still gathered are written as it
    // leaves the screen.
    LearnerStore &store = services->learnerStore();
    QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged, window, [&store](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            store.flush();
    });

    if (forwarder) {
        if (forwarder->isListening())
            qCDebug(lcApp).noquote() << QString(u"listening for links on " + forwarder->serverName());
        QObject::connect(forwarder.get(), &LinkForwarder::linkReceived, window,
            [&links = services->deepLinkModel()](const QString &link) { links.openDeepLink(link); });
        QObject::connect(forwarder.get(), &LinkForwarder::raiseRequested, window, [window] {
            qCDebug(lcApp) << "raising the window";
            window->show();
            window->raise();
            window->requestActivate();
        });
    }
    for (const QString &link : links)
        services->deepLinkModel().openDeepLink(link);

    // The voices are listed in the background while the learner looks at the menu, and the icon
    // (an SVG drawn through a plugin) is set once the menu shows.
    if (interactive) {
        afterFirstFrame(window, [&services = *services] {
            QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/qt/qml/Flexio/images/AppIcon.svg")));
            services.textToSpeech();
        });
    }

    if (selfTest) {
        afterFirstFrame(window, [] {
            qCDebug(lcApp).noquote() << QStringLiteral("self-test: first frame shown");
            QCoreApplication::exit(0);
        });
        QTimer::singleShot(selfTestTimeoutMs, [] {
            qCWarning(lcApp).noquote() << QStringLiteral("self-test: no frame within the time allowed");
            QCoreApplication::exit(1);
        });
    } else if (screenshotAt >= 0) {
        afterFirstFrame(window, [&services = *services, window, screenshotName, screenshotPath] {
            SessionResult *awaited = nullptr;
            if (!openScreen(services, window, screenshotName, &awaited)) {
                qCWarning(lcApp).noquote() << u"no screen named " + screenshotName
                        + u"; screens: menu, dictionary, table:VERB, progress, progress:grid, settings, info, "
                          u"quizzes, quiz:ID, play:quiz:ID, review, review:ANSWER, sheet:GAME, play:GAME, result:GAME "
                          u"(GAME: match, conjugation, snap, gapfill)";
                QCoreApplication::exit(2);
                return;
            }
            if (!awaited) {
                grabWhenSettled(window, screenshotPath);
                return;
            }
            QObject::connect(awaited, &SessionResult::changed, window, [awaited, window, screenshotPath] {
                if (awaited->shown())
                    grabWhenSettled(window, screenshotPath);
            });
        });
    }
    const int status = QCoreApplication::exec();
    forwarder.reset();
    // The window's scene graph hands its textures to deferred deletion; let that run before the
    // process ends.
    engine.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    services.reset();
    return status;
}
