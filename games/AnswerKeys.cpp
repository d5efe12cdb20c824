#include "games/AnswerKeys.h"

const QStringList &AnswerKeys::keys()
{
    static const QStringList all{"a", "b", "c", "d", "e", "f", "g", "h", "i", "l", "m", "n", "o", "p", "q", "r", "s",
        "t", "u", "v", "z", "à", "è", "é", "ì", "ò", "ó", "ù", "'", " "};
    return all;
}

QString AnswerKeys::typed(const QString &answer, const QString &key)
{
    const QString letter = key.toLower();
    if (letter.size() != 1 || answer.size() >= maxLength || !keys().contains(letter))
        return answer;
    return answer + letter;
}
