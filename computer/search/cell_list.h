#pragma once

#include <array>
#include <cassert>
#include <initializer_list>

#include "rules/board.h"

namespace morvane {

// A list of up to 96 cell indices in the order they were added. Fixed size: the computer player
// builds several per move and must not allocate while it thinks.
class CellList {
public:
    CellList() = default;
    CellList(std::initializer_list<int> cells) {
        for (const int cell : cells) {
            Add(cell);
        }
    }

    void Add(int cell) {
        assert(size_ < kCellCount);
        cells_[static_cast<std::size_t>(size_++)] = cell;
    }
    void Clear() { size_ = 0; }
    // The list becomes just this cell (a new best score was found).
    void Restart(int cell) {
        size_ = 0;
        Add(cell);
    }

    int Size() const { return size_; }
    bool Empty() const { return size_ == 0; }
    // The last used position, -1 when empty: the range of the final random draw.
    int LastPosition() const { return size_ - 1; }
    int operator[](int position) const {
        assert(position >= 0 && position < size_);
        return cells_[static_cast<std::size_t>(position)];
    }

    const int* begin() const { return cells_.data(); }
    const int* end() const { return cells_.data() + size_; }

    friend bool operator==(const CellList& a, const CellList& b) {
        if (a.size_ != b.size_) {
            return false;
        }
        for (int i = 0; i < a.size_; ++i) {
            if (a[i] != b[i]) {
                return false;
            }
        }
        return true;
    }

private:
    std::array<int, kCellCount> cells_{};
    int size_ = 0;
};

}  // namespace morvane
