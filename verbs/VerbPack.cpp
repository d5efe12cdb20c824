#include "verbs/VerbPack.h"

#include "verbs/Verb.h"

#include <QFile>
#include <QHash>
#include <QMutex>
#include <QResource>
#include <QtEndian>

#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr quint32 packMagic = 0x50565846; // "FXVP" read as a little-endian word
constexpr quint32 packVersion = 4;
constexpr qsizetype headerWords = 4;

}

template <typename Visitor> void VerbPack::fields(Verb &verb, Visitor &visit)
{
    visit(verb.key);
    visit(verb.infinitive);
    visit(verb.reflexive);
    visit(verb.preposition);
    visit(verb.englishInfinitive);
    visit(verb.englishSimplePast);
    visit(verb.englishPastParticiple);
    visit(verb.englishInfinitiveExtra);
    visit(verb.notes);
    visit(verb.tags);
    visit(verb.pastParticiple);
    visit(verb.gerund);
    visit(verb.impersonal);
    visit(verb.perfectWithEssere);
    visit(verb.stative);
    visit(verb.gloss);
    visit(verb.englishPastShift);
}

template <typename Visitor> void VerbPack::tenses(Verb &verb, Visitor &visit)
{
    visit(verb.presentTense);
    visit(verb.imperfectTense);
    visit(verb.preteriteTense);
    visit(verb.futureTense);
    visit(verb.conditionalTense);
    visit(verb.subjunctivePresentTense);
    visit(verb.subjunctivePastTense);
    visit(verb.imperativeTense);
}

// Appends fields to the records; equal texts share one place in the pool.
class VerbPack::Writer
{
public:
    void operator()(bool value) { words.append(value ? 1 : 0); }
    void operator()(const QString &text)
    {
        auto found = offsets.constFind(text);
        if (found == offsets.cend())
            found = offsets.insert(text, add(text));
        words.append(*found);
        words.append(quint32(text.size()));
    }
    void operator()(const QStringList &texts)
    {
        words.append(quint32(texts.size()));
        for (const QString &text : texts)
            (*this)(text);
    }

    QList<quint32> words;
    QList<char16_t> pool;

private:
    quint32 add(const QString &text)
    {
        const auto offset = quint32(pool.size());
        for (QChar c : text)
            pool.append(c.unicode());
        return offset;
    }

    QHash<QString, quint32> offsets;
};

// Reads fields back; a record that points outside the data marks the whole pack as bad.
class VerbPack::Reader
{
public:
    Reader(const VerbPackSource &source, qsizetype at = 0)
        : words_(source.words)
        , wordCount_(source.wordCount)
        , pool_(source.pool)
        , poolSize_(source.poolSize)
        , at_(at)
    {}

    void operator()(bool &value) { value = next() != 0; }
    void operator()(QString &text)
    {
        const quint32 offset = next();
        const quint32 size = next();
        if (qsizetype(offset) + qsizetype(size) > poolSize_)
            bad = true;
        else if (keep)
            text = size == 0 ? QString() : QString::fromRawData(reinterpret_cast<const QChar *>(pool_ + offset), size);
    }
    void operator()(QStringList &texts)
    {
        const quint32 count = next();
        if (bad || count > quint32(wordCount_ - at_) / 2) {
            bad = true;
            return;
        }
        if (!keep) {
            QString unused;
            for (quint32 i = 0; i < count; ++i)
                (*this)(unused);
            return;
        }
        texts.resize(count);
        for (QString &text : texts)
            (*this)(text);
    }

    [[nodiscard]] bool atEnd() const { return at_ == wordCount_; }
    [[nodiscard]] qsizetype at() const { return at_; }
    bool bad = false;
    // Off: texts are only checked, and nothing is filled in.
    bool keep = true;

private:
    quint32 next()
    {
        if (at_ >= wordCount_) {
            bad = true;
            return 0;
        }
        return qFromLittleEndian(words_[at_++]);
    }

    const quint32 *words_;
    qsizetype wordCount_;
    const char16_t *pool_;
    qsizetype poolSize_;
    qsizetype at_ = 0;
};

QByteArray VerbPack::pack(const QList<Verb *> &verbs)
{
    Writer writer;
    for (Verb *verb : verbs) {
        verb->readPackedTenses();
        fields(*verb, writer);
        tenses(*verb, writer);
    }
    QList<quint32> header{packMagic, packVersion, quint32(verbs.size()), quint32(writer.words.size())};
    QByteArray data;
    data.reserve((header.size() + writer.words.size()) * 4 + writer.pool.size() * 2);
    for (const QList<quint32> *part : {&header, &writer.words}) {
        for (quint32 word : *part) {
            const quint32 stored = qToLittleEndian(word);
            data.append(reinterpret_cast<const char *>(&stored), sizeof stored);
        }
    }
    for (char16_t unit : std::as_const(writer.pool)) {
        const char16_t stored = qToLittleEndian(unit);
        data.append(reinterpret_cast<const char *>(&stored), sizeof stored);
    }
    return data;
}

QList<Verb *> VerbPack::unpack(QByteArrayView data, QObject *parent, bool *ok)
{
    *ok = false;
    const auto *words = reinterpret_cast<const quint32 *>(data.data());
    // Texts are referred to in place, so the pool must be read as host-order, aligned UTF-16.
    if (QSysInfo::ByteOrder != QSysInfo::LittleEndian || data.size() < headerWords * 4
        || reinterpret_cast<quintptr>(words) % alignof(quint32) != 0 || words[0] != packMagic
        || words[1] != packVersion)
        return {};
    const qsizetype verbCount = words[2];
    const qsizetype recordWords = words[3];
    const qsizetype poolBytes = data.size() - (headerWords + recordWords) * 4;
    if (recordWords > data.size() / 4 || poolBytes < 0 || poolBytes % 2 != 0)
        return {};
    const auto source = std::make_shared<const VerbPackSource>(VerbPackSource{words + headerWords, recordWords,
        reinterpret_cast<const char16_t *>(words + headerWords + recordWords), poolBytes / 2});
    Reader reader(*source);
    QList<Verb *> verbs;
    verbs.reserve(verbCount);
    for (qsizetype i = 0; i < verbCount && !reader.bad; ++i) {
        auto *verb = new Verb(parent);
        fields(*verb, reader);
        verb->packedTenses_ = source;
        verb->packedTensesAt_ = reader.at();
        reader.keep = false;
        tenses(*verb, reader);
        reader.keep = true;
        verbs.append(verb);
    }
    if (reader.bad || !reader.atEnd()) {
        qDeleteAll(verbs);
        return {};
    }
    *ok = true;
    return verbs;
}

void VerbPack::readTenses(Verb &verb)
{
    const std::shared_ptr<const VerbPackSource> source = std::exchange(verb.packedTenses_, nullptr);
    if (!source)
        return;
    // The whole record was checked when it was unpacked.
    Reader reader(*source, verb.packedTensesAt_);
    tenses(verb, reader);
}

QByteArrayView VerbPack::retain(const QString &path)
{
    static QMutex mutex;
    static QHash<QString, QByteArrayView> kept;
    // Files stay open and mapped, and copies stay allocated, until the process ends.
    static std::vector<std::unique_ptr<QFile>> mappedFiles;
    static std::vector<QByteArray> readFiles;
    const QMutexLocker lock(&mutex);
    if (const auto found = kept.constFind(path); found != kept.cend())
        return *found;
    const QResource resource(path);
    // An uncompressed resource is already in memory for the whole process.
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression
        && reinterpret_cast<quintptr>(resource.data()) % alignof(quint32) == 0)
        return QByteArrayView(resource.data(), resource.size());
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        return {};
    // A mapped file is read page by page as the verbs are unpacked, with no copy; a file that
    // cannot be mapped (a compressed resource) is read whole.
    if (const uchar *mapped = file->size() > 0 ? file->map(0, file->size()) : nullptr) {
        const QByteArrayView bytes(mapped, file->size());
        mappedFiles.push_back(std::move(file));
        return *kept.insert(path, bytes);
    }
    readFiles.push_back(file->readAll());
    return *kept.insert(path, QByteArrayView(readFiles.back()));
}
