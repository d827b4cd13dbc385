#include "platform/Sound.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

WavSound::WavSound() = default;
WavSound::~WavSound() = default;

void WavSound::play(const QString& path)
{
    if (!QFileInfo::exists(path))
        return;
    // Created on first use: constructing the effect touches the audio system,
    // which a program that never plays a sound should not pay for.
    if (!effect_)
        effect_ = std::make_unique<QSoundEffect>();
    effect_->stop();
    const QUrl url = QUrl::fromLocalFile(path);
    if (effect_->source() != url)
        effect_->setSource(url);
    effect_->play();
}
