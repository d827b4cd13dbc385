#pragma once

#include <QString>
#include <memory>

class QSoundEffect;

// Plays a WAV file asynchronously, replacing a sound still playing. A missing
// file or no audio device means silence, never a message or a delay.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void play(const QString& path) = 0;
};

class WavSound final : public Sound {
public:
    WavSound();
    ~WavSound() override;
    void play(const QString& path) override;

private:
    std::unique_ptr<QSoundEffect> effect_;
};
