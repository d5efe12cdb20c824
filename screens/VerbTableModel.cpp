#include "screens/VerbTableModel.h"

#include "screens/MainMenuModel.h"
#include "screens/Theme.h"
#include "settings/DisplaySwitches.h"
#include "speech/TextToSpeech.h"
#include "verbs/Irregularity.h"
#include "verbs/StressMarks.h"

VerbTableModel::VerbTableModel(TextToSpeech &speech, const QList<Verb *> &verbs, const QList<TenseSetting *> &switches,
    const StressMarks &stressMarks, QObject *parent)
    : QObject(parent)
    , speech_(speech)
    , verbs_(verbs)
    , switches_(switches)
    , stressMarks_(stressMarks)
{
    connect(&speech, &TextToSpeech::availabilityChanged, this, &VerbTableModel::speechChanged);
}

bool VerbTableModel::speakable() const
{
    return verb_ && speech_.canSpeak(verb_->locale);
}

QString VerbTableModel::speechNotice() const
{
    return verb_ ? speech_.silenceNotice(verb_->locale) : QString();
}

void VerbTableModel::dismissSpeechNotice()
{
    speech_.dismissSilenceNotice();
}

void VerbTableModel::setVerb(Verb *verb)
{
    if (verb == verb_)
        return;
    verb_ = verb;
    tables_.clear();
    irregularity_.clear();
    if (verb) {
        QList<Conjugation> tables = verb->conjugationTables();
        const Irregularity irregularity(*verb);
        irregularity.mark(tables);
        const QStringList irregular = Irregularity::irregularTables(tables);
        if (!irregular.isEmpty()) {
            const QStringList alike = Irregularity::alike(*verb, verbs_, alikeCount);
            irregularity_ = u"Irregular: " + irregular.join(QStringLiteral(", "))
                + (alike.isEmpty() ? QString() : u". Conjugated alike: " + alike.join(QStringLiteral(", ")));
        }
        const bool englishFirst = DisplaySwitches::isOn(switches_, DisplaySwitches::englishNamesFirst);
        const bool stressed = DisplaySwitches::isOn(switches_, DisplaySwitches::stressMarks);
        for (Conjugation &table : tables) {
            QVariantList rows;
            for (ConjugationPart &part : table.parts) {
                // A mark keeps the form's length, so the irregular stretches stay where they are;
                // the spoken phrase keeps the plain form.
                if (stressed)
                    part.text = stressMarks_.marked(verb->key, part.text);
                rows.append(row(part));
            }
            tables_.append(QVariantMap{{QStringLiteral("title"), englishFirst ? table.englishTitle : table.title},
                {QStringLiteral("subtitle"), englishFirst ? table.title : table.englishTitle},
                {QStringLiteral("gloss"), table.gloss.trimmed()}, {QStringLiteral("colour"), cardColour(table)},
                {QStringLiteral("rows"), rows}});
        }
    }
    emit verbChanged();
    emit speechChanged();
}

QString VerbTableModel::title() const
{
    return verb_ ? verb_->displayInfinitive() : QString();
}

QString VerbTableModel::english() const
{
    return verb_ ? verb_->englishDisplay() : QString();
}

QString VerbTableModel::englishExtra() const
{
    if (!verb_ || verb_->englishInfinitiveExtra.isEmpty())
        return {};
    return u'(' + verb_->englishInfinitiveExtra + u')';
}

QString VerbTableModel::notes() const
{
    return verb_ ? verb_->notes : QString();
}

QString VerbTableModel::caption()
{
    return QStringLiteral("Tap ") + MainMenuModel::language + QStringLiteral(" to listen");
}

QColor VerbTableModel::cardColour(const Conjugation &table)
{
    return Theme::hex(table.parts.size() < 2 ? QStringLiteral("4a69bd") : QStringLiteral("4b7bec"));
}

QVariantMap VerbTableModel::row(const ConjugationPart &part)
{
    // A verb-first row leaves out a pronoun already built into the form and greys one that is
    // not needed.
    const bool pronounShown = !part.isVerbFirst || !part.pronounIncorporated;
    const double pronounOpacity = part.isVerbFirst && !part.pronounNeeded ? 0.25 : 1.0;
    return {{QStringLiteral("pronoun"), part.pronoun}, {QStringLiteral("text"), part.text},
        {QStringLiteral("translation"), part.translation}, {QStringLiteral("isVerbFirst"), part.isVerbFirst},
        {QStringLiteral("pronounShown"), pronounShown && !part.pronoun.isEmpty()},
        {QStringLiteral("pronounOpacity"), pronounOpacity}, {QStringLiteral("ttsEnabled"), part.ttsEnabled},
        {QStringLiteral("ttsPhrase"), part.ttsPhrase}, {QStringLiteral("locale"), part.locale},
        {QStringLiteral("styledText"), styled(part)}, {QStringLiteral("irregular"), !part.irregular.isEmpty()}};
}

QString VerbTableModel::styled(const ConjugationPart &part)
{
    // Bold and underlined, so the mark does not rest on colour alone.
    QString text;
    qsizetype at = 0;
    for (const auto &[start, length] : part.irregular) {
        text += part.text.mid(at, start - at).toHtmlEscaped() + u"<b><u>" + part.text.mid(start, length).toHtmlEscaped()
            + u"</u></b>";
        at = start + length;
    }
    return text + part.text.mid(at).toHtmlEscaped();
}

void VerbTableModel::speakInfinitive()
{
    if (verb_)
        speech_.speak(verb_->displayInfinitive(), verb_->locale);
}
