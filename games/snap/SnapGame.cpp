#include "games/snap/SnapGame.h"

#include "games/SoundEffects.h"
#include "games/snap/SnapCard.h"
#include "games/snap/SnapStar.h"
#include "platform/Logging.h"
#include "platform/Random.h"
#include "progress/MistakeLog.h"
#include "progress/ProgressManager.h"
#include "speech/TextToSpeech.h"
#include "verbs/Verb.h"
#include "verbs/VerbDictionary.h"

SnapGame::SnapGame(const GameContext &context, QObject *parent)
    : LearningGame(context, parent)
{
    gameStartTime_ = context.queue.now();
    setGameName(QStringLiteral("Snap"));
    setMessage(QStringLiteral(
        "Each time the cards change, click SNAP if the prompt matches the translation. If they don't, wait for the "
        "next match. Try to reach ten in the shortest possible time. But beware - mistakes (and hesitation!) will "
        "cost you precious steps."));
}

SnapGame::~SnapGame()
{
    stopTicking();
}

int SnapGame::decoyThreshold() const
{
    return forLevel(difficultyLevel(), 9, 7, 4);
}

double SnapGame::baseTime() const
{
    return forLevel(difficultyLevel(), 1.5, 1.0, 0.75);
}

void SnapGame::startGame()
{
    nextGameNumber();
    stopTicking();
    verbPot_ = context().verbs.verbsInSet(verbSet());
    gameStartTime_ = context().queue.now();
    setGameState(LearningGameState::undefined);
    correctTaps_ = 0;
    incorrectTaps_ = 0;
    streakCount_ = 0;
    timeBonus_ = 0;
    setStreakBonusShown(false);

    setSnapCards({});
    const QList<SnapStar *> oldStars = scoreNodes_;
    scoreNodes_.clear();
    for (int i = 0; i < scoreNodesGoal_; ++i)
        scoreNodes_.append(new SnapStar(this));
    emit scoreNodesChanged();
    for (SnapStar *star : oldStars)
        star->deleteLater();

    setInPlay(true);
    nextCard();
}

void SnapGame::nextCard()
{
    if (!inPlay())
        return;
    stopTicking();
    setStreakBonusShown(false);
    Random &random = context().random;

    // Verbs with fewer than two drill rows have nothing to offer (row 0 is never asked); they
    // leave the pot when drawn, so the draw is uniform over the verbs that can be played.
    Verb *verb = nullptr;
    QStringList italian;
    QStringList english;
    while (!verbPot_.isEmpty()) {
        const int drawn = random.index(verbPot_.size());
        Verb *candidate = verbPot_.at(drawn);
        italian = partsOf(candidate, false).texts;
        english = partsOf(candidate, true).texts;
        if (italian.size() >= 2 && english.size() == italian.size()) {
            verb = candidate;
            break;
        }
        verbPot_.removeAt(drawn);
    }
    if (!verb) {
        endWithNothingToPlay();
        return;
    }
    setCurrentVerb(verb);
    const qsizetype n = italian.size();

    const int k = random.uniform(1, int(n) - 1);
    const QString prompt = italian.at(k);
    currentCode_ = partsOf(verb, true).codes.value(k);
    correctAnswer_ = english.at(k);
    auto *promptCard = new SnapCard(prompt, prompt, this);
    auto *answerCard = new SnapCard(correctAnswer_, correctAnswer_, this);
    answerCard->setIsCorrect(true);
    bool match = true;

    const int r = random.uniform(1, 9);
    const int threshold = decoyThreshold();
    if (r >= threshold) {
        const int j = random.uniform(1, int(n) - 1);
        delete answerCard;
        answerCard = new SnapCard(english.at(j), correctAnswer_, this);
        if (isMatch(italian, english, prompt, english.at(j))) {
            answerCard->setIsCorrect(true);
        } else {
            answerCard->setIsCorrect(false);
            match = false;
            if (difficultyLevel() == LearningGameDifficultyLevel::hard && random.uniform(0, 2) == 0) {
                delete answerCard;
                answerCard = new SnapCard(ishVariant(correctAnswer_), correctAnswer_, this);
                answerCard->setIsCorrect(false);
            }
        }
    }
    setCurrentPairIsAMatch(match);
    setSnapCards({promptCard, answerCard});

    TextToSpeech &speech = context().speech;
    if (speech.isVoiceAvailable(verb->locale))
        speech.speak(prompt, verb->locale);

    setStatus(SnapAnswerState::unanswered);
    setCanClick(true);
    setTimeLeft(baseTime() + timeBonus_);
    timeBonus_ = 0;

    startTicking(tickMs);
}

bool SnapGame::isMatch(
    const QStringList &italian, const QStringList &english, const QString &prompt, const QString &shown)
{
    for (qsizetype i = 0; i < english.size(); ++i) {
        if (english.at(i) == shown && italian.value(i) == prompt)
            return true;
    }
    return false;
}

QString SnapGame::ishVariant(const QString &text)
{
    QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return text;
    const int chosen = context().random.index(words.size());
    words[chosen] += QStringLiteral("-ish");
    return words.join(u' ');
}

void SnapGame::tick()
{
    if (timeLeft_ > 0) {
        setTimeLeft(timeLeft_ - tickDecrement);
        return;
    }
    setCanClick(false);
    stopTicking();
    timeUp();
    laterInPlay(pauseAfterTimeUpMs, &SnapGame::nextCard);
}

void SnapGame::timeUp()
{
    if (snapCards_.size() >= 2) {
        const AnswerStatus shown = snapCards_.at(1)->isCorrect() ? AnswerStatus::correct : AnswerStatus::incorrect;
        for (SnapCard *card : std::as_const(snapCards_))
            card->setStatus(shown);
    }
    registerMistake();
    setStatus(SnapAnswerState::incorrect);
}

void SnapGame::answerMatch()
{
    if (!canClick_ || !inPlay())
        return;
    setCanClick(false);
    stopTicking();
    if (snapCards_.size() < 2)
        return;
    if (snapCards_.at(1)->isCorrect()) {
        for (SnapCard *card : std::as_const(snapCards_))
            card->setStatus(AnswerStatus::correct);
        setStatus(SnapAnswerState::correct);
        registerRight();
        context().sounds.playSound(QStringLiteral("ding"));
    } else {
        for (SnapCard *card : std::as_const(snapCards_))
            card->setStatus(AnswerStatus::incorrect);
        setStatus(SnapAnswerState::incorrect);
        setTimeLeft(0);
        registerMistake();
        context().sounds.playSound(QStringLiteral("wrong"));
    }
    afterAnswer();
}

void SnapGame::answerNoMatch()
{
    if (!canClick_ || !inPlay())
        return;
    setCanClick(false);
    stopTicking();
    if (snapCards_.size() < 2)
        return;
    const bool right = !snapCards_.at(1)->isCorrect();
    if (!right) {
        for (SnapCard *card : std::as_const(snapCards_))
            card->setStatus(AnswerStatus::correct);
        setStatus(SnapAnswerState::incorrect);
        setTimeLeft(0);
        registerMistake();
        context().sounds.playSound(QStringLiteral("wrong"));
    } else {
        for (SnapCard *card : std::as_const(snapCards_))
            card->setStatus(AnswerStatus::incorrect);
        setStatus(SnapAnswerState::correct);
        registerRight();
        context().sounds.playSound(QStringLiteral("ding"));
    }
    context().progress.addPoints(currentVerb()->key, right ? 1 : -1);
    afterAnswer();
}

void SnapGame::afterAnswer()
{
    // After the tenth star the end is already on its way.
    if (correctTaps_ > 9)
        return;
    laterInPlay(pauseAfterAnswerMs, &SnapGame::nextCard);
}

void SnapGame::registerRight()
{
    context().mistakes.record(currentVerb()->key, currentCode_, shownAnswer(), true);
    if (correctTaps_ <= 9) {
        correctTaps_ += 1;
        streakCount_ += 1;
        if (streakCount_ % 3 == 0) {
            timeBonus_ += streakBonus;
            setMessage(u"Streak Bonus! " + streakBonusText());
            setStreakBonusShown(true);
        }
    }
    refreshStars();
    if (correctTaps_ >= 10)
        laterInPlay(finishPauseMs, &SnapGame::finishGame);
}

void SnapGame::setStreakBonusShown(bool shown)
{
    if (streakBonusShown_ == shown)
        return;
    streakBonusShown_ = shown;
    emit streakBonusShownChanged();
}

void SnapGame::registerMistake()
{
    context().mistakes.record(currentVerb()->key, currentCode_, shownAnswer(), false);
    if (correctTaps_ > 0)
        correctTaps_ -= 1;
    incorrectTaps_ += 1;
    streakCount_ = 0;
    refreshStars();
}

QString SnapGame::shownAnswer() const
{
    return snapCards_.size() < 2 ? QString() : snapCards_.at(1)->text();
}

void SnapGame::refreshStars()
{
    for (qsizetype i = 0; i < scoreNodes_.size(); ++i)
        scoreNodes_.at(i)->setStatus(i < correctTaps_);
}

void SnapGame::finishGame()
{
    const double accuracy =
        correctTaps_ >= 1 ? double(correctTaps_) / double(correctTaps_ + incorrectTaps_) * 100.0 : 0.0;
    const double seconds = double(context().queue.now() - gameStartTime_) / 1000.0;
    QString closing;
    LearningGameState state = LearningGameState::won;
    if (incorrectTaps_ == 0) {
        closing = QStringLiteral("Perfect run — verb expert status achieved!");
    } else if (incorrectTaps_ <= 2) {
        closing = QStringLiteral("So close to flawless — keep it up!");
    } else {
        closing = QStringLiteral("Solid effort! Ready to crush it next time?");
        state = LearningGameState::complete;
    }
    setMessage(u"You nailed " + QString::number(scoreNodesGoal_) + u" snaps in " + QString::asprintf("%.1f", seconds)
        + u"s! Accuracy: " + QString::asprintf("%.0f", accuracy) + u"%. " + closing);
    setInPlay(false);
    setGameState(state);
}

// The board leaves the screen both when the player backs out and right after a game ends; a
// finished game keeps its result, a game left early reports the stars actually lit.
void SnapGame::stopGame()
{
    stopTicking();
    setCanClick(false);
    if (inPlay()) {
        nextGameNumber();
        setMessage(u"Well done! You reached " + QString::number(correctTaps_) + u" snaps. Want another go?");
        setInPlay(false);
    }
}

void SnapGame::endWithNothingToPlay()
{
    stopTicking();
    setCanClick(false);
    qCWarning(lcGames).noquote() << QStringLiteral("SnapGame >> nextCard >> no verb of the set has two drill items");
    setMessage(nothingToPlayMessage);
    setInPlay(false);
}

void SnapGame::laterInPlay(int delayMs, void (SnapGame::*step)())
{
    later(delayMs, [this, step] {
        if (inPlay())
            (this->*step)();
    });
}

void SnapGame::setFlipped(bool flipped)
{
    if (flipped_ == flipped)
        return;
    flipped_ = flipped;
    emit flippedChanged();
}

void SnapGame::setTimeLeft(double value)
{
    if (timeLeft_ == value)
        return;
    timeLeft_ = value;
    emit timeLeftChanged();
}

void SnapGame::setStatus(SnapAnswerState status)
{
    if (status_ == status)
        return;
    status_ = status;
    emit statusChanged();
}

void SnapGame::setCurrentPairIsAMatch(bool match)
{
    if (currentPairIsAMatch_ == match)
        return;
    currentPairIsAMatch_ = match;
    emit currentPairIsAMatchChanged();
}

void SnapGame::setSnapCards(QList<SnapCard *> cards)
{
    const QList<SnapCard *> old = snapCards_;
    snapCards_ = std::move(cards);
    emit snapCardsChanged();
    for (SnapCard *card : old)
        card->deleteLater();
}

void SnapGame::setCanClick(bool canClick)
{
    if (canClick_ == canClick)
        return;
    canClick_ = canClick;
    emit canClickChanged();
}
