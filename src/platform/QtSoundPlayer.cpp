#include "QtSoundPlayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace lumeport {

QtSoundPlayer::QtSoundPlayer(QObject* parent)
    : QObject(parent) {}

QSoundEffect* QtSoundPlayer::effectFor(const QString& path) {
    if (QSoundEffect* known = effects_.value(path)) return known;
    auto* effect = new QSoundEffect(this);
    effect->setSource(QUrl::fromLocalFile(path));
    effects_.insert(path, effect);
    return effect;
}

void QtSoundPlayer::Play(const QString& path) {
    if (!QFileInfo(path).isFile()) return;
    if (playing_) playing_->stop();
    playing_ = effectFor(path);
    playing_->play();
}

} // namespace lumeport
