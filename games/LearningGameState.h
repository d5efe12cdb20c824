#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace LearningGameStates {
Q_NAMESPACE
QML_NAMED_ELEMENT(LearningGameState)

// How the last game ended; the set-up sheet colours the game's message by it.
enum class LearningGameState { undefined, won, lost, complete };
Q_ENUM_NS(LearningGameState)
}

using LearningGameStates::LearningGameState;
