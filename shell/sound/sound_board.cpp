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
namespace {

// While alive, drops the warnings Qt's audio layer prints when no sound server runs: for this
// player that is an expected case, met in silence.
class QuietAudioServer {
public:
    QuietAudioServer() { previous() = qInstallMessageHandler(&Filter); }
    ~QuietAudioServer() { qInstallMessageHandler(previous()); }
    QuietAudioServer(const QuietAudioServer&) = delete;
    QuietAudioServer& operator=(const QuietAudioServer&) = delete;

private:
    static QtMessageHandler& previous() {
        static QtMessageHandler handler = nullptr;
        return handler;
    }
    static void Filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.startsWith(QLatin1String("PulseAudioService"))) {
            previous()(type, context, message);
        }
    }
};

}  // namespace

SoundBoard::SoundBoard(const SettingsStore& store) : store_(store) {}

SoundBoard::~SoundBoard() = default;

void SoundBoard::Play(Sound sound) {
    if (!ReadViewToggle(store_, ViewToggle::Sound) || !Ready()) {
        return;
    }
    if (const auto& effect = effects_[static_cast<std::size_t>(sound)]) {
        effect->play();
    }
}

bool SoundBoard::Ready() {
    if (hasOutput_) {
        return *hasOutput_;
    }
    {
        const QuietAudioServer quiet;
        hasOutput_ = !QMediaDevices::audioOutputs().isEmpty();
    }
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
        effects_[index] = std::make_unique<QSoundEffect>();
        effects_[index]->setSource(QUrl::fromLocalFile(file.fileName()));
    }
    return true;
}

}  // namespace morvane
