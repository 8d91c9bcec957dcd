#include "shell/windows/message_choice.h"

namespace morvane {

MessageChoice::MessageChoice(std::array<bool, kSlotCount> captioned) : captioned_(captioned) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (captioned_[slot]) {
            answer_ = slot;
        }
    }
}

void MessageChoice::Open() {
    selected_ = 0;
    customPointer_ = false;
    highlighted_ = kNothingDrawn;
    Press(MessageKey::Next);
}

bool MessageChoice::Press(MessageKey key) {
    switch (key) {
        case MessageKey::Previous:
            Step(-1);
            break;
        case MessageKey::Next:
            Step(+1);
            break;
        case MessageKey::Choose:
            if (selected_ != kNone && Choose(selected_)) {
                return true;
            }
            break;
        case MessageKey::Other:
            break;
    }
    Highlight(selected_);
    return false;
}

void MessageChoice::Step(int step) {
    if (!HasAnyCaption()) {
        return;
    }
    do {
        selected_ = (selected_ + step + kSlotCount) % kSlotCount;
    } while (!captioned_[selected_]);
}

bool MessageChoice::Highlight(int slot) {
    if (slot < 0 || slot >= kSlotCount || !captioned_[slot] || highlighted_ == slot) {
        return false;
    }
    customPointer_ = true;
    highlighted_ = slot;
    selected_ = slot;
    return true;
}

bool MessageChoice::RemoveHighlight() {
    if (!customPointer_ || highlighted_ == kNone) {
        return false;
    }
    customPointer_ = false;
    highlighted_ = kNone;
    return true;
}

bool MessageChoice::Choose(int slot) {
    if (slot < 0 || slot >= kSlotCount || !captioned_[slot]) {
        return false;
    }
    answer_ = slot;
    return true;
}

}  // namespace morvane
