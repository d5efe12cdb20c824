#include "games/snap/SnapGameNew.h"

#include "app/Services.h"
#include "games/SoundEffects.h"
#include "games/snap/SnapCardNew.h"
#include "games/snap/SnapGameScoreNodeNew.h"
#include "platform/Console.h"
#include "platform/Random.h"
#include "progress/ProgressManager.h"
#include "speech/TextToSpeech.h"
#include "verbs/Verb.h"
#include "verbs/VerbDictionary.h"

SnapGameNew::SnapGameNew(QObject *parent) : LearningGame(parent), blankVerb_(new Verb(this))
{
    gameStartTime_ = services().mainQueue().now();
    setGameName(QStringLiteral("Snap"));
    setMessage(QStringLiteral(
        "Each time the cards change, click SNAP if the prompt matches the translation. If they don't, wait for the "
        "next match. Try to reach ten in the shortest possible time. But beware - mistakes (and hesitation!) will "
        "cost you precious steps."));
}

SnapGameNew::~SnapGameNew()
{
    stopTimer();
}

Verb *SnapGameNew::currentVerb() const
{
    return currentVerb_ ? currentVerb_.data() : blankVerb_;
}

int SnapGameNew::decoyThreshold() const
{
    switch (difficultyLevel()) {
    case LearningGameDifficultyLevel::easy:
        return 9;
    case LearningGameDifficultyLevel::medium:
        return 7;
    case LearningGameDifficultyLevel::hard:
        return 4;
    }
    return 9;
}

double SnapGameNew::baseTime() const
{
    switch (difficultyLevel()) {
    case LearningGameDifficultyLevel::easy:
        return 1.5;
    case LearningGameDifficultyLevel::medium:
        return 1.0;
    case LearningGameDifficultyLevel::hard:
        return 0.75;
    }
    return 1.5;
}

void SnapGameNew::startGame()
{
    nextGameNumber();
    Console::write(u"Starting a new Snap game with level " + levelName(difficultyLevel()));
    stopTimer();
    verbPot_ = services().verbDictionary().verbsInSet(verbSet());
    gameStartTime_ = services().mainQueue().now();
    setGameState(LearningGameState::undefined);
    correctTaps_ = 0;
    incorrectTaps_ = 0;
    streakCount_ = 0;
    timeBonus_ = 0;
    setStreakBonusShown(false);

    setSnapCards({});
    const QList<SnapGameScoreNodeNew *> oldStars = scoreNodes_;
    scoreNodes_.clear();
    for (int i = 0; i < scoreNodesGoal_; ++i)
        scoreNodes_.append(new SnapGameScoreNodeNew(this));
    emit scoreNodesChanged();
    for (SnapGameScoreNodeNew *star : oldStars)
        star->deleteLater();

    setInPlay(true);
    nextCard();
}

void SnapGameNew::nextCard()
{
    if (!inPlay())
        return;
    stopTimer();
    setStreakBonusShown(false);
    Random &random = services().random();

    // Verbs with fewer than two drill rows have nothing to offer (row 0 is never asked); they
    // leave the pot when drawn, so the draw is uniform over the verbs that can be played.
    Verb *verb = nullptr;
    QStringList italian;
    QStringList english;
    while (!verbPot_.isEmpty()) {
        const int drawn = random.index(verbPot_.size());
        Verb *candidate = verbPot_.at(drawn);
        italian = candidate->gameParts(false).texts;
        english = candidate->gameParts(true).texts;
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
    currentVerb_ = verb;
    const qsizetype n = italian.size();

    const int k = random.uniform(1, int(n) - 1);
    const QString prompt = italian.at(k);
    correctAnswer_ = english.at(k);
    auto *promptCard = new SnapCardNew(prompt, prompt, this);
    auto *answerCard = new SnapCardNew(correctAnswer_, correctAnswer_, this);
    answerCard->setIsCorrect(true);
    bool match = true;

    const int r = random.uniform(1, 9);
    const int threshold = decoyThreshold();
    Console::write(u"randomiser is " + QString::number(r) + u" - threshold is " + QString::number(threshold));
    if (r >= threshold) {
        const int j = random.uniform(1, int(n) - 1);
        delete answerCard;
        answerCard = new SnapCardNew(english.at(j), correctAnswer_, this);
        if (english.at(j) == correctAnswer_) {
            answerCard->setIsCorrect(true);
        } else {
            answerCard->setIsCorrect(false);
            match = false;
            if (difficultyLevel() == LearningGameDifficultyLevel::hard && random.uniform(0, 2) == 0) {
                delete answerCard;
                answerCard = new SnapCardNew(ishVariant(correctAnswer_), correctAnswer_, this);
                answerCard->setIsCorrect(false);
            }
        }
    }
    setCurrentPairIsAMatch(match);
    setSnapCards({promptCard, answerCard});

    TextToSpeech &speech = TextToSpeech::shared();
    if (speech.isVoiceAvailable(verb->locale))
        speech.speak(prompt, verb->locale);

    setStatus(SnapCardAnswerStateNew::unanswered);
    setCanClick(true);
    setTimeLeft(baseTime() + timeBonus_);
    timeBonus_ = 0;

    QPointer<SnapGameNew> self(this);
    timer_ = services().mainQueue().every(tickMs, [self] {
        if (self)
            self->fireTimer();
    });
}

QString SnapGameNew::ishVariant(const QString &text)
{
    QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return text;
    const int chosen = services().random().index(words.size());
    words[chosen] += QStringLiteral("-ish");
    return words.join(u' ');
}

void SnapGameNew::fireTimer()
{
    if (timeLeft_ > 0) {
        setTimeLeft(timeLeft_ - tickDecrement);
        return;
    }
    setCanClick(false);
    stopTimer();
    timeUp();
    later(pauseAfterTimeUpMs, &SnapGameNew::nextCard);
}

void SnapGameNew::timeUp()
{
    if (snapCards_.size() >= 2) {
        const SnapCardStatusNew shown =
            snapCards_.at(1)->isCorrect() ? SnapCardStatusNew::correct : SnapCardStatusNew::incorrect;
        for (SnapCardNew *card : std::as_const(snapCards_))
            card->setStatus(shown);
    }
    registerMistake();
    setStatus(SnapCardAnswerStateNew::incorrect);
}

void SnapGameNew::answerMatch()
{
    if (!canClick_ || !inPlay())
        return;
    setCanClick(false);
    stopTimer();
    if (snapCards_.size() < 2)
        return;
    if (snapCards_.at(1)->isCorrect()) {
        Console::write(QStringLiteral("correct"));
        for (SnapCardNew *card : std::as_const(snapCards_))
            card->setStatus(SnapCardStatusNew::correct);
        setStatus(SnapCardAnswerStateNew::correct);
        registerRight();
        SoundEffects::shared().playSound(QStringLiteral("ding"));
    } else {
        Console::write(QStringLiteral("incorrect"));
        for (SnapCardNew *card : std::as_const(snapCards_))
            card->setStatus(SnapCardStatusNew::incorrect);
        setStatus(SnapCardAnswerStateNew::incorrect);
        setTimeLeft(0);
        registerMistake();
        SoundEffects::shared().playSound(QStringLiteral("wrong"));
    }
    afterAnswer();
}

void SnapGameNew::answerNoMatch()
{
    if (!canClick_ || !inPlay())
        return;
    setCanClick(false);
    stopTimer();
    if (snapCards_.size() < 2)
        return;
    const bool right = !snapCards_.at(1)->isCorrect();
    if (!right) {
        Console::write(QStringLiteral("incorrect"));
        for (SnapCardNew *card : std::as_const(snapCards_))
            card->setStatus(SnapCardStatusNew::correct);
        setStatus(SnapCardAnswerStateNew::incorrect);
        setTimeLeft(0);
        registerMistake();
        SoundEffects::shared().playSound(QStringLiteral("wrong"));
    } else {
        Console::write(QStringLiteral("correct"));
        for (SnapCardNew *card : std::as_const(snapCards_))
            card->setStatus(SnapCardStatusNew::incorrect);
        setStatus(SnapCardAnswerStateNew::correct);
        registerRight();
        SoundEffects::shared().playSound(QStringLiteral("ding"));
    }
    services().progressManager().addPoints(currentVerb()->key, right ? 1 : -1);
    afterAnswer();
}

void SnapGameNew::afterAnswer()
{
    // After the tenth star the end is already on its way.
    if (correctTaps_ > 9)
        return;
    later(pauseAfterAnswerMs, &SnapGameNew::nextCard);
}

void SnapGameNew::registerRight()
{
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
        later(finishPauseMs, &SnapGameNew::finishGame);
}

void SnapGameNew::setStreakBonusShown(bool shown)
{
    if (streakBonusShown_ == shown)
        return;
    streakBonusShown_ = shown;
    emit streakBonusShownChanged();
}

void SnapGameNew::registerMistake()
{
    if (correctTaps_ > 0)
        correctTaps_ -= 1;
    incorrectTaps_ += 1;
    streakCount_ = 0;
    refreshStars();
}

void SnapGameNew::refreshStars()
{
    for (qsizetype i = 0; i < scoreNodes_.size(); ++i)
        scoreNodes_.at(i)->setStatus(i < correctTaps_);
}

void SnapGameNew::finishGame()
{
    const double accuracy =
        correctTaps_ >= 1 ? double(correctTaps_) / double(correctTaps_ + incorrectTaps_) * 100.0 : 0.0;
    const double seconds = double(services().mainQueue().now() - gameStartTime_) / 1000.0;
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
void SnapGameNew::stopGame()
{
    stopTimer();
    setCanClick(false);
    if (inPlay()) {
        nextGameNumber();
        setMessage(u"Well done! You reached " + QString::number(correctTaps_) + u" snaps. Want another go?");
        setInPlay(false);
    }
    Console::write(QStringLiteral("SnapGameNew >> stopGame >> Snap game stopped."));
}

void SnapGameNew::endWithNothingToPlay()
{
    stopTimer();
    setCanClick(false);
    Console::write(QStringLiteral("SnapGameNew >> nextCard >> no verb of the set has two drill items"));
    setMessage(nothingToPlayMessage);
    setInPlay(false);
}

void SnapGameNew::later(int delayMs, void (SnapGameNew::*step)())
{
    QPointer<SnapGameNew> self(this);
    const quint64 game = gameNumber();
    services().mainQueue().after(delayMs, [self, game, step] {
        if (self && self->gameNumber() == game && self->inPlay())
            (self.data()->*step)();
    });
}

void SnapGameNew::setFlipped(bool flipped)
{
    if (flipped_ == flipped)
        return;
    flipped_ = flipped;
    emit flippedChanged();
}

void SnapGameNew::setTimeLeft(double value)
{
    if (timeLeft_ == value)
        return;
    timeLeft_ = value;
    emit timeLeftChanged();
}

void SnapGameNew::setStatus(SnapCardAnswerStateNew status)
{
    if (status_ == status)
        return;
    status_ = status;
    emit statusChanged();
}

void SnapGameNew::setCurrentPairIsAMatch(bool match)
{
    if (currentPairIsAMatch_ == match)
        return;
    currentPairIsAMatch_ = match;
    emit currentPairIsAMatchChanged();
}

void SnapGameNew::setSnapCards(QList<SnapCardNew *> cards)
{
    const QList<SnapCardNew *> old = snapCards_;
    snapCards_ = std::move(cards);
    emit snapCardsChanged();
    for (SnapCardNew *card : old)
        card->deleteLater();
}

void SnapGameNew::setCanClick(bool canClick)
{
    if (canClick_ == canClick)
        return;
    canClick_ = canClick;
    emit canClickChanged();
}

void SnapGameNew::stopTimer()
{
    if (timer_)
        timer_->invalidate();
    timer_.reset();
}
