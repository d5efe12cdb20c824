#pragma once

#include "quizzes/Quiz.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

class MainQueue;
class SessionResult;
class ProgressManager;
class Random;

// Plays one grammar quiz: up to ten of its questions in random order; the player taps answers
// until the right one is found. The share of right taps becomes the quiz's last score, which is
// stored, shown and reported as school work.
class QuizGame : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Screens get a quiz game from ScreenModels")
    Q_PROPERTY(Quiz *quiz READ quiz WRITE setQuiz NOTIFY quizChanged)
    Q_PROPERTY(bool inPlay READ inPlay NOTIFY inPlayChanged)
    Q_PROPERTY(QuizQuestion *currentQuestion READ currentQuestion NOTIFY currentQuestionChanged)
    Q_PROPERTY(QString currentQuestionText READ currentQuestionText NOTIFY currentQuestionTextChanged)
    Q_PROPERTY(QList<QuizQuestion *> questionsInPlay READ questionsInPlay NOTIFY questionsInPlayChanged)
    Q_PROPERTY(int questionsPerGame READ questionsPerGame CONSTANT)
    Q_PROPERTY(int currentTurn READ currentTurn NOTIFY currentTurnChanged)
    Q_PROPERTY(int percentage READ percentage NOTIFY clicksChanged)
    Q_PROPERTY(bool played READ played NOTIFY playedChanged)
    Q_PROPERTY(QString feedbackStr READ feedbackStr NOTIFY feedbackStrChanged)
    Q_PROPERTY(QString turnStateName READ turnStateName NOTIFY turnStateChanged)
    Q_PROPERTY(SessionResult *result READ result CONSTANT)

public:
    QuizGame(Random &random, ProgressManager &progress, MainQueue &queue, QObject *parent = nullptr);
    ~QuizGame() override;

    // The menu seal of a quiz by its last score.
    enum class Grade { none, red, amber, green };
    Q_ENUM(Grade)
    Q_INVOKABLE static Grade grade(qint64 lastScore);

    [[nodiscard]] Quiz *quiz() const { return quiz_ ? quiz_.data() : emptyQuiz_; }
    // Shows another quiz on the screen; ignored while a quiz is in play.
    void setQuiz(Quiz *quiz);
    [[nodiscard]] bool inPlay() const { return inPlay_; }
    [[nodiscard]] QuizQuestion *currentQuestion() const
    {
        return currentQuestion_ ? currentQuestion_.data() : emptyQuestion_;
    }
    [[nodiscard]] const QString &currentQuestionText() const { return currentQuestionText_; }
    [[nodiscard]] const QList<QuizQuestion *> &questionsInPlay() const { return questionsInPlay_; }
    [[nodiscard]] int questionsPerGame() const { return questionsPerGame_; }
    [[nodiscard]] int currentTurn() const { return currentTurn_; }
    [[nodiscard]] int totalClicks() const { return totalClicks_; }
    [[nodiscard]] int correctClicks() const { return correctClicks_; }
    [[nodiscard]] bool played() const { return played_; }
    [[nodiscard]] const QString &feedbackStr() const { return feedbackStr_; }
    [[nodiscard]] QuizQuestionAnswerState turnState() const { return turnState_; }
    [[nodiscard]] QString turnStateName() const { return QuizQuestionAnswer::nameOf(turnState_); }
    // The finished quiz's score, time, accuracy and the questions missed (each once).
    [[nodiscard]] SessionResult *result() const { return result_; }

    Q_INVOKABLE void startQuiz(Quiz *quiz);
    void setupTurn();
    void fillAlternatives(QuizQuestion *question);
    Q_INVOKABLE void answerTapped(QuizQuestionAnswer *answer);
    Q_INVOKABLE void nextTurn();
    void endQuiz();
    [[nodiscard]] QString finalMessage() const;
    // Right taps as a whole percentage of all taps this game, 0 before the first tap.
    [[nodiscard]] int percentage() const;

    static constexpr int pauseAfterRightAnswerMs = 1500;
    static inline const QString blank = QStringLiteral("_____");

signals:
    void quizChanged();
    void inPlayChanged();
    void currentQuestionChanged();
    void currentQuestionTextChanged();
    void questionsInPlayChanged();
    void currentTurnChanged();
    void clicksChanged();
    void playedChanged();
    void feedbackStrChanged();
    void turnStateChanged();

private:
    void setInPlay(bool inPlay);
    void setCurrentQuestion(QuizQuestion *question);
    void setCurrentQuestionText(const QString &text);
    void setCurrentTurn(int turn);
    void setClicks(int correct, int total);
    void setTurnState(QuizQuestionAnswerState state);
    void nextTurnLater();

    Random &random_;
    ProgressManager &progress_;
    MainQueue &queue_;
    // When the quiz in play was started.
    qint64 startedAt_ = 0;
    Quiz *emptyQuiz_;
    QuizQuestion *emptyQuestion_;
    QPointer<Quiz> quiz_;
    bool inPlay_ = false;
    QPointer<QuizQuestion> currentQuestion_;
    QString currentQuestionText_;
    QList<QuizQuestion *> questionsInPlay_;
    const int questionsPerGame_ = 10;
    int currentTurn_ = 0;
    int totalClicks_ = 0;
    int correctClicks_ = 0;
    bool played_ = false;
    QString feedbackStr_;
    QuizQuestionAnswerState turnState_ = QuizQuestionAnswerState::undefined;
    // Counts started games, so that a pause scheduled in one game never moves on another.
    quint64 gameNumber_ = 0;
    SessionResult *result_;
};
