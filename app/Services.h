#pragma once

#include <QList>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <typeindex>
#include <typeinfo>
#include <utility>
#include <vector>

class MainQueue;
class Random;
class Resources;
class LearnerStore;
class TenseSetting;
class LanguageSetting;
class VerbDictionary;
class ProgressManager;

// Where the shared objects find the machine: the store file, the bundled resources, the app
// data folder, the main queue and the random source.
struct ServicesConfig
{
    QString storePath;
    QString resourceRoot;
    QString appDataPath;
    std::unique_ptr<MainQueue> mainQueue; // a QTimer queue when empty
    std::optional<std::uint64_t> randomSeed;
    // How long the store gathers changes before it writes them; negative: each change at once.
    int storeWriteDelayMs = -1;

    // The learner's own files under the platform's app data folder, the compiled-in resources.
    static ServicesConfig forApp();
};

// The registry behind every shared() accessor: it owns one of each shared object, creates each
// on first use, and is replaced whole by tests that want fresh objects.
class Services
{
public:
    explicit Services(ServicesConfig config);
    ~Services();
    Services(const Services &) = delete;
    Services &operator=(const Services &) = delete;

    // The installed registry; one for the app is installed on first use when none was.
    static Services &current();
    // Installs a registry in place of the current one, which is destroyed.
    static void install(std::unique_ptr<Services> services);
    static bool isInstalled();

    LearnerStore &learnerStore();
    const Resources &resources() const { return *resources_; }
    MainQueue &mainQueue() { return *mainQueue_; }
    Random &random() { return *random_; }
    [[nodiscard]] const QString &appDataPath() const { return config_.appDataPath; }
    [[nodiscard]] const QString &storePath() const { return config_.storePath; }

    // The one list of tense switches, shared by reference by everyone who holds it.
    const QList<TenseSetting *> &tenseSettings();
    const QList<LanguageSetting *> &languageSettings();

    VerbDictionary &verbDictionary();
    ProgressManager &progressManager();

    // The one T of this registry, made on first use as T(Services &). Later subsystems keep their
    // shared objects here; they are destroyed in the reverse order of their creation, before the
    // objects above.
    template <typename T>
    T &object()
    {
        const std::type_index type(typeid(T));
        for (const auto &[slotType, slot] : objects_) {
            if (slotType == type)
                return *static_cast<T *>(slot.get());
        }
        auto created = std::shared_ptr<T>(new T(*this));
        T &result = *created;
        objects_.emplace_back(type, std::move(created));
        return result;
    }

private:
    ServicesConfig config_;
    std::unique_ptr<Resources> resources_;
    std::unique_ptr<MainQueue> mainQueue_;
    std::unique_ptr<Random> random_;
    std::unique_ptr<LearnerStore> learnerStore_;
    std::optional<QList<TenseSetting *>> tenseSettings_;
    QList<LanguageSetting *> languageSettings_;
    std::unique_ptr<VerbDictionary> verbDictionary_;
    std::unique_ptr<ProgressManager> progressManager_;
    std::vector<std::pair<std::type_index, std::shared_ptr<void>>> objects_;
};
