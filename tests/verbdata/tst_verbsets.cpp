#include "support/TestServices.h"
#include "verbs/Verb.h"
#include "verbs/VerbDictionary.h"

#include <QHash>
#include <QTest>

#include <memory>

// The sets of the shipped dictionary: the frequency sets, and the verbs held twice, plain and
// reflexive (lavare, lavarsi), two verbs with one infinitive that must stay apart everywhere a
// learner meets them.
class TestVerbSets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestServices::Options options;
        options.resourceRoot = QStringLiteral(FLEXIO_SOURCE_DIR "/resources");
        services_ = std::make_unique<TestServices>(options);
        QVERIFY2(services_->verbDictionary().loaded(), qPrintable(services_->verbDictionary().loadError()));
    }

    void cleanupTestCase() { services_.reset(); }

    void frequencySetsAreNested()
    {
        const VerbDictionary &dictionary = services_->verbDictionary();
        const QList<Verb *> top100 = dictionary.verbsInSet(QStringLiteral("Top 100"));
        const QList<Verb *> top500 = dictionary.verbsInSet(QStringLiteral("Top 500"));
        QCOMPARE(top100.size(), 100);
        QCOMPARE(top500.size(), 500);
        for (Verb *verb : top100)
            QVERIFY2(top500.contains(verb), qPrintable(verb->key));
        QVERIFY(dictionary.verbSetNames().contains(QStringLiteral("Top 500")));
    }

    void sharedInfinitivesArePlainAndReflexivePairs()
    {
        QHash<QString, QList<const Verb *>> byInfinitive;
        for (const Verb *verb : services_->verbDictionary().verbs())
            byInfinitive[verb->infinitive].append(verb);
        int pairs = 0;
        for (const QList<const Verb *> &verbs : std::as_const(byInfinitive)) {
            if (verbs.size() == 1)
                continue;
            const QString names = verbs.first()->key + u", " + verbs.last()->key;
            QVERIFY2(verbs.size() == 2 && verbs.first()->reflexive != verbs.last()->reflexive, qPrintable(names));
            QVERIFY2(verbs.first()->displayInfinitive() != verbs.last()->displayInfinitive(), qPrintable(names));
            QVERIFY2(verbs.first()->englishInfinitive != verbs.last()->englishInfinitive, qPrintable(names));
            ++pairs;
        }
        QVERIFY(pairs >= 2);
    }

    // clang-format off
    void bothVerbsOfAPairAreFound_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("reflexive");
        QTest::addColumn<QString>("reflexivePresent");
        QTest::newRow("lavare") << "lavare" << "lavarsi" << "mi lavo";
        QTest::newRow("svegliare") << "svegliare" << "svegliarsi" << "mi sveglio";
    }
    // clang-format on

    void bothVerbsOfAPairAreFound()
    {
        QFETCH(QString, plain);
        QFETCH(QString, reflexive);
        QFETCH(QString, reflexivePresent);
        Verb *plainVerb = services_->verbDictionary().verbForKey(plain);
        Verb *reflexiveVerb = services_->verbDictionary().verbForKey(reflexive);
        QVERIFY(plainVerb && reflexiveVerb);
        QVERIFY(plainVerb != reflexiveVerb);
        QVERIFY(!plainVerb->reflexive && reflexiveVerb->reflexive);
        QCOMPARE(reflexiveVerb->presentForms().first(), reflexivePresent);
        QCOMPARE(plainVerb->presentForms().first(), reflexivePresent.mid(3));
    }

private:
    std::unique_ptr<TestServices> services_;
};

QTEST_GUILESS_MAIN(TestVerbSets)
#include "tst_verbsets.moc"
