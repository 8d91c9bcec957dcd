// Writes the endgame corpus that bench_search solves (bench/endgames.txt) to standard output.
// The corpus is made from a fixed seed, so running this again gives the same file.

#include <cstdio>

#include "bench/endgame_maker.h"

namespace {

constexpr unsigned kSeed = 20240;
constexpr int kEndgames = 200;
constexpr int kFewestFree = 11;
constexpr int kMostFree = 20;

}  // namespace

int main() {
    using namespace morvane;
    testing::EndgameMaker maker(kSeed);
    std::printf("# %d endgames: 96 cell codes (cell 0 first) and the side to move (o or x).\n",
                kEndgames);
    std::printf("# Made by make_endgames; half with ◇ and ■, %d to %d free cells.\n", kFewestFree,
                kMostFree);
    for (int round = 0; round < kEndgames; ++round) {
        const bool terrain = round % 2 == 1;
        const int free = kFewestFree + round / 2 % (kMostFree - kFewestFree + 1);
        const std::optional<testing::Endgame> endgame = maker.Next(free, terrain);
        if (!endgame) {
            std::fprintf(stderr, "no endgame with %d free cells\n", free);
            return 1;
        }
        for (const std::int16_t code : endgame->board.cells) {
            std::putchar('0' + code);
        }
        std::printf(" %c\n", endgame->turn == kCircleTurn ? 'o' : 'x');
    }
    return 0;
}
