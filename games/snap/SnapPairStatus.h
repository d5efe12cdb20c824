#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace SnapPairStatuses {
Q_NAMESPACE
QML_NAMED_ELEMENT(SnapPairStatus)

// How a revealed snap pair is shown: a matching pair, a pair that does not match, not revealed.
enum class SnapPairStatus { correct, incorrect, undefined };
Q_ENUM_NS(SnapPairStatus)
}

using SnapPairStatuses::SnapPairStatus;
