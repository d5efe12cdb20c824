#pragma once

#include "progress/DrilledForm.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// The result of one game, grammar quiz or review: its score, the time it took (pauses that show
// a right form not counted), its accuracy and the forms missed, each once with its Italian, its
// English and what kind of mistake it was. A grammar quiz's miss is a question rather than a verb
// form: its sentence, its clue and its explanation, with no form to practise.
class SessionResult : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Each game, quiz and review keeps its own result")
    Q_PROPERTY(bool shown READ shown NOTIFY changed)
    Q_PROPERTY(QString score READ score NOTIFY changed)
    Q_PROPERTY(QString time READ time NOTIFY changed)
    Q_PROPERTY(int accuracy READ accuracy NOTIFY changed)
    Q_PROPERTY(QVariantList missed READ missedForScreen NOTIFY changed)
    Q_PROPERTY(QStringList missedIds READ missedIds NOTIFY changed)

public:
    struct Miss
    {
        DrilledForm form;
        QString italian;
        QString english;
        QString kind;
    };

    explicit SessionResult(QObject *parent = nullptr);

    // A new session starts at nowMs with nothing missed; the result is hidden until finish().
    void begin(qint64 nowMs);
    // A time that does not count, such as a pause showing the right form.
    void leaveOut(qint64 ms) { leftOutMs_ += ms; }
    // A form missed: a form missed again keeps its first entry.
    void addMiss(const Miss &miss);
    // The session is over with right of all answers; halves count half a right answer.
    void finish(double right, int all, qint64 nowMs);
    Q_INVOKABLE void dismiss();

    [[nodiscard]] bool shown() const { return shown_; }
    [[nodiscard]] QString score() const;
    [[nodiscard]] QString time() const;
    [[nodiscard]] qint64 playedMs() const { return playedMs_; }
    [[nodiscard]] int accuracy() const;
    [[nodiscard]] const QList<Miss> &misses() const { return misses_; }
    // The verb forms missed, to practise.
    [[nodiscard]] QList<DrilledForm> missedForms() const;
    [[nodiscard]] QStringList missedIds() const;
    [[nodiscard]] QVariantList missedForScreen() const;

signals:
    void changed();

private:
    bool shown_ = false;
    qint64 startedAt_ = 0;
    qint64 leftOutMs_ = 0;
    qint64 playedMs_ = 0;
    double right_ = 0;
    int all_ = 0;
    QList<Miss> misses_;
};
