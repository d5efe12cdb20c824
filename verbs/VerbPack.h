#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

class Verb;
class QObject;

// The verb data in the compact form made at build time from verbs.xml: a header, one record of
// 32-bit words per verb (the same fields in the same order for every verb) and one pool of UTF-16
// texts the records point into. Unpacking makes no copy of a text: each QString refers to the pool,
// so the pool must outlive every text taken from the verbs (see retain()).
//
// fields() is the one list of what a verb stores; a new field is one line there.
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

private:
    template <typename Visitor>
    static void fields(Verb &verb, Visitor &visit);

    class Writer;
    class Reader;
};
