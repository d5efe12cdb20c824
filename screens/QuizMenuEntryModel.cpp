#include "screens/QuizMenuEntryModel.h"

#include "quizzes/Quiz.h"
#include "screens/QuizScreens.h"

QuizMenuEntryModel::QuizMenuEntryModel(QObject *parent)
    : QObject(parent)
{}

void QuizMenuEntryModel::setQuiz(Quiz *quiz)
{
    if (quiz_ == quiz)
        return;
    if (quiz_)
        disconnect(quiz_, nullptr, this, nullptr);
    quiz_ = quiz;
    if (quiz_)
        connect(quiz_, &Quiz::lastScoreChanged, this, &QuizMenuEntryModel::scoreChanged);
    emit quizChanged();
    emit scoreChanged();
}

QString QuizMenuEntryModel::title() const
{
    return quiz_ ? quiz_->title : QString();
}

QString QuizMenuEntryModel::description() const
{
    return quiz_ ? quiz_->description : QString();
}

bool QuizMenuEntryModel::sealShown() const
{
    return quiz_ && QuizScreens::showsSeal(quiz_->lastScore());
}

QColor QuizMenuEntryModel::sealColour() const
{
    return QuizScreens::gradeColour(quiz_ ? quiz_->lastScore() : 0);
}

QString QuizMenuEntryModel::scoreText() const
{
    return quiz_ ? QString(u"Last score " + QString::number(quiz_->lastScore()) + u'%') : QString();
}
