#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

class QuizGame;
class QuizQuestion;

// What the quiz screen shows of its game in play: the question counter, the running score,
// the answers of the question on screen and, once a question with an explanation is answered,
// the explanation. The clue of the question stays hidden until the learner asks for a hint; asking
// costs nothing in the score.
class QuizGameScreenModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QuizGame *game READ game WRITE setGame NOTIFY gameChanged)
    Q_PROPERTY(QString counterText READ counterText NOTIFY turnChanged)
    Q_PROPERTY(QString percentageText READ percentageText NOTIFY turnChanged)
    Q_PROPERTY(QVariantList answers READ answers NOTIFY answersChanged)
    Q_PROPERTY(bool explaining READ explaining NOTIFY turnChanged)
    Q_PROPERTY(QString explanationText READ explanationText NOTIFY turnChanged)
    Q_PROPERTY(bool hintAvailable READ hintAvailable NOTIFY hintChanged)
    Q_PROPERTY(bool hintShown READ hintShown NOTIFY hintChanged)
    Q_PROPERTY(QString hintText READ hintText NOTIFY hintChanged)

public:
    explicit QuizGameScreenModel(QObject *parent = nullptr);

    [[nodiscard]] QuizGame *game() const { return game_; }
    void setGame(QuizGame *game);

    // "3/10": the question on screen, of the questions in play.
    [[nodiscard]] QString counterText() const;
    // "33%".
    [[nodiscard]] QString percentageText() const;
    [[nodiscard]] QVariantList answers() const;
    // The question on screen is answered and has an explanation to show.
    [[nodiscard]] bool explaining() const;
    // "Yes! " and the explanation while explaining; empty otherwise.
    [[nodiscard]] QString explanationText() const;

    // The question on screen has a clue that is not shown yet and is still to be answered.
    [[nodiscard]] bool hintAvailable() const;
    [[nodiscard]] bool hintShown() const { return hintShown_; }
    // The clue once shown; empty while hidden.
    [[nodiscard]] QString hintText() const;
    // Reveals the clue of the question on screen, until the next question comes up.
    Q_INVOKABLE void showHint();

signals:
    void gameChanged();
    void turnChanged();
    void answersChanged();
    void hintChanged();

private:
    void followQuestion();
    void hideHint();

    QPointer<QuizGame> game_;
    QPointer<QuizQuestion> question_;
    bool hintShown_ = false;
};
