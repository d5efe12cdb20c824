#include "app/Screenshot.h"

#include "app/GameAutoPlayer.h"
#include "app/ScreenModels.h"
#include "app/Services.h"
#include "games/GameCatalog.h"
#include "games/conjugation/ConjQuiz.h"
#include "platform/LearnerDatabase.h"
#include "platform/Logging.h"
#include "platform/MainQueue.h"
#include "progress/DailyGoal.h"
#include "progress/ReviewSchedule.h"
#include "progress/SessionResult.h"
#include "quizzes/QuizGamesParser.h"
#include "screens/DeepLinkModel.h"
#include "verbs/VerbDictionary.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QQuickWindow>
#include <QTimer>

namespace {

// Time for a pushed screen to finish its transition and settle before it is captured.
constexpr int settleMs = 600;

// A learner who kept the goal on five days of each of the last three weeks (missing Saturdays,
// and answering a few only on Wednesdays) and this week until yesterday, and is part way there
// today. The answers fall at noon, today's just after midnight.
void answerSampleWeeks(LearnerDatabase &store, qint64 now)
{
    const QDate today = QDateTime::fromMSecsSinceEpoch(now).date();
    const LearnerDatabase::Form form =
        ReviewSchedule::storedForm({QStringLiteral("parlare"), QStringLiteral("PRES"), 0});
    const auto answer = [&store, &form](const QDateTime &at, int count) {
        for (int i = 0; i < count; ++i)
            store.addAnswer(form, {at.toMSecsSinceEpoch() + i, true, QStringLiteral("parlo"), {}});
    };
    const int target = DailyGoal::defaultTarget;
    store.write([&] {
        for (QDate day = today.addDays(-today.dayOfWeek() - 20); day < today; day = day.addDays(1)) {
            const int weekday = day.dayOfWeek();
            answer(QDateTime(day, QTime(12, 0)), weekday == 6 ? 0 : weekday == 3 ? 8 : target + weekday % 3 * 4);
        }
        answer(QDateTime(today, QTime(0, 0)), 12);
        return true;
    });
}

}

Screenshot::Screenshot(Services &services, QString name, QString path)
    : services_(services)
    , name_(std::move(name))
    , path_(std::move(path))
{
    QObject::connect(&services_.screenModels(), &ScreenModels::made, &watcher_,
        [this](QObject *model) { made_.append(QPointer<QObject>(model)); });
}

// clang-format off
const QList<Screenshot::Case> &Screenshot::cases()
{
    // Longer prefixes first: "play:quiz:" before "play:".
    static const QList<Case> list{
        {QStringLiteral("menu"), {}, &Screenshot::showMenu},
        {QStringLiteral("menu:goal"), {}, &Screenshot::showGoalMenu},
        {QStringLiteral("dictionary"), {}, &Screenshot::showScreen},
        {QStringLiteral("table:"), QStringLiteral("VERB"), &Screenshot::showVerbTable},
        {QStringLiteral("progress"), {}, &Screenshot::showScreen},
        {QStringLiteral("progress:grid"), {}, &Screenshot::showAccuracyGrid},
        {QStringLiteral("settings"), {}, &Screenshot::showScreen},
        {QStringLiteral("info"), {}, &Screenshot::showScreen},
        {QStringLiteral("quizzes"), {}, &Screenshot::showScreen},
        {QStringLiteral("quiz:"), QStringLiteral("ID"), &Screenshot::showQuiz},
        {QStringLiteral("play:quiz:"), QStringLiteral("ID"), &Screenshot::playQuiz},
        {QStringLiteral("review"), {}, &Screenshot::showScreen},
        {QStringLiteral("review:"), QStringLiteral("ANSWER"), &Screenshot::answerReview},
        {QStringLiteral("sheet:"), QStringLiteral("GAME"), &Screenshot::showGameSheet},
        {QStringLiteral("play:conjugation:typed"), {}, &Screenshot::playTyped},
        {QStringLiteral("play:"), QStringLiteral("GAME"), &Screenshot::playGame},
        {QStringLiteral("result:"), QStringLiteral("GAME"), &Screenshot::playToResult},
    };
    return list;
}
// clang-format on

QStringList Screenshot::names()
{
    QStringList names;
    for (const Case &kind : cases()) {
        if (kind.placeholder != u"GAME") {
            names.append(kind.prefix + kind.placeholder);
            continue;
        }
        for (const GameEntry &game : GameCatalog::games())
            names.append(kind.prefix + game.page);
    }
    return names;
}

void Screenshot::take(QQuickWindow &window)
{
    if (!open()) {
        qCWarning(lcApp).noquote() << u"no screen named " + name_ + u"; screens: " + names().join(u", ");
        QCoreApplication::exit(2);
        return;
    }
    if (!awaited_) {
        saveWhenSettled(window);
        return;
    }
    QObject::connect(awaited_, &SessionResult::changed, &watcher_, [this, &window] {
        if (awaited_ && awaited_->shown() && !std::exchange(saving_, true))
            saveWhenSettled(window);
    });
}

void Screenshot::saveWhenSettled(QQuickWindow &window)
{
    QTimer::singleShot(settleMs, &window, [&window, path = path_] {
        const bool saved = window.grabWindow().save(path);
        if (!saved)
            qCWarning(lcApp).noquote() << u"could not save " + path;
        QCoreApplication::exit(saved ? 0 : 1);
    });
}

bool Screenshot::open()
{
    for (const Case &kind : cases()) {
        const bool match = kind.placeholder.isEmpty() ? name_ == kind.prefix : name_.startsWith(kind.prefix);
        if (match)
            return (this->*kind.open)(name_.mid(kind.prefix.size()));
    }
    return false;
}

template <typename Model> Model *Screenshot::latest() const
{
    for (auto it = made_.crbegin(); it != made_.crend(); ++it) {
        if (auto *model = qobject_cast<Model *>(it->data()))
            return model;
    }
    return nullptr;
}

bool Screenshot::request(const QString &screen, const QVariantMap &properties)
{
    auto *menu = latest<MainMenuModel>();
    return menu && menu->requestScreen(screen, properties);
}

bool Screenshot::showMenu(const QString &)
{
    return true;
}

bool Screenshot::drawsSampleLearner(const QString &name)
{
    return name == u"menu:goal";
}

bool Screenshot::showGoalMenu(const QString &)
{
    answerSampleWeeks(services_.learnerStore(), services_.mainQueue().now());
    services_.dailyGoal().refresh();
    return true;
}

bool Screenshot::showScreen(const QString &)
{
    return request(name_);
}

bool Screenshot::showAccuracyGrid(const QString &)
{
    return request(QStringLiteral("progress"), {{QStringLiteral("tab"), 1}});
}

bool Screenshot::showVerbTable(const QString &verb)
{
    Verb *shown = services_.verbDictionary().verbForKey(verb.toLower());
    if (!shown) {
        qCWarning(lcApp).noquote() << u"no verb " + verb;
        return false;
    }
    return request(QStringLiteral("table"), {{QStringLiteral("verb"), QVariant::fromValue(shown)}});
}

bool Screenshot::answerReview(const QString &answer)
{
    if (!request(QStringLiteral("review")) || !latest<ReviewDrill>())
        return false;
    latest<ReviewDrill>()->answer(answer);
    return true;
}

// A quiz opens as a link to it opens it.
bool Screenshot::showQuiz(const QString &quizID)
{
    if (!services_.quizGamesParser().quizWithID(quizID)) {
        qCWarning(lcApp).noquote() << u"no quiz " + quizID;
        return false;
    }
    return !services_.deepLinkModel().openDeepLink(DeepLinkModel::scheme() + u"://" + quizID).isEmpty()
        && latest<QuizGame>();
}

bool Screenshot::playQuiz(const QString &quizID)
{
    if (!showQuiz(quizID))
        return false;
    latest<QuizGame>()->startQuiz(services_.quizGamesParser().quizWithID(quizID));
    return true;
}

bool Screenshot::showGameSheet(const QString &page)
{
    return GameCatalog::onPage(page) && request(page) && latest<LearningGame>();
}

// Dealt at the medium level (from the fixed random seed the app is given for play: screens).
bool Screenshot::playGame(const QString &page)
{
    if (!showGameSheet(page))
        return false;
    deal(*latest<LearningGame>());
    return true;
}

void Screenshot::deal(LearningGame &game)
{
    game.setDifficultyLevel(LearningGameDifficultyLevel::medium);
    game.startGame();
}

// The conjugation quiz in typed mode, with the first letters of the answer typed.
bool Screenshot::playTyped(const QString &)
{
    if (!showGameSheet(QStringLiteral("conjugation")))
        return false;
    auto *quiz = qobject_cast<ConjQuiz *>(latest<LearningGame>());
    quiz->setTypedMode(true);
    deal(*quiz);
    for (const QChar letter : quiz->currentQuestion().correctAnswer.left(3))
        quiz->typeKey(letter);
    return true;
}

// The game played to its end with two misses, and its result shown.
bool Screenshot::playToResult(const QString &page)
{
    if (!playGame(page))
        return false;
    LearningGame *game = latest<LearningGame>();
    awaited_ = game->result();
    new GameAutoPlayer(*game);
    return true;
}
