#pragma once

#include <QString>

// Where the external text-to-speech service answers and the token it asks for. Nothing is built
// in: each value comes from the environment (FLEXIO_TTS_ENDPOINT, FLEXIO_TTS_TOKEN) or else from
// the learner's configuration file (lines "endpoint=https://..." and "token=..."); without an
// endpoint no clip is ever fetched.
struct SpeechService
{
    QString endpoint;
    QString token;

    // configFile may be empty or missing: then only the environment counts.
    static SpeechService configured(const QString &configFile);
};
