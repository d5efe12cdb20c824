#include "app/LinkForwarder.h"
#include "quizzes/QuizGamesParser.h"
#include "screens/DeepLinkModel.h"
#include "screens/QuizScreens.h"
#include "support/TestServices.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class DeepLinksTest : public QObject
{
    Q_OBJECT

private slots:
    void openDeepLinkPushesTheDecodedHost_data();
    void openDeepLinkPushesTheDecodedHost();
    void destinationIsTheMatchingOrFirstQuiz_data();
    void destinationIsTheMatchingOrFirstQuiz();
    void aLinkWithoutQuizzesIsIgnored();
    void argumentsThatAreLinks_data();
    void argumentsThatAreLinks();
    void gradeSealsByLastScore_data();
    void gradeSealsByLastScore();
    void answerFillsByState_data();
    void answerFillsByState();
    void handOverWithoutARunningAppFails();
    void handedOverLinksArriveInOrder();
    void onlyOneProcessListens();
    void aSocketLeftBehindIsReplaced();
    void anOverlongMessageIsDropped();
};

void DeepLinksTest::openDeepLinkPushesTheDecodedHost_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("pushed");

    QTest::newRow("plain id") << "tavelo-italian://abc" << "abc";
    QTest::newRow("percent-encoded blank") << "tavelo-italian://a%20b" << "a b";
    QTest::newRow("encoded UTF-8") << "tavelo-italian://perch%C3%A9" << u"perché"_qs;
    QTest::newRow("decoded once") << "tavelo-italian://a%2520b" << "a%20b";
    QTest::newRow("user, port, path, query and fragment") << "tavelo-italian://me@abc:80/x/y?q=1#top" << "abc";
    QTest::newRow("scheme in other case") << "Tavelo-Italian://abc" << "";
    QTest::newRow("other language") << "tavelo-spanish://abc" << "";
    QTest::newRow("no host") << "tavelo-italian:abc" << "";
    QTest::newRow("empty host") << "tavelo-italian:///abc" << "";
    QTest::newRow("bad escape") << "tavelo-italian://a%zzb" << "";
    QTest::newRow("not UTF-8") << "tavelo-italian://a%FFb" << "";
    QTest::newRow("no scheme") << "abc" << "";
}

void DeepLinksTest::openDeepLinkPushesTheDecodedHost()
{
    QFETCH(QString, link);
    QFETCH(QString, pushed);
    TestServices services(TestServices::fixture(QStringLiteral("quizzes")));
    DeepLinkModel &model = DeepLinkModel::shared();
    QSignalSpy pushes(&model, &DeepLinkModel::quizIDPushed);

    QCOMPARE(model.openDeepLink(link), pushed);

    QStringList expected{QStringLiteral("opening deeplink!"), u"URL to handle: " + link};
    if (!pushed.isEmpty())
        expected.append(pushed);
    QCOMPARE(model.quizIDs(), pushed.isEmpty() ? QStringList() : QStringList{pushed});
    QCOMPARE(pushes.size(), pushed.isEmpty() ? 0 : 1);
    if (!pushed.isEmpty())
        QCOMPARE(pushes.first().first().toString(), pushed);
}

void DeepLinksTest::destinationIsTheMatchingOrFirstQuiz_data()
{
    QTest::addColumn<QString>("quizID");
    QTest::addColumn<QString>("opened");

    QTest::newRow("first quiz") << "irregular-present" << "irregular-present";
    QTest::newRow("a later quiz") << "passato-remoto" << "passato-remoto";
    QTest::newRow("unknown id") << "abc" << "irregular-present";
    QTest::newRow("other case") << "Passato-Remoto" << "irregular-present";
    QTest::newRow("empty") << "" << "irregular-present";
}

void DeepLinksTest::destinationIsTheMatchingOrFirstQuiz()
{
    QFETCH(QString, quizID);
    QFETCH(QString, opened);
    // The shipped quiz file.
    TestServices services(TestServices::fixture(QStringLiteral("screens")));
    QCOMPARE(QuizGamesParser::shared().quizzes().size(), 26);
    Quiz *quiz = DeepLinkModel::shared().destination(quizID);
    QVERIFY(quiz);
    QCOMPARE(quiz->quizID, opened);
}

void DeepLinksTest::aLinkWithoutQuizzesIsIgnored()
{
    // No quiz file at all.
    TestServices services(TestServices::fixture(QStringLiteral("basic")));
    QCOMPARE(DeepLinkModel::shared().openDeepLink(QStringLiteral("tavelo-italian://abc")), u"abc");
    QCOMPARE(DeepLinkModel::shared().destination(QStringLiteral("abc")), nullptr);
}

void DeepLinksTest::argumentsThatAreLinks_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<bool>("link");

    QTest::newRow("app link") << "tavelo-italian://abc" << true;
    QTest::newRow("other scheme") << "Tavelo-Italian://abc" << true;
    QTest::newRow("option") << "--self-test" << false;
    QTest::newRow("option with a link in it") << "--x=a://b" << false;
    QTest::newRow("no scheme") << "://abc" << false;
}

void DeepLinksTest::argumentsThatAreLinks()
{
    QFETCH(QString, argument);
    QFETCH(bool, link);
    QCOMPARE(DeepLinkModel::looksLikeLink(argument), link);
}

void DeepLinksTest::gradeSealsByLastScore_data()
{
    QTest::addColumn<qint64>("score");
    QTest::addColumn<bool>("seal");
    QTest::addColumn<QString>("colour");

    QTest::newRow("never played") << qint64(0) << false << "#00000000";
    QTest::newRow("49") << qint64(49) << true << "#ffe74c3c";
    QTest::newRow("50") << qint64(50) << true << "#ffffcc00";
    QTest::newRow("89") << qint64(89) << true << "#ffffcc00";
    QTest::newRow("90") << qint64(90) << true << "#ff27ae60";
}

void DeepLinksTest::gradeSealsByLastScore()
{
    QFETCH(qint64, score);
    QFETCH(bool, seal);
    QFETCH(QString, colour);
    QCOMPARE(QuizScreens::showsSeal(score), seal);
    QCOMPARE(QuizScreens::gradeColour(score).name(QColor::HexArgb), colour);
}

void DeepLinksTest::answerFillsByState_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("colour");

    QTest::newRow("undefined") << "undefined" << "#ff0984e3";
    QTest::newRow("correct") << "correct" << "#ff05c46b";
    QTest::newRow("incorrect") << "incorrect" << "#ffff3f34";
    QTest::newRow("discarded") << "discarded" << "#00000000";
}

void DeepLinksTest::answerFillsByState()
{
    QFETCH(QString, state);
    QFETCH(QString, colour);
    QCOMPARE(QuizScreens::answerFill(state).name(QColor::HexArgb), colour);
}

void DeepLinksTest::handOverWithoutARunningAppFails()
{
    QTemporaryDir dir;
    QVERIFY(!LinkForwarder::handOver(dir.filePath(QStringLiteral("links")), {QStringLiteral("tavelo-italian://a")},
                                     500));
}

void DeepLinksTest::handedOverLinksArriveInOrder()
{
    QTemporaryDir dir;
    LinkForwarder running(dir.filePath(QStringLiteral("links")));
    QVERIFY(running.listen());
    QSignalSpy received(&running, &LinkForwarder::linkReceived);

    const QStringList links{QStringLiteral("tavelo-italian://modal-verbs"), u"tavelo-italian://perch%C3%A9"_qs};
    QVERIFY(LinkForwarder::handOver(running.serverName(), links));
    QTRY_COMPARE(received.size(), 2);
    QCOMPARE(received.at(0).first().toString(), links.at(0));
    QCOMPARE(received.at(1).first().toString(), links.at(1));

    // A later launch is heard as well.
    QVERIFY(LinkForwarder::handOver(running.serverName(), {QStringLiteral("tavelo-italian://x")}));
    QTRY_COMPARE(received.size(), 3);
}

void DeepLinksTest::onlyOneProcessListens()
{
    QTemporaryDir dir;
    LinkForwarder first(dir.filePath(QStringLiteral("links")));
    QVERIFY(first.listen());
    LinkForwarder second(first.serverName());
    QVERIFY(!second.listen());
    QVERIFY(first.isListening());
}

void DeepLinksTest::aSocketLeftBehindIsReplaced()
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("links"));
    // What a killed app leaves behind: the socket's path, with nobody listening there.
    QFile leftBehind(name);
    QVERIFY(leftBehind.open(QIODevice::WriteOnly));
    leftBehind.close();
    LinkForwarder forwarder(name);
    QVERIFY(forwarder.listen());
    QSignalSpy received(&forwarder, &LinkForwarder::linkReceived);
    QVERIFY(LinkForwarder::handOver(name, {QStringLiteral("tavelo-italian://abc")}));
    QTRY_COMPARE(received.size(), 1);
}

void DeepLinksTest::anOverlongMessageIsDropped()
{
    QTemporaryDir dir;
    LinkForwarder running(dir.filePath(QStringLiteral("links")));
    QVERIFY(running.listen());
    QSignalSpy received(&running, &LinkForwarder::linkReceived);

    QLocalSocket socket;
    socket.connectToServer(running.serverName());
    QVERIFY(socket.waitForConnected(2000));
    socket.write(QByteArray(100 * 1024, 'a'));
    socket.flush();
    QCOMPARE(received.size(), 0);

    // The app still takes links afterwards.
    QVERIFY(LinkForwarder::handOver(running.serverName(), {QStringLiteral("tavelo-italian://abc")}));
    QTRY_COMPARE(received.size(), 1);
}

QTEST_GUILESS_MAIN(DeepLinksTest)

#include "tst_deeplinks.moc"
