#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace SnapCardStatusesNew {
Q_NAMESPACE
QML_NAMED_ELEMENT(SnapCardStatusNew)

// How a revealed snap pair is shown: a matching pair, a pair that does not match, not revealed.
enum class SnapCardStatusNew { correct, incorrect, undefined };
Q_ENUM_NS(SnapCardStatusNew)
}

using SnapCardStatusesNew::SnapCardStatusNew;
