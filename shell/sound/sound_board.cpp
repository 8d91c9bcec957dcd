#include "shell/sound/sound_board.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "shell/settings/settings_store.h"
#include "shell/settings/view_toggles.h"
#include "shell/sound/sound_log.h"
#include "shell/sound/sound_waves.h"

namespace morvane {

SoundBoard::SoundBoard(const SettingsStore& store) : store_(store) {}

SoundBoard::~SoundBoard() {
    for (QSoundEffect* effect : effects_) {
        delete effect;
    }
}

void SoundBoard::Play(Sound sound) {
    if (!ReadViewToggle(store_, ViewToggle::Sound) || !Ready()) {
        return;
    }
    QSoundEffect* effect = effects_[static_cast<std::size_t>(sound)];
    if (effect) {
        effect->play();
    }
}

bool SoundBoard::Ready() {
    if (hasOutput_) {
        return *hasOutput_;
    }
    hasOutput_ = !QMediaDevices::audioOutputs().isEmpty();
    if (!*hasOutput_) {
        qCDebug(soundLog, "no audio output: the game stays silent");
        return false;
    }
    folder_ = std::make_unique<QTemporaryDir>();
    for (const Sound sound : kSounds) {
        const auto index = static_cast<std::size_t>(sound);
        QFile file(folder_->filePath(QStringLiteral("sound-%1.wav").arg(index)));
        if (!file.open(QIODevice::WriteOnly) || file.write(SoundWave(sound)) < 0) {
            qCWarning(soundLog, "cannot write the sound file %s", qPrintable(file.fileName()));
            continue;
        }
        file.close();
        auto* effect = new QSoundEffect;
        effect->setSource(QUrl::fromLocalFile(file.fileName()));
        effects_[index] = effect;
    }
    return true;
}

}  // namespace morvane
