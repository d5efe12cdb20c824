#pragma once

#include "platform/ManualMainQueue.h"
#include "quizzes/QuizGame.h"

// Taps for tests: the right answer or the n-th wrong answer of the question on screen.
namespace QuizPlay {

inline QuizQuestionAnswer *right(QuizGame &game)
{
    for (QuizQuestionAnswer *answer : game.currentQuestion()->allAnswers()) {
        if (answer->correct)
            return answer;
    }
    return nullptr;
}

inline QuizQuestionAnswer *wrong(QuizGame &game, int n)
{
    for (QuizQuestionAnswer *answer : game.currentQuestion()->allAnswers()) {
        if (!answer->correct && n-- == 0)
            return answer;
    }
    return nullptr;
}

// Taps wrongTaps wrong answers, then the right one, and moves on to the next question.
inline void answer(QuizGame &game, ManualMainQueue &queue, int wrongTaps)
{
    for (int i = 0; i < wrongTaps; ++i)
        game.answerTapped(wrong(game, i));
    game.answerTapped(right(game));
    if (game.currentQuestion()->explanation.isEmpty())
        queue.advance(QuizGame::pauseAfterRightAnswerMs);
    else
        game.nextTurn();
}

// Plays the whole game with the given wrong taps per question (0 for missing entries).
inline void playThrough(QuizGame &game, ManualMainQueue &queue, const QList<int> &wrongTaps = {})
{
    for (int turn = 0; game.inPlay(); ++turn)
        answer(game, queue, wrongTaps.value(turn, 0));
}

}
