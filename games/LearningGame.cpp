#include "games/LearningGame.h"

#include "games/review/MistakeClassifier.h"
#include "games/review/VerbForms.h"
#include "platform/LearnerDatabase.h"
#include "platform/Logging.h"
#include "platform/MainQueue.h"
#include "progress/MistakeLog.h"
#include "progress/ProgressManager.h"
#include "settings/SettingsManager.h"
#include "verbs/VerbDictionary.h"

LearningGame::LearningGame(const GameContext &context, QObject *parent)
    : QObject(parent)
    , context_(context)
    , blankVerb_(new Verb(this))
    , result_(new SessionResult(this))
{}

quint64 LearningGame::nextGameNumber()
{
    afterReveal_ = {};
    setRevealing(false);
    missedThisTurn_.clear();
    result_->begin(context_.queue.now());
    return ++gameNumber_;
}

std::optional<DrilledForm> LearningGame::formFor(const QString &verbKey, const QString &code)
{
    return code == DrilledForm::infinitive
        ? std::optional<DrilledForm>(DrilledForm{verbKey, DrilledForm::infinitive, -1})
        : DrilledForm::fromCode(verbKey, code);
}

void LearningGame::recordAnswer(
    const QString &verbKey, const QString &code, const QString &given, bool right, std::optional<int> points)
{
    const std::optional<DrilledForm> form = formFor(verbKey, code);
    context_.progress.addPoints(verbKey, points.value_or(right ? 1 : -1));
    Verb *verb = context_.verbs.verbForKey(verbKey);
    if (form && verb)
        logAnswer(*form, *verb, given, right ? MistakeKind::none : MistakeKind::other);
}

MistakeKind LearningGame::recordTypedAnswer(const QString &verbKey, const QString &code, const QString &given)
{
    const std::optional<DrilledForm> form = formFor(verbKey, code);
    Verb *verb = context_.verbs.verbForKey(verbKey);
    const MistakeKind mistake = form && verb ? MistakeClassifier(*verb).classify(*form, given) : MistakeKind::other;
    const int points = mistake == MistakeKind::none ? 1 : mistake == MistakeKind::accent ? 0 : -1;
    context_.progress.addPoints(verbKey, points);
    if (form && verb)
        logAnswer(*form, *verb, given, mistake);
    return mistake;
}

void LearningGame::logAnswer(const DrilledForm &form, Verb &verb, const QString &given, MistakeKind mistake)
{
    const bool right = mistake == MistakeKind::none;
    if (right && missedThisTurn_.contains(form.id()))
        return;
    const Fsrs::Rating rating = right    ? Fsrs::Rating::good
        : mistake == MistakeKind::accent ? Fsrs::Rating::hard
                                         : Fsrs::Rating::again;
    context_.mistakes.recordForm(form, given.simplified(), right, rating, gameName_);
    if (right)
        return;
    missedThisTurn_.append(form.id());
    const VerbForms forms(verb);
    const QString note = given.isEmpty() ? QStringLiteral("Out of time.") : MistakeClassifier(verb).note(form, given);
    lastMiss_ = {form, forms.form(form), forms.english(form), note};
    result_->addMiss(lastMiss_);
}

void LearningGame::revealLastMiss(std::function<void()> step)
{
    afterReveal_ = std::move(step);
    revealStartedAt_ = context_.queue.now();
    setRevealing(true);
    const quint64 reveal = ++revealNumber_;
    later(revealMs, [this, reveal] {
        if (reveal == revealNumber_)
            continueNow();
    });
}

void LearningGame::continueNow()
{
    if (!revealing_)
        return;
    ++revealNumber_;
    result_->leaveOut(context_.queue.now() - revealStartedAt_);
    setRevealing(false);
    if (const std::function<void()> step = std::exchange(afterReveal_, {}))
        step();
}

void LearningGame::setRevealing(bool revealing)
{
    if (revealing_ == revealing)
        return;
    revealing_ = revealing;
    emit revealChanged();
}

void LearningGame::finishSession(double right, int all)
{
    result_->finish(right, all, context_.queue.now());
}

LearningGame::~LearningGame()
{
    stopTicking();
}

bool LearningGame::typedMode() const
{
    return offersTyping() && context_.store.setting(typedSetting()) == u"true";
}

void LearningGame::setTypedMode(bool typed)
{
    if (!offersTyping() || typed == typedMode())
        return;
    context_.store.setSetting(typedSetting(), typed ? QStringLiteral("true") : QStringLiteral("false"));
    emit typedModeChanged();
}

void LearningGame::later(int delayMs, std::function<void()> step)
{
    QPointer<LearningGame> self(this);
    const quint64 game = gameNumber_;
    context_.queue.after(delayMs, [self, game, step = std::move(step)] {
        if (self && self->gameNumber_ == game)
            step();
    });
}

void LearningGame::startTicking(int intervalMs)
{
    stopTicking();
    QPointer<LearningGame> self(this);
    ticker_ = context_.queue.every(intervalMs, [self] {
        if (self)
            self->tick();
    });
}

void LearningGame::stopTicking()
{
    if (ticker_)
        ticker_->invalidate();
    ticker_.reset();
}

bool LearningGame::ticking() const
{
    return ticker_ && ticker_->isValid();
}

int LearningGame::accuracy() const
{
    if (answers_ <= 0)
        return 0;
    return int((qint64(rightAnswers_) * 2 + halfRightAnswers_) * 50 / answers_);
}

QString LearningGame::accuracyText() const
{
    return answers_ > 0 ? u"Accuracy: " + QString::number(accuracy()) + u'%' : QString();
}

void LearningGame::setAnswerCounts(int right, int all, int halfRight)
{
    if (rightAnswers_ == right && answers_ == all && halfRightAnswers_ == halfRight)
        return;
    rightAnswers_ = right;
    answers_ = all;
    halfRightAnswers_ = halfRight;
    emit answersChanged();
}

void LearningGame::startTurns(int count)
{
    turnCount_ = count;
    missedThisTurn_.clear();
    if (currentTurn_ != 0) {
        currentTurn_ = 0;
        emit currentTurnChanged();
    }
    if (count > 0)
        playTurn();
}

void LearningGame::nextTurn()
{
    currentTurn_ += 1;
    missedThisTurn_.clear();
    emit currentTurnChanged();
    if (currentTurn_ < turnCount_)
        playTurn();
    else
        turnsOver();
}

void LearningGame::nextTurnAfter(int delayMs)
{
    const int turn = currentTurn_;
    later(delayMs, [this, turn] {
        if (currentTurn_ == turn && inPlay())
            nextTurn();
    });
}

void LearningGame::setCurrentVerb(Verb *verb)
{
    currentVerb_ = verb;
    emit currentVerbChanged();
}

Verb::GameParts LearningGame::partsOf(Verb *verb, bool english) const
{
    return verb->gameParts(context_.verbs.tenseSettings(), english);
}

void LearningGame::setMessage(const QString &message)
{
    if (message_ == message)
        return;
    message_ = message;
    emit messageChanged();
}

void LearningGame::setInPlay(bool inPlay)
{
    if (inPlay_ == inPlay)
        return;
    inPlay_ = inPlay;
    emit inPlayChanged();
}

void LearningGame::setGameState(LearningGameState state)
{
    if (gameState_ == state)
        return;
    gameState_ = state;
    emit gameStateChanged();
}

void LearningGame::setDifficultyLevel(LearningGameDifficultyLevel level)
{
    if (difficultyLevel_ == level)
        return;
    difficultyLevel_ = level;
    emit difficultyLevelChanged();
}

QString LearningGame::verbSet() const
{
    const std::optional<QString> stored = context_.store.setting(SettingsManager::verbSetSetting);
    if (!stored)
        return VerbDictionary::allVerbs;
    const VerbDictionary &dictionary = context_.verbs;
    if (*stored == VerbDictionary::learntVerbsName && dictionary.learntVerbs().isEmpty())
        return VerbDictionary::allVerbs;
    if (dictionary.verbsInSet(*stored).isEmpty())
        return VerbDictionary::allVerbs;
    return *stored;
}

void LearningGame::setVerbSet(const QString &name)
{
    context_.store.setSetting(SettingsManager::verbSetSetting, name);
    emit verbSetChanged();
}

void LearningGame::startGame()
{}

int LearningGame::accuracyBand(int accuracy)
{
    if (accuracy >= 100)
        return 0;
    if (accuracy < 50)
        return accuracyBandCount - 1;
    // 90-99 is band 1, ..., 50-59 is band 5.
    return 10 - accuracy / 10;
}

LearningGameState LearningGame::stateForAccuracy(int accuracy)
{
    if (accuracy >= 90)
        return LearningGameState::won;
    if (accuracy < 50)
        return LearningGameState::lost;
    return LearningGameState::complete;
}
