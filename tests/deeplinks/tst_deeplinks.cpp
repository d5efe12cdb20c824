#include "app/LinkForwarder.h"
#include "platform/QtMainQueue.h"
#include "quizzes/QuizGamesParser.h"
#include "screens/DeepLinkModel.h"
#include "support/TestServices.h"

#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <future>

class DeepLinksTest : public QObject
{
    Q_OBJECT

private slots:
    void openDeepLinkPushesTheDecodedHost_data();
    void openDeepLinkPushesTheDecodedHost();
    void destinationIsTheMatchingOrFirstQuiz_data();
    void destinationIsTheMatchingOrFirstQuiz();
    void argumentsThatAreLinks_data();
    void argumentsThatAreLinks();
    void aLaunchHandsOverItsNewestLink();
};

// clang-format off
void DeepLinksTest::openDeepLinkPushesTheDecodedHost_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("pushed");
    QTest::newRow("plain id") << "tavelo-italian://abc" << "abc";
    QTest::newRow("percent-encoded blank") << "tavelo-italian://a%20b" << "a b";
    QTest::newRow("encoded UTF-8") << "tavelo-italian://perch%C3%A9" << u"perché"_qs;
    QTest::newRow("host keeps its case") << "tavelo-italian://Modal-Verbs" << "Modal-Verbs";
    QTest::newRow("decoded once") << "tavelo-italian://a%2520b" << "a%20b";
    QTest::newRow("user, port, path, query and fragment") << "tavelo-italian://me@abc:80/x/y?q=1#top" << "abc";
    for (const char *refused : {"Tavelo-Italian://abc", "tavelo-spanish://abc", "https://abc", "tavelo-italian:abc",
                                "tavelo-italian:///abc", "tavelo-italian://a%zzb", "tavelo-italian://ab%2",
                                "tavelo-italian://a%FFb", ""})
        QTest::newRow(refused) << QString::fromLatin1(refused) << "";
}
// clang-format on

void DeepLinksTest::openDeepLinkPushesTheDecodedHost()
{
    QFETCH(QString, link);
    QFETCH(QString, pushed);
    TestServices services(TestServices::fixture(QStringLiteral("quizzes")));
    DeepLinkModel &model = services.deepLinkModel();
    QSignalSpy pushes(&model, &DeepLinkModel::quizIDPushed);
    QCOMPARE(model.openDeepLink(link), pushed);
    QCOMPARE(model.quizIDs(), pushed.isEmpty() ? QStringList() : QStringList{pushed});
    QCOMPARE(pushes.size(), pushed.isEmpty() ? 0 : 1);
    if (!pushed.isEmpty())
        QCOMPARE(pushes.first().first().toString(), pushed);
}

// clang-format off
void DeepLinksTest::destinationIsTheMatchingOrFirstQuiz_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("quizID");
    QTest::addColumn<QString>("opened");
    QTest::newRow("first quiz") << "screens" << "irregular-present" << "irregular-present";
    QTest::newRow("a later quiz") << "screens" << "passato-remoto" << "passato-remoto";
    QTest::newRow("unknown id") << "screens" << "abc" << "irregular-present";
    QTest::newRow("other case") << "screens" << "Passato-Remoto" << "irregular-present";
    QTest::newRow("no quiz file at all") << "basic" << "abc" << "";
}
// clang-format on

void DeepLinksTest::destinationIsTheMatchingOrFirstQuiz()
{
    QFETCH(QString, fixture);
    QFETCH(QString, quizID);
    QFETCH(QString, opened);
    TestServices services(TestServices::fixture(fixture));
    Quiz *quiz = services.deepLinkModel().destination(quizID);
    QCOMPARE(quiz ? quiz->quizID : QString(), opened);
}

// clang-format off
void DeepLinksTest::argumentsThatAreLinks_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<bool>("link");
    QTest::newRow("app link") << "tavelo-italian://abc" << true;
    QTest::newRow("other scheme") << "Tavelo-Italian://abc" << true;
    QTest::newRow("option with a link in it") << "--x=a://b" << false;
    QTest::newRow("file name") << "shot.png" << false;
    QTest::newRow("no scheme") << "://abc" << false;
}
// clang-format on

void DeepLinksTest::argumentsThatAreLinks()
{
    QFETCH(QString, argument);
    QFETCH(bool, link);
    QCOMPARE(DeepLinkModel::looksLikeLink(argument), link);
}

void DeepLinksTest::aLaunchHandsOverItsNewestLink()
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("links"));
    // What a killed app leaves behind: the socket's path, with nobody listening there.
    QFile leftBehind(name);
    QVERIFY(leftBehind.open(QIODevice::WriteOnly));
    leftBehind.close();
    QVERIFY(!LinkForwarder::handOver(name, {QStringLiteral("tavelo-italian://a")}, 500));

    QtMainQueue queue;
    LinkForwarder running(name, queue);
    QVERIFY(running.listen());
    QVERIFY(!LinkForwarder(name, queue).listen());
    QSignalSpy received(&running, &LinkForwarder::linkReceived);
    // An overlong message is dropped.
    QLocalSocket socket;
    socket.connectToServer(name);
    QVERIFY(socket.waitForConnected(2000));
    socket.write(QByteArray(100 * 1024, 'a'));
    socket.flush();

    // The launch waits for the running app's answer, which this thread's event loop gives.
    const auto handOver = [&name](const QStringList &links) {
        return std::async(std::launch::async, [name, links] { return LinkForwarder::handOver(name, links); });
    };
    const QStringList links{QStringLiteral("tavelo-italian://modal-verbs"), u"tavelo-italian://perch%C3%A9"_qs};
    auto handed = handOver(links);
    QTRY_COMPARE(received.size(), 1);
    QVERIFY(handed.get());
    QCOMPARE(received.at(0).first().toString(), links.at(1));
    // A later launch is heard as well, even after as many senders as are served at once that
    // never write: they are cut off.
    QLocalSocket silent[LinkForwarder::maxConnections];
    for (QLocalSocket &sender : silent) {
        sender.connectToServer(name);
        QVERIFY(sender.waitForConnected(2000));
    }
    handed = handOver({QStringLiteral("tavelo-italian://x")});
    QTRY_COMPARE(received.size(), 2);
    QVERIFY(handed.get());
    QCOMPARE(received.last().first().toString(), QStringLiteral("tavelo-italian://x"));
    for (const QLocalSocket &sender : silent)
        QTRY_COMPARE(sender.state(), QLocalSocket::UnconnectedState);
}

QTEST_GUILESS_MAIN(DeepLinksTest)
#include "tst_deeplinks.moc"
