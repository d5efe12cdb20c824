// Where a linked quiz goes, and how many links a flood can leave behind.
#include "app/LinkForwarder.h"
#include "quizzes/QuizGamesParser.h"
#include "screens/DeepLinkModel.h"
#include "support/TestServices.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

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
    }

    // The socket's folder: made private where missing, refused where others may enter or own it.
    void onlyAPrivateRuntimeFolderHoldsTheSocket()
    {
        QTemporaryDir parent;
        const passwd *nobody = ::getpwnam("nobody");
        for (const auto &[name, mode, owner] :
            {std::tuple{"missing", 0, -1}, {"open", 0755, -1}, {"foreign", 0700, 1}}) {
            const QString folder = parent.filePath(QString::fromLatin1(name));
            const QByteArray path = QFile::encodeName(folder);
            if (mode)
                QVERIFY(::mkdir(path.constData(), 0700) == 0 && ::chmod(path.constData(), mode) == 0);
            if (owner > 0
                && (::getuid() != 0 || !nobody || ::chown(path.constData(), nobody->pw_uid, nobody->pw_gid) != 0))
                QSKIP("only root can give a folder to another user");
            QString refusal;
            const bool taken = !mode;
            QCOMPARE(LinkForwarder::privateFolder(folder, &refusal), taken ? folder : QString());
            QVERIFY2(refusal.isEmpty() == taken, name);
        }
    }

private:
};

QTEST_GUILESS_MAIN(LinkRulesTest)
#include "tst_linkrules.moc"
