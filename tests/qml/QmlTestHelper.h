#pragma once

#include <QObject>
#include <QStringList>
#include <QVariant>

// What the screen tests read behind the screens: the stored values and what was said.
class QmlTestHelper : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The value stored for name under a store key ("flagDictionary", "learntDictionary", ...);
    // undefined when nothing is stored.
    Q_INVOKABLE QVariant stored(const QString &key, const QString &name) const;
    // The texts spoken so far, in order.
    Q_INVOKABLE QStringList said() const;
    // The locales the recording synthesiser claims voices for.
    Q_INVOKABLE void setVoices(const QStringList &locales);
    // Runs the main queue's work that falls due within the next ms milliseconds.
    Q_INVOKABLE void advance(int ms);
};
