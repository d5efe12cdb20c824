#include "games/match/VerbMatchButton.h"

#include "games/match/VerbMatch.h"
#include "speech/TextToSpeech.h"

VerbMatchButton::VerbMatchButton(
    VerbMatch *parent, Verb *verb, QString word, QString locale, int index, int tag, bool targetLanguage)
    : QObject(parent)
    , parent_(parent)
    , verb_(verb)
    , word_(std::move(word))
    , locale_(std::move(locale))
    , index_(index)
    , tag_(tag)
    , targetLanguage_(targetLanguage)
{}

void VerbMatchButton::setHighlighted(bool highlighted)
{
    if (isHighlighted_ == highlighted)
        return;
    isHighlighted_ = highlighted;
    emit isHighlightedChanged();
}

void VerbMatchButton::setCorrect(bool correct)
{
    if (isCorrect_ == correct)
        return;
    isCorrect_ = correct;
    emit isCorrectChanged();
}

void VerbMatchButton::setWrong(bool wrong)
{
    if (isWrong_ == wrong)
        return;
    isWrong_ = wrong;
    emit isWrongChanged();
}

void VerbMatchButton::tap()
{
    if (parent_ && !isCorrect_ && parent_->tappedCards().size() < 2) {
        setHighlighted(!isHighlighted_);
        parent_->cardTapped(this);
    }
    if (parent_)
        parent_->context().speech.speak(word_, locale_);
}
