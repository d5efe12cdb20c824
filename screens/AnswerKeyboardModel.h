#pragma once

#include <QObject>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

class LearnerDatabase;

// The answer keyboard's keys and whether it shows. It shows by default unless the system reports a
// hardware keyboard and no touch screen (a desktop); the learner's own choice, once made, is kept
// in the store.
class AnswerKeyboardModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Screens get the answer keyboard from ScreenModels")
    Q_PROPERTY(QStringList keys READ keys CONSTANT)
    Q_PROPERTY(bool shown READ shown WRITE setShown NOTIFY shownChanged)

public:
    struct Devices
    {
        bool touchScreen = false;
        bool keyboard = false;
    };
    AnswerKeyboardModel(LearnerDatabase &store, Devices devices, QObject *parent = nullptr);
    // The input devices the system reports now.
    static Devices systemDevices();

    [[nodiscard]] static QStringList keys();
    [[nodiscard]] bool shown() const;
    void setShown(bool shown);

signals:
    void shownChanged();

private:
    LearnerDatabase &store_;
    Devices devices_;
};
