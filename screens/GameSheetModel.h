#pragma once

#include "games/LearningGameDifficultyLevel.h"

#include <QColor>
#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

class LearningGame;

class VerbDictionary;

// What the game set-up sheet shows besides its game: the verb sets on offer with their symbols,
// the three level buttons with their colour pairs, and the level tap that starts the game.
class GameSheetModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Screens get the set-up sheet's model from ScreenModels")
    Q_PROPERTY(LearningGame *gameObject READ gameObject WRITE setGameObject NOTIFY gameObjectChanged)
    Q_PROPERTY(QStringList verbSets READ verbSets NOTIFY verbSetsChanged)
    Q_PROPERTY(QVariantList verbSetRows READ verbSetRows NOTIFY verbSetsChanged)
    Q_PROPERTY(QVariantList levels READ levels CONSTANT)
    Q_PROPERTY(int verbSetIndex READ verbSetIndex NOTIFY verbSetIndexChanged)

public:
    explicit GameSheetModel(const VerbDictionary &verbs, QObject *parent = nullptr);

    [[nodiscard]] LearningGame *gameObject() const { return gameObject_; }
    void setGameObject(LearningGame *game);
    // The verb dictionary's set names, read when the sheet is built.
    [[nodiscard]] const QStringList &verbSets() const { return verbSets_; }
    // The picker's rows: one map per offered set with its name and symbol.
    [[nodiscard]] QVariantList verbSetRows() const;
    // One map per level button, in order: text, backgroundColour, foregroundColour, level.
    [[nodiscard]] static QVariantList levels();
    // Where the game's set stands among the offered sets; 0 when it is not offered.
    [[nodiscard]] int verbSetIndex() const;

    // The symbol drawn beside a set name.
    Q_INVOKABLE [[nodiscard]] static QString verbSetSymbol(const QString &name);
    // Sets the game's level, then starts the game.
    Q_INVOKABLE void chooseLevel(LearningGameDifficultyLevels::LearningGameDifficultyLevel level);
    // Makes the set at index of verbSets the game's set.
    Q_INVOKABLE void pickVerbSet(int index);

signals:
    void gameObjectChanged();
    void verbSetsChanged();
    void verbSetIndexChanged();

private:
    LearningGame *gameObject_ = nullptr;
    QStringList verbSets_;
};
