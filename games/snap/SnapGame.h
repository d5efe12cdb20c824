#pragma once

#include "games/LearningGame.h"
#include "games/snap/SnapAnswerState.h"
#include "games/snap/SnapCard.h"
#include "games/snap/SnapStar.h"
#include "platform/MainQueue.h"
#include "verbs/Verb.h"

#include <QList>
#include <QPointer>
#include <QString>

// The snap game: an Italian form and an English rendering are shown; the player says whether
// they match before the pair's time runs out. Ten lit stars win; mistakes put one out again.
class SnapGame : public LearningGame
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Screens get the snap game from ScreenModels")
    Q_PROPERTY(QList<SnapCard *> snapCards READ snapCards NOTIFY snapCardsChanged)
    Q_PROPERTY(bool flipped READ flipped WRITE setFlipped NOTIFY flippedChanged)
    Q_PROPERTY(double timeLeft READ timeLeft NOTIFY timeLeftChanged)
    Q_PROPERTY(QList<SnapStar *> scoreNodes READ scoreNodes NOTIFY scoreNodesChanged)
    Q_PROPERTY(SnapAnswerStates::SnapAnswerState status READ status NOTIFY statusChanged)
    Q_PROPERTY(bool currentPairIsAMatch READ currentPairIsAMatch NOTIFY currentPairIsAMatchChanged)
    Q_PROPERTY(bool canClick READ canClick NOTIFY canClickChanged)
    Q_PROPERTY(bool streakBonusShown READ streakBonusShown NOTIFY streakBonusShownChanged)
    Q_PROPERTY(QString streakBonusText READ streakBonusText CONSTANT)

public:
    explicit SnapGame(const GameContext &context, QObject *parent = nullptr);
    ~SnapGame() override;

    static constexpr int tickMs = 25;
    static constexpr double tickDecrement = 0.00125;
    static constexpr int pauseAfterAnswerMs = 1500;
    static constexpr int pauseAfterTimeUpMs = 1000;
    static constexpr int finishPauseMs = 1500;
    static constexpr double streakBonus = 0.5;

    [[nodiscard]] const QList<SnapCard *> &snapCards() const { return snapCards_; }
    [[nodiscard]] bool flipped() const { return flipped_; }
    void setFlipped(bool flipped);
    [[nodiscard]] double timeLeft() const { return timeLeft_; }
    [[nodiscard]] const QList<SnapStar *> &scoreNodes() const { return scoreNodes_; }
    [[nodiscard]] SnapAnswerState status() const { return status_; }
    [[nodiscard]] bool currentPairIsAMatch() const { return currentPairIsAMatch_; }
    [[nodiscard]] const QList<Verb *> &verbPot() const { return verbPot_; }
    [[nodiscard]] const QString &correctAnswer() const { return correctAnswer_; }
    [[nodiscard]] int scoreNodesGoal() const { return scoreNodesGoal_; }
    [[nodiscard]] bool canClick() const { return canClick_; }
    [[nodiscard]] int correctTaps() const { return correctTaps_; }
    [[nodiscard]] int incorrectTaps() const { return incorrectTaps_; }
    [[nodiscard]] int streakCount() const { return streakCount_; }
    [[nodiscard]] double timeBonus() const { return timeBonus_; }
    // True from the answer that earns a streak bonus until the next pair is dealt.
    [[nodiscard]] bool streakBonusShown() const { return streakBonusShown_; }
    [[nodiscard]] static QString streakBonusText() { return QStringLiteral("+0.5s"); }

    // The pairs dealt in this game, and how many of them match.
    [[nodiscard]] int dealtCards() const { return dealtCards_; }
    [[nodiscard]] int dealtMatches() const { return dealtMatches_; }
    // The level's time per pair, in the game's units (one unit lasts 20 seconds).
    [[nodiscard]] double baseTime() const;

    Q_INVOKABLE void startGame() override;
    void nextCard();
    void tick() override;
    Q_INVOKABLE void answerMatch();
    Q_INVOKABLE void answerNoMatch();
    Q_INVOKABLE void stopGame();

    void timeUp();
    // A right or wrong answer to the pair, or a pair left too long; points go to the verb's score.
    void registerRight(int points = 0);
    void registerMistake(int points = 0);
    // The English card the learner judged, as logged with the answer.
    [[nodiscard]] QString shownAnswer() const;
    void refreshStars();
    void finishGame();
    // True when shown is the English of a drill item whose Italian is prompt. One Italian form
    // can serve two persons or tenses ("abbagli": you dazzle, I may dazzle), and each of their
    // renderings is a right translation of it.
    [[nodiscard]] static bool isMatch(
        const QStringList &italian, const QStringList &english, const QString &prompt, const QString &shown);
    // The text with "-ish" appended to one of its words, chosen at random.
    QString ishVariant(const QString &text);

    static inline const QString nothingToPlayMessage = QStringLiteral(
        "This verb set has nothing to play with the tenses switched on. Switch on more tenses in Settings, or "
        "choose another set.");

signals:
    void snapCardsChanged();
    void flippedChanged();
    void timeLeftChanged();
    void scoreNodesChanged();
    void statusChanged();
    void currentPairIsAMatchChanged();
    void canClickChanged();
    void streakBonusShownChanged();

private:
    void setTimeLeft(double value);
    void setStatus(SnapAnswerState status);
    void setCurrentPairIsAMatch(bool match);
    void setSnapCards(QList<SnapCard *> cards);
    void setCanClick(bool canClick);
    void setStreakBonusShown(bool shown);
    // Runs step later, only if this game is still the one in play then.
    // Runs step after delayMs if this game is still in play then.
    void laterInPlay(int delayMs, void (SnapGame::*step)());
    // Ends the game at once when the set has no verb with two drill rows.
    void endWithNothingToPlay();
    void afterAnswer();
    void afterMiss();
    void answer(bool match);
    void showTruth();
    [[nodiscard]] bool dealMatch();
    QString renderingFor(const QStringList &italian, const QStringList &english, const QString &prompt, bool matching);

    QList<SnapCard *> snapCards_;
    bool flipped_ = false;
    double timeLeft_ = 1.0;
    QList<SnapStar *> scoreNodes_;
    SnapAnswerState status_ = SnapAnswerState::unanswered;
    bool currentPairIsAMatch_ = false;
    QList<Verb *> verbPot_;
    QString correctAnswer_;
    QString currentCode_;
    const int scoreNodesGoal_ = 10;
    bool canClick_ = false;
    int correctTaps_ = 0;
    int dealtCards_ = 0;
    int dealtMatches_ = 0;
    int incorrectTaps_ = 0;
    int streakCount_ = 0;
    double timeBonus_ = 0;
    bool streakBonusShown_ = false;
};
