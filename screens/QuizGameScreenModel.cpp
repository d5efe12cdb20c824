#include "screens/QuizGameScreenModel.h"

#include "quizzes/QuizGame.h"
#include "screens/QuizScreens.h"

QuizGameScreenModel::QuizGameScreenModel(QObject *parent)
    : QObject(parent)
{}

void QuizGameScreenModel::setGame(QuizGame *game)
{
    if (game_ == game)
        return;
    if (game_)
        disconnect(game_, nullptr, this, nullptr);
    game_ = game;
    if (game_) {
        for (auto signal : {&QuizGame::currentTurnChanged, &QuizGame::questionsInPlayChanged, &QuizGame::inPlayChanged,
                 &QuizGame::turnStateChanged, &QuizGame::clicksChanged})
            connect(game_, signal, this, &QuizGameScreenModel::turnChanged);
        connect(game_, &QuizGame::turnStateChanged, this, &QuizGameScreenModel::hintChanged);
        // A new turn or a new game hides the clue, even when the same question comes up again.
        for (auto signal : {&QuizGame::currentTurnChanged, &QuizGame::inPlayChanged})
            connect(game_, signal, this, &QuizGameScreenModel::hideHint);
        connect(game_, &QuizGame::currentQuestionChanged, this, &QuizGameScreenModel::followQuestion);
    }
    followQuestion();
    emit gameChanged();
    emit turnChanged();
}

void QuizGameScreenModel::followQuestion()
{
    if (question_)
        disconnect(question_, nullptr, this, nullptr);
    question_ = game_ ? game_->currentQuestion() : nullptr;
    if (question_)
        connect(question_, &QuizQuestion::allAnswersChanged, this, &QuizGameScreenModel::answersChanged);
    emit answersChanged();
    emit turnChanged();
    hideHint();
}

void QuizGameScreenModel::hideHint()
{
    hintShown_ = false;
    emit hintChanged();
}

QString QuizGameScreenModel::counterText() const
{
    if (!game_)
        return {};
    return QString::number(game_->currentTurn() + 1) + u'/' + QString::number(game_->questionsInPlay().size());
}

QString QuizGameScreenModel::percentageText() const
{
    return game_ ? QString::number(game_->percentage()) + u'%' : QString();
}

QVariantList QuizGameScreenModel::answers() const
{
    QVariantList list;
    if (question_) {
        for (QuizQuestionAnswer *answer : question_->allAnswers())
            list.append(QVariant::fromValue(answer));
    }
    return list;
}

bool QuizGameScreenModel::explaining() const
{
    return game_ && game_->inPlay() && game_->turnState() == QuizQuestionAnswerState::correct && question_
        && !question_->explanation.isEmpty();
}

QString QuizGameScreenModel::explanationText() const
{
    return explaining() ? QuizScreens::explanationText(question_->explanation) : QString();
}

bool QuizGameScreenModel::hintAvailable() const
{
    return !hintShown_ && game_ && game_->inPlay() && game_->turnState() != QuizQuestionAnswerState::correct
        && question_ && !question_->clue.isEmpty();
}

QString QuizGameScreenModel::hintText() const
{
    return hintShown_ && question_ ? question_->clue : QString();
}

void QuizGameScreenModel::showHint()
{
    if (!hintAvailable())
        return;
    hintShown_ = true;
    emit hintChanged();
}
