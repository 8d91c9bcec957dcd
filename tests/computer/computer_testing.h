#pragma once

#include <QList>
#include <QStringList>

#include "computer/search/cell_list.h"
#include "rules/board.h"
#include "rules/yield_hook.h"
#include "tests/rules/board_text.h"

namespace morvane::testing {

inline QList<int> ToList(const CellList& cells) { return QList<int>(cells.begin(), cells.end()); }

// Cells written as (column, row) pairs, for readable expectations.
inline QList<int> Cells(std::initializer_list<std::pair<int, int>> columnRows) {
    QList<int> cells;
    for (const auto& [x, y] : columnRows) {
        cells << CellIndex(x, y);
    }
    return cells;
}

// A yield hook that counts its calls and asks to abandon once it has been called `allowed`
// times (never when allowed is negative).
class YieldRecorder {
public:
    explicit YieldRecorder(int allowed = -1) : allowed_(allowed) {}
    YieldRecorder(const YieldRecorder&) = delete;
    YieldRecorder& operator=(const YieldRecorder&) = delete;

    YieldHook Hook() {
        return YieldHook([this] {
            ++calls_;
            return allowed_ < 0 || calls_ <= allowed_;
        });
    }
    int Calls() const { return calls_; }

private:
    int allowed_;
    int calls_ = 0;
};

}  // namespace morvane::testing
