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
    setGameName(QStringLiteral("Snap"));
    setMessage(QStringLiteral(
        "Each time the cards change, tap Match (thumbs up) if the English translates the Italian, and No match "
        "(thumbs down) if it does not. Ten right answers light ten stars; a mistake or a pair left too long puts "
        "one out again."));
}

SnapGame::~SnapGame()
{
    stopTicking();
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
    setGameState(LearningGameState::undefined);
    correctTaps_ = 0;
    incorrectTaps_ = 0;
    dealtMatches_ = 0;
    dealtCards_ = 0;
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
    const bool wanted = dealMatch();
    if (const QString shown = renderingFor(italian, english, prompt, wanted); !shown.isNull()) {
        delete answerCard;
        answerCard = new SnapCard(shown, correctAnswer_, this);
        answerCard->setIsCorrect(wanted);
        match = wanted;
    }
    dealtMatches_ += match ? 1 : 0;
    dealtCards_ += 1;
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

// True and false pairs alternate at random but never drift more than one apart, so that any game
// deals between 40% and 60% of matching pairs from its tenth pair on.
bool SnapGame::dealMatch()
{
    const int lead = 2 * dealtMatches_ - dealtCards_;
    if (lead != 0)
        return lead < 0;
    return context().random.uniform(0, 1) == 1;
}

// One of the verb's English renderings that translates the prompt (any of them where one Italian
// form serves two persons or tenses) or that does not (on the hard level sometimes the right one
// made "-ish"); a null text when the verb has none.
QString SnapGame::renderingFor(
    const QStringList &italian, const QStringList &english, const QString &prompt, bool matching)
{
    Random &random = context().random;
    if (!matching && difficultyLevel() == LearningGameDifficultyLevel::hard && random.uniform(0, 2) == 0)
        return ishVariant(correctAnswer_);
    QStringList found;
    for (qsizetype i = 1; i < english.size(); ++i) {
        if (isMatch(italian, english, prompt, english.at(i)) == matching && !found.contains(english.at(i)))
            found.append(english.at(i));
    }
    return found.isEmpty() ? QString() : found.at(random.index(found.size()));
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
    afterMiss();
}

void SnapGame::timeUp()
{
    showTruth();
    registerMistake();
    setStatus(SnapAnswerState::incorrect);
}

void SnapGame::answerMatch()
{
    answer(true);
}

void SnapGame::answerNoMatch()
{
    answer(false);
}

// Only a thumbs-down answer changes the verb's score.
void SnapGame::answer(bool match)
{
    if (!canClick_ || !inPlay())
        return;
    setCanClick(false);
    stopTicking();
    if (snapCards_.size() < 2)
        return;
    const bool right = snapCards_.at(1)->isCorrect() == match;
    const int points = match ? 0 : right ? 1 : -1;
    showTruth();
    setStatus(right ? SnapAnswerState::correct : SnapAnswerState::incorrect);
    context().sounds.playSound(right ? QStringLiteral("ding") : QStringLiteral("wrong"));
    if (right) {
        registerRight(points);
        afterAnswer();
        return;
    }
    setTimeLeft(0);
    registerMistake(points);
    afterMiss();
}

// Both cards take the colour of the pair as it truly is: green for a match, red for none.
void SnapGame::showTruth()
{
    if (snapCards_.size() < 2)
        return;
    const AnswerStatus truth = snapCards_.at(1)->isCorrect() ? AnswerStatus::correct : AnswerStatus::incorrect;
    for (SnapCard *card : std::as_const(snapCards_))
        card->setStatus(truth);
}

void SnapGame::afterAnswer()
{
    // After the tenth star the end is already on its way.
    if (correctTaps_ > 9)
        return;
    laterInPlay(pauseAfterAnswerMs, &SnapGame::nextCard);
}

void SnapGame::afterMiss()
{
    revealLastMiss([this] {
        if (inPlay())
            nextCard();
    });
}

void SnapGame::registerRight(int points)
{
    recordAnswer(currentVerb()->key, currentCode_, shownAnswer(), true, points);
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

void SnapGame::registerMistake(int points)
{
    recordAnswer(currentVerb()->key, currentCode_, shownAnswer(), false, points);
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
    const int answered = correctTaps_ + incorrectTaps_;
    const double accuracy = answered > 0 ? correctTaps_ * 100.0 / answered : 0;
    finishSession(correctTaps_, answered);
    const double seconds = double(result()->playedMs()) / 1000.0;
    QString closing;
    LearningGameState state = LearningGameState::won;
    if (incorrectTaps_ == 0) {
        closing = QStringLiteral("Not one mistake: excellent!");
    } else if (incorrectTaps_ <= 2) {
        closing = QStringLiteral("Nearly flawless.");
    } else {
        closing = QStringLiteral("Practise the forms you missed, then try for fewer mistakes.");
        state = LearningGameState::complete;
    }
    setMessage(u"You made " + QString::number(scoreNodesGoal_) + u" snaps in " + QString::asprintf("%.1f", seconds)
        + u" s, with an accuracy of " + QString::asprintf("%.0f", accuracy) + u"%. " + closing);
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
    qCWarning(lcGames).noquote() << QStringLiteral("no verb of the set has two drill items");
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
