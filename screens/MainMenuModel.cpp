#include "screens/MainMenuModel.h"

#include "games/GameCatalog.h"
#include "platform/MainQueue.h"
#include "progress/DailyGoal.h"
#include "progress/ReviewSchedule.h"
#include "screens/Theme.h"
#include "verbs/VerbDictionary.h"

#include <QHash>
#include <QLocale>
#include <QVariantMap>

#include <algorithm>
#include <limits>

MainMenuModel::MainMenuModel(
    VerbDictionary &verbs, ReviewSchedule &schedule, DailyGoal &goal, const MainQueue &clock, QObject *parent)
    : QObject(parent)
    , verbs_(verbs)
    , schedule_(schedule)
    , goal_(goal)
    , clock_(clock)
    , randomVerb_(verbs_.randomVerb())
{
    connect(&verbs_, &VerbDictionary::verbsChanged, this, &MainMenuModel::entriesChanged);
    connect(&schedule_, &ReviewSchedule::changed, this, &MainMenuModel::entriesChanged);
    connect(&goal_, &DailyGoal::changed, this, &MainMenuModel::goalChanged);
}

void MainMenuModel::pickRandomVerb()
{
    randomVerb_ = verbs_.randomVerb();
    emit randomVerbChanged();
}

QList<QColor> MainMenuModel::colours()
{
    const QColor red = Theme::red();
    const QColor green = Theme::green();
    const QColor light = Theme::light();
    return {red, green, green, green, green, red, light, green, green, light, light, light, light, red, green, light,
        light, light, light};
}

QList<QColor> MainMenuModel::textColours()
{
    const QColor light = Theme::light();
    const QColor dark = Theme::navy();
    const QColor white(Qt::white);
    return {light, light, light, light, light, light, dark, light, light, dark, dark, dark, dark, light, light, white,
        white, white, white, white, white, white};
}

namespace {

QString reviewDescription(int due)
{
    if (due == 0)
        return QStringLiteral("Nothing due. Forms you miss in the games come back here, spaced over days.");
    if (due >= ReviewSchedule::dueCountLimit)
        return QLocale(QLocale::English).toString(ReviewSchedule::dueCountLimit)
            + QStringLiteral(" or more forms you missed are due for review");
    return due == 1 ? QStringLiteral("1 form you missed is due for review")
                    : QString::number(due) + QStringLiteral(" forms you missed are due for review");
}

}

int MainMenuModel::reviewDue() const
{
    return schedule_.dueCount(clock_.now());
}

QString MainMenuModel::screenFile(const QString &name)
{
    static const QHash<QString, QString> screens{
        {QStringLiteral("dictionary"), QStringLiteral("VerbDictionaryPage.qml")},
        {QStringLiteral("progress"), QStringLiteral("ProgressPage.qml")},
        {QStringLiteral("settings"), QStringLiteral("SettingsPage.qml")},
        {QStringLiteral("info"), QStringLiteral("InfoPage.qml")},
        {QStringLiteral("quizzes"), QStringLiteral("QuizGamesMenuPage.qml")},
        {QStringLiteral("table"), QStringLiteral("VerbTablePage.qml")},
        {QStringLiteral("review"), QStringLiteral("ReviewPage.qml")},
    };
    if (const GameEntry *game = GameCatalog::onPage(name))
        return game->screen;
    return screens.value(name);
}

bool MainMenuModel::requestScreen(const QString &name, const QVariantMap &properties)
{
    if (screenFile(name).isEmpty())
        return false;
    emit screenRequested(name, properties);
    return true;
}

QVariantList MainMenuModel::entries() const
{
    struct Entry
    {
        QString title;
        QString description;
        QString symbol;
        QString page;
    };
    // Counting the due forms reads the whole review schedule: once per call.
    const int due = reviewDue();
    QList<Entry> list{
        {QStringLiteral("Verb Dictionary"),
            QStringLiteral("Browse and revise ") + QString::number(verbs_.verbCount()) + QStringLiteral(" essential ")
                + language + QStringLiteral(" verbs"),
            QStringLiteral("book.fill"), QStringLiteral("dictionary")},
    };
    for (const GameEntry &game : GameCatalog::games())
        list.append({game.title, game.description, game.symbol, game.page});
    list += QList<Entry>{
        {QStringLiteral("Quizzes"),
            QStringLiteral("Get to the heart of grammatical matters with these ") + language
                + QStringLiteral(" verb pop quizzes"),
            QStringLiteral("questionmark.app.fill"), QStringLiteral("quizzes")},
        {QStringLiteral("Performance"),
            QStringLiteral("Which ") + language
                + QStringLiteral(" verbs have you found trickiest? Which are you acing? Check here."),
            QStringLiteral("mountain.2.fill"), QStringLiteral("progress")},
        {QStringLiteral("Review"), reviewDescription(due), QStringLiteral("clock.fill"), QStringLiteral("review")},
    };
    const QList<QColor> background = colours();
    const QList<QColor> text = textColours();
    QVariantList result;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const Entry &entry = list[i];
        result.append(QVariantMap{{QStringLiteral("title"), entry.title},
            {QStringLiteral("description"), entry.description}, {QStringLiteral("symbol"), entry.symbol},
            {QStringLiteral("colour"), background[i]}, {QStringLiteral("textColour"), text[i]},
            {QStringLiteral("page"), entry.page}, {QStringLiteral("quiet"), entry.page == u"review" && due == 0}});
    }
    return result;
}

namespace {

QString answersText(qint64 count)
{
    return QString::number(count) + (count == 1 ? QStringLiteral(" answer") : QStringLiteral(" answers"));
}

}

int MainMenuModel::answersToday() const
{
    return int(std::min<qint64>(goal_.answersToday(), std::numeric_limits<int>::max()));
}

QString MainMenuModel::goalText() const
{
    const qint64 today = goal_.answersToday();
    if (today >= goal_.target())
        return u"Goal met: " + answersText(today) + u" today";
    return QString::number(today) + u" of " + answersText(goal_.target()) + u" today";
}

double MainMenuModel::goalFraction() const
{
    return std::min(1.0, double(goal_.answersToday()) / goal_.target());
}

QVariantList MainMenuModel::goalDays() const
{
    const QLocale english(QLocale::English);
    QVariantList days;
    for (const DailyGoal::Day &day : goal_.lastWeek()) {
        const bool today = &day == &goal_.lastWeek().last();
        const QString weekday = english.dayName(day.date.dayOfWeek());
        QString state;
        QString mark;
        QString symbol;
        switch (day.mark) {
        case DailyGoal::Mark::met:
            mark = QStringLiteral("met");
            symbol = QStringLiteral("checkmark.circle.fill");
            state = u"goal met, " + answersText(day.answers);
            break;
        case DailyGoal::Mark::partly:
            mark = QStringLiteral("partly");
            symbol = QStringLiteral("largecircle.fill.circle");
            state = QString::number(day.answers) + u" of " + answersText(goal_.target());
            break;
        case DailyGoal::Mark::none:
            mark = QStringLiteral("none");
            symbol = QStringLiteral("circle");
            state = QStringLiteral("no answers");
            break;
        }
        const QString name = (today ? QString(u"Today, " + weekday) : weekday) + u": " + state;
        days.append(QVariantMap{{QStringLiteral("initial"), weekday.left(1)}, {QStringLiteral("mark"), mark},
            {QStringLiteral("symbol"), symbol}, {QStringLiteral("today"), today}, {QStringLiteral("name"), name}});
    }
    return days;
}

QString MainMenuModel::streakText() const
{
    const int weeks = goal_.weekStreak();
    if (weeks == 0)
        return u"Meet your goal " + QString::number(DailyGoal::metDaysForWeek) + u" days in a week to start a streak";
    return u"Streak: " + QString::number(weeks) + (weeks == 1 ? QStringLiteral(" week") : QStringLiteral(" weeks"));
}

void MainMenuModel::refreshGoal()
{
    goal_.refresh();
}
