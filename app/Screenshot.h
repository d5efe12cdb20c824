#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariantMap>

class LearningGame;
class QQuickWindow;
class Services;
class SessionResult;

// Draws one screen of the app into a PNG file. The screen is opened the way a learner or a link
// opens it: through the main menu's screen requests and the deep links, never by reaching into
// the screens; the models the screens are given (a game, the review drill, a quiz) are then
// played from C++.
class Screenshot
{
public:
    // Every screen name, one per line: menu, dictionary, table:VERB, ..., and sheet:GAME,
    // play:GAME and result:GAME (played to its end with two misses) for each game of GameCatalog.
    [[nodiscard]] static QStringList names();
    // Whether the screen is drawn over a sample learner, in a store in memory that leaves the
    // learner's own file alone (menu:goal).
    [[nodiscard]] static bool drawsSampleLearner(const QString &name);

    // Starts watching the models the screens are given; make it before the window loads.
    Screenshot(Services &services, QString name, QString path);

    // Opens the screen in window, lets it settle, saves it and ends the event loop: 0 when saved,
    // 1 when it could not be saved, 2 when the name is not a screen.
    void take(QQuickWindow &window);

private:
    // One kind of screen name: its prefix and, when it takes one, the argument's placeholder
    // ("table:" "VERB"). open is handed the argument.
    struct Case
    {
        QString prefix;
        QString placeholder;
        bool (Screenshot::*open)(const QString &argument);
    };
    static const QList<Case> &cases();

    bool open();
    bool showMenu(const QString &);
    bool showGoalMenu(const QString &);
    bool showScreen(const QString &name);
    bool showAccuracyGrid(const QString &);
    bool showVerbTable(const QString &verb);
    bool answerReview(const QString &answer);
    bool showQuiz(const QString &quizID);
    bool playQuiz(const QString &quizID);
    bool showGameSheet(const QString &page);
    bool playGame(const QString &page);
    bool playToResult(const QString &page);
    bool playTyped(const QString &page);
    static void deal(LearningGame &game);
    void saveWhenSettled(QQuickWindow &window);

    // Asks the main menu to push a screen; the models made for it are then latest<T>().
    bool request(const QString &screen, const QVariantMap &properties = {});
    template <typename Model> Model *latest() const;

    Services &services_;
    const QString name_;
    const QString path_;
    QObject watcher_;
    QList<QPointer<QObject>> made_;
    // A screen saved only once this result shows.
    QPointer<SessionResult> awaited_;
    bool saving_ = false;
};
