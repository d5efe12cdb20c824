#pragma once

#include "games/GameContext.h"

#include <QList>
#include <QString>

class LearningGame;
class QObject;

// One verb game: the main menu's entry for it, the screen that plays it and how the game is made.
struct GameEntry
{
    // The menu entry's page, which also names the game's screen in links and screenshots: "snap".
    QString page;
    QString title;
    QString description;
    QString symbol;
    // The game's screen, a QML file of the app's module: "SnapGameView.qml".
    QString screen;
    LearningGame *(*make)(const GameContext &context, QObject *owner);
};

// The verb games in menu order. The menu, the screens and the screenshots read this list; a new
// game is its own folder under games/, its screen, and a row here.
class GameCatalog
{
public:
    GameCatalog() = delete;

    static const QList<GameEntry> &games();
    // The game on the given page, or nullptr.
    static const GameEntry *onPage(const QString &page);
};
