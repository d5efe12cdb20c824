#include "games/SoundEffects.h"

#include "platform/Logging.h"
#include "platform/Resources.h"
#include "speech/AudioEngines.h"
#include "speech/AudioPlayer.h"

SoundEffects::SoundEffects(const Resources &resources, AudioEngines &engines)
    : resources_(resources)
    , engines_(engines)
{}

SoundEffects::~SoundEffects() = default;

void SoundEffects::playSound(const QString &name)
{
    const QString path = resources_.path(name, QStringLiteral("mp3"));
    if (path.isEmpty()) {
        qCWarning(lcGames).noquote() << QStringLiteral("sound ") + name + QStringLiteral(" not found");
        return;
    }
    std::unique_ptr<AudioPlayer> player = engines_.makePlayer();
    if (!player) {
        qCWarning(lcGames).noquote() << QStringLiteral("error playing sound");
        return;
    }
    audioPlayer_ = std::move(player);
    audioPlayer_->play(
        path, [](const QString &) { qCWarning(lcGames).noquote() << QStringLiteral("error playing sound"); });
}
