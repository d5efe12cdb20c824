#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace SnapCardAnswerStatesNew {
Q_NAMESPACE
QML_NAMED_ELEMENT(SnapCardAnswerStateNew)

// The player's answer to the snap pair on show.
enum class SnapCardAnswerStateNew { unanswered, correct, incorrect };
Q_ENUM_NS(SnapCardAnswerStateNew)
}

using SnapCardAnswerStatesNew::SnapCardAnswerStateNew;
