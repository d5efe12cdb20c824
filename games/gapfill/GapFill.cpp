#include "games/gapfill/GapFill.h"

#include "games/SoundEffects.h"
#include "games/gapfill/GapFillKeyboardKey.h"
#include "games/gapfill/GapFillTurn.h"
#include "platform/Logging.h"
#include "platform/MainQueue.h"
#include "platform/Random.h"
#include "speech/TextToSpeech.h"
#include "verbs/Verb.h"
#include "verbs/VerbDictionary.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <numeric>

namespace {

const QStringList &defaultPronouns()
{
    static const QStringList pronouns = [] {
        const Verb blank;
        return blank.pronouns;
    }();
    return pronouns;
}

}

GapFill::GapFill(const GameContext &context, QObject *parent)
    : LearningGame(context, parent)
    , currentGapFillTurn_(new GapFillTurn(this))
{
    setGameName(QStringLiteral("Gapfill"));
    setMessage(QStringLiteral("Fill in the gaps in each of the conjugated verb sentences."));
    context.speech.speak(QStringLiteral(" "), currentVerb()->locale);
}

GapFill::~GapFill() = default;

QStringList GapFill::letterTexts() const
{
    QStringList texts;
    for (const GapFillKeyboardKey *key : letters_)
        texts.append(key->letter());
    return texts;
}

int GapFill::startLetter(const QString &phrase)
{
    int cursor = 0;
    if (!phrase.isEmpty() && isShown(phrase.front()))
        cursor = 1;
    for (const QString &pronoun : defaultPronouns()) {
        if (phrase.startsWith(pronoun + u' ')) {
            cursor = int(pronoun.size()) + 1;
        }
    }
    // The cursor never rests on a character that is not spelled.
    while (cursor < phrase.size() && isShown(phrase.at(cursor)))
        ++cursor;
    return cursor;
}

QList<GapFill::Item> GapFill::spellableItems(Verb *verb) const
{
    const QStringList italian = partsOf(verb, false).texts;
    const Verb::GameParts english = partsOf(verb, true);
    QList<Item> items;
    if (english.texts.size() != italian.size())
        return items;
    for (qsizetype i = 0; i < italian.size(); ++i) {
        // An empty form, or one of only a pronoun and shown characters, could never be completed.
        const QString phrase = italian.at(i).trimmed();
        if (startLetter(phrase) < phrase.size())
            items.append({italian.at(i), english.texts.at(i), english.codes.at(i)});
    }
    return items;
}

void GapFill::startGame()
{
    nextGameNumber();
    const QString setName = verbSet();
    const QList<Verb *> pot = context().verbs.verbsInSet(setName);

    Random &random = context().random;
    verbs_.clear();
    QList<qsizetype> pool(pot.size());
    std::iota(pool.begin(), pool.end(), 0);
    while (verbs_.size() < questionsPerGame_ && !pool.isEmpty()) {
        const int position = random.index(pool.size());
        Verb *verb = pot.at(pool.at(position));
        pool.removeAt(position);
        // A verb with nothing to spell is passed over.
        if (!spellableItems(verb).isEmpty())
            verbs_.append(verb);
    }

    setAnswerCounts(0, 0);
    if (verbs_.isEmpty()) {
        startTurns(0);
        qCWarning(lcGames).noquote() << u"no verb of " + setName + u" has anything to spell";
        canClick_ = false;
        setMessage(nothingToPlayMessage);
        setInPlay(false);
        return;
    }
    setInPlay(true);
    startTurns(int(verbs_.size()));
}

void GapFill::playTurn()
{
    if (currentTurn() < 0 || currentTurn() >= verbs_.size())
        return;
    Verb *verb = verbs_.at(currentTurn());
    setCurrentVerb(verb);

    QList<Item> items = spellableItems(verb);
    if (items.isEmpty())
        return;
    std::stable_sort(
        items.begin(), items.end(), [](const Item &a, const Item &b) { return a.italian.size() < b.italian.size(); });
    const qsizetype n = items.size();
    const qsizetype third = n / 3;
    Random &random = context().random;
    QList<Item> band;
    switch (difficultyLevel()) {
    case LearningGameDifficultyLevel::easy:
        band = items.mid(0, third + 1);
        break;
    case LearningGameDifficultyLevel::medium:
        band = items.mid(third, third);
        break;
    case LearningGameDifficultyLevel::hard:
        band = random.shuffled(items);
        break;
    }
    // Too few items for the level's band: all of them serve.
    if (band.size() < 2)
        band = items;
    const Item &chosen = band.size() < 2 ? band.at(0) : band.at(random.uniform(1, int(band.size()) - 1));

    const QString phrase = chosen.italian.trimmed();
    GapFillTurn *old = currentGapFillTurn_;
    currentGapFillTurn_ = new GapFillTurn(phrase, chosen.english, chosen.code.split(u'|'), this);
    emit currentGapFillTurnChanged();
    old->deleteLater();

    context().speech.preloadExternalSound(phrase, speechLocale());
    buildKeyboard();
    setTurnWon(false);
    currentLetter_ = startLetter(phrase);
    updateGapped(true);
    wrongThisTurnCount_ = 0;
    canClick_ = true;
}

void GapFill::buildKeyboard()
{
    QString running = currentGapFillTurn_->phrase();
    for (const QString &pronoun : defaultPronouns()) {
        if (running.startsWith(pronoun + u' '))
            running.remove(0, pronoun.size() + 1);
    }
    QStringList list;
    auto add = [&list](const QString &text, bool lettersOnly) {
        for (const QChar c : text) {
            if (isShown(c) || (lettersOnly && !c.isLetter()))
                continue;
            const QString letter = QString(c).toLower();
            if (!list.contains(letter))
                list.append(letter);
        }
    };
    add(running, false);

    if (difficultyLevel() == LearningGameDifficultyLevel::hard && !verbs_.isEmpty()) {
        const qsizetype target = list.size() + 5;
        Random &random = context().random;
        // Decoy letters come from the infinitives' letters only: a "|" mark is no letter to offer.
        for (int pass = 0; pass < 10 && (pass == 0 || list.size() < target); ++pass)
            add(verbs_.at(random.index(verbs_.size()))->infinitive, true);
    }
    std::sort(list.begin(), list.end(), [](const QString &a, const QString &b) { return QString::compare(a, b) < 0; });

    const QList<GapFillKeyboardKey *> old = letters_;
    letters_.clear();
    for (const QString &letter : std::as_const(list))
        letters_.append(new GapFillKeyboardKey(letter, this));
    emit lettersChanged();
    for (GapFillKeyboardKey *key : old)
        key->deleteLater();
}

void GapFill::updateGapped(bool hideCursor)
{
    const QString &phrase = currentGapFillTurn_->phrase();
    QString shown;
    shown.reserve(phrase.size());
    for (qsizetype i = 0; i < phrase.size(); ++i) {
        const QChar c = phrase.at(i);
        const bool revealed = hideCursor ? i < currentLetter_ : i <= currentLetter_;
        shown.append(revealed || isShown(c) ? c : QChar(u'-'));
    }
    setGapped(shown);
}

void GapFill::letterTapped(const QString &letter)
{
    const QString &phrase = currentGapFillTurn_->phrase();
    if (!canClick_ || !inPlay() || currentLetter_ >= phrase.size())
        return;
    const QString tapped = letter.toLower();
    const bool right = tapped == QString(phrase.at(currentLetter_)).toLower();
    if (right) {
        markKeys(tapped, AnswerStatus::correct);
        setAnswerCounts(rightAnswers() + 1, answers() + 1);
        updateGapped(false);
        advanceLetter();
        return;
    }
    setAnswerCounts(rightAnswers(), answers() + 1);
    context().sounds.playSound(QStringLiteral("wrong"));
    markKeys(tapped, AnswerStatus::incorrect);
    const bool penalised = wrongThisTurnCount_ < maxNegativePenaltyPerTurn_;
    recordAnswer(currentVerb()->key, currentGapFillTurn_->tags().join(u'|'), phrase.left(currentLetter_) + tapped,
        false, penalised ? -1 : 0);
    wrongThisTurnCount_ += penalised ? 1 : 0;
}

void GapFill::markKeys(const QString &letter, AnswerStatus status)
{
    for (GapFillKeyboardKey *key : std::as_const(letters_)) {
        if (key->letter() == letter)
            key->setStatus(status);
    }
    // The reset belongs to this game; a later game's keys are not its to clear.
    later(keyResetMs, [this] {
        for (GapFillKeyboardKey *key : std::as_const(letters_))
            key->setStatus(AnswerStatus::undefined);
    });
}

void GapFill::advanceLetter()
{
    const QString &phrase = currentGapFillTurn_->phrase();
    currentLetter_ += 1;
    while (currentLetter_ < phrase.size() && isShown(phrase.at(currentLetter_)))
        currentLetter_ += 1;
    if (currentLetter_ < phrase.size())
        return;

    canClick_ = false;
    setTurnWon(true);
    context().speech.speak(phrase, speechLocale());
    // A turn spelled after a miss was already logged wrong, letter by letter, and shows the form
    // with its English before the next.
    recordAnswer(currentVerb()->key, currentGapFillTurn_->tags().join(u'|'), phrase, true);
    if (wrongThisTurnCount_ == 0) {
        nextTurnAfter(pauseAfterTurnMs);
        return;
    }
    revealLastMiss([this] {
        if (inPlay())
            nextTurn();
    });
}

void GapFill::turnsOver()
{
    emit currentGapFillTurnChanged();
    showFinalMessage();
}

void GapFill::showFinalMessage()
{
    const int a = accuracy();
    const QString score = QString::number(a);
    const std::array<QString, accuracyBandCount> closings{
        QStringLiteral("Every letter right: excellent!"),
        QString(u"Your accuracy was " + score + u"%: very nearly perfect."),
        QString(u"Your accuracy was " + score + u"%: good work. Another round could take you into the nineties."),
        QString(u"Your accuracy was " + score + u"%: a solid round. Aim for 80% next time."),
        QString(u"Your accuracy was " + score + u"%. Practise the forms you missed and try again."),
        QString(u"Your accuracy was " + score + u"%. Practise the forms you missed, then have another go."),
        QString(u"Your spelling accuracy was " + score
            + u"%. Take your time over each letter: practising the forms you missed will help."),
    };
    setGameState(stateForAccuracy(a));
    setMessage(u"You worked through all " + QString::number(questionsPerGame_) + u" spellings. "
        + closings.at(accuracyBand(a)));
    finishSession();
    setInPlay(false);
}

QString GapFill::speechLocale() const
{
    return verbs_.isEmpty() ? currentVerb()->locale : verbs_.first()->locale;
}

void GapFill::setGapped(const QString &gapped)
{
    if (gapped_ == gapped)
        return;
    gapped_ = gapped;
    emit gappedChanged();
}

void GapFill::setTurnWon(bool won)
{
    if (turnWon_ == won)
        return;
    turnWon_ = won;
    emit turnWonChanged();
}
