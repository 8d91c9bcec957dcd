#pragma once

#include <QObject>
#include <functional>

#include "shell/settings/look_setting.h"
#include "shell/sound/sound_sink.h"

namespace morvane {

// The extra game's entrance, for the program's wiring: Open() shows the notes window
// `Formz10`; its closing opens the game window `Formz11`; when that closes, closed() is
// emitted (the title window is then to be shown again). Each window deletes itself when it
// closes, and every Open() starts afresh (counters and terrain draws as at first opening).
class ExtraGame : public QObject {
    Q_OBJECT

public:
    // The game window plays its sounds through the given sink; none: silence.
    explicit ExtraGame(SoundSink* sounds = nullptr, QObject* parent = nullptr);

    void Open();

    // The game window offers the looks in a view menu, and choosing one calls choose with the
    // window; none given: no view menu.
    void SetLookChoice(std::function<void(QWidget* window, Look look)> choose) {
        chooseLook_ = std::move(choose);
    }

signals:
    void closed();

private:
    void OpenGameWindow();

    SoundSink* sounds_;
    std::function<void(QWidget* window, Look look)> chooseLook_;
};

}  // namespace morvane
