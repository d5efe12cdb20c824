#include "speech/PlatformAudio.h"

#include "platform/Logging.h"
#include "speech/AudioPlayer.h"
#include "speech/SpeechSynthesizer.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QMutex>

namespace {

struct Module
{
    // Kept for the whole run; the library stays loaded when it goes, since the objects it made
    // may outlive any owner.
    std::unique_ptr<QLibrary> library;
    MakeSynthesizerFunction *makeSynthesizer = nullptr;
    MakePlayerFunction *makePlayer = nullptr;
};

QStringList moduleFolders()
{
    QStringList folders;
    if (const QString dir = qEnvironmentVariable("FLEXIO_MODULE_DIR"); !dir.isEmpty())
        folders.append(dir);
    folders.append(QCoreApplication::applicationDirPath());
    folders.append(QStringLiteral(FLEXIO_INSTALLED_MODULE_DIR));
    return folders;
}

Module load()
{
    QString errors;
    for (const QString &folder : moduleFolders()) {
        auto library = std::make_unique<QLibrary>(folder + QStringLiteral("/flexio-audio"));
        if (library->load()) {
            auto *makeSynthesizer =
                reinterpret_cast<MakeSynthesizerFunction *>(library->resolve("flexioMakeSynthesizer"));
            auto *makePlayer = reinterpret_cast<MakePlayerFunction *>(library->resolve("flexioMakePlayer"));
            if (makeSynthesizer && makePlayer)
                return Module{std::move(library), makeSynthesizer, makePlayer};
        }
        errors += u"\n  " + library->errorString();
    }
    qCWarning(lcSpeech).noquote() << u"the speech and sound module cannot be loaded, so the app is silent:" + errors;
    return {};
}

const Module &module()
{
    // The synthesiser is made on its own thread, the players on the main thread.
    static const Module loaded = load();
    return loaded;
}

}

std::unique_ptr<SpeechSynthesizer> PlatformAudio::makeSynthesizer()
{
    return std::unique_ptr<SpeechSynthesizer>(module().makeSynthesizer ? module().makeSynthesizer() : nullptr);
}

std::unique_ptr<AudioPlayer> PlatformAudio::makePlayer()
{
    return std::unique_ptr<AudioPlayer>(module().makePlayer ? module().makePlayer() : nullptr);
}
