#include "quizzes/QuizGame.h"

#include "platform/Logging.h"
#include "platform/MainQueue.h"
#include "platform/Random.h"
#include "progress/ProgressManager.h"
#include "progress/SessionResult.h"

#include <numeric>

QuizGame::QuizGame(Random &random, ProgressManager &progress, MainQueue &queue, QObject *parent)
    : QObject(parent)
    , random_(random)
    , progress_(progress)
    , queue_(queue)
    , emptyQuiz_(new Quiz(this))
    , emptyQuestion_(new QuizQuestion(random_, this))
    , quiz_(emptyQuiz_)
    , currentQuestion_(emptyQuestion_)
    , result_(new SessionResult(this))
{}

QuizGame::~QuizGame() = default;

QuizGame::Grade QuizGame::grade(qint64 lastScore)
{
    if (lastScore < 1)
        return Grade::none;
    if (lastScore < 50)
        return Grade::red;
    if (lastScore < 90)
        return Grade::amber;
    return Grade::green;
}

void QuizGame::setQuiz(Quiz *quiz)
{
    if (inPlay_ || !quiz || quiz == quiz_)
        return;
    quiz_ = quiz;
    emit quizChanged();
}

void QuizGame::startQuiz(Quiz *quiz)
{
    if (!quiz)
        return;
    if (quiz != quiz_) {
        quiz_ = quiz;
        emit quizChanged();
    }
    gameNumber_ += 1;

    QList<qsizetype> order(quiz->questions.size());
    std::iota(order.begin(), order.end(), 0);
    random_.shuffle(order);
    QList<QuizQuestion *> chosen;
    for (qsizetype i = 0; i < std::min<qsizetype>(questionsPerGame_, order.size()); ++i) {
        QuizQuestion *question = quiz->questions.at(order.at(i));
        for (QuizQuestionAnswer *answer : {question->answer(), question->alt1(), question->alt2(), question->alt3()})
            answer->setState(QuizQuestionAnswerState::undefined);
        chosen.append(question);
    }
    questionsInPlay_ = chosen;
    emit questionsInPlayChanged();
    setClicks(0, 0);
    setCurrentTurn(0);

    if (questionsInPlay_.isEmpty()) {
        qCWarning(lcQuizzes).noquote() << u"the quiz " + quiz->quizID + u" has no questions to play";
        setInPlay(false);
        return;
    }
    setInPlay(true);
    setupTurn();
    startedAt_ = queue_.now();
    result_->begin(startedAt_);
}

void QuizGame::setupTurn()
{
    setTurnState(QuizQuestionAnswerState::undefined);
    if (currentTurn_ < 0 || currentTurn_ >= questionsInPlay_.size())
        return;
    QuizQuestion *question = questionsInPlay_.at(currentTurn_);
    setCurrentQuestion(question);
    setCurrentQuestionText(question->question);
    if (question->alt3()->text.isEmpty() || (question->alt1()->text.isEmpty() && question->alt2()->text.isEmpty()))
        fillAlternatives(question);
}

void QuizGame::fillAlternatives(QuizQuestion *question)
{
    if (!question)
        return;
    const QString &own = question->answer()->text;
    QStringList texts;
    for (const QuizQuestion *other : std::as_const(quiz()->questions)) {
        const QString &text = other->answer()->text;
        // An empty answer would only offer a blank button.
        if (!text.isEmpty() && text != own && !texts.contains(text))
            texts.append(text);
    }
    random_.shuffle(texts);
    if (texts.size() > 0)
        question->setAlt1(new QuizQuestionAnswer(texts.at(0), false));
    if (texts.size() > 1)
        question->setAlt2(new QuizQuestionAnswer(texts.at(1), false));
    if (texts.size() > 2)
        question->setAlt3(new QuizQuestionAnswer(texts.at(2), false));
}

void QuizGame::answerTapped(QuizQuestionAnswer *answer)
{
    if (!answer || !inPlay_ || answer->state() != QuizQuestionAnswerState::undefined
        || turnState_ == QuizQuestionAnswerState::correct)
        return;
    QuizQuestion *question = currentQuestion();
    // A tap can only be on an answer of the question on screen.
    if (!question->allAnswers().contains(answer))
        return;

    if (!answer->correct) {
        setClicks(correctClicks_, totalClicks_ + 1);
        answer->setState(QuizQuestionAnswerState::incorrect);
        result_->addMiss({DrilledForm{}, QString(question->question).replace(blank, question->answer()->text),
            question->clue, question->explanation});
        if (!question->linkedVerb.isEmpty())
            progress_.addPoints(question->linkedVerb, -1);
        return;
    }

    setClicks(correctClicks_ + 1, totalClicks_ + 1);
    answer->setState(QuizQuestionAnswerState::correct);
    setTurnState(QuizQuestionAnswerState::correct);
    setCurrentQuestionText(QString(currentQuestionText_).replace(blank, question->answer()->text));
    if (!question->linkedVerb.isEmpty())
        progress_.addPoints(question->linkedVerb, 1);
    if (question->explanation.isEmpty()) {
        nextTurnLater();
        return;
    }
    for (QuizQuestionAnswer *other : question->allAnswers()) {
        if (!other->correct)
            other->setState(QuizQuestionAnswerState::discarded);
    }
}

// The pause is not cancelled when the screen closes; it only ever moves on the turn it was
// scheduled for, and does nothing once this game is gone.
void QuizGame::nextTurnLater()
{
    QPointer<QuizGame> self(this);
    const quint64 game = gameNumber_;
    const int turn = currentTurn_;
    queue_.after(pauseAfterRightAnswerMs, [self, game, turn] {
        if (self && self->inPlay_ && self->gameNumber_ == game && self->currentTurn_ == turn)
            self->nextTurn();
    });
}

void QuizGame::nextTurn()
{
    if (!inPlay_)
        return;
    setCurrentTurn(currentTurn_ + 1);
    if (currentTurn_ < questionsInPlay_.size()) {
        setupTurn();
        return;
    }
    endQuiz();
    const int score = percentage();
    Quiz *played = quiz();
    progress_.setQuizScore(played->quizID, score);
    played->setLastScore(score);
    progress_.recordQuizActivity(played->quizID, startedAt_, queue_.now(), score);
    result_->finish(correctClicks_, totalClicks_, queue_.now());
}

void QuizGame::endQuiz()
{
    feedbackStr_ = finalMessage();
    emit feedbackStrChanged();
    if (!played_) {
        played_ = true;
        emit playedChanged();
    }
    setInPlay(false);
}

int QuizGame::percentage() const
{
    if (totalClicks_ < 1)
        return 0;
    // Whole-number arithmetic truncates exactly where floating point may land just below.
    return int(qint64(correctClicks_) * 100 / totalClicks_);
}

QString QuizGame::finalMessage() const
{
    const int a = percentage();
    const QString score = QString::number(a);
    QString piece;
    if (a >= 100)
        piece = QStringLiteral("Your accuracy was a perfect 100%.");
    else if (a >= 90)
        piece = u"Your accuracy was " + score
            + u"%. A really excellent performance. Be bold and go for a perfect 100% next time!";
    else if (a >= 80)
        piece = u"Your accuracy score of " + score
            + u"% is a great achievement, too. Try and move that up into the nineties next time.";
    else if (a >= 70)
        piece = u"A solid " + score + u"% accuracy too. Try to break 80% on your next go!";
    else if (a >= 60)
        piece = u"Your accuracy score is " + score + u"%. Not bad. Work on pushing that higher next time!";
    else if (a >= 50)
        piece = u"You achieved an accuracy of " + score
            + u"%. A decent attempt. Nudge that a little higher on your next go!";
    else
        piece = u"Your score was " + score
            + u"%. Don't worry, you're learning and that is progress in itself. Take your time with each question "
              u"and try to hit the 50% mark on your next attempt.";
    return u"Well done! You worked through all " + QString::number(questionsInPlay_.size()) + u" questions. " + piece;
}

void QuizGame::setInPlay(bool inPlay)
{
    if (inPlay_ == inPlay)
        return;
    inPlay_ = inPlay;
    emit inPlayChanged();
}

void QuizGame::setCurrentQuestion(QuizQuestion *question)
{
    if (currentQuestion_ == question)
        return;
    currentQuestion_ = question;
    emit currentQuestionChanged();
}

void QuizGame::setCurrentQuestionText(const QString &text)
{
    if (currentQuestionText_ == text)
        return;
    currentQuestionText_ = text;
    emit currentQuestionTextChanged();
}

void QuizGame::setCurrentTurn(int turn)
{
    if (currentTurn_ == turn)
        return;
    currentTurn_ = turn;
    emit currentTurnChanged();
}

void QuizGame::setClicks(int correct, int total)
{
    if (correctClicks_ == correct && totalClicks_ == total)
        return;
    correctClicks_ = correct;
    totalClicks_ = total;
    emit clicksChanged();
}

void QuizGame::setTurnState(QuizQuestionAnswerState state)
{
    if (turnState_ == state)
        return;
    turnState_ = state;
    emit turnStateChanged();
}
