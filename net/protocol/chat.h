#pragma once

#include <QString>
#include <QtGlobal>
#include <limits>

namespace morvane {

// A line of chat is plain text of 1 to kMaxChatLength characters as a player sees them (code
// points, so that a character outside the Basic Multilingual Plane counts once), with no
// control character, line or paragraph separator or unpaired surrogate: one line, shown as
// typed and never read as markup.
inline constexpr int kMaxChatLength = 200;

// Chat came with protocol 2.1: a side sends it only to a side whose hello says 2.1 or later.
inline constexpr int kChatSinceMinor = 1;

// Lines of chat a side may send: kChatSendBurst at once, then one a kChatIntervalMs.
inline constexpr int kChatSendBurst = 3;
// Lines a side takes before the other side's chat is a flood: well above what a side sends, so
// that lines bunched up on the way still pass, and well below kMaxMessagesPerSecond, so that
// chat never uses up the room the moves need.
inline constexpr int kChatReceiveBurst = 8;
inline constexpr qint64 kChatIntervalMs = 1'000;

// The text's length in code points; an unpaired surrogate counts as one.
int ChatLength(const QString& text);

// Whether the text may travel as a line of chat (see kMaxChatLength).
bool IsChatText(const QString& text);

// What a typed line sends: each control character and line or paragraph separator (a pasted
// line break, a tab) becomes a space, and spaces at either end go. Empty when nothing is left
// to send.
QString CleanChatText(const QString& typed);

// Paces lines of chat: a burst of lines at once, then one an interval, counted on the clock
// that is passed in (a generic cell rate: each line takes an interval of credit, and credit
// builds up to the burst while no line passes).
class ChatPace {
public:
    ChatPace(int burst, qint64 intervalMs) : burst_(burst), intervalMs_(intervalMs) {}

    // Whether a line may pass at nowMs; a line that passes is counted.
    bool Pass(qint64 nowMs);

private:
    int burst_;
    qint64 intervalMs_;
    // When the credit spent so far has built up again; nothing spent before the first line.
    qint64 creditBackMs_ = std::numeric_limits<qint64>::min();
};

}  // namespace morvane
