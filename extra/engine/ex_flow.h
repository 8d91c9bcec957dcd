#pragma once

#include <optional>

namespace morvane {

// Who plays the side with code 4: a person at the keyboard, or the computer ("Program").
enum class ExMode { AgainstPerson = 0, AgainstComputer = 1 };

// A player as the messages and the information name it.
enum class ExPlayer { Mouse, Keybord, Program };

// The messages of the extra game's flow; the window words them. The two questions are answered
// Ｙｅｓ or Ｃａｎｃｅｌ, the rest are notices with one button.
enum class ExMessage {
    MouseFirst,
    KeybordFirst,
    ProgramFirst,
    MouseWon,
    KeybordWon,
    ProgramWon,
    Drawn,  // the one notice that is the system's own message box
    ModeChangeQuestion,
    NewGameQuestion,
    HelpNotice,
    RefusedWhileThinking,
    CloseRefusedWhileThinking,
};

// The commands that are refused while the computer thinks.
enum class ExCommand { SystemMenu, NewGame, Options, Help, Close };

// The keys of the game: the Keybord side's, and Enter, which places for the Mouse side; any
// other key is Other.
enum class ExKey { Space, Up, Down, Left, Right, Enter, Other };

// What the information label shows, as it was last rebuilt: after every change of the board.
// At load and after a new series it shows the mode alone.
struct ExInfo {
    // During a game: the open cells, the cells that are not stones, and who is to move.
    struct Game {
        int openCells = 0;
        int nonStoneCells = 0;
        ExPlayer toMove = ExPlayer::Mouse;
        friend bool operator==(const Game&, const Game&) = default;
    };

    bool modeOnly = true;
    int gameNumber = 1;
    int mouseWins = 0;
    int otherWins = 0;
    int draws = 0;
    std::optional<Game> game;

    friend bool operator==(const ExInfo&, const ExInfo&) = default;
};

// What the flow needs from its window. A message call returns once the message is answered;
// the window shows the match as it is at that moment beneath it.
class ExMatchHost {
public:
    virtual void Tell(ExMessage notice) = 0;
    // True when answered Ｙｅｓ.
    virtual bool Ask(ExMessage question) = 0;
    // The computer has started to think or has rated another cell: the window draws the match
    // at once (no event runs until the computer has moved).
    virtual void ShowThinking() = 0;

protected:
    ~ExMatchHost() = default;
};

}  // namespace morvane
