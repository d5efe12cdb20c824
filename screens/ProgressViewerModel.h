#pragma once

#include <QColor>
#include <QObject>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

class ProgressManager;

// The progress screen's model: the ranked verbs of the progress store as rows with their dot
// colour and score text, following every change of the store's list.
class ProgressViewerModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Screens get the progress screen's model from ScreenModels")
    Q_PROPERTY(QVariantList rows READ rows NOTIFY rowsChanged)
    Q_PROPERTY(bool empty READ empty NOTIFY rowsChanged)
    Q_PROPERTY(QString emptyCaption READ emptyCaption CONSTANT)
    Q_PROPERTY(QString caption READ caption CONSTANT)

public:
    static constexpr int minScore = -5;
    static constexpr int maxScore = 5;

    explicit ProgressViewerModel(ProgressManager &progress, QObject *parent = nullptr);

    // One map per entry in the store's order: verb, displayInfinitive, english, score,
    // scoreText, dotColour, and shown (false for a score whose verb is not in the verb data).
    [[nodiscard]] QVariantList rows() const;
    [[nodiscard]] bool empty() const;
    [[nodiscard]] static QString emptyCaption();
    [[nodiscard]] static QString caption();

    // Red through yellow at 0 to green, for scores from min to max; scores beyond the bounds
    // get the colour of the bound.
    Q_INVOKABLE [[nodiscard]] static QColor scoreColour(qint64 score, int min = minScore, int max = maxScore);

    // Writes the stored scores to the console; the screen calls it each time it is shown.
    Q_INVOKABLE void printScores();

signals:
    void rowsChanged();

private:
    ProgressManager &progress_;
};
