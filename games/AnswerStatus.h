#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace AnswerStatuses {
Q_NAMESPACE
QML_NAMED_ELEMENT(AnswerStatus)

// How a tapped thing is shown in the games: an answer button, a key of the spelling keyboard, a
// revealed snap pair. Right, wrong, or plain (not tapped, not revealed).
enum class AnswerStatus { correct, incorrect, undefined };
Q_ENUM_NS(AnswerStatus)
}

using AnswerStatuses::AnswerStatus;
