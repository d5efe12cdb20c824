#pragma once

#include <QColor>
#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

class MistakeLog;

// The learner's accuracy by tense and person over every logged answer: one row
// per drilled tense, one cell per person with its right answers, its answer
// count, the percentage and a colour for the band it falls in.
class AccuracyGrid : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Screens get the accuracy grid's model from ScreenModels")
    Q_PROPERTY(QVariantList rows READ rows NOTIFY rowsChanged)
    Q_PROPERTY(QStringList persons READ persons CONSTANT)
    Q_PROPERTY(int answerCount READ answerCount NOTIFY rowsChanged)

public:
    explicit AccuracyGrid(MistakeLog &mistakes, QObject *parent = nullptr);

    // One map per tense: tense (code), name, cells; a cell holds person, right,
    // total, percent
    // (-1 with no answers), colour, textColour and missed (forms with a wrong
    // answer).
    [[nodiscard]] QVariantList rows() const;
    [[nodiscard]] static QStringList persons();
    [[nodiscard]] int answerCount() const;
    // The colour of a cell at the given percentage; -1 is a cell with no answers.
    static QColor bandColour(int percent);

signals:
    void rowsChanged();

private:
    MistakeLog &mistakes_;
};
