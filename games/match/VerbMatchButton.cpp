#include "games/match/VerbMatchButton.h"

VerbMatchButton::VerbMatchButton(
    Verb *verb, QString word, QString locale, int index, int tag, bool targetLanguage, QObject *parent)
    : QObject(parent)
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
