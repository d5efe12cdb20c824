// Makes the compact verb data the app loads at start: reads verbs.xml with the app's own verb
// reader, sorts the verbs into dictionary order and writes them packed, and the index of their
// forms the dictionary search reads.
//
//   flexio-verbpack IN.xml OUT.pack [OUT.index]

#include "verbs/FormIndex.h"
#include "verbs/Verb.h"
#include "verbs/VerbDataReader.h"
#include "verbs/VerbDictionary.h"
#include "verbs/VerbPack.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

static bool write(const QString &path, const QByteArray &data)
{
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(data) < 0 || !out.commit()) {
        std::fprintf(stderr, "flexio-verbpack: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3 && arguments.size() != 4) {
        std::fputs("usage: flexio-verbpack IN.xml OUT.pack [OUT.index]\n", stderr);
        return 2;
    }
    QFile in(arguments.at(1));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "flexio-verbpack: cannot read %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    QObject owner;
    QList<Verb *> verbs;
    VerbDataReader reader([&](Verb *verb) {
        verb->setParent(&owner);
        verbs.append(verb);
    });
    if (!reader.read(in.readAll())) {
        std::fprintf(stderr, "flexio-verbpack: %s:%lld:%lld: %s\n", qPrintable(arguments.at(1)), reader.errorLine(),
            reader.errorColumn(), qPrintable(reader.errorText()));
        return 1;
    }
    VerbDictionary::sortVerbs(verbs);
    if (!write(arguments.at(2), VerbPack::pack(verbs)))
        return 1;
    return arguments.size() == 3 || write(arguments.at(3), FormIndex::build(verbs)) ? 0 : 1;
}
