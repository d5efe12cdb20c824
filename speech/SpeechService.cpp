#include "speech/SpeechService.h"

#include <QSettings>

#include <optional>

namespace {

QString configuredValue(const char *variable, const QSettings *file, const QString &key)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() || !file)
        return value;
    return file->value(key).toString();
}

}

SpeechService SpeechService::configured(const QString &configFile)
{
    std::optional<QSettings> file;
    if (!configFile.isEmpty())
        file.emplace(configFile, QSettings::IniFormat);
    const QSettings *settings = file ? &*file : nullptr;
    return {configuredValue("FLEXIO_TTS_ENDPOINT", settings, QStringLiteral("endpoint")),
        configuredValue("FLEXIO_TTS_TOKEN", settings, QStringLiteral("token"))};
}
