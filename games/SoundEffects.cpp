#include "games/SoundEffects.h"

#include "app/Services.h"
#include "platform/Logging.h"
#include "platform/Resources.h"
#include "speech/AudioEngines.h"
#include "speech/AudioPlayer.h"

SoundEffects::SoundEffects(Services &services) : services_(services) {}

SoundEffects::~SoundEffects() = default;

SoundEffects &SoundEffects::shared()
{
    return Services::current().object<SoundEffects>();
}

void SoundEffects::playSound(const QString &name)
{
    const QString path = services_.resources().path(name, QStringLiteral("mp3"));
    if (path.isEmpty()) {
        qCWarning(lcGames).noquote() << QStringLiteral("sound ") + name + QStringLiteral(" not found");
        return;
    }
    std::unique_ptr<AudioPlayer> player = services_.object<AudioEngines>().makePlayer();
    if (!player) {
        qCWarning(lcGames).noquote() << QStringLiteral("error playing sound");
        return;
    }
    audioPlayer_ = std::move(player);
    audioPlayer_->play(path, [](const QString &) { qCWarning(lcGames).noquote() << QStringLiteral("error playing sound"); });
}
