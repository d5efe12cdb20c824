#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class MainQueue;
class SchoolWorkContext;
class SchoolWorkDelegate;

// The app's record of school work: quiz contexts under one main app context, their activities
// and scores. It lives in memory and is saved whole, as JSON in the app data folder, when asked.
// Lookups and saves answer later, through completions run on the main queue.
class SchoolWork
{
public:
    // Loads the record saved in dataPath, if any; completions run on queue.
    SchoolWork(MainQueue &queue, QString dataPath);
    ~SchoolWork();
    SchoolWork(const SchoolWork &) = delete;
    SchoolWork &operator=(const SchoolWork &) = delete;

    static inline const QString fileName = QStringLiteral("schoolwork.json");

    void setDelegate(SchoolWorkDelegate *delegate) { delegate_ = delegate; }
    [[nodiscard]] SchoolWorkDelegate *delegate() const { return delegate_; }

    [[nodiscard]] SchoolWorkContext &mainAppContext() { return *mainAppContext_; }
    [[nodiscard]] const MainQueue &clock() const { return queue_; }

    // The context error is empty on success.
    using LookupCompletion = std::function<void(SchoolWorkContext *context, const QString &error)>;
    using SaveCompletion = std::function<void(const QString &error)>;

    // Finds the context at path below from, asking the delegate for each missing step, and hands
    // it (or nothing and the reason) to completion.
    void descendantMatchingIdentifierPath(
        SchoolWorkContext &from, const QStringList &path, LookupCompletion completion);
    // Writes the whole record, replacing the file in one step; completion gets the error, if any.
    void save(SaveCompletion completion);

    // Where the record is saved; empty when the app has no data folder.
    [[nodiscard]] QString filePath() const;

private:
    void load();
    SchoolWorkContext *resolve(SchoolWorkContext &from, const QStringList &path, QString &error);
    QString write() const;
    void later(std::function<void()> work);

    MainQueue &queue_;
    QString dataPath_;
    SchoolWorkDelegate *delegate_ = nullptr;
    std::unique_ptr<SchoolWorkContext> mainAppContext_;
    // Queued work checks this, so that a completion never runs after the record is gone.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
