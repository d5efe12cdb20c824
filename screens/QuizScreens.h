#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

class QuizGamesMenu;

// What the quiz menu and the quiz screen draw from the quiz model: the grade seal of a quiz,
// the fill of an answer by its state, and the fixed texts and colours of the two screens.
class QuizScreens : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString menuHeading READ menuHeading CONSTANT)
    Q_PROPERTY(QString menuText READ menuText CONSTANT)
    Q_PROPERTY(QColor playColour READ playColour CONSTANT)
    Q_PROPERTY(QColor returnColour READ returnColour CONSTANT)
    Q_PROPERTY(QColor entryText READ entryText CONSTANT)
    Q_PROPERTY(QColor entryBackground READ entryBackground CONSTANT)

public:
    QuizScreens() = default;

    [[nodiscard]] static QString menuHeading() { return QStringLiteral("Quizzes"); }
    [[nodiscard]] static QString menuText();
    [[nodiscard]] static QColor playColour();
    [[nodiscard]] static QColor returnColour();
    [[nodiscard]] static QColor entryText();
    [[nodiscard]] static QColor entryBackground();

    // A quiz shows its seal once it has scored at least 1.
    Q_INVOKABLE [[nodiscard]] static bool showsSeal(qint64 lastScore);
    // Red below 50, amber below 90, green from 90; transparent when no seal is shown.
    Q_INVOKABLE [[nodiscard]] static QColor gradeColour(qint64 lastScore);
    // The fill of an answer button by the answer's state name; no fill once it is discarded.
    Q_INVOKABLE [[nodiscard]] static QColor answerFill(const QString &stateName);
    // The quizzes of the quiz menu, for a list view, grouped by level.
    Q_INVOKABLE [[nodiscard]] static QVariantList quizList(QuizGamesMenu *menu);
    // The heading the quiz menu shows above a level's quizzes.
    Q_INVOKABLE [[nodiscard]] static QString levelHeading(const QString &level);
    // "Yes! " and the explanation; empty when there is none.
    Q_INVOKABLE [[nodiscard]] static QString explanationText(const QString &explanation);
};
