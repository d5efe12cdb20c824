#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace MistakeKinds {
Q_NAMESPACE
QML_NAMED_ELEMENT(MistakeKind)

// What a wrong answer got wrong, judged against the verb's own forms.
enum class MistakeKind {
    none, // the answer is right
    auxiliary, // ho for sono, or the reverse
    agreement, // the participle does not agree (or agrees where it must not)
    person, // a form of the same tense for another person
    tense, // a form of the verb in another tense or mood
    stem, // an irregular stem made regular, or an irregular stem where the
    // regular belongs
    accent, // right but for an accent
    spelling, // one letter off
    other // none of the above
};
Q_ENUM_NS(MistakeKind)
} // namespace MistakeKinds

using MistakeKind = MistakeKinds::MistakeKind;
