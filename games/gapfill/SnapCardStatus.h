#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace SnapCardStatuses {
Q_NAMESPACE
QML_NAMED_ELEMENT(SnapCardStatus)

// How a key of the spelling keyboard is shown: just tapped right, just tapped wrong, or plain.
enum class SnapCardStatus { correct, incorrect, undefined };
Q_ENUM_NS(SnapCardStatus)
}

using SnapCardStatuses::SnapCardStatus;
