#include "screens/VerbTableModel.h"

#include "screens/MainMenuModel.h"
#include "screens/Theme.h"
#include "speech/TextToSpeech.h"

VerbTableModel::VerbTableModel(TextToSpeech &speech, QObject *parent)
    : QObject(parent)
    , speech_(speech)
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
    if (verb) {
        const QList<Conjugation> tables = verb->conjugationTables();
        for (const Conjugation &table : tables) {
            QVariantList rows;
            for (const ConjugationPart &part : table.parts)
                rows.append(row(part));
            tables_.append(
                QVariantMap{{QStringLiteral("title"), table.title}, {QStringLiteral("gloss"), table.gloss.trimmed()},
                    {QStringLiteral("colour"), cardColour(table)}, {QStringLiteral("rows"), rows}});
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
        {QStringLiteral("ttsPhrase"), part.ttsPhrase}, {QStringLiteral("locale"), part.locale}};
}

void VerbTableModel::speakInfinitive()
{
    if (verb_)
        speech_.speak(verb_->displayInfinitive(), verb_->locale);
}
