#include "app/GameAutoPlayer.h"

#include "games/LearningGame.h"
#include "games/conjugation/ConjQuiz.h"
#include "games/gapfill/GapFill.h"
#include "games/gapfill/GapFillTurn.h"
#include "games/match/VerbMatch.h"
#include "games/snap/SnapGame.h"
#include "progress/SessionResult.h"

#include <algorithm>

namespace {

constexpr int moveMs = 40;

bool conjugationMove(ConjQuiz &game, bool miss, bool &missed)
{
    if (!game.canClick())
        return false;
    for (ConjugationQuizAnswer *answer : game.currentQuestion().alts) {
        if (answer->correct() != miss) {
            game.answerTapped(answer);
            missed = miss;
            return true;
        }
    }
    return false;
}

bool gapFillMove(GapFill &game, bool miss, bool &missed)
{
    if (!game.canClick())
        return false;
    const QString due = QString(game.currentGapFillTurn()->phrase().at(game.currentLetter())).toLower();
    const QStringList letters = game.letterTexts();
    const auto wrong = std::find_if(letters.begin(), letters.end(), [&due](const QString &l) { return l != due; });
    missed = miss && wrong != letters.end();
    game.letterTapped(missed ? *wrong : due);
    return true;
}

bool snapMove(SnapGame &game, bool miss, bool &missed)
{
    if (!game.canClick())
        return false;
    game.currentPairIsAMatch() != miss ? game.answerMatch() : game.answerNoMatch();
    missed = miss;
    return true;
}

bool matchMove(VerbMatch &game, bool miss, bool &missed)
{
    if (!game.tappedCards().isEmpty())
        return false;
    const QList<VerbMatchButton *> &cards = game.verbButtons();
    for (VerbMatchButton *first : cards) {
        for (VerbMatchButton *second : cards) {
            if (first == second || first->isCorrect() || second->isCorrect()
                || VerbMatch::isRightPair(*first, *second) == miss)
                continue;
            first->tap();
            second->tap();
            missed = miss;
            return true;
        }
    }
    return false;
}

}

GameAutoPlayer::GameAutoPlayer(LearningGame &game)
    : QObject(&game)
    , game_(game)
{
    connect(&ticker_, &QTimer::timeout, this, &GameAutoPlayer::move);
    ticker_.start(moveMs);
}

void GameAutoPlayer::move()
{
    if (game_.result()->shown() || !game_.inPlay()) {
        ticker_.stop();
        return;
    }
    if (game_.revealing()) {
        game_.continueNow();
        return;
    }
    bool missed = false;
    if (answer(misses_ < 2, missed) && missed)
        ++misses_;
}

bool GameAutoPlayer::answer(bool miss, bool &missed)
{
    if (auto *quiz = qobject_cast<ConjQuiz *>(&game_))
        return conjugationMove(*quiz, miss, missed);
    if (auto *gapFill = qobject_cast<GapFill *>(&game_))
        return gapFillMove(*gapFill, miss, missed);
    if (auto *snap = qobject_cast<SnapGame *>(&game_))
        return snapMove(*snap, miss, missed);
    if (auto *match = qobject_cast<VerbMatch *>(&game_))
        return matchMove(*match, miss, missed);
    return false;
}
