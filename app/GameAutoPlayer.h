#pragma once

#include <QObject>
#include <QTimer>

class LearningGame;

// Plays a dealt game to its end for a screenshot of its result: two wrong answers first, right
// ones after, moving on from each shown right form at once.
class GameAutoPlayer : public QObject
{
    Q_OBJECT

public:
    explicit GameAutoPlayer(LearningGame &game);

private:
    void move();
    // One answer, wrong when miss is set (where the game offers one); false while the game is
    // not ready for an answer. Sets missed when the answer given was wrong.
    bool answer(bool miss, bool &missed);

    LearningGame &game_;
    QTimer ticker_;
    int misses_ = 0;
};
