#pragma once

#include "games/conjugation/ConjQuiz.h"
#include "games/conjugation/ConjugationQuizAnswer.h"
#include "games/gapfill/GapFill.h"
#include "games/gapfill/GapFillTurn.h"
#include "games/match/VerbMatch.h"
#include "games/match/VerbMatchButton.h"
#include "games/snap/SnapGame.h"
#include "platform/ManualMainQueue.h"
#include "progress/ProgressManager.h"
#include "speech/AudioEngines.h"
#include "speech/AudioRecording.h"
#include "support/TestServices.h"
#include "verbs/VerbDictionary.h"

#include <QString>

// Fresh services over the games' fixture verbs (and effect sounds) for one test, with the
// recording speech and audio engines and the start-up step already run.
class GameServices : public TestServices
{
public:
    explicit GameServices(const QString &fixture = QStringLiteral("games"))
        : TestServices(TestServices::fixture(fixture))
        , recording_(&audioEngines().useRecorders())
    {
        queue().runPending();
    }

    AudioRecording &recording() { return *recording_; }

    qint64 score(const QString &verbKey) { return progressManager().progressScores().value(verbKey); }

private:
    AudioRecording *recording_;
};

// Moves that the games' tests share.
namespace play {

inline ConjugationQuizAnswer *answer(const ConjQuiz &game, bool right)
{
    for (ConjugationQuizAnswer *answer : game.currentQuestion().alts) {
        if (answer->correct() == right)
            return answer;
    }
    return nullptr;
}

inline QString phrase(const GapFill &game)
{
    return game.currentGapFillTurn()->phrase();
}

// Taps the right letters of the gap-fill turn until it is complete.
inline void spell(GapFill &game)
{
    while (game.canClick())
        game.letterTapped(phrase(game).at(game.currentLetter()));
}

// A key that is not the letter under the cursor.
inline QString wrongLetter(const GapFill &game)
{
    const QString due = phrase(game).at(game.currentLetter()).toLower();
    for (const QString &letter : game.letterTexts()) {
        if (letter != due)
            return letter;
    }
    return QStringLiteral("#");
}

inline void snap(SnapGame &game, bool right)
{
    game.currentPairIsAMatch() == right ? game.answerMatch() : game.answerNoMatch();
}

inline VerbMatchButton *partner(const VerbMatch &game, const VerbMatchButton *card)
{
    for (VerbMatchButton *other : game.verbButtons()) {
        if (other != card && other->tag() == card->tag())
            return other;
    }
    return nullptr;
}

// The Italian card of every pair not matched yet.
inline QList<VerbMatchButton *> openItalianCards(const VerbMatch &game)
{
    QList<VerbMatchButton *> cards;
    for (VerbMatchButton *card : game.verbButtons()) {
        if (card->targetLanguage() && !card->isCorrect())
            cards.append(card);
    }
    return cards;
}

inline void matchPair(const VerbMatch &game, VerbMatchButton *italian)
{
    italian->tap();
    partner(game, italian)->tap();
}

} // namespace play
