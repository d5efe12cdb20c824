#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

class Quiz;

// One entry of the quiz menu: the quiz's texts and the seal of its last score, which follows a
// new score at once.
class QuizMenuEntryModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Quiz *quiz READ quiz WRITE setQuiz NOTIFY quizChanged)
    Q_PROPERTY(QString title READ title NOTIFY quizChanged)
    Q_PROPERTY(QString description READ description NOTIFY quizChanged)
    Q_PROPERTY(bool sealShown READ sealShown NOTIFY scoreChanged)
    Q_PROPERTY(QColor sealColour READ sealColour NOTIFY scoreChanged)
    Q_PROPERTY(QString scoreText READ scoreText NOTIFY scoreChanged)

public:
    explicit QuizMenuEntryModel(QObject *parent = nullptr);

    [[nodiscard]] Quiz *quiz() const { return quiz_; }
    void setQuiz(Quiz *quiz);
    [[nodiscard]] QString title() const;
    [[nodiscard]] QString description() const;
    [[nodiscard]] bool sealShown() const;
    [[nodiscard]] QColor sealColour() const;
    // "Last score 33%", for screen readers.
    [[nodiscard]] QString scoreText() const;

signals:
    void quizChanged();
    void scoreChanged();

private:
    QPointer<Quiz> quiz_;
};
