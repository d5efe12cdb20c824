#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QStringList>

#include <memory>

class Verb;
class QObject;

// The records and texts of one pack, read in place: a verb is a row here until a screen or a
// game needs it as an object (VerbPack::make).
struct VerbPackSource
{
    const quint32 *words = nullptr;
    qsizetype wordCount = 0;
    const char16_t *pool = nullptr;
    qsizetype poolSize = 0;
    // Where each verb's record starts in words, in the pack's order (little-endian words).
    const quint32 *recordAt = nullptr;
    qsizetype verbCount = 0;
    // The rows left out of "All Verbs" and random picks (Verb::isSensitive), in order.
    const quint32 *asideRows = nullptr;
    qsizetype asideCount = 0;
};

// The verb data in the compact form made at build time from verbs.xml: a header, where each
// verb's record starts, the rows left out of "All Verbs", one record of 32-bit words per verb
// (the same fields in the same order for every verb) and one pool of UTF-16 texts the records
// point into. Nothing is copied: each QString refers to the pool, so the pool must outlive every
// text taken from the verbs (see retain()). Opening a pack reads only its header and index; a
// record is read, and checked to lie inside the data, when its verb is first asked about.
//
// fields() and tenses() are the one list of what a verb stores; a new field is one line there.
// A record starts with the fields of a Row, which are read without making the verb; the tense
// lists come last and are read when a verb first needs them.
class VerbPack
{
public:
    // What the dictionary reads of a verb that has not been made: key, infinitive and tags.
    struct Row
    {
        QString key;
        QString infinitive;
        QStringList tags;
    };

    // The verbs in their dictionary order, packed.
    [[nodiscard]] static QByteArray pack(const QList<Verb *> &verbs);
    // The rows of a pack; nullptr when the data is not a whole pack of this version.
    [[nodiscard]] static std::shared_ptr<const VerbPackSource> open(QByteArrayView data);
    [[nodiscard]] static Row row(const VerbPackSource &source, qsizetype index);
    // The verb of a row as an object, parented to parent.
    [[nodiscard]] static Verb *make(
        const std::shared_ptr<const VerbPackSource> &source, qsizetype index, QObject *parent);

    // The bytes of the pack at path (a resource or a file), kept for the rest of the process so
    // that texts read from them stay valid; empty when there is none.
    [[nodiscard]] static QByteArrayView retain(const QString &path);
    // The same for a pack made in memory.
    [[nodiscard]] static QByteArrayView retain(QByteArray data);

    // Fills a packed verb's tense lists from its pack.
    static void readTenses(Verb &verb);

private:
    template <typename Record, typename Visitor> static void rowFields(Record &record, Visitor &visit);
    template <typename Visitor> static void fields(Verb &verb, Visitor &visit);
    template <typename Visitor> static void tenses(Verb &verb, Visitor &visit);

    class Writer;
    class Reader;
};
