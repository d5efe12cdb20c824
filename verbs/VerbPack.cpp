#include "verbs/VerbPack.h"

#include "platform/Logging.h"
#include "verbs/Verb.h"

#include <QFile>
#include <QHash>
#include <QMutex>
#include <QResource>
#include <QtEndian>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <vector>

namespace {

constexpr quint32 packMagic = 0x50565846; // "FXVP" read as a little-endian word
constexpr quint32 packVersion = 6;
constexpr qsizetype headerWords = 6;

}

template <typename Record, typename Visitor> void VerbPack::rowFields(Record &record, Visitor &visit)
{
    visit(record.key);
    visit(record.infinitive);
    visit(record.tags);
}

template <typename Visitor> void VerbPack::fields(Verb &verb, Visitor &visit)
{
    rowFields(verb, visit);
    visit(verb.reflexive);
    visit(verb.preposition);
    visit(verb.englishInfinitive);
    visit(verb.englishSimplePast);
    visit(verb.englishPastParticiple);
    visit(verb.englishInfinitiveExtra);
    visit(verb.notes);
    visit(verb.pastParticiple);
    visit(verb.gerund);
    visit(verb.impersonal);
    visit(verb.perfectWithEssere);
    visit(verb.stative);
    visit(verb.eitherAuxiliary);
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

// Reads fields back, never outside the data: a field that would lie outside is left empty and
// marks the record bad.
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
        else
            text = size == 0 ? QString() : QString::fromRawData(reinterpret_cast<const QChar *>(pool_ + offset), size);
    }
    void operator()(QStringList &texts)
    {
        const quint32 count = next();
        if (bad || count > quint32(wordCount_ - at_) / 2) {
            bad = true;
            return;
        }
        texts.resize(count);
        for (QString &text : texts)
            (*this)(text);
    }

    [[nodiscard]] qsizetype at() const { return at_; }
    bool bad = false;

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
    QList<quint32> recordAt;
    QList<quint32> asideRows;
    for (qsizetype row = 0; row < verbs.size(); ++row) {
        Verb *verb = verbs.at(row);
        verb->readPackedTenses();
        recordAt.append(quint32(writer.words.size()));
        if (verb->isSensitive())
            asideRows.append(quint32(row));
        fields(*verb, writer);
        tenses(*verb, writer);
    }
    // A whole number of words, so that a file packed after this one in the resources starts on a
    // word as well (the resource compiler puts each file's length and bytes one after another).
    if (writer.pool.size() % 2 != 0)
        writer.pool.append(u'\0');
    const QList<quint32> header{packMagic, packVersion, quint32(verbs.size()), quint32(asideRows.size()),
        quint32(writer.words.size()), quint32(writer.pool.size())};
    QByteArray data;
    data.reserve(
        (header.size() + recordAt.size() + asideRows.size() + writer.words.size()) * 4 + writer.pool.size() * 2);
    for (const QList<quint32> *part :
        std::initializer_list<const QList<quint32> *>{&header, &recordAt, &asideRows, &writer.words}) {
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

std::shared_ptr<const VerbPackSource> VerbPack::open(QByteArrayView data)
{
    const auto *words = reinterpret_cast<const quint32 *>(data.data());
    // Texts are referred to in place, so the pool must be read as host-order, aligned UTF-16.
    if (QSysInfo::ByteOrder != QSysInfo::LittleEndian || data.size() < headerWords * 4
        || reinterpret_cast<quintptr>(words) % alignof(quint32) != 0 || words[0] != packMagic
        || words[1] != packVersion)
        return nullptr;
    const qsizetype verbCount = words[2];
    const qsizetype asideCount = words[3];
    const qsizetype recordWords = words[4];
    const qsizetype poolUnits = words[5];
    const qsizetype indexWords = verbCount + asideCount;
    if (data.size() != (headerWords + indexWords + recordWords) * 4 + poolUnits * 2)
        return nullptr;
    const quint32 *recordAt = words + headerWords;
    const quint32 *asideRows = recordAt + verbCount;
    for (qsizetype i = 0; i < verbCount; ++i) {
        if (recordAt[i] >= quint32(recordWords) || (i > 0 && recordAt[i] <= recordAt[i - 1]))
            return nullptr;
    }
    for (qsizetype i = 0; i < asideCount; ++i) {
        if (asideRows[i] >= quint32(verbCount) || (i > 0 && asideRows[i] <= asideRows[i - 1]))
            return nullptr;
    }
    const quint32 *records = asideRows + asideCount;
    return std::make_shared<const VerbPackSource>(
        VerbPackSource{records, recordWords, reinterpret_cast<const char16_t *>(records + recordWords), poolUnits,
            recordAt, verbCount, asideRows, asideCount});
}

VerbPack::Row VerbPack::row(const VerbPackSource &source, qsizetype index)
{
    Row row;
    Reader reader(source, source.recordAt[index]);
    rowFields(row, reader);
    return row;
}

Verb *VerbPack::make(const std::shared_ptr<const VerbPackSource> &source, qsizetype index, QObject *parent)
{
    auto *verb = new Verb(parent);
    Reader reader(*source, source->recordAt[index]);
    fields(*verb, reader);
    if (reader.bad)
        qCWarning(lcVerbs).noquote() << u"the verb data is damaged in the record of verb " + QString::number(index);
    verb->packedTenses_ = source;
    verb->packedTensesAt_ = reader.at();
    return verb;
}

void VerbPack::readTenses(Verb &verb)
{
    const std::shared_ptr<const VerbPackSource> source = std::exchange(verb.packedTenses_, nullptr);
    if (!source)
        return;
    Reader reader(*source, verb.packedTensesAt_);
    tenses(verb, reader);
}

namespace {

// Files stay open and mapped, and copies stay allocated, until the process ends.
struct RetainedPacks
{
    QMutex mutex;
    QHash<QString, QByteArrayView> kept;
    std::vector<std::unique_ptr<QFile>> mappedFiles;
    std::vector<QByteArray> copies;

    static RetainedPacks &instance()
    {
        static RetainedPacks packs;
        return packs;
    }
};

}

QByteArrayView VerbPack::retain(QByteArray data)
{
    RetainedPacks &packs = RetainedPacks::instance();
    const QMutexLocker lock(&packs.mutex);
    packs.copies.push_back(std::move(data));
    return QByteArrayView(packs.copies.back());
}

QByteArrayView VerbPack::retain(const QString &path)
{
    RetainedPacks &packs = RetainedPacks::instance();
    auto &[mutex, kept, mappedFiles, readFiles] = packs;
    const QMutexLocker lock(&mutex);
    if (const auto found = kept.constFind(path); found != kept.cend())
        return *found;
    const QResource resource(path);
    if (resource.isValid()) {
        // An uncompressed resource is already in memory for the whole process. The resource
        // compiler aligns nothing, so one that does not start on a word is copied (mapping it
        // would hand out the same unaligned bytes).
        if (resource.compressionAlgorithm() == QResource::NoCompression
            && reinterpret_cast<quintptr>(resource.data()) % alignof(quint32) == 0)
            return QByteArrayView(resource.data(), resource.size());
        qCDebug(lcVerbs).noquote() << path + u" is compressed or not on a word boundary; read into memory";
        QByteArray copy = resource.uncompressedData();
        // An uncompressed resource's data is handed out in place: detaching copies it.
        copy.detach();
        readFiles.push_back(std::move(copy));
        return *kept.insert(path, QByteArrayView(readFiles.back()));
    }
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        return {};
    // A mapped file is read page by page as the verbs are read, with no copy; a file that
    // cannot be mapped is read whole.
    if (const uchar *mapped = file->size() > 0 ? file->map(0, file->size()) : nullptr) {
        const QByteArrayView bytes(mapped, file->size());
        mappedFiles.push_back(std::move(file));
        return *kept.insert(path, bytes);
    }
    readFiles.push_back(file->readAll());
    return *kept.insert(path, QByteArrayView(readFiles.back()));
}
