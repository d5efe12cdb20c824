#include "verbs/FormIndex.h"

#include "verbs/Persons.h"
#include "verbs/Tense.h"
#include "verbs/Verb.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QtEndian>

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

constexpr quint32 indexMagic = 0x58495846; // "FXIX" read as a little-endian word
constexpr quint32 indexVersion = 1;
constexpr qsizetype headerWords = 5;
constexpr qsizetype verbWords = 4;
constexpr qsizetype entryWords = 3;

struct RawEntry
{
    QString text;
    quint32 verb;
    quint8 kind;
    quint8 persons;
};

// The word a learner types for a form: without the reflexive pronoun before it or the preposition
// after it ("mi alzo" gives "alzo").
QString bareWord(const Verb &verb, QString form)
{
    if (!verb.preposition.isEmpty() && form.endsWith(u' ' + verb.preposition))
        form.chop(verb.preposition.size() + 1);
    if (verb.reflexive && form.contains(u' '))
        form = form.mid(form.indexOf(u' ') + 1);
    return form;
}

// The entries of one verb, one per word and kind, with the persons merged.
void addVerb(Verb &verb, quint32 at, std::vector<RawEntry> &entries)
{
    QHash<std::pair<QString, quint8>, quint8> persons;
    QList<std::pair<QString, quint8>> order;
    const auto add = [&](const QString &form, quint8 kind, quint8 bits) {
        const auto key = std::make_pair(FormIndex::folded(form), kind);
        if (key.first.isEmpty())
            return;
        if (!persons.contains(key))
            order.append(key);
        persons[key] |= bits;
    };
    add(verb.displayInfinitive(), FormIndex::infinitive, 0);
    verb.fillPastParticipleIfMissing();
    add(verb.pastParticiple, FormIndex::participle, 0);
    const QList<Tense> &tenses = Tense::all();
    for (qsizetype k = 0; k < tenses.size(); ++k) {
        const Tense &tense = tenses.at(k);
        if (!tense.isSimple())
            continue;
        const QStringList forms = tense.formsOf(verb);
        for (qsizetype p = 0; p < forms.size(); ++p)
            add(bareWord(verb, forms.at(p)), quint8(k), tense.personal ? quint8(1 << p) : 0);
    }
    const QStringList imperative = verb.imperativeForms();
    for (qsizetype p = 1; p < imperative.size(); ++p)
        add(bareWord(verb, imperative.at(p)), FormIndex::imperative, quint8(1 << p));
    for (const auto &key : std::as_const(order))
        entries.push_back({key.first, at, key.second, persons.value(key)});
}

qsizetype editDistance(QStringView a, QStringView b)
{
    std::vector<qsizetype> previous(size_t(b.size()) + 1);
    std::vector<qsizetype> current(previous.size());
    for (size_t j = 0; j < previous.size(); ++j)
        previous[j] = qsizetype(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const qsizetype substitution = previous[size_t(j - 1)] + (a.at(i - 1) == b.at(j - 1) ? 0 : 1);
            current[size_t(j)] = std::min({previous[size_t(j)] + 1, current[size_t(j - 1)] + 1, substitution});
        }
        std::swap(previous, current);
    }
    return previous[size_t(b.size())];
}

class IndexWriter
{
public:
    void word(quint32 value) { words.append(value); }
    void text(const QString &value)
    {
        auto found = offsets.constFind(value);
        if (found == offsets.cend()) {
            found = offsets.insert(value, quint32(pool.size()));
            for (QChar c : value)
                pool.append(c.unicode());
        }
        words.append(*found);
        words.append(quint32(value.size()));
    }
    [[nodiscard]] QByteArray bytes() const
    {
        QByteArray data;
        data.reserve(words.size() * 4 + pool.size() * 2);
        for (quint32 w : words) {
            const quint32 stored = qToLittleEndian(w);
            data.append(reinterpret_cast<const char *>(&stored), sizeof stored);
        }
        for (char16_t unit : pool) {
            const char16_t stored = qToLittleEndian(unit);
            data.append(reinterpret_cast<const char *>(&stored), sizeof stored);
        }
        return data;
    }

    QList<quint32> words;
    QList<char16_t> pool;

private:
    QHash<QString, quint32> offsets;
};

} // namespace

QString FormIndex::withoutAccents(const QString &text)
{
    QString decomposed = text.normalized(QString::NormalizationForm_D);
    decomposed.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return decomposed;
}

QString FormIndex::folded(const QString &text)
{
    QString plain = withoutAccents(text.toLower().simplified());
    plain.replace(u'\u2019', u'\'');
    return plain;
}

QStringList FormIndex::variants(const QString &form)
{
    const QString plain = form.toLower().simplified();
    QStringList result{plain};
    static const QRegularExpression pair(QStringLiteral("(\\w)/(\\w)\\b"));
    const QRegularExpressionMatch match = pair.match(plain);
    if (match.hasMatch()) {
        result.append(QString(plain).remove(match.capturedStart(0) + 1, 2));
        result.append(QString(plain).remove(match.capturedStart(0), 2));
    }
    return result;
}

QByteArray FormIndex::build(const QList<Verb *> &verbs)
{
    std::vector<RawEntry> entries;
    for (qsizetype i = 0; i < verbs.size(); ++i)
        addVerb(*verbs.at(i), quint32(i), entries);
    std::sort(entries.begin(), entries.end(), [](const RawEntry &a, const RawEntry &b) {
        return std::tie(a.text, a.verb, a.kind) < std::tie(b.text, b.verb, b.kind);
    });

    IndexWriter writer;
    for (quint32 w : {indexMagic, indexVersion, quint32(verbs.size()), quint32(entries.size()), 0u})
        writer.word(w);
    for (const Verb *verb : verbs) {
        writer.text(folded(verb->displayInfinitive()));
        const QString extra = verb->englishInfinitiveExtra;
        writer.text(folded(extra.isEmpty() ? verb->englishDisplay() : verb->englishDisplay() + u", " + extra));
    }
    for (const RawEntry &entry : entries) {
        writer.text(entry.text);
        writer.words.last() |= entry.verb << 16;
        writer.word(quint32(entry.kind) << 8 | entry.persons);
    }
    // A whole number of words, so that a file packed after this one in the resources starts on a
    // word as well.
    if (writer.pool.size() % 2 != 0)
        writer.pool.append(u'\0');
    writer.words[4] = quint32(writer.pool.size());
    return writer.bytes();
}

FormIndex::FormIndex(QByteArray data, const QList<Verb *> &verbs)
    : owned_(std::move(data))
{
    const auto *words = reinterpret_cast<const quint32 *>(owned_.constData());
    if (QSysInfo::ByteOrder != QSysInfo::LittleEndian || owned_.size() < headerWords * 4
        || reinterpret_cast<quintptr>(words) % alignof(quint32) != 0 || words[0] != indexMagic
        || words[1] != indexVersion || qsizetype(words[2]) != verbs.size() || verbs.isEmpty())
        return;
    const qsizetype tableWords = headerWords + qsizetype(words[2]) * verbWords + qsizetype(words[3]) * entryWords;
    if (owned_.size() != tableWords * 4 + qsizetype(words[4]) * 2)
        return;
    words_ = words;
    pool_ = reinterpret_cast<const char16_t *>(words + tableWords);
    poolSize_ = words[4];
    verbCount_ = words[2];
    entryCount_ = words[3];
    // An index made from other verb data than the one loaded is of no use.
    for (qsizetype i : {qsizetype(0), verbCount_ / 2, verbCount_ - 1}) {
        if (verbText(i, 0) != folded(verbs.at(i)->displayInfinitive()))
            verbCount_ = 0;
    }
    for (qsizetype i = 0; i < entryCount_ && verbCount_ > 0; ++i) {
        const quint32 *e = words_ + headerWords + verbCount_ * verbWords + i * entryWords;
        if (qsizetype(e[0]) + (e[1] & 0xffff) > poolSize_ || qsizetype(e[1] >> 16) >= verbCount_)
            verbCount_ = 0;
    }
}

QStringView FormIndex::text(quint32 offset, quint32 size) const
{
    if (qsizetype(offset) + qsizetype(size) > poolSize_)
        return {};
    return QStringView(pool_ + offset, qsizetype(size));
}

QStringView FormIndex::verbText(qsizetype verb, int field) const
{
    const quint32 *v = words_ + headerWords + verb * verbWords + field * 2;
    return text(v[0], v[1]);
}

FormIndex::Entry FormIndex::entry(qsizetype i) const
{
    const quint32 *e = words_ + headerWords + verbCount_ * verbWords + i * entryWords;
    return {text(e[0], e[1] & 0xffff), qsizetype(e[1] >> 16), quint8(e[2] >> 8), quint8(e[2] & 0xff)};
}

qsizetype FormIndex::lowerBound(QStringView wanted) const
{
    qsizetype low = 0;
    qsizetype high = entryCount_;
    while (low < high) {
        const qsizetype middle = low + (high - low) / 2;
        if (entry(middle).text.compare(wanted) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

QString FormIndex::place(quint8 kind, quint8 persons)
{
    QString name;
    if (kind == infinitive)
        name = QStringLiteral("infinito");
    else if (kind == participle)
        name = Tense::participleItalian.toLower();
    else if (kind == imperative)
        name = Tense::imperativeItalian.toLower();
    else
        name = Tense::all().value(kind).italianName.toLower();
    QStringList who;
    for (int p = 0; p < Persons::count; ++p) {
        if (persons & (1 << p))
            who.append(Persons::italian().at(p));
    }
    return who.isEmpty() ? name : name + u", " + who.join(QStringLiteral(" / "));
}

QString FormIndex::phrasePlace(Verb &verb, const QString &phrase) const
{
    QStringList places;
    const QList<Tense> &tenses = Tense::all();
    for (qsizetype k = 0; k < tenses.size(); ++k) {
        const QStringList forms = tenses.at(k).formsOf(verb);
        quint8 persons = 0;
        bool found = false;
        for (qsizetype p = 0; p < forms.size(); ++p) {
            const QStringList typed = variants(folded(forms.at(p)));
            if (typed.contains(phrase)) {
                found = true;
                persons |= tenses.at(k).personal ? quint8(1 << p) : 0;
            }
        }
        if (found)
            places.append(place(quint8(k), persons));
    }
    return places.join(QStringLiteral("; "));
}

QList<FormIndex::Hit> FormIndex::search(const QString &text, const QList<Verb *> &verbs) const
{
    QList<Hit> hits;
    const QString wanted = folded(text);
    if (!isValid() || wanted.isEmpty())
        return hits;
    std::vector<bool> listed(size_t(verbCount_), false);
    const auto list = [&](qsizetype verb, Tier tier, const QString &where = {}) {
        if (verb < 0 || verb >= verbCount_ || listed[size_t(verb)])
            return;
        listed[size_t(verb)] = true;
        hits.append({verb, tier, where});
    };

    const qsizetype from = lowerBound(wanted);
    for (qsizetype i = from; i < entryCount_ && entry(i).text == wanted; ++i) {
        if (entry(i).kind == infinitive)
            list(entry(i).verb, Tier::infinitive);
    }
    for (qsizetype i = from; i < entryCount_ && entry(i).text.startsWith(wanted); ++i) {
        if (entry(i).kind == infinitive)
            list(entry(i).verb, Tier::infinitivePrefix);
    }

    if (!wanted.contains(u' ')) {
        // One word: the entries say where it is, several tenses of one verb joined.
        QHash<qsizetype, QStringList> places;
        QList<qsizetype> order;
        for (qsizetype i = from; i < entryCount_ && entry(i).text == wanted; ++i) {
            const Entry e = entry(i);
            if (e.kind == infinitive)
                continue;
            if (!places.contains(e.verb))
                order.append(e.verb);
            places[e.verb].append(place(e.kind, e.persons));
        }
        for (qsizetype verb : std::as_const(order))
            list(verb, Tier::form,
                text.trimmed() + u": " + verbs.at(verb)->displayInfinitive() + u", "
                    + places.value(verb).join(QStringLiteral("; ")));
    } else {
        // Several words: the verbs with the last word among their forms or as their participle
        // (in any agreement), checked against their whole forms.
        const QString last = wanted.mid(wanted.lastIndexOf(u' ') + 1);
        QSet<qsizetype> candidates;
        for (const QString &word : QStringList{last, last.left(last.size() - 1) + u'o'}) {
            for (qsizetype i = lowerBound(word); i < entryCount_ && entry(i).text == word; ++i)
                candidates.insert(entry(i).verb);
        }
        QList<qsizetype> sorted(candidates.begin(), candidates.end());
        std::sort(sorted.begin(), sorted.end());
        for (qsizetype verb : std::as_const(sorted)) {
            const QString where = phrasePlace(*verbs.at(verb), wanted);
            if (!where.isEmpty())
                list(verb, Tier::form, text.trimmed() + u": " + verbs.at(verb)->displayInfinitive() + u", " + where);
        }
    }

    const QString english = wanted.startsWith(u"to ") ? wanted.mid(3) : wanted;
    for (qsizetype v = 0; v < verbCount_; ++v) {
        if (verbText(v, 1) == english)
            list(v, Tier::english);
    }
    for (qsizetype v = 0; v < verbCount_; ++v) {
        if (verbText(v, 1).contains(english))
            list(v, Tier::english);
    }
    for (qsizetype v = 0; v < verbCount_; ++v) {
        if (verbText(v, 0).contains(wanted))
            list(v, Tier::infinitiveInside);
    }
    return hits;
}

QStringList FormIndex::closest(const QString &text, const QList<Verb *> &verbs, qsizetype count) const
{
    const QString wanted = folded(text);
    std::vector<std::pair<qsizetype, qsizetype>> ranked;
    for (qsizetype v = 0; v < verbCount_; ++v)
        ranked.emplace_back(editDistance(wanted, verbText(v, 0)), v);
    // Equally near verbs keep the dictionary order.
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QStringList infinitives;
    for (const auto &[distance, verb] : ranked) {
        if (infinitives.size() >= count)
            break;
        const QString shown = verbs.at(verb)->displayInfinitive();
        if (!infinitives.contains(shown))
            infinitives.append(shown);
    }
    return infinitives;
}
