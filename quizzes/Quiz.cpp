#include "quizzes/Quiz.h"

void Quiz::setLastScore(qint64 score)
{
    if (lastScore_ == score)
        return;
    lastScore_ = score;
    emit lastScoreChanged();
}
