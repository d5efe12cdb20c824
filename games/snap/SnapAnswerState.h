#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace SnapAnswerStates {
Q_NAMESPACE
QML_NAMED_ELEMENT(SnapAnswerState)

// The player's answer to the snap pair on show.
enum class SnapAnswerState { unanswered, correct, incorrect };
Q_ENUM_NS(SnapAnswerState)
}

using SnapAnswerStates::SnapAnswerState;
