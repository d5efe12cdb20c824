#include "quizzes/QuizGamesParser.h"

#include "app/Services.h"
#include "platform/Logging.h"
#include "platform/Random.h"
#include "platform/Resources.h"
#include "platform/LearnerStore.h"
#include "progress/ProgressManager.h"
#include "progress/StoredMaps.h"
#include "quizzes/QuizDataReader.h"
#include "quizzes/SchoolWork.h"

#include <QFile>
#include <QJSEngine>
#include <QUrl>

QuizGamesParser::QuizGamesParser(Services &services) : services_(services)
{
    readFile();
}

QuizGamesParser::~QuizGamesParser()
{
    if (schoolWork_ && schoolWork_->delegate() == this)
        schoolWork_->setDelegate(nullptr);
}

QuizGamesParser &QuizGamesParser::shared()
{
    return Services::current().object<QuizGamesParser>();
}

QuizGamesParser *QuizGamesParser::create(QQmlEngine *, QJSEngine *)
{
    QuizGamesParser *parser = &shared();
    QJSEngine::setObjectOwnership(parser, QJSEngine::CppOwnership);
    return parser;
}

Quiz *QuizGamesParser::quizWithID(const QString &quizID) const
{
    for (Quiz *quiz : quizzes_) {
        if (quiz->quizID == quizID)
            return quiz;
    }
    return nullptr;
}

void QuizGamesParser::readFile()
{
    dataPath_ = services_.resources().path(QStringLiteral("quizzes"), QStringLiteral("xml"));
    if (dataPath_.isEmpty()) {
        loadError_ = QStringLiteral("the quiz data file quizzes.xml was not found");
        qCWarning(lcQuizzes).noquote() << QString(u"QuizGamesParser >> " + loadError_);
        return;
    }
    QFile file(dataPath_);
    if (!file.open(QIODevice::ReadOnly)) {
        loadError_ = u"the quiz data file " + dataPath_ + u" cannot be read: " + file.errorString();
        qCWarning(lcQuizzes).noquote() << QString(u"QuizGamesParser >> " + loadError_);
        return;
    }
    readWhole_ = parse(file.readAll());
    // The quizzes read before a fault are kept, and are scored and registered like the rest.
    documentEnded();
}

bool QuizGamesParser::parse(const QByteArray &xml)
{
    QuizDataReader reader(services_.random(), [this](Quiz *quiz) {
        quiz->setParent(this);
        quizzes_.append(quiz);
    });
    if (reader.read(xml))
        return true;
    QString reason = reader.errorText();
    if (reason.endsWith(u'.'))
        reason.chop(1);
    loadError_ = QStringLiteral("%1 is not valid %2: %3 (line %4, column %5)")
                     .arg(dataPath_, reader.structureError() ? QStringLiteral("quiz data") : QStringLiteral("XML"),
                          reason)
                     .arg(reader.errorLine())
                     .arg(reader.errorColumn());
    qCWarning(lcQuizzes).noquote() << QString(QStringLiteral("QuizGamesParser >> the quiz data file %1 is not well-formed: %2 at line %3, column %4")
                       .arg(dataPath_, reader.errorText())
                       .arg(reader.errorLine())
                       .arg(reader.errorColumn()));
    return false;
}

void QuizGamesParser::documentEnded()
{
    readLastScores();
    registerQuizzes();
}

void QuizGamesParser::readLastScores()
{
    // A faulty file stops the app: then the scores are only read, so the store is left untouched.
    QMap<QString, qint64> scores;
    if (readWhole_)
        scores = services_.progressManager().quizScores();
    else if (const auto stored = services_.learnerStore().dictionary(QStringLiteral("quizScoresDictionary")))
        scores = StoredMaps::integerMap(*stored);
    for (Quiz *quiz : std::as_const(quizzes_)) {
        const auto stored = scores.constFind(quiz->quizID);
        if (stored == scores.cend())
            qCDebug(lcQuizzes).noquote() << QStringLiteral("record is not found, so returning zero");
        quiz->setLastScore(stored == scores.cend() ? 0 : *stored);
        qCDebug(lcQuizzes).noquote() << u"quiz " + quiz->quizID + u" last score is " + QString::number(quiz->lastScore());
    }
}

void QuizGamesParser::registerQuizzes()
{
    schoolWork_ = &services_.object<SchoolWork>();
    SchoolWork &store = *schoolWork_;
    store.setDelegate(this);
    for (const Quiz *quiz : std::as_const(quizzes_)) {
        qCDebug(lcQuizzes).noquote() << u"registering quiz named " + quiz->title + u" identifier " + quiz->identifier;
        store.descendantMatchingIdentifierPath(store.mainAppContext(), quiz->identifierPath(), nullptr);
    }
}

QString QuizGamesParser::universalLinkText(const QString &identifier)
{
    return u"tavelo-" + languageName.toLower() + u"://" + identifier;
}

std::unique_ptr<SchoolWorkContext> QuizGamesParser::createContext(const QString &identifier, SchoolWorkContext &,
                                                                  const QStringList &)
{
    if (quizzes_.isEmpty())
        return nullptr;
    const Quiz *quiz = quizWithID(identifier);
    if (!quiz)
        quiz = quizzes_.first();

    auto context = std::make_unique<SchoolWorkContext>(SchoolWorkContext::Type::quiz, identifier, quiz->title);
    context->setTopic(SchoolWorkContext::topicWorldLanguage);
    const QUrl link(universalLinkText(identifier), QUrl::StrictMode);
    if (link.isValid())
        context->setUniversalLinkURL(link);
    context->setDisplayOrder(quiz->order);
    if (!context->universalLinkURL().isEmpty())
        qCDebug(lcQuizzes).noquote() << u"universal link " + context->universalLinkURL().toString();
    qCDebug(lcQuizzes).noquote() << u"id " + identifier;
    qCDebug(lcQuizzes).noquote() << u"display order " + QString::number(context->displayOrder());
    return context;
}
