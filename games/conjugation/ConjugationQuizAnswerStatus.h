#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace ConjugationQuizAnswerStatuses {
Q_NAMESPACE
QML_NAMED_ELEMENT(ConjugationQuizAnswerStatus)

// How an answer button of the conjugation quiz stands.
enum class ConjugationQuizAnswerStatus { correct, incorrect, unanswered };
Q_ENUM_NS(ConjugationQuizAnswerStatus)
}

using ConjugationQuizAnswerStatuses::ConjugationQuizAnswerStatus;
