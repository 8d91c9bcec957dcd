#include "net/protocol/chat.h"

#include <algorithm>

namespace morvane {

namespace {

// Calls visit with each code point of the text, an unpaired surrogate as itself.
template <typename Visit>
void ForEachCodePoint(const QString& text, Visit visit) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t code = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        visit(code);
    }
}

// Control characters (line breaks and tabs among them) and the line and paragraph separators.
bool BreaksTheLine(char32_t code) {
    const QChar::Category category = QChar::category(code);
    return category == QChar::Other_Control || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph;
}

}  // namespace

int ChatLength(const QString& text) {
    int length = 0;
    ForEachCodePoint(text, [&length](char32_t) { ++length; });
    return length;
}

bool IsChatText(const QString& text) {
    int length = 0;
    bool plain = true;
    ForEachCodePoint(text, [&](char32_t code) {
        ++length;
        plain = plain && !QChar::isSurrogate(code) && !BreaksTheLine(code);
    });
    return plain && length >= 1 && length <= kMaxChatLength;
}

QString CleanChatText(const QString& typed) {
    QString clean = typed;
    for (QChar& character : clean) {
        if (BreaksTheLine(character.unicode())) {
            character = u' ';
        }
    }
    return clean.trimmed();
}

bool ChatPace::Pass(qint64 nowMs) {
    const qint64 spentUntil = std::max(creditBackMs_, nowMs);
    if (spentUntil - nowMs > (burst_ - 1) * intervalMs_) {
        return false;
    }
    creditBackMs_ = spentUntil + intervalMs_;
    return true;
}

}  // namespace morvane
