#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// What the recording synthesiser and players were asked to do, for logic tests.
struct AudioRecording
{
    struct Utterance
    {
        QString text;
        QString locale;
        bool operator==(const Utterance &) const = default;
    };

    // The built-in voices the recording synthesiser claims, one entry per voice.
    QStringList voiceLanguages{QStringLiteral("it-IT"), QStringLiteral("en-GB")};
    // Set by the synthesiser: whoever changes voiceLanguages calls it.
    std::function<void()> voicesChanged;
    QList<Utterance> said;
    // Utterances cut off by stop() before they ended.
    QStringList interrupted;
    // The utterance under way; empty when the synthesiser is quiet.
    QString speaking;
    int stops = 0;

    // Every file handed to a recording player, in order.
    QStringList played;
    // False: no player can be made, as on a machine without an audio back end.
    bool playersAvailable = true;
};
