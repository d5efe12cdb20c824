#pragma once

#include <QHash>
#include <QJSEngine>
#include <QObject>

#include <functional>

class QQmlEngine;

// The objects a QML engine's singletons stand for, handed to the engine by whoever composed the
// app: a singleton's create() takes its object from the engine that asks, so that no class looks
// for its instance in a global. Each object is made on first request and stays its maker's.
class EngineObjects : public QObject
{
    Q_OBJECT

public:
    using Maker = std::function<QObject *()>;

    // The engine's singleton of the given type will be what maker returns.
    static void provide(QQmlEngine &engine, const QMetaObject &type, Maker maker);

    template <typename T> static T *take(QQmlEngine *engine)
    {
        return qobject_cast<T *>(take(engine, T::staticMetaObject));
    }

private:
    explicit EngineObjects(QQmlEngine &engine);
    static QObject *take(QQmlEngine *engine, const QMetaObject &type);

    QHash<const QMetaObject *, Maker> makers_;
};
