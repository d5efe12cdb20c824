#include "platform/Collation.h"

#include "platform/Logging.h"

#include <unicode/coll.h>
#include <unicode/locid.h>

Collation::Collation(const QString &locale)
{
    UErrorCode status = U_ZERO_ERROR;
    collator_.reset(icu::Collator::createInstance(icu::Locale(locale.toUtf8().constData()), status));
    if (U_FAILURE(status) || !collator_) {
        qCWarning(lcVerbs).noquote() << u"no collator for " + locale + u", comparing code points";
        collator_.reset();
        return;
    }
    collator_->setStrength(icu::Collator::PRIMARY);
    status = U_ZERO_ERROR;
    collator_->setAttribute(UCOL_CASE_LEVEL, UCOL_ON, status);
}

Collation::~Collation() = default;

int Collation::compare(const QString &a, const QString &b) const
{
    if (!collator_)
        return QString::compare(a, b);
    UErrorCode status = U_ZERO_ERROR;
    const auto result = collator_->compare(reinterpret_cast<const char16_t *>(a.utf16()), int32_t(a.size()),
        reinterpret_cast<const char16_t *>(b.utf16()), int32_t(b.size()), status);
    if (U_FAILURE(status))
        return QString::compare(a, b);
    return result == UCOL_LESS ? -1 : (result == UCOL_GREATER ? 1 : 0);
}

const Collation &Collation::italian()
{
    static const Collation collation(QStringLiteral("it"));
    return collation;
}

const Collation &Collation::english()
{
    static const Collation collation(QStringLiteral("en"));
    return collation;
}
