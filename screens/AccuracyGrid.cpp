#include "screens/AccuracyGrid.h"

#include "progress/DrilledForm.h"
#include "progress/MistakeLog.h"

#include <QVariantMap>

namespace {

struct Cell
{
    int right = 0;
    int total = 0;
    int missed = 0;
};

} // namespace

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
    int count = 0;
    const QMap<QString, MistakeRecord> records = mistakes_.records();
    for (const MistakeRecord &record : records)
        count += record.right + record.wrong;
    return count;
}

QVariantList AccuracyGrid::rows() const
{
    QMap<QString, Cell> cells;
    const QMap<QString, MistakeRecord> records = mistakes_.records();
    for (auto it = records.begin(); it != records.end(); ++it) {
        const DrilledForm form = *DrilledForm::fromId(it.key());
        Cell &cell = cells[form.tense + u'#' + QString::number(form.person)];
        cell.right += it.value().right;
        cell.total += it.value().right + it.value().wrong;
        cell.missed += it.value().wrong > 0 ? 1 : 0;
    }
    QVariantList rows;
    for (const QString &tense : DrilledForm::tenseCodes()) {
        if (!DrilledForm::hasPersons(tense))
            continue;
        QVariantList row;
        for (int person = 0; person < 6; ++person) {
            const Cell cell = cells.value(tense + u'#' + QString::number(person));
            const int percent = cell.total > 0 ? cell.right * 100 / cell.total : -1;
            const QColor colour = bandColour(percent);
            row.append(QVariantMap{{"person", person}, {"right", cell.right}, {"total", cell.total},
                {"percent", percent}, {"missed", cell.missed}, {"colour", colour},
                {"textColour", percent < 0 ? QColor(0x7f, 0x8c, 0x8d) : QColor(Qt::white)}});
        }
        rows.append(QVariantMap{{"tense", tense}, {"name", DrilledForm::tenseName(tense)}, {"cells", row}});
    }
    return rows;
}
