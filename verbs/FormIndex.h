#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

class Verb;

// Every word of every verb's forms, folded (lower case, no accents) and sorted, so that a search
// finds a verb by any of its forms in a few binary searches. The index is made when the verb data
// is packed (flexio-verbpack writes it beside the pack) or, for verb data read from XML, when it is
// first asked for. It is one block of 32-bit words and UTF-16 texts, read in place:
//   header: magic, version, verb count, entry count, pool size in UTF-16 units
//   per verb: its folded key and its folded English (offset and length of each)
//   per entry, sorted by text: text offset, length << 16 | verb, kind << 8 | persons
//   the pool of texts.
// An entry is one word of one verb in one tense, with a bit per person (bit 0 io ... bit 5 loro).
class FormIndex
{
public:
    // Where an entry's word comes from: a row of Tense::all() by its place, or one of these.
    enum Kind : quint8 { infinitive = 200, participle = 201, imperative = 202 };

    enum class Tier { infinitive, infinitivePrefix, form, english, infinitiveInside };

    struct Hit
    {
        qsizetype verb = -1;
        Tier tier = Tier::infinitive;
        // For a hit on a form: the form as typed and where it is, "fossi: congiuntivo imperfetto, io / tu".
        QString where;
    };

    FormIndex() = default;
    // An index over data made by build(); invalid when the data is not an index of these verbs.
    FormIndex(QByteArray data, const QList<Verb *> &verbs);

    [[nodiscard]] static QByteArray build(const QList<Verb *> &verbs);
    [[nodiscard]] bool isValid() const { return verbCount_ > 0; }

    // The verbs matching the text, best first: the infinitive itself, infinitives beginning with
    // it, verbs with the text among their forms, English infinitives holding it ("to go" finds
    // "go"), then infinitives holding it. A verb is listed once, under its best tier.
    [[nodiscard]] QList<Hit> search(const QString &text, const QList<Verb *> &verbs) const;
    // Up to count infinitives nearest to the text by edit distance, nearest first.
    [[nodiscard]] QStringList closest(const QString &text, const QList<Verb *> &verbs, qsizetype count) const;

    // Lower case, accents taken off, single spaces, typographic apostrophes made plain.
    [[nodiscard]] static QString folded(const QString &text);
    [[nodiscard]] static QString withoutAccents(const QString &text);
    // The texts that type a form: "sono andato/a" gives itself, "sono andato" and "sono andata".
    [[nodiscard]] static QStringList variants(const QString &form);
    // "congiuntivo imperfetto, io / tu" for the kind and persons of an entry.
    [[nodiscard]] static QString place(quint8 kind, quint8 persons);

private:
    struct Entry
    {
        QStringView text;
        qsizetype verb;
        quint8 kind;
        quint8 persons;
    };
    [[nodiscard]] qsizetype entryCount() const { return entryCount_; }
    [[nodiscard]] Entry entry(qsizetype i) const;
    [[nodiscard]] QStringView text(quint32 offset, quint32 size) const;
    [[nodiscard]] QStringView verbText(qsizetype verb, int field) const;
    // The first entry whose text is not less than the given one.
    [[nodiscard]] qsizetype lowerBound(QStringView text) const;
    // Where a phrase of several words ("fossi stato", "mi sono alzata") is among a verb's forms.
    [[nodiscard]] QString phrasePlace(Verb &verb, const QString &phrase) const;

    QByteArray owned_;
    const quint32 *words_ = nullptr;
    const char16_t *pool_ = nullptr;
    qsizetype poolSize_ = 0;
    qsizetype verbCount_ = 0;
    qsizetype entryCount_ = 0;
};
