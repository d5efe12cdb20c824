#include "quizzes/SchoolWork.h"

#include "platform/Logging.h"
#include "platform/MainQueue.h"
#include "quizzes/SchoolWorkContext.h"
#include "quizzes/SchoolWorkDelegate.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

const QString mainIdentifier = QStringLiteral("main");
const QString mainTitle = QStringLiteral("Italian Flexio");

std::unique_ptr<SchoolWorkContext> freshMainContext()
{
    return std::make_unique<SchoolWorkContext>(SchoolWorkContext::Type::app, mainIdentifier, mainTitle);
}

}

SchoolWork::SchoolWork(MainQueue &queue, QString dataPath)
    : queue_(queue)
    , dataPath_(std::move(dataPath))
    , mainAppContext_(freshMainContext())
{
    load();
}

SchoolWork::~SchoolWork() = default;

QString SchoolWork::filePath() const
{
    return dataPath_.isEmpty() ? QString() : dataPath_ + u'/' + fileName;
}

// The record of earlier runs. A file that cannot be read is moved aside, never overwritten.
void SchoolWork::load()
{
    const QString path = filePath();
    QFile file(path);
    if (path.isEmpty() || !file.exists())
        return;
    QJsonParseError error{};
    QJsonDocument document;
    if (file.open(QIODevice::ReadOnly))
        document = QJsonDocument::fromJson(file.readAll(), &error);
    else
        error.error = QJsonParseError::IllegalValue;
    file.close();

    if (error.error == QJsonParseError::NoError && document.isObject()) {
        const QJsonObject main = document.object().value(QStringLiteral("mainAppContext")).toObject();
        if (auto loaded = SchoolWorkContext::fromJson(main, queue_)) {
            mainAppContext_ = std::move(loaded);
            return;
        }
    }
    const QString aside =
        path + u".unreadable-" + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    const bool moved = QFile::rename(path, aside);
    qCWarning(lcQuizzes).noquote() << u"SchoolWork >> the record " + path + u" could not be read; "
            + (moved ? u"it was moved to " + aside : QStringLiteral("it could not be moved aside"));
    if (!moved)
        dataPath_.clear(); // never overwrite what could not be read
}

void SchoolWork::later(std::function<void()> work)
{
    queue_.post([alive = std::weak_ptr<bool>(alive_), work = std::move(work)] {
        if (!alive.expired())
            work();
    });
}

void SchoolWork::descendantMatchingIdentifierPath(
    SchoolWorkContext &from, const QStringList &path, LookupCompletion completion)
{
    later([this, from = &from, path, completion = std::move(completion)] {
        QString error;
        SchoolWorkContext *context = resolve(*from, path, error);
        if (completion)
            completion(context, error);
    });
}

SchoolWorkContext *SchoolWork::resolve(SchoolWorkContext &from, const QStringList &path, QString &error)
{
    if (path.isEmpty()) {
        error = QStringLiteral("the identifier path is empty");
        return nullptr;
    }
    SchoolWorkContext *context = &from;
    for (const QString &identifier : path) {
        if (identifier.isEmpty()) {
            error = u"the identifier path " + Logging::quotedList(path) + u" holds an empty identifier";
            return nullptr;
        }
        if (SchoolWorkContext *existing = context->child(identifier)) {
            context = existing;
            continue;
        }
        std::unique_ptr<SchoolWorkContext> created;
        if (delegate_)
            created = delegate_->createContext(identifier, *context, context->identifierPath());
        if (!created) {
            error = u"no context matches the identifier path " + Logging::quotedList(path);
            return nullptr;
        }
        if (created->identifier() != identifier) {
            error = u"the context made for " + identifier + u" is named " + created->identifier();
            return nullptr;
        }
        context = &context->addChild(std::move(created));
    }
    return context;
}

void SchoolWork::save(SaveCompletion completion)
{
    const QString error = write();
    later([error, completion = std::move(completion)] {
        if (completion)
            completion(error);
    });
}

QString SchoolWork::write() const
{
    const QString path = filePath();
    if (path.isEmpty())
        return QStringLiteral("there is no app data folder to save the school work record in");
    if (!QDir().mkpath(dataPath_))
        return u"the folder " + dataPath_ + u" cannot be created";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return u"cannot write " + path + u": " + file.errorString();
    const QJsonObject record{{QStringLiteral("mainAppContext"), mainAppContext_->toJson()}};
    file.write(QJsonDocument(record).toJson(QJsonDocument::Indented));
    if (!file.commit())
        return u"cannot write " + path + u": " + file.errorString();
    return {};
}
