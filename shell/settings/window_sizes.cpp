#include "shell/settings/window_sizes.h"

#include <QtMath>

namespace morvane {

// The battle screen and the extra game's window open at these sizes and grow from there; the
// information, keys, area select and area editor windows scroll. In a network match the battle
// screen is taller by its chat, still small enough for every scale the others allow.
const std::array<WindowSize, 21> kWindowSizes{{
    {"Form1", {648, 376}},        {"FormMsg", {530, 158}},     {"frmAbout", {600, 565}, true},
    {"Form8", {400, 171}},        {"Form9", {560, 337}},       {"FormKeys", {784, 566}, true},
    {"FormRecord", {581, 439}},   {"Form2", {452, 263}},       {"Form3", {645, 434}},
    {"Form3Network", {645, 484}}, {"Form4", {422, 370}},       {"Form5", {341, 216}},
    {"Form6", {725, 455}, true},  {"Form7", {362, 602}, true}, {"FormReview", {651, 467}},
    {"NetHost", {404, 385}},      {"NetJoin", {404, 288}},     {"Formz10", {290, 285}},
    {"Formz11", {508, 365}},      {"Formz12", {344, 206}},     {"Formz13", {490, 420}},
}};

QStringList WindowsTooLarge(int percent, QSize room) {
    QStringList tooLarge;
    for (const WindowSize& window : kWindowSizes) {
        const QSize scaled(qCeil(window.size.width() * percent / 100.0),
                           qCeil(window.size.height() * percent / 100.0));
        const QSize framed = scaled + kWindowFrame;
        if (!window.scrolls && (framed.width() > room.width() || framed.height() > room.height())) {
            tooLarge << QString::fromLatin1(window.name);
        }
    }
    return tooLarge;
}

bool ScaleFits(int percent, QSize room) { return WindowsTooLarge(percent, room).isEmpty(); }

}  // namespace morvane
