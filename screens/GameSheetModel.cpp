#include "screens/GameSheetModel.h"

#include "games/LearningGame.h"
#include "screens/Theme.h"
#include "verbs/VerbDictionary.h"

#include <QHash>
#include <QVariantMap>

GameSheetModel::GameSheetModel(const VerbDictionary &verbs, QObject *parent)
    : QObject(parent)
    , verbSets_(verbs.verbSetNames())
{}

void GameSheetModel::setGameObject(LearningGame *game)
{
    if (gameObject_ == game)
        return;
    if (gameObject_)
        disconnect(gameObject_, nullptr, this, nullptr);
    gameObject_ = game;
    if (gameObject_)
        connect(gameObject_, &LearningGame::verbSetChanged, this, &GameSheetModel::verbSetIndexChanged);
    emit gameObjectChanged();
    emit verbSetIndexChanged();
}

QVariantList GameSheetModel::levels()
{
    // Each pair is made once, on first use.
    static const QVariantList pairs = [] {
        const auto level = [](const QString &text, const QColor &background, const QColor &foreground,
                               LearningGameDifficultyLevel value) {
            return QVariantMap{{QStringLiteral("text"), text}, {QStringLiteral("backgroundColour"), background},
                {QStringLiteral("foregroundColour"), foreground}, {QStringLiteral("level"), int(value)}};
        };
        return QVariantList{
            level(QStringLiteral("Easy"), Theme::hex(QStringLiteral("2ecc71")), QColor(Qt::white),
                LearningGameDifficultyLevel::easy),
            level(QStringLiteral("Medium"), Theme::hex(QStringLiteral("f1c40f")), QColor(Qt::black),
                LearningGameDifficultyLevel::medium),
            level(QStringLiteral("Hard"), Theme::hex(QStringLiteral("#e74c3c")), QColor(Qt::white),
                LearningGameDifficultyLevel::hard),
        };
    }();
    return pairs;
}

QVariantList GameSheetModel::verbSetRows() const
{
    QVariantList rows;
    for (const QString &name : verbSets_)
        rows.append(QVariantMap{{QStringLiteral("name"), name}, {QStringLiteral("symbol"), verbSetSymbol(name)}});
    return rows;
}

int GameSheetModel::verbSetIndex() const
{
    if (!gameObject_)
        return 0;
    return std::max(0, int(verbSets_.indexOf(gameObject_->verbSet())));
}

QString GameSheetModel::verbSetSymbol(const QString &name)
{
    static const QHash<QString, QString> symbols{
        {QStringLiteral("All Verbs"), QStringLiteral("list.clipboard.fill")},
        {QStringLiteral("Holiday Verbs"), QStringLiteral("sun.haze")},
        {QStringLiteral("Holiday"), QStringLiteral("sun.haze")},
        {QStringLiteral("Senses"), QStringLiteral("eye.fill")},
        {QStringLiteral("Education"), QStringLiteral("books.vertical.fill")},
        {QStringLiteral("Transport"), QStringLiteral("car.fill")},
        {QStringLiteral("Travel"), QStringLiteral("car.fill")},
        {QStringLiteral("Feelings"), QStringLiteral("heart.fill")},
        {QStringLiteral("Health"), QStringLiteral("medical.thermometer.fill")},
        {QStringLiteral("Daily Routine"), QStringLiteral("clock.fill")},
        {QStringLiteral("Communication"), QStringLiteral("rectangle.3.group.bubble.left.fill")},
        {QStringLiteral("Hobbies"), QStringLiteral("figure.pool.swim")},
        {QStringLiteral("Work"), QStringLiteral("lamp.desk.fill")},
        {QStringLiteral("Learnt Verbs"), QStringLiteral("brain.head.profile")},
    };
    return symbols.value(name, QStringLiteral("list.clipboard.fill"));
}

void GameSheetModel::chooseLevel(LearningGameDifficultyLevel level)
{
    if (!gameObject_)
        return;
    gameObject_->setDifficultyLevel(level);
    gameObject_->startGame();
}

void GameSheetModel::pickVerbSet(int index)
{
    if (!gameObject_ || index < 0 || index >= verbSets_.size() || verbSets_.at(index) == gameObject_->verbSet())
        return;
    gameObject_->setVerbSet(verbSets_.at(index));
}
