#pragma once

#include <QHash>
#include <QString>

// Where forms stressed before their next-to-last syllable carry the stress (telèfonano,
// àbitano), as the verb data ships it in stress.tsv: one line per verb, its key and its marked
// forms. The file is read when a form is first asked about, not at start-up.
class StressMarks
{
public:
    // path is the stress file; an empty or unreadable one gives no marks.
    explicit StressMarks(QString path);

    // text with each word that is a marked form of the verb, or of an auxiliary (avèvano
    // telefonato), in its marked spelling; other words as they are.
    [[nodiscard]] QString marked(const QString &verbKey, const QString &text) const;
    // The form without its mark: the grave accent taken off.
    [[nodiscard]] static QString plain(const QString &marked);

private:
    void load() const;

    QString path_;
    mutable bool loaded_ = false;
    // Verb key to plain form to marked form.
    mutable QHash<QString, QHash<QString, QString>> marks_;
};
