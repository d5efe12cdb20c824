#include "games/GameCatalog.h"

#include "games/conjugation/ConjQuiz.h"
#include "games/gapfill/GapFill.h"
#include "games/match/VerbMatch.h"
#include "games/snap/SnapGame.h"

namespace {

template <typename Game> LearningGame *make(const GameContext &context, QObject *owner)
{
    return new Game(context, owner);
}

}

const QList<GameEntry> &GameCatalog::games()
{
    static const QList<GameEntry> list{
        {QStringLiteral("match"), QStringLiteral("Infinitive Quiz"),
            QStringLiteral("Test yourself on the basic meaning of Italian verbs"), QStringLiteral("square.grid.3x3"),
            QStringLiteral("VerbMatchView.qml"),
            [](const GameContext &context, QObject *owner) -> LearningGame * {
                return new VerbMatch(context, 12, owner);
            }},
        {QStringLiteral("conjugation"), QStringLiteral("Conjugation Quiz"),
            QStringLiteral("Drill individual verb conjugations"), QStringLiteral("list.bullet"),
            QStringLiteral("ConjQuizView.qml"), &make<ConjQuiz>},
        {QStringLiteral("snap"), QStringLiteral("Snap Game"),
            QStringLiteral("Check your understanding of Italian conjugation with this true/false snap game"),
            QStringLiteral("greetingcard.fill"), QStringLiteral("SnapGameView.qml"), &make<SnapGame>},
        {QStringLiteral("gapfill"), QStringLiteral("Gapfill"),
            QStringLiteral("Master the spelling of conjugated Italian verbs letter by letter"),
            QStringLiteral("rectangle.and.pencil.and.ellipsis"), QStringLiteral("GapFillView.qml"), &make<GapFill>},
    };
    return list;
}

const GameEntry *GameCatalog::onPage(const QString &page)
{
    for (const GameEntry &entry : games()) {
        if (entry.page == page)
            return &entry;
    }
    return nullptr;
}
