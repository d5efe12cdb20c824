#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include "verbs/Conjugation.h"
#include "verbs/Verb.h"

class StressMarks;
class TenseSetting;
class TextToSpeech;

// The verb table screen's model: the verb's lines and its conjugation tables laid out as cards.
class VerbTableModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Screens get a verb table's model from ScreenModels")
    Q_PROPERTY(Verb *verb READ verb WRITE setVerb NOTIFY verbChanged)
    Q_PROPERTY(QString title READ title NOTIFY verbChanged)
    Q_PROPERTY(QString english READ english NOTIFY verbChanged)
    Q_PROPERTY(QString englishExtra READ englishExtra NOTIFY verbChanged)
    Q_PROPERTY(QString notes READ notes NOTIFY verbChanged)
    Q_PROPERTY(QString irregularity READ irregularity NOTIFY verbChanged)
    Q_PROPERTY(QString caption READ caption CONSTANT)
    Q_PROPERTY(QVariantList tables READ tables NOTIFY verbChanged)
    // Whether a tap on the infinitive says it.
    Q_PROPERTY(bool speakable READ speakable NOTIFY speechChanged)
    // Why nothing is spoken and what to install, until the learner dismisses it.
    Q_PROPERTY(QString speechNotice READ speechNotice NOTIFY speechChanged)

public:
    // The switches say whether the tables' names come English first and whether the forms show
    // their stress marks; the verbs are searched for verbs conjugated alike.
    VerbTableModel(TextToSpeech &speech, const QList<Verb *> &verbs, const QList<TenseSetting *> &switches,
        const StressMarks &stressMarks, QObject *parent = nullptr);

    [[nodiscard]] Verb *verb() const { return verb_; }
    void setVerb(Verb *verb);

    [[nodiscard]] QString title() const;
    [[nodiscard]] QString english() const;
    // The extra in brackets, or empty when the verb has none.
    [[nodiscard]] QString englishExtra() const;
    [[nodiscard]] QString notes() const;
    // Which tables hold irregular forms, and the verbs conjugated alike; empty for a regular verb.
    [[nodiscard]] const QString &irregularity() const { return irregularity_; }
    static constexpr qsizetype alikeCount = 5;
    [[nodiscard]] static QString caption();
    [[nodiscard]] bool speakable() const;
    [[nodiscard]] QString speechNotice() const;

    // One map per conjugation table: title and subtitle (the Italian and English names, in the
    // order the switches ask), gloss, colour and rows; each row holds pronoun,
    // text, styledText, irregular, translation, pronounShown, pronounOpacity, isVerbFirst,
    // ttsEnabled, ttsPhrase and locale.
    [[nodiscard]] const QVariantList &tables() const { return tables_; }
    // The card colour: the darker blue for a table of fewer than two rows.
    [[nodiscard]] static QColor cardColour(const Conjugation &table);
    [[nodiscard]] static QVariantMap row(const ConjugationPart &part);
    // The form with its irregular stretches in bold and underlined (styled text).
    [[nodiscard]] static QString styled(const ConjugationPart &part);

    // Says the shown infinitive in the verb's locale.
    Q_INVOKABLE void speakInfinitive();
    // The notice is not shown again in this run.
    Q_INVOKABLE void dismissSpeechNotice();

signals:
    void verbChanged();
    void speechChanged();

private:
    TextToSpeech &speech_;
    const QList<Verb *> &verbs_;
    const QList<TenseSetting *> &switches_;
    const StressMarks &stressMarks_;
    QString irregularity_;
    QPointer<Verb> verb_;
    QVariantList tables_;
};
