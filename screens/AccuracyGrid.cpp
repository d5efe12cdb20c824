#include "screens/AccuracyGrid.h"

#include "platform/Saturating.h"
#include "progress/DrilledForm.h"
#include "progress/MistakeLog.h"

#include <QVariantMap>

#include <limits>

AccuracyGrid::AccuracyGrid(MistakeLog &mistakes, QObject *parent)
    : QObject(parent)
    , mistakes_(mistakes)
{
    connect(&mistakes_, &MistakeLog::changed, this, &AccuracyGrid::rowsChanged);
}

QStringList AccuracyGrid::persons()
{
    QStringList names;
    for (int person = 0; person < 6; ++person)
        names.append(DrilledForm::personName(person));
    return names;
}

QColor AccuracyGrid::bandColour(int percent)
{
    if (percent < 0)
        return QColor(0xec, 0xf0, 0xf1);
    if (percent >= 80)
        return QColor(0x27, 0xae, 0x60);
    if (percent >= 50)
        return QColor(0xf3, 0x9c, 0x12);
    return QColor(0xc0, 0x39, 0x2b);
}

int AccuracyGrid::answerCount() const
{
    return int(std::min<qint64>(mistakes_.answerCount(), std::numeric_limits<int>::max()));
}

QVariantList AccuracyGrid::rows() const
{
    const QMap<std::pair<QString, int>, MistakeLog::Cell> cells = mistakes_.cells();
    QVariantList rows;
    for (const QString &tense : DrilledForm::tenseCodes()) {
        if (!DrilledForm::hasPersons(tense))
            continue;
        QVariantList row;
        for (int person = 0; person < 6; ++person) {
            const MistakeLog::Cell cell = cells.value({tense, person});
            const qint64 total = Saturating::add(cell.right, cell.wrong);
            const int percent = total > 0 ? int(Saturating::multiply<qint64>(cell.right, 100) / total) : -1;
            const QColor colour = bandColour(percent);
            row.append(QVariantMap{{"person", person}, {"right", cell.right}, {"total", total}, {"percent", percent},
                {"missed", cell.missedForms}, {"colour", colour},
                {"textColour", percent < 0 ? QColor(0x7f, 0x8c, 0x8d) : QColor(Qt::white)}});
        }
        rows.append(QVariantMap{{"tense", tense}, {"name", DrilledForm::tenseName(tense)}, {"cells", row}});
    }
    return rows;
}
