#pragma once
// Interface sounds through Qt Multimedia: each file is loaded once and kept ready, so a press
// sounds at once.

#include "SoundPlayer.h"

#include <QHash>
#include <QObject>

class QSoundEffect;

namespace lumeport {

class QtSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    explicit QtSoundPlayer(QObject* parent = nullptr);
    void Play(const QString& path) override;

private:
    QSoundEffect* effectFor(const QString& path);

    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* playing_ = nullptr;
};

} // namespace lumeport
