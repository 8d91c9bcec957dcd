#pragma once

#include <array>

namespace morvane {

// The game's short sounds.
enum class Sound {
    CirclePlaced,  // a ○ went in
    CrossPlaced,   // a × went in
    Refused,       // a cell that takes nothing was chosen
    Won,
    Lost,  // a person lost to the computer
    Drawn,
    HintArrived,
};

inline constexpr std::array<Sound, 7> kSounds{
    Sound::CirclePlaced, Sound::CrossPlaced, Sound::Refused,    Sound::Won,
    Sound::Lost,         Sound::Drawn,       Sound::HintArrived};

// Where a window sends its sounds: the program's player, or a test's recorder.
class SoundSink {
public:
    virtual ~SoundSink() = default;
    // Starts the sound and returns at once; never fails where nothing can be heard.
    virtual void Play(Sound sound) = 0;
};

}  // namespace morvane
