#pragma once

#include <QObject>
#include <QSize>
#include <QSizeF>
#include <QStringList>
#include <QVariant>

#include "support/HangingSynthesizer.h"

class QQuickItem;
class TestServices;

// What the screen tests read behind the screens: the stored values and what was said.
class ScreenProbe : public QObject
{
    Q_OBJECT
    // The test window's size: FLEXIO_SCREEN_SIZE ("1024x1366"), a phone's when unset.
    Q_PROPERTY(QSize screenSize READ screenSize CONSTANT)

public:
    using QObject::QObject;

    // The app objects the probe reads from now on; the test that runs the screens sets them.
    void setServices(TestServices *services) { services_ = services; }

    // The value stored for name under a store key ("flagDictionary", "learntDictionary", ...);
    // undefined when nothing is stored.
    Q_INVOKABLE QVariant stored(const QString &key, const QString &name) const;
    // How many tenses the tense table holds, or only those that go by person.
    Q_INVOKABLE static int tenseCount(bool byPerson);
    // The texts spoken so far, in order.
    Q_INVOKABLE QStringList said() const;
    // The locales the recording synthesiser claims voices for.
    Q_INVOKABLE void setVoices(const QStringList &locales);
    // Moves the manual main queue's clock forward, running the timers and delayed work due.
    Q_INVOKABLE void advance(int ms);
    // From now on the speech engine hangs in every call, until releaseSpeech(); call it before
    // anything speaks.
    Q_INVOKABLE void hangSpeech();
    Q_INVOKABLE void releaseSpeech();
    // Whether the speech engine has listed its voices (an Italian one among them).
    Q_INVOKABLE bool speechReady() const;
    // The stored text for a store key ("LastSelectedVerbSet"); empty when none is stored.
    Q_INVOKABLE QString storedText(const QString &key) const;
    [[nodiscard]] static QSize screenSize();

    // What is wrong with the controls a finger taps (buttons, fields, mouse areas) under root:
    // each that is smaller than minimum (a key, an item under one whose QML type is named in
    // keyboards, than keyMinimum) or lies outside the window where no flickable scrolls it in.
    Q_INVOKABLE QStringList layoutFaults(
        QQuickItem *root, QSizeF minimum, QSizeF keyMinimum, const QStringList &keyboards) const;

private:
    TestServices *services_ = nullptr;
    std::shared_ptr<HangingSynthesizer::Hang> hang_ = std::make_shared<HangingSynthesizer::Hang>();
};
