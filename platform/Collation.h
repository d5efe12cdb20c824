#pragma once

#include <QString>

#include <unicode/coll.h>

#include <memory>

// Locale-aware comparison that ignores diacritics (ICU, primary strength with the case level
// on): "perché" and "perche" compare equal, while "Amare" and "amare" stay distinct.
class Collation
{
public:
    explicit Collation(const QString &locale);
    ~Collation();
    Collation(const Collation &) = delete;
    Collation &operator=(const Collation &) = delete;

    // Negative, zero or positive, as a comes before, with or after b.
    [[nodiscard]] int compare(const QString &a, const QString &b) const;
    [[nodiscard]] bool lessThan(const QString &a, const QString &b) const { return compare(a, b) < 0; }

    // Shared collators for the app's two languages.
    static const Collation &italian();
    static const Collation &english();

private:
    std::unique_ptr<icu::Collator> collator_;
};
