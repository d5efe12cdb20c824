#include "verbs/StressMarks.h"

#include "platform/Logging.h"

#include <QFile>
#include <QStringList>

StressMarks::StressMarks(QString path)
    : path_(std::move(path))
{}

QString StressMarks::plain(const QString &marked)
{
    static const QString graves = QStringLiteral("àèìòù");
    static const QString vowels = QStringLiteral("aeiou");
    QString text = marked;
    for (QChar &ch : text) {
        const qsizetype at = graves.indexOf(ch);
        if (at >= 0)
            ch = vowels.at(at);
    }
    return text;
}

void StressMarks::load() const
{
    loaded_ = true;
    QFile file(path_);
    if (path_.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        qCDebug(lcVerbs) << "no stress marks at" << path_;
        return;
    }
    const QString text = QString::fromUtf8(file.readAll());
    for (QStringView line : QStringView(text).split(u'\n', Qt::SkipEmptyParts)) {
        const QList<QStringView> fields = line.split(u'\t');
        QHash<QString, QString> &forms = marks_[fields.first().toString()];
        for (qsizetype i = 1; i < fields.size(); ++i) {
            const QString marked = fields.at(i).toString();
            forms.insert(plain(marked), marked);
        }
    }
    qCDebug(lcVerbs) << "stress marks of" << marks_.size() << "verbs read";
}

QString StressMarks::marked(const QString &verbKey, const QString &text) const
{
    if (!loaded_)
        load();
    static const QStringList auxiliaries{QStringLiteral("avere"), QStringLiteral("essere")};
    const QHash<QString, QString> none;
    const QHash<QString, QString> &own = marks_.contains(verbKey) ? marks_[verbKey] : none;
    QStringList words = text.split(u' ');
    for (QString &word : words) {
        QString mark = own.value(word);
        for (qsizetype i = 0; mark.isEmpty() && i < auxiliaries.size(); ++i)
            mark = marks_.value(auxiliaries.at(i)).value(word);
        if (!mark.isEmpty())
            word = mark;
    }
    return words.join(u' ');
}
