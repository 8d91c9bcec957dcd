#pragma once

#include <array>

namespace morvane {

// What a key does in the message dialog.
enum class MessageKey {
    Previous,  // Left or Up
    Next,      // Right or Down
    Choose,    // Space or Enter
    Other,     // any other key
};

// The message dialog's button logic: which slots have a caption, the slot that Space or Enter
// would choose (`SelectedButton`), the slot drawn highlighted (`HighlightedButton`), whether the
// custom pointer is shown, and the answer (`MessageAnswer`). The dialog draws this state.
class MessageChoice {
public:
    static constexpr int kSlotCount = 3;
    // The answer when no slot has a caption; also "nothing highlighted".
    static constexpr int kNone = -1;
    // The highlight right after opening, before anything has been drawn: a value no slot has.
    static constexpr int kNothingDrawn = kSlotCount;

    // The answer starts as the highest slot with a caption, which is also what closing the
    // dialog by its frame answers.
    explicit MessageChoice(std::array<bool, kSlotCount> captioned);

    bool HasAnyCaption() const { return answer_ != kNone; }

    // The opening: select slot 0 and move on as the Down key does, so the first captioned slot
    // in the order 1, 2, 0 ends up selected and highlighted.
    void Open();

    // Handles a key. True when it chose a slot (the dialog then closes); otherwise the
    // selected slot is highlighted.
    bool Press(MessageKey key);

    // The pointer over the slot: highlights and selects it. False when nothing changed (an
    // empty slot, or the one already highlighted).
    bool Highlight(int slot);

    // The pointer over the text or the background: removes the highlight but keeps the
    // selection, so Space or Enter still choose the last highlighted slot. False when there
    // was nothing to remove.
    bool RemoveHighlight();

    // Chooses a captioned slot as the answer. False for an empty slot.
    bool Choose(int slot);

    bool captioned(int slot) const { return captioned_[slot]; }
    int answer() const { return answer_; }
    int selected() const { return selected_; }
    int highlighted() const { return highlighted_; }
    bool customPointer() const { return customPointer_; }

private:
    // Moves the selection by step (+1 or -1) with wrap-around to the next captioned slot.
    void Step(int step);

    std::array<bool, kSlotCount> captioned_;
    int answer_ = kNone;
    int selected_ = 0;
    int highlighted_ = kNothingDrawn;
    bool customPointer_ = false;
};

}  // namespace morvane
