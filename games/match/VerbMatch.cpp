#include "games/match/VerbMatch.h"

#include "games/match/VerbMatchButton.h"
#include "platform/Random.h"
#include "speech/TextToSpeech.h"
#include "verbs/Verb.h"
#include "verbs/VerbDictionary.h"

#include <QPointer>

#include <numeric>

VerbMatch::VerbMatch(const GameContext &context, int verbsPerPlay, QObject *parent)
    : LearningGame(context, parent)
    , verbsPerPlay_(verbsPerPlay)
{
    setGameName(QStringLiteral("Infinitive Quiz"));
    setMessage(
        QStringLiteral("Tap the cards to match the verbs with their English translations. Choose a level to play!"));
}

VerbMatch::~VerbMatch()
{
    stopTicking();
}

void VerbMatch::startGame()
{
    nextGameNumber();
    verbsPerPlay_ = 3 * level() + 6;
    context().speech.speak(QString(), QStringLiteral("en-GB"));
    correctAnswers_ = 0;
    wrongPairs_.clear();
    setAnswerCounts(0, 0);

    const QList<Verb *> pot = context().verbs.verbsInSet(verbSet());
    QList<qsizetype> left(pot.size());
    std::iota(left.begin(), left.end(), 0);
    Random &random = context().random;
    QList<VerbMatchButton *> cards;
    int cardNumber = 0;
    for (int pair = 0; pair < verbsPerPlay_ && !left.isEmpty(); ++pair) {
        const int position = random.index(left.size());
        Verb *verb = pot.at(left.at(position));
        const QString italian = verb->displayInfinitive();
        cards.append(new VerbMatchButton(verb, italian, verb->locale, cardNumber++, pair, true, this));
        const QString english = verb->englishDisplay();
        cards.append(new VerbMatchButton(verb, english, QStringLiteral("en-GB"), cardNumber++, pair, false, this));
        left.removeAt(position);
        context().speech.preloadExternalSound(italian, verb->locale);
    }
    random.shuffle(cards);
    for (VerbMatchButton *card : std::as_const(cards))
        connect(card, &VerbMatchButton::tapped, this, &VerbMatch::cardTapped);

    const QList<VerbMatchButton *> old = verbButtons_;
    verbButtons_ = cards;
    verbsPerPlay_ = int(cards.size() / 2);
    tappedCards_.clear();
    emit verbButtonsChanged();
    for (VerbMatchButton *card : old)
        card->deleteLater();
    setTimeElapsed(0);
    setInPlay(true);

    startTicking(tickMs);
}

void VerbMatch::tick()
{
    if (timeElapsed_ < 1.0) {
        setTimeElapsed(timeElapsed_ + tickIncrement);
        return;
    }
    stopTicking();
    setMessage(u"Out of time, with " + QString::number(correctAnswers_) + u" of " + QString::number(verbsPerPlay_)
        + u" pairs matched. Try again?");
    finishSession(correctAnswers_, correctAnswers_ + int(wrongPairs_.size()));
    setInPlay(false);
}

void VerbMatch::cardTapped(VerbMatchButton *card)
{
    if (!card)
        return;
    context().speech.speak(card->word(), card->locale());
    // A matched card, or a third card while two are held, is only said.
    if (card->isCorrect() || tappedCards_.size() >= 2)
        return;
    card->setHighlighted(!card->isHighlighted());
    const auto held = std::find_if(tappedCards_.begin(), tappedCards_.end(),
        [card](const VerbMatchButton *other) { return other->sameCard(*card); });
    if (held != tappedCards_.end())
        tappedCards_.erase(held);
    else
        tappedCards_.append(card);
    if (tappedCards_.size() != 2)
        return;

    VerbMatchButton *a = tappedCards_.at(0);
    VerbMatchButton *b = tappedCards_.at(1);
    if (!isRightPair(*a, *b)) {
        for (VerbMatchButton *wrong : {a, b}) {
            wrong->setHighlighted(false);
            wrong->setWrong(true);
        }
        wrongPairs_.append(a->word() + u" / " + b->word());
        // Both verbs were missed; the Italian card's is the one shown.
        VerbMatchButton *shown = b->targetLanguage() ? b : a;
        VerbMatchButton *other = shown == a ? b : a;
        recordAnswer(other->verb()->key, DrilledForm::infinitive, shown->word(), false);
        recordAnswer(shown->verb()->key, DrilledForm::infinitive, other->word(), false);
        // The time bar waits while the right pair is shown.
        stopTicking();
        revealLastMiss([this] {
            endWrongPairPause();
            if (inPlay())
                startTicking(tickMs);
        });
        return;
    }

    VerbMatchButton *italian = a->targetLanguage() ? a : b;
    recordAnswer(italian->verb()->key, DrilledForm::infinitive, (italian == a ? b : a)->word(), true);
    for (VerbMatchButton *matched : {a, b}) {
        matched->setCorrect(true);
        matched->setHighlighted(false);
    }
    tappedCards_.clear();
    correctAnswers_ += 1;
    setAnswerCounts(correctAnswers_, correctAnswers_ + int(wrongPairs_.size()));
    setTimeElapsed(0);
    if (correctAnswers_ == verbsPerPlay_) {
        stopTicking();
        later(winPauseMs, [this] { finishWon(); });
    }
}

bool VerbMatch::isRightPair(const VerbMatchButton &a, const VerbMatchButton &b)
{
    if (a.tag() == b.tag())
        return true;
    // Verbs with the same English (sapere and conoscere, "know") each pair with either card.
    if (a.targetLanguage() == b.targetLanguage())
        return false;
    const VerbMatchButton &italian = a.targetLanguage() ? a : b;
    const VerbMatchButton &english = a.targetLanguage() ? b : a;
    return italian.verb() && italian.verb()->englishDisplay() == english.word();
}

// The pause belongs to the deal it was started in; a new deal has emptied or refilled the held
// cards, and those are not this pause's to release.
void VerbMatch::endWrongPairPause()
{
    if (tappedCards_.size() < 2)
        return;
    tappedCards_.at(0)->setWrong(false);
    tappedCards_.at(1)->setWrong(false);
    tappedCards_.clear();
}

void VerbMatch::finishWon()
{
    if (!inPlay())
        return;
    finishSession(correctAnswers_, correctAnswers_ + int(wrongPairs_.size()));
    setMessage(wonMessage(result()->playedMs(), wrongPairs_));
    setButtonMessage(QStringLiteral("Click to play again!"));
    setInPlay(false);
}

QString VerbMatch::wonMessage(qint64 elapsedMs, const QStringList &wrongPairs)
{
    const QString time = u"All pairs matched in " + QString::number(double(elapsedMs) / 1000.0, 'f', 1) + u" seconds";
    if (wrongPairs.isEmpty())
        return u"Great work! " + time + u", with no wrong pairs.";
    const QString count =
        wrongPairs.size() == 1 ? QStringLiteral("1 wrong pair") : QString::number(wrongPairs.size()) + u" wrong pairs";
    return u"Great work! " + time + u", with " + count + u": " + wrongPairs.join(QStringLiteral("; ")) + u".";
}

QList<QList<VerbMatchButton *>> VerbMatch::cardRows(int columns) const
{
    const int perRow = std::max(1, columns > 0 ? (verbsPerPlay_ + columns - 1) / columns : verbsPerPlay_);
    QList<QList<VerbMatchButton *>> rows;
    for (qsizetype start = 0; start < verbButtons_.size(); start += perRow)
        rows.append(verbButtons_.mid(start, perRow));
    return rows;
}

QVariantList VerbMatch::cardRowsForScreen(int columns) const
{
    QVariantList rows;
    for (const QList<VerbMatchButton *> &row : cardRows(columns)) {
        QVariantList cards;
        for (VerbMatchButton *card : row)
            cards.append(QVariant::fromValue(card));
        rows.append(QVariant(cards));
    }
    return rows;
}

void VerbMatch::setTimeElapsed(double value)
{
    if (timeElapsed_ == value)
        return;
    timeElapsed_ = value;
    emit timeElapsedChanged();
}

void VerbMatch::setButtonMessage(const QString &message)
{
    if (buttonMessage_ == message)
        return;
    buttonMessage_ = message;
    emit buttonMessageChanged();
}
