#include "speech/module/QtSpeechSynthesizer.h"

#include <QTextToSpeech>

QtSpeechSynthesizer::QtSpeechSynthesizer()
    : engine_(std::make_unique<QTextToSpeech>())
{}

QtSpeechSynthesizer::~QtSpeechSynthesizer() = default;

QString QtSpeechSynthesizer::localeText(const QLocale &locale)
{
    return locale.name().replace(u'_', u'-');
}

QStringList QtSpeechSynthesizer::voiceLanguages()
{
    if (voiceLanguages_)
        return *voiceLanguages_;
    if (engine_->state() == QTextToSpeech::Error)
        return {};
    // Qt 6.4 gives no locale per voice, only the voices of the current locale.
    const QLocale current = engine_->locale();
    QStringList languages;
    const QList<QLocale> locales = engine_->availableLocales();
    for (const QLocale &locale : locales) {
        engine_->setLocale(locale);
        const QString text = localeText(locale);
        const qsizetype count = engine_->availableVoices().size();
        for (qsizetype i = 0; i < count; ++i)
            languages.append(text);
    }
    engine_->setLocale(current);
    voiceLanguages_ = languages;
    return languages;
}

void QtSpeechSynthesizer::stop()
{
    engine_->stop();
}

void QtSpeechSynthesizer::speak(const QString &text, const QString &locale)
{
    const QLocale wanted(QString(locale).replace(u'-', u'_'));
    if (engine_->locale() != wanted)
        engine_->setLocale(wanted);
    engine_->say(text);
}

void QtSpeechSynthesizer::onSpeakingChanged(std::function<void(bool speaking)> listener)
{
    QObject::connect(engine_.get(), &QTextToSpeech::stateChanged, engine_.get(),
        [listener = std::move(listener)](QTextToSpeech::State state) { listener(state == QTextToSpeech::Speaking); });
}
