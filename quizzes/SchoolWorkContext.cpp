#include "quizzes/SchoolWorkContext.h"

#include <QJsonArray>

namespace {

const QList<QPair<SchoolWorkContext::Type, QString>> typeNames{
    {SchoolWorkContext::Type::custom, QStringLiteral("custom")},
    {SchoolWorkContext::Type::app, QStringLiteral("app")},
    {SchoolWorkContext::Type::quiz, QStringLiteral("quiz")},
};

SchoolWorkContext::Type typeNamed(const QString &name)
{
    for (const auto &[type, typeName] : typeNames) {
        if (typeName == name)
            return type;
    }
    return SchoolWorkContext::Type::custom;
}

}

SchoolWorkContext::SchoolWorkContext(Type type, QString identifier, QString title)
    : type_(type)
    , identifier_(std::move(identifier))
    , title_(std::move(title))
{}

SchoolWorkContext::~SchoolWorkContext() = default;

SchoolWorkContext *SchoolWorkContext::child(const QString &identifier) const
{
    for (const auto &child : children_) {
        if (child->identifier_ == identifier)
            return child.get();
    }
    return nullptr;
}

SchoolWorkContext &SchoolWorkContext::addChild(std::unique_ptr<SchoolWorkContext> child)
{
    child->parent_ = this;
    children_.push_back(std::move(child));
    return *children_.back();
}

QStringList SchoolWorkContext::identifierPath() const
{
    QStringList path;
    for (const SchoolWorkContext *context = this; context->parent_; context = context->parent_)
        path.prepend(context->identifier_);
    return path;
}

SchoolWorkActivity &SchoolWorkContext::createNewActivity(const MainQueue &clock)
{
    activities_.push_back(std::make_unique<SchoolWorkActivity>(clock));
    return *activities_.back();
}

SchoolWorkActivity *SchoolWorkContext::currentActivity() const
{
    return activities_.empty() ? nullptr : activities_.back().get();
}

QString SchoolWorkContext::description() const
{
    QString text =
        QStringLiteral("SchoolWorkContext(type: %1, identifier: %2, title: %3, display order: %4, active: %5")
            .arg(typeName(type_), identifier_, title_)
            .arg(displayOrder_)
            .arg(active_ ? QStringLiteral("true") : QStringLiteral("false"));
    if (!universalLinkURL_.isEmpty())
        text += u", link: " + universalLinkURL_.toString();
    return text + u')';
}

QString SchoolWorkContext::typeName(Type type)
{
    for (const auto &[known, name] : typeNames) {
        if (known == type)
            return name;
    }
    return QStringLiteral("custom");
}

QJsonObject SchoolWorkContext::toJson() const
{
    QJsonArray activities;
    for (const auto &activity : activities_)
        activities.append(activity->toJson());
    QJsonArray children;
    for (const auto &child : children_)
        children.append(child->toJson());
    QJsonObject json{{QStringLiteral("type"), typeName(type_)}, {QStringLiteral("identifier"), identifier_},
        {QStringLiteral("title"), title_}, {QStringLiteral("topic"), topic_},
        {QStringLiteral("displayOrder"), displayOrder_}, {QStringLiteral("active"), active_},
        {QStringLiteral("activities"), activities}, {QStringLiteral("children"), children}};
    if (!universalLinkURL_.isEmpty())
        json.insert(QStringLiteral("universalLinkURL"), universalLinkURL_.toString());
    return json;
}

std::unique_ptr<SchoolWorkContext> SchoolWorkContext::fromJson(const QJsonObject &json, const MainQueue &clock)
{
    const QJsonValue identifier = json.value(QStringLiteral("identifier"));
    if (!identifier.isString())
        return nullptr;
    auto context = std::make_unique<SchoolWorkContext>(typeNamed(json.value(QStringLiteral("type")).toString()),
        identifier.toString(), json.value(QStringLiteral("title")).toString());
    context->topic_ = json.value(QStringLiteral("topic")).toString();
    context->displayOrder_ = json.value(QStringLiteral("displayOrder")).toInt();
    context->active_ = json.value(QStringLiteral("active")).toBool();
    const QString link = json.value(QStringLiteral("universalLinkURL")).toString();
    if (!link.isEmpty())
        context->universalLinkURL_ = QUrl(link, QUrl::StrictMode);
    const QJsonArray activities = json.value(QStringLiteral("activities")).toArray();
    for (const QJsonValue &activity : activities)
        context->activities_.push_back(SchoolWorkActivity::fromJson(activity.toObject(), clock));
    const QJsonArray children = json.value(QStringLiteral("children")).toArray();
    for (const QJsonValue &child : children) {
        if (auto loaded = fromJson(child.toObject(), clock); loaded && !context->child(loaded->identifier_))
            context->addChild(std::move(loaded));
    }
    return context;
}
