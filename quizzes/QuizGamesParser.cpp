#include "quizzes/QuizGamesParser.h"

#include "app/Services.h"
#include "platform/Logging.h"
#include "platform/Random.h"
#include "platform/Resources.h"
#include "progress/ProgressManager.h"
#include "quizzes/SchoolWork.h"

#include <QFile>
#include <QJSEngine>
#include <QUrl>
#include <QXmlStreamReader>

QuizGamesParser::QuizGamesParser(Services &services)
    : services_(services),
      currentQuiz_(std::make_unique<Quiz>()),
      currentQuestion_(std::make_unique<QuizQuestion>(services.random()))
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
        qCWarning(lcQuizzes).noquote() << QStringLiteral("QuizGamesParser >> the quiz data file quizzes.xml was not found");
        return;
    }
    QFile file(dataPath_);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcQuizzes).noquote() << u"QuizGamesParser >> the quiz data file " + dataPath_ + u" cannot be read: " + file.errorString();
        return;
    }
    readWhole_ = parse(file.readAll());
    // The quizzes read before a fault are kept, and are scored and registered like the rest.
    documentEnded();
}

bool QuizGamesParser::parse(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            elementStarted(reader.name().toString());
            break;
        case QXmlStreamReader::Characters:
            if (!reader.isCDATA())
                str_ += reader.text();
            break;
        case QXmlStreamReader::EndElement:
            elementEnded(reader.name().toString());
            break;
        default:
            break;
        }
    }
    if (!reader.hasError())
        return true;
    qCWarning(lcQuizzes).noquote() << QStringLiteral("QuizGamesParser >> the quiz data file %1 is not well-formed: %2 at line %3, column %4")
                       .arg(dataPath_, reader.errorString())
                       .arg(reader.lineNumber())
                       .arg(reader.columnNumber());
    return false;
}

void QuizGamesParser::elementStarted(const QString &name)
{
    str_.clear();
    if (name == u"quiz") {
        currentQuiz_ = std::make_unique<Quiz>();
        qCDebug(lcQuizzes).noquote() << QStringLiteral("quiz found");
    } else if (name == u"item") {
        currentQuestion_ = std::make_unique<QuizQuestion>(services_.random());
    }
}

void QuizGamesParser::elementEnded(const QString &name)
{
    Quiz &quiz = *currentQuiz_;
    QuizQuestion &question = *currentQuestion_;
    if (name == u"id") {
        quiz.quizID = str_;
        quiz.identifier = str_;
    } else if (name == u"title") {
        quiz.title = str_;
    } else if (name == u"description") {
        quiz.description = str_;
    } else if (name == u"question") {
        question.question = str_;
    } else if (name == u"clue") {
        question.clue = str_;
    } else if (name == u"image_named") {
        question.image_named = str_;
    } else if (name == u"explanation") {
        question.explanation = str_;
    } else if (name == u"linked_verb") {
        question.linkedVerb = str_;
    } else if (name == u"answer") {
        question.setAnswer(new QuizQuestionAnswer(str_, true));
    } else if (name == u"alt1") {
        question.setAlt1(new QuizQuestionAnswer(str_, false));
    } else if (name == u"alt2") {
        question.setAlt2(new QuizQuestionAnswer(str_, false));
    } else if (name == u"alt3") {
        question.setAlt3(new QuizQuestionAnswer(str_, false));
    } else if (name == u"item") {
        QuizQuestion *finished = currentQuestion_.release();
        finished->setParent(&quiz);
        quiz.questions.append(finished);
        // Stray elements after an item must not change the question already handed over.
        currentQuestion_ = std::make_unique<QuizQuestion>(services_.random());
    } else if (name == u"quiz") {
        if (quiz.quizID.isEmpty())
            quiz.quizID = quiz.title;
        quiz.order = currentOrder_;
        currentOrder_ += 1;
        qCDebug(lcQuizzes).noquote() << u"adding quiz " + QString::number(currentOrder_) + u" \"" + quiz.title + u"\" with id "
                       + quiz.id.toString(QUuid::WithoutBraces);
        Quiz *finished = currentQuiz_.release();
        finished->setParent(this);
        quizzes_.append(finished);
        currentQuiz_ = std::make_unique<Quiz>();
    }
}

void QuizGamesParser::documentEnded()
{
    readLastScores();
    registerQuizzes();
}

void QuizGamesParser::readLastScores()
{
    ProgressManager &progress = services_.progressManager();
    for (Quiz *quiz : std::as_const(quizzes_)) {
        const QMap<QString, qint64> scores = progress.quizScores();
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
