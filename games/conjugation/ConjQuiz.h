#pragma once

#include "games/LearningGame.h"
#include "games/conjugation/ConjugationQuestion.h"
#include "games/conjugation/ConjugationQuizAnswer.h"
#include "platform/MainQueue.h"
#include "verbs/Verb.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

// The conjugation quiz: ten verbs, each with an English prompt and up to four Italian forms;
// the player taps the right form before the timer bar fills, or in typed mode types it (on the
// answer keyboard or a hardware one) with the bar filling half as fast. A wrong answer or a full
// bar shows the right form before the next verb; a typed answer right but for an accent scores
// half.
class ConjQuiz : public LearningGame
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Screens get the conjugation quiz from ScreenModels")
    Q_PROPERTY(ConjugationQuestion currentQuestion READ currentQuestion NOTIFY currentQuestionChanged)
    Q_PROPERTY(double timeElapsed READ timeElapsed NOTIFY timeElapsedChanged)
    Q_PROPERTY(QList<Verb *> verbsInPlay READ verbsInPlay NOTIFY verbsInPlayChanged)
    Q_PROPERTY(int verbsPerPlay READ verbsPerPlay CONSTANT)
    Q_PROPERTY(QString typed READ typed NOTIFY typedChanged)
    Q_PROPERTY(AnswerStatuses::AnswerStatus typedStatus READ typedStatus NOTIFY typedChanged)

public:
    explicit ConjQuiz(const GameContext &context, QObject *parent = nullptr);
    ~ConjQuiz() override;

    static constexpr int tickMs = 25;
    static constexpr int pauseAfterRightAnswerMs = 1500;

    [[nodiscard]] double timeIncrement() const { return timeIncrement_; }
    [[nodiscard]] static double timeIncrementFor(LearningGameDifficultyLevel level);
    [[nodiscard]] const ConjugationQuestion &currentQuestion() const { return currentQuestion_; }
    [[nodiscard]] double timeElapsed() const { return timeElapsed_; }
    [[nodiscard]] const QList<Verb *> &verbDictionary() const { return verbDictionary_; }
    [[nodiscard]] const QList<Verb *> &verbsInPlay() const { return verbsInPlay_; }
    [[nodiscard]] int verbsPerPlay() const { return verbsPerPlay_; }
    [[nodiscard]] bool canClick() const { return canClick_; }
    [[nodiscard]] QString typedSetting() const override;
    [[nodiscard]] const QString &typed() const { return typed_; }
    // Plain while typing, then right or wrong (an accent slip shows as wrong: it is revealed).
    [[nodiscard]] AnswerStatus typedStatus() const { return typedStatus_; }

    Q_INVOKABLE void startGame() override;
    void playTurn() override;
    void tick() override;
    Q_INVOKABLE void answerTapped(ConjugationQuizAnswer *answer);
    Q_INVOKABLE void typeKey(const QString &key);
    Q_INVOKABLE void backspace();
    // Marks the typed answer; an empty one is not an answer. While a miss shows the right form,
    // it moves on, as a tap on the form does.
    Q_INVOKABLE void submit();
    void endGame();
    void turnsOver() override;
    void showFinalMessage();

    // The pronouns a form may start with, from a verb's pronoun list, its "/" alternatives and "j'".
    static QStringList pronounCandidates(const QStringList &pronouns);
    struct Stripped
    {
        QString answer;
        QString pronoun;
    };
    // The form without a leading pronoun and blank; the last matching candidate decides.
    static Stripped removePronouns(const QString &form, const QStringList &candidates);

    static inline const QString nothingToPlayMessage = QStringLiteral(
        "This verb set has nothing to play with the tenses switched on. Switch on more tenses in Settings, or "
        "choose another set.");

signals:
    void currentQuestionChanged();
    void timeElapsedChanged();
    void verbsInPlayChanged();
    void typedChanged();

private:
    void setTimeElapsed(double value);
    void setTyped(const QString &typed, AnswerStatus status = AnswerStatus::undefined);
    void showRightAnswer();
    [[nodiscard]] bool playable(Verb *verb) const;
    // A wrong answer from another verb, or an empty text when there is none to take.
    QString decoyFromAnotherVerb(qsizetype index, const QStringList &candidates);

    double timeIncrement_ = 0.000675;
    ConjugationQuestion currentQuestion_;
    double timeElapsed_ = 0;
    QList<Verb *> verbDictionary_;
    QList<Verb *> verbsInPlay_;
    const int verbsPerPlay_ = 10;
    bool canClick_ = false;
    QString typed_;
    AnswerStatus typedStatus_ = AnswerStatus::undefined;
};
