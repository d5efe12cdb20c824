#include "speech/RecordingAudioPlayer.h"

#include "speech/AudioRecording.h"

#include <QFile>

RecordingAudioPlayer::RecordingAudioPlayer(std::shared_ptr<AudioRecording> recording)
    : recording_(std::move(recording))
{}

void RecordingAudioPlayer::play(const QString &filePath, FailureHandler onFailure)
{
    recording_->played.append(filePath);
    if (!looksLikeMp3(filePath) && onFailure)
        onFailure(QStringLiteral("The file ") + filePath + QStringLiteral(" is not an MP3 sound."));
}

bool RecordingAudioPlayer::looksLikeMp3(const QString &filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(3);
    if (head.startsWith("ID3"))
        return true;
    return head.size() >= 2 && quint8(head[0]) == 0xFF && (quint8(head[1]) & 0xE0) == 0xE0;
}
