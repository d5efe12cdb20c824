#include "quizzes/QuizGamesParser.h"

#include "platform/Logging.h"
#include "platform/Random.h"
#include "platform/Resources.h"
#include "progress/ProgressManager.h"
#include "quizzes/QuizDataReader.h"

#include <QFile>
#include <QThread>
#include <QUrl>

QuizGamesParser::QuizGamesParser(const Resources &resources, Random &random, ProgressManager &progress)
    : resources_(resources)
    , random_(random)
    , progress_(progress)
{}

QuizGamesParser::~QuizGamesParser()
{
    if (reading_.valid())
        qDeleteAll(reading_.get().quizzes);
}

Quiz *QuizGamesParser::quizWithID(const QString &quizID) const
{
    for (Quiz *quiz : quizzes()) {
        if (quiz->quizID == quizID)
            return quiz;
    }
    return nullptr;
}

void QuizGamesParser::startReading()
{
    if (started_)
        return;
    started_ = true;
    const QString path = resources_.path(QStringLiteral("quizzes"), QStringLiteral("xml"));
    if (path.isEmpty()) {
        loadError_ = QStringLiteral("the quiz data file quizzes.xml was not found");
        qCWarning(lcQuizzes).noquote() << loadError_;
        return;
    }
    reading_ = std::async(std::launch::async, &QuizGamesParser::read, path, std::ref(random_), thread());
}

QuizGamesParser::Reading QuizGamesParser::read(const QString &path, Random &random, QThread *home)
{
    Reading reading;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reading.error = u"the quiz data file " + path + u" cannot be read: " + file.errorString();
        return reading;
    }
    reading.opened = true;
    QuizDataReader reader(random, [&reading, home](Quiz *quiz) {
        quiz->moveToThread(home);
        reading.quizzes.append(quiz);
    });
    reading.whole = reader.read(file.readAll());
    if (reading.whole)
        return reading;
    QString reason = reader.errorText();
    if (reason.endsWith(u'.'))
        reason.chop(1);
    reading.error =
        QStringLiteral("%1 is not valid %2: %3 (line %4, column %5)")
            .arg(path, reader.structureError() ? QStringLiteral("quiz data") : QStringLiteral("XML"), reason)
            .arg(reader.errorLine())
            .arg(reader.errorColumn());
    return reading;
}

void QuizGamesParser::finishReading() const
{
    // The parser is only ever made as a non-const object, so starting the reading and taking it
    // over from a const question is sound.
    const_cast<QuizGamesParser *>(this)->startReading();
    if (reading_.valid())
        const_cast<QuizGamesParser *>(this)->takeOver(const_cast<QuizGamesParser *>(this)->reading_.get());
}

void QuizGamesParser::takeOver(Reading reading)
{
    // A faulty file is named once; the quizzes read before the fault are kept.
    if (!reading.error.isEmpty())
        qCWarning(lcQuizzes).noquote() << reading.error;
    loadError_ = reading.error;
    if (!reading.opened)
        return;
    readWhole_ = reading.whole;
    for (Quiz *quiz : std::as_const(reading.quizzes)) {
        quiz->setParent(this);
        quizzes_.append(quiz);
    }
    // The quizzes read before a fault are kept, and are scored and registered like the rest.
    readLastScores();
}

void QuizGamesParser::readLastScores()
{
    const QMap<QString, qint64> scores = progress_.quizScores();
    for (Quiz *quiz : std::as_const(quizzes_)) {
        quiz->setLastScore(scores.value(quiz->quizID, 0));
    }
}
