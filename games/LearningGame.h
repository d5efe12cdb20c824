#pragma once

#include "games/GameContext.h"
#include "games/LearningGameDifficultyLevel.h"
#include "games/LearningGameState.h"
#include "games/review/MistakeKind.h"
#include "progress/SessionResult.h"
#include "verbs/Verb.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <functional>
#include <memory>
#include <optional>

class QueueHandle;

// What every verb game shares: the text for the set-up sheet, whether a game runs, how the last
// one ended, the title and the chosen level; and the verb set last chosen, kept in the store
// under "LastSelectedVerbSet".
class LearningGame : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Each game screen makes its own game")
    Q_PROPERTY(QString message READ message WRITE setMessage NOTIFY messageChanged)
    Q_PROPERTY(bool inPlay READ inPlay WRITE setInPlay NOTIFY inPlayChanged)
    Q_PROPERTY(
        LearningGameStates::LearningGameState gameState READ gameState WRITE setGameState NOTIFY gameStateChanged)
    Q_PROPERTY(QString gameName READ gameName CONSTANT)
    Q_PROPERTY(LearningGameDifficultyLevels::LearningGameDifficultyLevel difficultyLevel READ difficultyLevel WRITE
            setDifficultyLevel NOTIFY difficultyLevelChanged)
    Q_PROPERTY(QString verbSet READ verbSet WRITE setVerbSet NOTIFY verbSetChanged)
    Q_PROPERTY(Verb *currentVerb READ currentVerb NOTIFY currentVerbChanged)
    Q_PROPERTY(int accuracy READ accuracy NOTIFY answersChanged)
    Q_PROPERTY(int currentTurn READ currentTurn NOTIFY currentTurnChanged)
    Q_PROPERTY(QString accuracyText READ accuracyText NOTIFY answersChanged)
    Q_PROPERTY(SessionResult *result READ result CONSTANT)
    Q_PROPERTY(bool revealing READ revealing NOTIFY revealChanged)
    Q_PROPERTY(QString revealForm READ revealForm NOTIFY revealChanged)
    Q_PROPERTY(QString revealEnglish READ revealEnglish NOTIFY revealChanged)
    Q_PROPERTY(QString revealNote READ revealNote NOTIFY revealChanged)
    Q_PROPERTY(bool offersTyping READ offersTyping CONSTANT)
    Q_PROPERTY(bool typedMode READ typedMode WRITE setTypedMode NOTIFY typedModeChanged)

public:
    explicit LearningGame(const GameContext &context, QObject *parent = nullptr);
    ~LearningGame() override;

    [[nodiscard]] const QString &message() const { return message_; }
    void setMessage(const QString &message);
    [[nodiscard]] bool inPlay() const { return inPlay_; }
    void setInPlay(bool inPlay);
    [[nodiscard]] LearningGameState gameState() const { return gameState_; }
    void setGameState(LearningGameState state);
    [[nodiscard]] const QString &gameName() const { return gameName_; }
    [[nodiscard]] LearningGameDifficultyLevel difficultyLevel() const { return difficultyLevel_; }
    [[nodiscard]] int level() const { return int(difficultyLevel_); }
    // Of one value per level, the given level's.
    template <typename T> [[nodiscard]] static T forLevel(LearningGameDifficultyLevel level, T easy, T medium, T hard)
    {
        switch (level) {
        case LearningGameDifficultyLevel::medium:
            return medium;
        case LearningGameDifficultyLevel::hard:
            return hard;
        case LearningGameDifficultyLevel::easy:
            break;
        }
        return easy;
    }
    void setDifficultyLevel(LearningGameDifficultyLevel level);

    // The verb in play, or a blank verb when there is none.
    [[nodiscard]] Verb *currentVerb() const { return currentVerb_ ? currentVerb_.data() : blankVerb_; }

    // The right answers and all answers of a game graded by accuracy, as the game counts them, and
    // the first as a whole percentage of the second (0 before any answer; 2 of 3 is 66, never 67).
    // A typed answer right but for an accent counts half.
    [[nodiscard]] int rightAnswers() const { return rightAnswers_; }
    [[nodiscard]] int halfRightAnswers() const { return halfRightAnswers_; }
    [[nodiscard]] int answers() const { return answers_; }
    [[nodiscard]] int accuracy() const;
    // "Accuracy: 66%", or nothing before the first answer.
    [[nodiscard]] QString accuracyText() const;
    // The turn in play of a game played in turns, from 0.
    [[nodiscard]] int currentTurn() const { return currentTurn_; }

    // The stored set name when that set still has verbs, otherwise "All Verbs".
    [[nodiscard]] QString verbSet() const;
    void setVerbSet(const QString &name);

    [[nodiscard]] const GameContext &context() const { return context_; }
    [[nodiscard]] SessionResult *result() const { return result_; }

    // After a miss the game shows the right form, its English and a note on the mistake for
    // revealMs (or until continueNow()) before it moves on; that time is not counted.
    static constexpr int revealMs = 3000;
    [[nodiscard]] bool revealing() const { return revealing_; }
    [[nodiscard]] const QString &revealForm() const { return lastMiss_.italian; }
    [[nodiscard]] const QString &revealEnglish() const { return lastMiss_.english; }
    [[nodiscard]] const QString &revealNote() const { return lastMiss_.kind; }
    Q_INVOKABLE void continueNow();

    // Whether the game can be played by typing the answers instead of picking them (it names the
    // setting that keeps the learner's choice), and whether the learner chose to.
    [[nodiscard]] virtual QString typedSetting() const { return {}; }
    [[nodiscard]] bool offersTyping() const { return !typedSetting().isEmpty(); }
    [[nodiscard]] bool typedMode() const;
    void setTypedMode(bool typed);

    // Deals a new game with the current level and verb set.
    Q_INVOKABLE virtual void startGame();

    // A finished game's closing words are chosen by accuracy band: 100, the nineties, eighties,
    // seventies, sixties, fifties, and below 50 (band 6).
    static constexpr int accuracyBandCount = 7;
    static int accuracyBand(int accuracy);
    // Won from 90 up, lost below 50, complete in between.
    static LearningGameState stateForAccuracy(int accuracy);

signals:
    void messageChanged();
    void inPlayChanged();
    void gameStateChanged();
    void difficultyLevelChanged();
    void verbSetChanged();
    void currentVerbChanged();
    void answersChanged();
    void currentTurnChanged();
    void revealChanged();
    void typedModeChanged();

protected:
    void setGameName(const QString &name) { gameName_ = name; }
    // The verb's forms (or their English) in the tenses switched on.
    [[nodiscard]] Verb::GameParts partsOf(Verb *verb, bool english) const;
    // Starts a new game number: delayed steps of earlier games compare theirs and stand down, and
    // the result starts again.
    quint64 nextGameNumber();
    [[nodiscard]] quint64 gameNumber() const { return gameNumber_; }
    // Runs step after delayMs, unless the game is gone or another has been dealt by then.
    void later(int delayMs, std::function<void()> step);
    // Calls tick() every intervalMs until stopTicking(); starting again replaces the ticker.
    void startTicking(int intervalMs);
    void stopTicking();
    [[nodiscard]] bool ticking() const;
    virtual void tick() {}
    void setCurrentVerb(Verb *verb);
    void setAnswerCounts(int right, int all, int halfRight = 0);
    // A game of count turns: turn 0 is played at once (playTurn()), each later one by nextTurn();
    // after the last, turnsOver() ends the game.
    void startTurns(int count);
    void nextTurn();
    // Moves to the next turn after delayMs, unless the game has moved on or ended by then.
    void nextTurnAfter(int delayMs);
    virtual void playTurn() {}
    virtual void turnsOver() {}

    // One answer to the verb's form named by a drill code (or DrilledForm::infinitive): logged and
    // rated for review, scored (points, by default one up or down) and, when wrong, kept for the
    // result and as the miss to reveal. A right answer to a form already missed in this turn is
    // only scored: the turn stays rated Again.
    void recordAnswer(const QString &verbKey, const QString &code, const QString &given, bool right,
        std::optional<int> points = std::nullopt);
    // A typed answer to the form named by code, marked as the review marks it: right (a point,
    // rated Good), right but for an accent (no point, rated Hard, kept and revealed as a miss) or
    // wrong (a point off, rated Again). Counts are the game's to keep.
    MistakeKind recordTypedAnswer(const QString &verbKey, const QString &code, const QString &given);
    // Shows the last miss, then runs step.
    void revealLastMiss(std::function<void()> step);
    // The game is over: its result shows, with the given counts of right and all answers.
    void finishSession(double right, int all);
    void finishSession() { finishSession(rightAnswers_ + 0.5 * halfRightAnswers_, answers_); }

private:
    GameContext context_;
    QString message_;
    bool inPlay_ = false;
    LearningGameState gameState_ = LearningGameState::undefined;
    QString gameName_;
    LearningGameDifficultyLevel difficultyLevel_ = LearningGameDifficultyLevel::easy;
    quint64 gameNumber_ = 0;
    Verb *blankVerb_;
    QPointer<Verb> currentVerb_;
    std::shared_ptr<QueueHandle> ticker_;
    int rightAnswers_ = 0;
    int halfRightAnswers_ = 0;
    int currentTurn_ = 0;
    int turnCount_ = 0;
    int answers_ = 0;
    SessionResult *result_;
    SessionResult::Miss lastMiss_;
    QStringList missedThisTurn_;
    bool revealing_ = false;
    qint64 revealStartedAt_ = 0;
    quint64 revealNumber_ = 0;
    std::function<void()> afterReveal_;

    void setRevealing(bool revealing);
    [[nodiscard]] static std::optional<DrilledForm> formFor(const QString &verbKey, const QString &code);
    void logAnswer(const DrilledForm &form, Verb &verb, const QString &given, MistakeKind mistake);
};
