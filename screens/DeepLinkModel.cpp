#include "screens/DeepLinkModel.h"

#include "platform/Logging.h"
#include "quizzes/QuizGamesParser.h"
#include "screens/DeepLink.h"

#include <QMetaEnum>

DeepLinkModel::DeepLinkModel(const QuizGamesParser &parser)
    : parser_(parser)
{}

QString DeepLinkModel::scheme()
{
    return u"tavelo-" + QuizGamesParser::languageName.toLower();
}

QString DeepLinkModel::openDeepLink(const QString &url)
{
    const std::optional<QString> quizID = DeepLink::quizID(url, scheme());
    if (!quizID) {
        qCDebug(lcApp).noquote() << u"the link " + url + u" names no quiz of this app and is ignored";
        return {};
    }
    qCDebug(lcApp).noquote() << u"the link " + url + u" asks for the quiz " + *quizID;

    quizIDs_.append(*quizID);
    if (quizIDs_.size() > maxRememberedIDs)
        quizIDs_.remove(0, quizIDs_.size() - maxRememberedIDs);
    emit quizIDsChanged();
    emit quizIDPushed(*quizID);
    return *quizID;
}

bool DeepLinkModel::looksLikeLink(const QString &argument)
{
    // Any "scheme://..." argument; the scheme itself is checked when the link is opened.
    const qsizetype separator = argument.indexOf(QStringLiteral("://"));
    return separator > 0 && !argument.startsWith(u'-');
}

Quiz *DeepLinkModel::destination(const QString &quizID) const
{
    const QList<Quiz *> &quizzes = parser_.quizzes();
    if (quizzes.isEmpty()) {
        qCDebug(lcApp).noquote() << u"no quizzes are loaded, so the link to " + quizID + u" is ignored";
        return nullptr;
    }
    if (Quiz *quiz = parser_.quizWithID(quizID)) {
        qCDebug(lcApp).noquote() << u"opening quiz " + quiz->quizID;
        return quiz;
    }
    qCDebug(lcApp).noquote() << u"no quiz has the ID " + quizID + u", opening the first quiz "
            + quizzes.first()->quizID;
    return quizzes.first();
}

DeepLinkModel::Placement DeepLinkModel::placement(Quiz *quiz) const
{
    if (!quiz || quiz == shownQuiz_)
        return Placement::none;
    return shownQuiz_ ? Placement::replace : Placement::push;
}

QString DeepLinkModel::placementName(Quiz *quiz) const
{
    return QString::fromLatin1(QMetaEnum::fromType<Placement>().valueToKey(int(placement(quiz))));
}

void DeepLinkModel::quizShown(Quiz *quiz)
{
    shownQuiz_ = quiz;
}

void DeepLinkModel::quizHidden(Quiz *quiz)
{
    if (shownQuiz_ == quiz)
        shownQuiz_ = nullptr;
}
