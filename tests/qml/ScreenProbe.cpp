#include "ScreenProbe.h"

#include "platform/ManualMainQueue.h"
#include "progress/ProgressTransfer.h"
#include "speech/AudioEngines.h"
#include "speech/AudioRecording.h"
#include "speech/SpeechSynthesizer.h"
#include "speech/TextToSpeech.h"
#include "support/TestServices.h"
#include "verbs/Tense.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QQuickItem>
#include <QQuickWindow>
#include <QVariantMap>

#include <algorithm>

namespace {

// The learner's store as a saved progress file holds it.
QJsonObject savedStore(TestServices &services)
{
    return QJsonDocument::fromJson(services.progressTransfer().exportJson()).object().value("store").toObject();
}
bool tappable(const QQuickItem *item)
{
    return item->isEnabled()
        && (item->inherits("QQuickAbstractButton") || item->inherits("QQuickMouseArea")
            || item->inherits("QQuickTextInput"));
}

bool under(const QQuickItem *item, const QStringList &types)
{
    for (const QQuickItem *up = item->parentItem(); up; up = up->parentItem()) {
        if (std::any_of(types.begin(), types.end(), [up](const QString &type) {
                return QString::fromLatin1(up->metaObject()->className()).startsWith(type);
            }))
            return true;
    }
    return false;
}

// Whether item lies inside the window, or can be scrolled there by the flickables around it.
bool reachable(const QQuickItem *item)
{
    QRectF rect(0, 0, item->width(), item->height());
    const QQuickItem *inside = item;
    for (const QQuickItem *up = item->parentItem(); up; up = up->parentItem()) {
        if (!up->inherits("QQuickFlickable") || !up->property("interactive").toBool())
            continue;
        const QRectF inContent = inside->mapRectToItem(up->property("contentItem").value<QQuickItem *>(), rect);
        const QRectF content(0, 0, std::max(up->property("contentWidth").toReal(), up->width()),
            std::max(up->property("contentHeight").toReal(), up->height()));
        if (!content.adjusted(-1, -1, 1, 1).contains(inContent))
            return false;
        // Scrolled into view, it lies within the flickable.
        rect = QRectF(0, 0, std::min(inContent.width(), up->width()), std::min(inContent.height(), up->height()));
        inside = up;
    }
    const QRectF window(0, 0, item->window()->width(), item->window()->height());
    return window.adjusted(-1, -1, 1, 1).contains(inside->mapRectToScene(rect));
}

void collectFaults(const QQuickItem *item, const QSizeF &minimum, const QSizeF &keyMinimum,
    const QStringList &keyboards, QStringList &found)
{
    if (!item->isVisible() || item->opacity() == 0)
        return;
    if (tappable(item)) {
        const QSizeF least = under(item, keyboards) ? keyMinimum : minimum;
        const QString name = item->objectName() + u' ' + item->property("text").toString() + u' '
            + QString::number(item->width()) + u'x' + QString::number(item->height());
        if (item->width() < least.width() - 0.5 || item->height() < least.height() - 0.5)
            found.append(u"too small: " + name);
        if (!reachable(item))
            found.append(u"out of reach: " + name);
    }
    for (const QQuickItem *child : item->childItems())
        collectFaults(child, minimum, keyMinimum, keyboards, found);
}

}

QVariant ScreenProbe::stored(const QString &key, const QString &name) const
{
    return savedStore(*services_).value(key).toObject().value(name).toVariant();
}

QStringList ScreenProbe::said() const
{
    QStringList texts;
    if (const AudioRecording *recording = services_->audioEngines().recording()) {
        for (const auto &utterance : recording->said)
            texts.append(utterance.text);
    }
    return texts;
}

void ScreenProbe::setVoices(const QStringList &locales)
{
    if (AudioRecording *recording = services_->audioEngines().recording()) {
        recording->voiceLanguages = locales;
        if (recording->voicesChanged)
            recording->voicesChanged();
    }
}

void ScreenProbe::advance(int ms)
{
    services_->queue().advance(ms);
}

int ScreenProbe::tenseCount(bool byPerson)
{
    const QList<Tense> &tenses = Tense::all();
    return int(
        std::count_if(tenses.begin(), tenses.end(), [byPerson](const Tense &t) { return !byPerson || t.personal; }));
}

QString ScreenProbe::storedText(const QString &key) const
{
    return savedStore(*services_).value(key).toString();
}

void ScreenProbe::hangSpeech()
{
    services_->audioEngines().useSynthesizer([hang = hang_] { return std::make_unique<HangingSynthesizer>(hang); });
    // Made now, so that the voices are listed before the first tap.
    services_->textToSpeech();
}

bool ScreenProbe::speechReady() const
{
    return !services_->textToSpeech().speakTalk().voiceLanguages().isEmpty();
}

void ScreenProbe::releaseSpeech()
{
    hang_->release.release(1000);
}

QSize ScreenProbe::screenSize()
{
    const QStringList parts = qEnvironmentVariable("FLEXIO_SCREEN_SIZE").split(u'x');
    const QSize size(parts.value(0).toInt(), parts.value(1).toInt());
    return size.isEmpty() ? QSize(390, 844) : size;
}

QStringList ScreenProbe::layoutFaults(
    QQuickItem *root, QSizeF minimum, QSizeF keyMinimum, const QStringList &keyboards) const
{
    QStringList found;
    if (root && root->window())
        collectFaults(root, minimum, keyMinimum, keyboards, found);
    return found;
}
