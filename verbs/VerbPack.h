#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

class Verb;
class QObject;

// The records and texts of one unpacked pack, which its verbs read their tense lists from.
struct VerbPackSource
{
    const quint32 *words = nullptr;
    qsizetype wordCount = 0;
    const char16_t *pool = nullptr;
    qsizetype poolSize = 0;
};

// The verb data in the compact form made at build time from verbs.xml: a header, one record of
// 32-bit words per verb (the same fields in the same order for every verb) and one pool of UTF-16
// texts the records point into. Unpacking makes no copy of a text: each QString refers to the pool,
// so the pool must outlive every text taken from the verbs (see retain()).
//
// fields() and tenses() are the one list of what a verb stores; a new field is one line there.
// The tense lists come last in each record and are read when a verb first needs them: unpacking
// only checks that they lie inside the data.
class VerbPack
{
public:
    // The verbs in their dictionary order, packed.
    [[nodiscard]] static QByteArray pack(const QList<Verb *> &verbs);
    // The verbs of a pack in its order, parented to parent; empty with ok false when the data is
    // not a pack of this version.
    [[nodiscard]] static QList<Verb *> unpack(QByteArrayView data, QObject *parent, bool *ok);

    // The bytes of the pack at path (a resource or a file), kept for the rest of the process so
    // that texts unpacked from them stay valid; empty when there is none.
    [[nodiscard]] static QByteArrayView retain(const QString &path);

    // Fills a packed verb's tense lists from its pack.
    static void readTenses(Verb &verb);

private:
    template <typename Visitor> static void fields(Verb &verb, Visitor &visit);
    template <typename Visitor> static void tenses(Verb &verb, Visitor &visit);

    class Writer;
    class Reader;
};
