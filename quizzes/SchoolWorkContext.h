#pragma once

#include "quizzes/SchoolWorkActivity.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>
#include <vector>

class MainQueue;

// A place in the app where school work happens (the app itself, a quiz), in a tree under the
// app's main context. A context keeps its activities; the last one created is the current one.
class SchoolWorkContext
{
public:
    enum class Type { custom, app, quiz };

    SchoolWorkContext(Type type, QString identifier, QString title);
    ~SchoolWorkContext();
    SchoolWorkContext(const SchoolWorkContext &) = delete;
    SchoolWorkContext &operator=(const SchoolWorkContext &) = delete;

    static inline const QString topicWorldLanguage = QStringLiteral("worldLanguage");

    [[nodiscard]] Type type() const { return type_; }
    [[nodiscard]] const QString &identifier() const { return identifier_; }
    [[nodiscard]] const QString &title() const { return title_; }
    [[nodiscard]] const QString &topic() const { return topic_; }
    void setTopic(const QString &topic) { topic_ = topic; }
    // Empty when the context has no link.
    [[nodiscard]] const QUrl &universalLinkURL() const { return universalLinkURL_; }
    void setUniversalLinkURL(const QUrl &url) { universalLinkURL_ = url; }
    [[nodiscard]] int displayOrder() const { return displayOrder_; }
    void setDisplayOrder(int order) { displayOrder_ = order; }

    void becomeActive() { active_ = true; }
    void resignActive() { active_ = false; }
    [[nodiscard]] bool isActive() const { return active_; }

    [[nodiscard]] SchoolWorkContext *parent() const { return parent_; }
    [[nodiscard]] SchoolWorkContext *child(const QString &identifier) const;
    [[nodiscard]] int childCount() const { return int(children_.size()); }
    SchoolWorkContext &addChild(std::unique_ptr<SchoolWorkContext> child);
    // Identifiers from below the root down to this context.
    [[nodiscard]] QStringList identifierPath() const;

    // A new activity, which becomes the current one.
    SchoolWorkActivity &createNewActivity(const MainQueue &clock);
    [[nodiscard]] SchoolWorkActivity *currentActivity() const;
    [[nodiscard]] int activityCount() const { return int(activities_.size()); }

    [[nodiscard]] QString description() const;

    static QString typeName(Type type);
    [[nodiscard]] QJsonObject toJson() const;
    // A context tree of an earlier run, or nothing when the record has no identifier.
    static std::unique_ptr<SchoolWorkContext> fromJson(const QJsonObject &json, const MainQueue &clock);

private:
    Type type_;
    QString identifier_;
    QString title_;
    QString topic_;
    QUrl universalLinkURL_;
    int displayOrder_ = 0;
    bool active_ = false;
    SchoolWorkContext *parent_ = nullptr;
    std::vector<std::unique_ptr<SchoolWorkContext>> children_;
    std::vector<std::unique_ptr<SchoolWorkActivity>> activities_;
};
