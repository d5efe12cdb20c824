#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QSet>
#include <QStringList>

class Verb;

// The rows of the verb dictionary screen: one per verb, with its two lines in the chosen order
// and its learnt mark, which follows the verb.
class VerbListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role {
        VerbRole = Qt::UserRole + 1,
        DisplayInfinitiveRole,
        EnglishRenderingRole,
        LearntRole,
        // The row's two lines: the verb's language first, or English first.
        FirstLineRole,
        SecondLineRole,
        // For a verb found by one of its forms: the form and where it is ("vado: andare, presente, io").
        WhereRole,
    };

    explicit VerbListModel(QObject *parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

    [[nodiscard]] const QList<Verb *> &verbs() const { return verbs_; }
    // The rows, each with the form it was found by (none when where is shorter).
    void setVerbs(QList<Verb *> verbs, QStringList where = {});
    void setTargetLanguageFirst(bool targetLanguageFirst);

    // The English infinitive without bars, followed by ", " and the extra when there is one.
    [[nodiscard]] static QString englishRendering(const Verb &verb);

private:
    void learntChanged(const Verb *verb);

    QList<Verb *> verbs_;
    QStringList where_;
    // Each verb is watched once, whichever rows it comes and goes in.
    QSet<const Verb *> watched_;
    bool targetLanguageFirst_ = true;
};
