#include "platform/EngineObjects.h"

#include "platform/Logging.h"

#include <QQmlEngine>

EngineObjects::EngineObjects(QQmlEngine &engine)
    : QObject(&engine)
{}

void EngineObjects::provide(QQmlEngine &engine, const QMetaObject &type, Maker maker)
{
    auto *objects = engine.findChild<EngineObjects *>(QString(), Qt::FindDirectChildrenOnly);
    if (!objects)
        objects = new EngineObjects(engine);
    objects->makers_.insert(&type, std::move(maker));
}

QObject *EngineObjects::take(QQmlEngine *engine, const QMetaObject &type)
{
    const auto *objects = engine ? engine->findChild<EngineObjects *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    const Maker maker = objects ? objects->makers_.value(&type) : Maker();
    if (!maker) {
        qCWarning(lcApp).noquote() << u"no " + QString::fromLatin1(type.className()) + u" was given to this engine";
        return nullptr;
    }
    QObject *object = maker();
    QJSEngine::setObjectOwnership(object, QJSEngine::CppOwnership);
    return object;
}
