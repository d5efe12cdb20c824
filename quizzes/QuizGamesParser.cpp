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
{
    startReading();
}

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
    dataPath_ = resources_.path(QStringLiteral("quizzes"), QStringLiteral("xml"));
    if (dataPath_.isEmpty()) {
        loadError_ = QStringLiteral("the quiz data file quizzes.xml was not found");
        qCWarning(lcQuizzes).noquote() << QString(u"QuizGamesParser >> " + loadError_);
        return;
    }
    reading_ = std::async(std::launch::async, &QuizGamesParser::read, dataPath_, std::ref(random_), thread());
}

QuizGamesParser::Reading QuizGamesParser::read(const QString &path, Random &random, QThread *home)
{
    Reading reading;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reading.error = u"the quiz data file " + path + u" cannot be read: " + file.errorString();
        reading.warning = u"QuizGamesParser >> " + reading.error;
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
    reading.warning =
        QStringLiteral("QuizGamesParser >> the quiz data file %1 is not well-formed: %2 at line %3, column %4")
            .arg(path, reader.errorText())
            .arg(reader.errorLine())
            .arg(reader.errorColumn());
    return reading;
}

void QuizGamesParser::finishReading() const
{
    // The parser is only ever made as a non-const object, so taking the reading over from a
    // const question is sound.
    if (reading_.valid())
        const_cast<QuizGamesParser *>(this)->takeOver(const_cast<QuizGamesParser *>(this)->reading_.get());
}

void QuizGamesParser::takeOver(Reading reading)
{
    if (!reading.warning.isEmpty())
        qCWarning(lcQuizzes).noquote() << reading.warning;
    loadError_ = reading.error;
    if (!reading.opened)
        return;
    readWhole_ = reading.whole;
    for (Quiz *quiz : std::as_const(reading.quizzes)) {
        quiz->setParent(this);
        quizzes_.append(quiz);
    }
    // The quizzes read before a fault are kept, and are scored and registered like the rest.
    documentEnded();
}

void QuizGamesParser::documentEnded()
{
    readLastScores();
}

void QuizGamesParser::readLastScores()
{
    const QMap<QString, qint64> scores = progress_.quizScores();
    for (Quiz *quiz : std::as_const(quizzes_)) {
        const auto stored = scores.constFind(quiz->quizID);
        if (stored == scores.cend())
            qCDebug(lcQuizzes).noquote() << QStringLiteral("record is not found, so returning zero");
        quiz->setLastScore(stored == scores.cend() ? 0 : *stored);
        qCDebug(lcQuizzes).noquote() << u"quiz " + quiz->quizID + u" last score is "
                + QString::number(quiz->lastScore());
    }
}
