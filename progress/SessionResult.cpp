#include "progress/SessionResult.h"

#include <QVariantMap>

#include <algorithm>

SessionResult::SessionResult(QObject *parent)
    : QObject(parent)
{}

void SessionResult::begin(qint64 nowMs)
{
    shown_ = false;
    startedAt_ = nowMs;
    leftOutMs_ = 0;
    playedMs_ = 0;
    right_ = 0;
    all_ = 0;
    misses_.clear();
    emit changed();
}

void SessionResult::addMiss(const Miss &miss)
{
    const bool known = std::any_of(misses_.begin(), misses_.end(),
        [&miss](const Miss &m) { return m.form == miss.form && m.italian == miss.italian; });
    if (!known)
        misses_.append(miss);
}

void SessionResult::finish(double right, int all, qint64 nowMs)
{
    right_ = right;
    all_ = all;
    playedMs_ = std::max<qint64>(0, nowMs - startedAt_ - leftOutMs_);
    shown_ = true;
    emit changed();
}

void SessionResult::dismiss()
{
    if (!shown_)
        return;
    shown_ = false;
    emit changed();
}

QString SessionResult::score() const
{
    const QString right = QString::number(right_, 'g', 4);
    return right + u" of " + QString::number(all_);
}

QString SessionResult::time() const
{
    const qint64 seconds = (playedMs_ + 500) / 1000;
    return QString::number(seconds / 60) + u':' + QString::number(seconds % 60).rightJustified(2, u'0');
}

int SessionResult::accuracy() const
{
    return all_ > 0 ? int(right_ * 100 / all_) : 0;
}

QList<DrilledForm> SessionResult::missedForms() const
{
    QList<DrilledForm> forms;
    for (const Miss &miss : misses_) {
        if (miss.form.isVerbForm())
            forms.append(miss.form);
    }
    return forms;
}

QStringList SessionResult::missedIds() const
{
    QStringList ids;
    for (const DrilledForm &form : missedForms())
        ids.append(form.id());
    return ids;
}

QVariantList SessionResult::missedForScreen() const
{
    QVariantList rows;
    for (const Miss &miss : misses_)
        rows.append(QVariantMap{{"italian", miss.italian}, {"english", miss.english}, {"kind", miss.kind}});
    return rows;
}
