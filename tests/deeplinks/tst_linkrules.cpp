// Where a linked quiz goes, and how many links a flood can leave behind.
#include "app/LinkForwarder.h"
#include "quizzes/QuizGamesParser.h"
#include "screens/DeepLinkModel.h"
#include "support/TestServices.h"

#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class LinkRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void aLinkedQuizReplacesTheQuizOnShow()
    {
        TestServices services(TestServices::fixture(QStringLiteral("quizzes")));
        DeepLinkModel &model = services.deepLinkModel();
        const QList<Quiz *> &quizzes = services.quizGamesParser().quizzes();
        Quiz *first = quizzes.at(0);
        Quiz *second = quizzes.at(1);
        using Placement = DeepLinkModel::Placement;
        QCOMPARE(model.placement(first), Placement::push);
        QCOMPARE(model.placement(nullptr), Placement::none);
        model.quizShown(first);
        QCOMPARE(model.placement(first), Placement::none);
        QCOMPARE(model.placement(second), Placement::replace);
        // The replacing screen comes on show before the replaced one leaves.
        model.quizShown(second);
        model.quizHidden(first);
        QCOMPARE(model.placement(second), Placement::none);
        model.quizHidden(second);
        QCOMPARE(model.placement(second), Placement::push);
    }

    void aFloodOfLinksIsBounded()
    {
        TestServices services(TestServices::fixture(QStringLiteral("quizzes")));
        for (int i = 0; i < 1000; ++i)
            services.deepLinkModel().openDeepLink(u"tavelo-italian://quiz-" + QString::number(i));
        QCOMPARE(services.deepLinkModel().quizIDs().size(), DeepLinkModel::maxRememberedIDs);
        QCOMPARE(services.deepLinkModel().quizIDs().last(), QStringLiteral("quiz-999"));

        QTemporaryDir runtime;
        LinkForwarder running(runtime.filePath(QStringLiteral("links")));
        QVERIFY(running.listen());
        QSignalSpy links(&running, &LinkForwarder::linkReceived);
        QSignalSpy raises(&running, &LinkForwarder::raiseRequested);
        // A sender other than the app's own, with 2,000 links in one message.
        QByteArray flood;
        for (int i = 0; i < 2000; ++i)
            flood += "tavelo-italian://quiz-" + QByteArray::number(i) + '\n';
        QLocalSocket sender;
        sender.connectToServer(running.serverName());
        QVERIFY(sender.waitForConnected(5000));
        sender.write(flood + "raise\n");
        QTRY_COMPARE(raises.size(), 1);
        QCOMPARE(links.size(), LinkForwarder::maxLinksPerMessage);
        QCOMPARE(links.last().first().toString(), QStringLiteral("tavelo-italian://quiz-7"));
    }

private:
};

QTEST_GUILESS_MAIN(LinkRulesTest)
#include "tst_linkrules.moc"
