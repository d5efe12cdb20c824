#pragma once

#include "games/LearningGame.h"
#include "games/match/VerbMatchButton.h"
#include "platform/MainQueue.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

// The card match game ("Infinitive Quiz"): each verb of the deal has a card with its Italian and
// one with its English infinitive; the player pairs them up before the time bar fills. Every
// match refills the bar and scores the verb up; every wrong pair scores both verbs down.
class VerbMatch : public LearningGame
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Screens get the match game from ScreenModels")
    Q_PROPERTY(QList<VerbMatchButton *> verbButtons READ verbButtons NOTIFY verbButtonsChanged)
    Q_PROPERTY(QString buttonMessage READ buttonMessage NOTIFY buttonMessageChanged)
    Q_PROPERTY(double timeElapsed READ timeElapsed NOTIFY timeElapsedChanged)
    Q_PROPERTY(int verbsPerPlay READ verbsPerPlay NOTIFY verbButtonsChanged)

public:
    explicit VerbMatch(const GameContext &context, int verbsPerPlay = 12, QObject *parent = nullptr);
    ~VerbMatch() override;

    static constexpr int tickMs = 25;
    static constexpr double tickIncrement = 0.000675;
    static constexpr int winPauseMs = 1000;

    [[nodiscard]] const QList<VerbMatchButton *> &verbButtons() const { return verbButtons_; }
    [[nodiscard]] const QString &buttonMessage() const { return buttonMessage_; }
    [[nodiscard]] double timeElapsed() const { return timeElapsed_; }
    [[nodiscard]] int verbsPerPlay() const { return verbsPerPlay_; }
    [[nodiscard]] const QList<VerbMatchButton *> &tappedCards() const { return tappedCards_; }
    [[nodiscard]] int correctAnswers() const { return correctAnswers_; }
    [[nodiscard]] bool timerRunning() const { return ticking(); }
    // The wrong pairs tapped in this deal, each as "first / second" in tap order.
    [[nodiscard]] const QStringList &wrongPairs() const { return wrongPairs_; }
    // The closing message of a won deal: the time it took and the wrong pairs tapped on the way.
    [[nodiscard]] static QString wonMessage(qint64 elapsedMs, const QStringList &wrongPairs);

    Q_INVOKABLE void startGame() override;
    void tick() override;
    // Selects or deselects the card (unless it is matched or two cards are held), says its word,
    // and pairs up two held cards.
    void cardTapped(VerbMatchButton *card);
    // Two held cards pair up when they are a verb's two cards, or an Italian card and an English
    // card that reads the same as that verb's English.
    [[nodiscard]] static bool isRightPair(const VerbMatchButton &a, const VerbMatchButton &b);

    // The cards in display order, cut into rows of ceil(verbsPerPlay / columns) cards (at least one).
    [[nodiscard]] QList<QList<VerbMatchButton *>> cardRows(int columns) const;
    // The same rows as lists the screens can walk.
    Q_INVOKABLE [[nodiscard]] QVariantList cardRowsForScreen(int columns) const;

signals:
    void verbButtonsChanged();
    void buttonMessageChanged();
    void timeElapsedChanged();

private:
    void setTimeElapsed(double value);
    void setButtonMessage(const QString &message);
    void endWrongPairPause();
    void finishWon();

    QList<VerbMatchButton *> verbButtons_;
    QString buttonMessage_ = QStringLiteral("Click to play!");
    double timeElapsed_ = 0;
    int verbsPerPlay_;
    QList<VerbMatchButton *> tappedCards_;
    int correctAnswers_ = 0;
    QStringList wrongPairs_;
};
