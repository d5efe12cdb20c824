#include "quizzes/QuizQuestion.h"

#include "platform/Random.h"

#include <utility>

QuizQuestion::QuizQuestion(Random &random, QObject *parent)
    : QObject(parent)
    , random_(random)
    , answer_(new QuizQuestionAnswer(this))
    , alt1_(new QuizQuestionAnswer(this))
    , alt2_(new QuizQuestionAnswer(this))
    , alt3_(new QuizQuestionAnswer(this))
{}

const QList<QuizQuestionAnswer *> &QuizQuestion::allAnswers()
{
    if (allAnswers_.isEmpty()) {
        allAnswers_ = {answer_, alt1_, alt2_, alt3_};
        random_.shuffle(allAnswers_);
    }
    return allAnswers_;
}

void QuizQuestion::replace(QuizQuestionAnswer *&slot, QuizQuestionAnswer *fresh)
{
    if (!fresh || fresh == slot)
        return;
    fresh->setParent(this);
    QuizQuestionAnswer *old = std::exchange(slot, fresh);
    const qsizetype dealt = allAnswers_.indexOf(old);
    if (dealt < 0) {
        delete old;
        return;
    }
    allAnswers_[dealt] = fresh;
    emit allAnswersChanged();
    // A screen may still show the old answer until it rebinds.
    old->deleteLater();
}
