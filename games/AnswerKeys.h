#pragma once

#include <QString>
#include <QStringList>

// The keys of the answer keyboard (the letters Italian writes, its accented vowels, the
// apostrophe and a space) and what one does to an answer being typed, whether tapped on screen or
// typed on a hardware keyboard.
class AnswerKeys
{
public:
    static const QStringList &keys();
    // The answer with key added; unchanged where key is not on the keyboard or the answer is full.
    // A capital counts as its small letter.
    static QString typed(const QString &answer, const QString &key);
    static constexpr qsizetype maxLength = 40;
};
