#include "verbs/Verb.h"
#include "verbs/VerbDataReader.h"
#include "verbs/VerbDictionary.h"
#include "verbs/VerbPack.h"

#include <QFile>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QTest>

namespace {

// Everything a verb shows: its properties, and every row of its 13 tables in both languages.
QStringList shown(Verb &verb)
{
    QStringList lines;
    const QMetaObject &meta = Verb::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QVariant value = meta.property(i).read(&verb);
        lines.append(
            QString::fromLatin1(meta.property(i).name()) + u'=' + value.toString() + value.toStringList().join(u'|'));
    }
    for (const Conjugation &table : verb.conjugationTables()) {
        lines.append(table.title + u" / " + table.gloss);
        for (const ConjugationPart &part : table.parts)
            lines.append(part.pronoun + u'|' + part.text + u'|' + part.translation + u'|' + part.ttsPhrase);
    }
    return lines;
}

QList<Verb *> readXml(const QString &path, QObject *owner)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Verb *> verbs;
    VerbDataReader reader([&](Verb *verb) {
        verb->setParent(owner);
        verbs.append(verb);
    });
    if (!reader.read(file.readAll()))
        return {};
    VerbDictionary::sortVerbs(verbs);
    return verbs;
}

}

class VerbPackTest : public QObject
{
    Q_OBJECT

private slots:
    void shippedPackAgreesWithXml()
    {
        QObject owner;
        const QList<Verb *> fromXml = readXml(QStringLiteral(FLEXIO_SOURCE_DIR "/resources/verbs.xml"), &owner);
        QVERIFY(fromXml.size() > 500);
        const auto rows = VerbPack::open(VerbPack::retain(QStringLiteral(FLEXIO_VERB_PACK)));
        QVERIFY(rows);
        QCOMPARE(rows->verbCount, fromXml.size());
        for (qsizetype i = 0; i < fromXml.size(); ++i) {
            const VerbPack::Row row = VerbPack::row(*rows, i);
            QCOMPARE(QStringList({row.key, row.infinitive}) + row.tags,
                QStringList({fromXml.at(i)->key, fromXml.at(i)->infinitive}) + fromXml.at(i)->tags);
            QCOMPARE(shown(*VerbPack::make(rows, i, &owner)), shown(*fromXml.at(i)));
        }
    }

    // clang-format off
    void damagedPackIsRefused_data()
    {
        QTest::addColumn<int>("cut");
        QTest::addColumn<int>("flipAt");
        QTest::newRow("header only") << 16 << -1;
        QTest::newRow("cut inside the records") << 200 << -1;
        QTest::newRow("cut inside the texts") << -2 << -1;
        QTest::newRow("another version") << 0 << 4;
        QTest::newRow("a record out of the records") << 0 << 27;
    }
    // clang-format on

    void damagedPackIsRefused()
    {
        QFETCH(int, cut);
        QFETCH(int, flipAt);
        QByteArray data = VerbPack::retain(QStringLiteral(FLEXIO_VERB_PACK)).toByteArray();
        if (cut != 0)
            data.truncate(cut > 0 ? cut : data.size() + cut);
        if (flipAt >= 0)
            data[flipAt] = char(0x7f);
        QVERIFY(!VerbPack::open(data));
    }

    // A damaged record is found when its verb is made: the field reads as empty, and nothing
    // outside the data is read.
    void damagedRecordReadsEmpty()
    {
        QByteArray data = VerbPack::retain(QStringLiteral(FLEXIO_VERB_PACK)).toByteArray();
        const auto *header = reinterpret_cast<const quint32 *>(data.constData());
        const qsizetype keyOffset = (6 + header[2] + header[3]) * 4;
        data[keyOffset + 3] = char(0x7f);
        const auto rows = VerbPack::open(data);
        QVERIFY(rows);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("damaged")));
        QObject owner;
        QVERIFY(VerbPack::make(rows, 0, &owner)->key.isEmpty());
    }
};

QTEST_GUILESS_MAIN(VerbPackTest)
#include "tst_verbpack.moc"
