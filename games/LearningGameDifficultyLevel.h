#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace LearningGameDifficultyLevels {
Q_NAMESPACE
QML_NAMED_ELEMENT(LearningGameDifficultyLevel)

// The level chosen on the set-up sheet. Games derive their sizes from the integer values.
enum class LearningGameDifficultyLevel { easy = 0, medium = 1, hard = 2 };
Q_ENUM_NS(LearningGameDifficultyLevel)
}

using LearningGameDifficultyLevels::LearningGameDifficultyLevel;
