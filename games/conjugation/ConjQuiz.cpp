#include "games/conjugation/ConjQuiz.h"

#include "games/AnswerKeys.h"
#include "games/conjugation/ConjugationQuizAnswer.h"
#include "platform/Logging.h"
#include "platform/Random.h"
#include "settings/SettingsManager.h"
#include "speech/TextToSpeech.h"
#include "verbs/Verb.h"
#include "verbs/VerbDictionary.h"

#include <QHash>

#include <array>
#include <numeric>

ConjQuiz::ConjQuiz(const GameContext &context, QObject *parent)
    : LearningGame(context, parent)
    , verbDictionary_(context.verbs.verbs())
{
    setGameName(QStringLiteral("Conjugation Quiz"));
    setMessage(QStringLiteral("For each of the ten verbs, tap (or type) the Italian form of the English prompt "
                              "before the timer bar fills."));
}

ConjQuiz::~ConjQuiz()
{
    stopTicking();
}

double ConjQuiz::timeIncrementFor(LearningGameDifficultyLevel level)
{
    return forLevel(level, 0.000675, 0.0015, 0.0025);
}

bool ConjQuiz::playable(Verb *verb) const
{
    const qsizetype forms = partsOf(verb, false).texts.size();
    return forms > 0 && partsOf(verb, true).texts.size() == forms;
}

void ConjQuiz::startGame()
{
    nextGameNumber();
    stopTicking();
    canClick_ = false;
    verbsInPlay_.clear();
    const QString setName = verbSet();
    const QList<Verb *> pot = context().verbs.verbsInSet(setName);

    Random &random = context().random;
    QList<qsizetype> order(pot.size());
    std::iota(order.begin(), order.end(), 0);
    random.shuffle(order);
    // A verb without drill items is passed over; a whole pass without one to play ends the walk.
    QHash<qsizetype, bool> known;
    qsizetype passedOver = 0;
    for (qsizetype step = 0; verbsInPlay_.size() < verbsPerPlay_ && !order.isEmpty(); ++step) {
        const qsizetype index = order.at(step % order.size());
        auto found = known.find(index);
        if (found == known.end())
            found = known.insert(index, playable(pot.at(index)));
        if (found.value()) {
            verbsInPlay_.append(pot.at(index));
            passedOver = 0;
        } else if (++passedOver >= order.size()) {
            break;
        }
    }
    random.shuffle(verbsInPlay_);
    emit verbsInPlayChanged();

    if (verbsInPlay_.isEmpty()) {
        qCWarning(lcGames).noquote() << u"no verb of " + setName + u" has drill items";
        setMessage(nothingToPlayMessage);
        setInPlay(false);
        return;
    }

    // Typing a form takes longer than picking one.
    timeIncrement_ = timeIncrementFor(difficultyLevel()) / (typedMode() ? 2 : 1);
    startTurns(int(verbsInPlay_.size()));
    setTimeElapsed(0);
    setAnswerCounts(0, 0);
    setInPlay(true);
}

QStringList ConjQuiz::pronounCandidates(const QStringList &pronouns)
{
    QStringList candidates;
    for (const QString &pronoun : pronouns) {
        candidates.append(pronoun);
        for (const QString &piece : pronoun.split(u'/', Qt::SkipEmptyParts)) {
            if (!candidates.contains(piece))
                candidates.append(piece);
        }
    }
    candidates.append(QStringLiteral("j'"));
    return candidates;
}

ConjQuiz::Stripped ConjQuiz::removePronouns(const QString &form, const QStringList &candidates)
{
    Stripped result{form, QString()};
    for (const QString &candidate : candidates) {
        if (form.startsWith(candidate + u' ')) {
            result.answer = form.mid(candidate.size() + 1);
            result.pronoun = candidate;
        }
    }
    return result;
}

void ConjQuiz::playTurn()
{
    if (currentTurn() < 0 || currentTurn() >= verbsInPlay_.size())
        return;
    Verb *verb = verbsInPlay_.at(currentTurn());
    setCurrentVerb(verb);

    const QStringList forms = partsOf(verb, false).texts;
    const Verb::GameParts english = partsOf(verb, true);
    const QStringList &prompts = english.texts;
    const QStringList &codes = english.codes;
    if (forms.isEmpty() || prompts.size() != forms.size())
        return;

    Random &random = context().random;
    QList<qsizetype> pool(forms.size());
    std::iota(pool.begin(), pool.end(), 0);
    const int p = random.index(pool.size());
    const qsizetype i = pool.at(p);

    ConjugationQuestion question;
    question.question = prompts.at(i);
    const QString bare = forms.at(i);
    const QStringList candidates = pronounCandidates(verb->pronouns);
    const Stripped stripped = removePronouns(bare, candidates);
    question.questionHint = stripped.pronoun.isEmpty() ? QString() : stripped.pronoun + QStringLiteral("...");
    question.tags = codes.at(i).split(u'|');
    pool.removeAt(p);

    auto *right = new ConjugationQuizAnswer(stripped.answer, true, this);
    if (!stripped.pronoun.isEmpty())
        right->setSpeakText(stripped.pronoun + u' ' + stripped.answer);
    QList<ConjugationQuizAnswer *> answers{right};
    auto alreadyOffered = [&answers](const QString &text) {
        return std::any_of(answers.begin(), answers.end(),
            [&text](const ConjugationQuizAnswer *answer) { return answer->text() == text; });
    };

    if (difficultyLevel() != LearningGameDifficultyLevel::easy && random.uniform(0, 9) > 7) {
        const QString decoy = decoyFromAnotherVerb(i, candidates);
        // A decoy that reads like an answer already offered would show two equal buttons, one right
        // and one wrong.
        if (!decoy.isNull() && !alreadyOffered(decoy))
            answers.append(new ConjugationQuizAnswer(decoy, false, this));
    }

    while (answers.size() < 4 && !pool.isEmpty()) {
        const int q = random.index(pool.size());
        const QString alt = removePronouns(forms.at(pool.at(q)), candidates).answer;
        if (!alreadyOffered(alt))
            answers.append(new ConjugationQuizAnswer(alt, false, this));
        pool.removeAt(q);
    }
    random.shuffle(answers);
    QStringList texts;
    for (const ConjugationQuizAnswer *answer : std::as_const(answers))
        texts.append(answer->text());

    question.correctAnswer = stripped.answer;
    question.alts = answers;
    const QList<ConjugationQuizAnswer *> old = currentQuestion_.alts;
    currentQuestion_ = question;
    emit currentQuestionChanged();
    for (ConjugationQuizAnswer *answer : old)
        answer->deleteLater();

    canClick_ = true;
    setTyped({});
    setTimeElapsed(0);
    startTicking(tickMs);
}

QString ConjQuiz::decoyFromAnotherVerb(qsizetype index, const QStringList &candidates)
{
    Random &random = context().random;
    const Verb *current = currentVerb();
    QList<Verb *> others;
    QList<Verb *> sameInitial;
    for (Verb *verb : std::as_const(verbDictionary_)) {
        if (verb->infinitive == current->infinitive)
            continue;
        others.append(verb);
        if (!verb->infinitive.isEmpty() && !current->infinitive.isEmpty()
            && verb->infinitive.front() == current->infinitive.front())
            sameInitial.append(verb);
    }
    const QList<Verb *> &choices = sameInitial.isEmpty() ? others : sameInitial;
    if (choices.isEmpty())
        return {};
    Verb *decoyVerb = choices.at(random.index(choices.size()));
    const QStringList decoyForms = partsOf(decoyVerb, false).texts;
    // A verb without drill items has no form to lend.
    if (decoyForms.isEmpty())
        return {};
    const qsizetype own = partsOf(currentVerb(), false).texts.size();
    const QString form =
        decoyForms.size() == own ? decoyForms.at(index) : decoyForms.at(random.index(decoyForms.size()));
    return removePronouns(form, candidates).answer;
}

void ConjQuiz::tick()
{
    if (timeElapsed_ < 1.0) {
        setTimeElapsed(timeElapsed_ + timeIncrement_);
        return;
    }
    // Time is up: the turn counts as missed and shows its answer.
    stopTicking();
    canClick_ = false;
    setAnswerCounts(rightAnswers(), answers() + 1, halfRightAnswers());
    recordAnswer(currentVerb()->key, currentQuestion_.tags.join(u'|'), QString(), false);
    showRightAnswer();
}

void ConjQuiz::answerTapped(ConjugationQuizAnswer *answer)
{
    if (!canClick_ || !inPlay() || !answer || !currentQuestion_.alts.contains(answer))
        return;
    stopTicking();
    canClick_ = false;
    Verb *verb = currentVerb();
    TextToSpeech &speech = context().speech;
    const bool right = answer->correct()
        && std::any_of(currentQuestion_.alts.begin(), currentQuestion_.alts.end(),
            [answer](const ConjugationQuizAnswer *alt) { return alt->sameAnswer(*answer); });
    setAnswerCounts(rightAnswers() + (right ? 1 : 0), answers() + 1, halfRightAnswers());
    recordAnswer(verb->key, currentQuestion_.tags.join(u'|'), answer->text(), right);
    if (!right) {
        speech.speak(QStringLiteral("non!"), verb->locale);
        answer->setStatus(AnswerStatus::incorrect);
        showRightAnswer();
        return;
    }

    answer->setStatus(AnswerStatus::correct);
    if (speech.isVoiceAvailable(verb->locale))
        speech.speak(answer->speakText(), verb->locale);
    else
        speech.speak(QStringLiteral("si!"), verb->locale);

    // The pause moves on only the turn it was started for, in the game it was started in.
    nextTurnAfter(pauseAfterRightAnswerMs);
}

QString ConjQuiz::typedSetting() const
{
    return SettingsManager::conjugationTypedSetting;
}

void ConjQuiz::typeKey(const QString &key)
{
    if (canClick_ && inPlay())
        setTyped(AnswerKeys::typed(typed_, key));
}

void ConjQuiz::backspace()
{
    if (canClick_ && inPlay() && !typed_.isEmpty())
        setTyped(typed_.chopped(1));
}

void ConjQuiz::submit()
{
    if (revealing()) {
        continueNow();
        return;
    }
    if (!canClick_ || !inPlay() || typed_.trimmed().isEmpty())
        return;
    stopTicking();
    canClick_ = false;
    Verb *verb = currentVerb();
    const MistakeKind mistake = recordTypedAnswer(verb->key, currentQuestion_.tags.join(u'|'), typed_);
    const bool right = mistake == MistakeKind::none;
    const bool half = mistake == MistakeKind::accent;
    setAnswerCounts(rightAnswers() + (right ? 1 : 0), answers() + 1, halfRightAnswers() + (half ? 1 : 0));
    setTyped(typed_, right ? AnswerStatus::correct : AnswerStatus::incorrect);
    if (!right) {
        showRightAnswer();
        return;
    }
    for (const ConjugationQuizAnswer *alt : std::as_const(currentQuestion_.alts)) {
        if (alt->correct())
            context().speech.speak(alt->speakText(), verb->locale);
    }
    nextTurnAfter(pauseAfterRightAnswerMs);
}

void ConjQuiz::setTyped(const QString &typed, AnswerStatus status)
{
    if (typed_ == typed && typedStatus_ == status)
        return;
    typed_ = typed;
    typedStatus_ = status;
    emit typedChanged();
}

void ConjQuiz::showRightAnswer()
{
    for (ConjugationQuizAnswer *alt : std::as_const(currentQuestion_.alts)) {
        if (alt->correct())
            alt->setStatus(AnswerStatus::correct);
    }
    revealLastMiss([this] {
        if (inPlay())
            nextTurn();
    });
}

void ConjQuiz::turnsOver()
{
    endGame();
}

void ConjQuiz::endGame()
{
    stopTicking();
    canClick_ = false;
    setInPlay(false);
    showFinalMessage();
}

void ConjQuiz::showFinalMessage()
{
    const int a = accuracy();
    const QString score = QString::number(a);
    const std::array<QString, accuracyBandCount> closings{
        QStringLiteral("Every answer right: excellent!"),
        QString(u"Your accuracy was " + score + u"%: very nearly perfect."),
        QString(u"Your accuracy was " + score + u"%: good work. Another round could take you into the nineties."),
        QString(u"Your accuracy was " + score + u"%: a solid round. Aim for 80% next time."),
        QString(
            u"Your accuracy was " + score + u"%. The forms you missed are listed below; practise them and try again."),
        QString(u"Your accuracy was " + score + u"%. Practise the forms you missed, then have another go."),
        QString(u"Your accuracy was " + score
            + u"%. Take your time over each question: practising the forms you missed will help."),
    };
    setGameState(stateForAccuracy(a));
    setMessage(
        u"You worked through all " + QString::number(verbsPerPlay_) + u" questions. " + closings.at(accuracyBand(a)));
    finishSession();
}

void ConjQuiz::setTimeElapsed(double value)
{
    if (timeElapsed_ == value)
        return;
    timeElapsed_ = value;
    emit timeElapsedChanged();
}
