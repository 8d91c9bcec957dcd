#pragma once

#include <QList>

#include "shell/sound/sound_sink.h"

namespace morvane::testing {

// Stands in for the program's sound player: notes each sound asked for.
class RecordingSink : public SoundSink {
public:
    void Play(Sound sound) override { played << sound; }
    QList<Sound> played;
};

}  // namespace morvane::testing
