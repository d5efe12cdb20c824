#pragma once

#include "games/AnswerStatus.h"
#include "games/LearningGame.h"
#include "games/gapfill/GapFillKeyboardKey.h"
#include "games/gapfill/GapFillTurn.h"
#include "verbs/Verb.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

// The gap-fill spelling game: for up to ten verbs the player spells one Italian form letter by
// letter on a keyboard of that form's letters (with decoy letters on the hard level).
class GapFill : public LearningGame
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Screens get the gap-fill game from ScreenModels")
    Q_PROPERTY(GapFillTurn *currentGapFillTurn READ currentGapFillTurn NOTIFY currentGapFillTurnChanged)
    Q_PROPERTY(QString gapped READ gapped NOTIFY gappedChanged)
    Q_PROPERTY(QList<GapFillKeyboardKey *> letters READ letters NOTIFY lettersChanged)
    Q_PROPERTY(bool turnWon READ turnWon NOTIFY turnWonChanged)
    Q_PROPERTY(int correctClicks READ correctClicks NOTIFY answersChanged)
    Q_PROPERTY(int totalClicks READ totalClicks NOTIFY answersChanged)
    Q_PROPERTY(int questionsPerGame READ questionsPerGame CONSTANT)

public:
    explicit GapFill(const GameContext &context, QObject *parent = nullptr);
    ~GapFill() override;

    static constexpr int keyResetMs = 500;
    static constexpr int pauseAfterTurnMs = 2000;
    // Characters that are never hidden, never spelled and never keys.
    static inline const QString shownCharacters = QStringLiteral(" !?()'\"/\\");

    [[nodiscard]] GapFillTurn *currentGapFillTurn() const { return currentGapFillTurn_; }
    [[nodiscard]] const QString &gapped() const { return gapped_; }
    [[nodiscard]] const QList<GapFillKeyboardKey *> &letters() const { return letters_; }
    [[nodiscard]] QStringList letterTexts() const;
    [[nodiscard]] bool turnWon() const { return turnWon_; }
    [[nodiscard]] int questionsPerGame() const { return questionsPerGame_; }
    [[nodiscard]] int currentLetter() const { return currentLetter_; }
    [[nodiscard]] bool canClick() const { return canClick_; }
    // Each key tap is an answer.
    [[nodiscard]] int correctClicks() const { return rightAnswers(); }
    [[nodiscard]] int totalClicks() const { return answers(); }
    [[nodiscard]] int wrongThisTurnCount() const { return wrongThisTurnCount_; }
    [[nodiscard]] int maxNegativePenaltyPerTurn() const { return maxNegativePenaltyPerTurn_; }
    [[nodiscard]] const QList<Verb *> &verbs() const { return verbs_; }

    Q_INVOKABLE void startGame() override;
    void playTurn() override;
    void buildKeyboard();
    Q_INVOKABLE void letterTapped(const QString &letter);
    void advanceLetter();
    void updateGapped(bool hideCursor);
    void turnsOver() override;
    void showFinalMessage();

    static bool isShown(QChar c) { return shownCharacters.contains(c); }

    struct Item
    {
        QString italian;
        QString english;
        QString code;
    };
    // The verb's drill items that leave something to spell.
    [[nodiscard]] QList<Item> spellableItems(Verb *verb) const;

    static inline const QString nothingToPlayMessage = QStringLiteral(
        "This verb set has nothing to spell with the tenses switched on. Switch on more tenses in Settings, or "
        "choose another set.");

signals:
    void currentGapFillTurnChanged();
    void gappedChanged();
    void lettersChanged();
    void turnWonChanged();

private:
    // Where spelling starts in a phrase: after a leading shown character or a pronoun and its blank.
    static int startLetter(const QString &phrase);
    void setGapped(const QString &gapped);
    void setTurnWon(bool won);
    void markKeys(const QString &letter, AnswerStatus status);
    [[nodiscard]] QString speechLocale() const;

    GapFillTurn *currentGapFillTurn_;
    QString gapped_;
    QList<GapFillKeyboardKey *> letters_;
    bool turnWon_ = false;
    const int questionsPerGame_ = 10;
    int currentLetter_ = 0;
    bool canClick_ = false;
    int wrongThisTurnCount_ = 0;
    const int maxNegativePenaltyPerTurn_ = 3;
    QList<Verb *> verbs_;
};
