#include "match/model/info_panel.h"

#include <algorithm>

namespace morvane {
namespace {

constexpr QChar kFullWidthSpace = QChar(0x3000);
// The cursor mark that closes every page: "＿" and eleven full-width spaces, or "_" alone.
const QString kClosingLine =
    QStringLiteral("＿") + QString(InfoPanel::kLineLength - 1, kFullWidthSpace);
const QString kClosingMark = QStringLiteral("_");
// The Japanese separator's width in half-width dashes: the most an English separator takes.
constexpr qsizetype kSeparatorDashes = qsizetype{2} * InfoPanel::kLineLength;
// A row's end among queued rows of ordinary characters.
constexpr QChar kRowEnd = QLatin1Char('\n');

// A line appears dim and brightens by one step per tick until it is fully lit.
constexpr int kFadeStart = 75;
constexpr int kFadeStep = 20;
constexpr int kFadeFull = 255;

Rgb FadeColor(int level) { return Rgb{0, std::min(level, kFadeFull), std::min(level, kFadeFull)}; }

// The length of the longest start of text that fits a row; at least one character, so that
// cutting always moves on.
qsizetype FittingLength(const QString& text, const InfoPanel::RowFits& fits) {
    qsizetype length = 1;
    while (length < text.size() && fits(text.left(length + 1))) {
        ++length;
    }
    return length;
}

// Cuts text into rows that fit: at the last space that lets a row fit, or inside a word too
// long for a row. An empty text is one empty row.
QStringList WrapToRows(const QString& text, const InfoPanel::RowFits& fits) {
    QStringList rows;
    QString rest = text;
    while (!rest.isEmpty() && !fits(rest)) {
        const qsizetype length = FittingLength(rest, fits);
        // A space just after the fitting start ends the row as well as one inside it.
        const qsizetype space = rest.lastIndexOf(QLatin1Char(' '), length);
        const qsizetype end = space > 0 ? space : length;
        rows << rest.left(end);
        rest.remove(0, space > 0 ? end + 1 : end);
    }
    rows << rest;
    return rows;
}

}  // namespace

QString InfoSeparator() { return QStringLiteral("－－－－－－－－－－－－"); }

void InfoPanel::AddInfo(const QString& text) {
    Queue(text);
    pendingSpeech_ << text;
}

void InfoPanel::AddSeparator() {
    if (CutsIntoFixedRows()) {
        Queue(InfoSeparator());
        return;
    }
    const QString dashes(kSeparatorDashes, QLatin1Char('-'));
    Queue(dashes.left(FittingLength(dashes, fits_)));
}

void InfoPanel::Queue(const QString& text) {
    if (!CutsIntoFixedRows()) {
        for (const QString& row : WrapToRows(text, fits_)) {
            pendingText_ += row + kRowEnd;
        }
        return;
    }
    QString rest = text;
    while (rest.size() > kLineLength) {
        pendingText_ += rest.left(kLineLength);
        rest.remove(0, kLineLength);
    }
    if (rest.size() < kLineLength) {
        rest += QString(kLineLength - rest.size(), kFullWidthSpace);
    }
    pendingText_ += rest;
}

void InfoPanel::CutPage() { pageRows_.resize(shownRows_); }

void InfoPanel::ClearPending() {
    pendingText_.clear();
    pendingSpeech_.clear();
}

void InfoPanel::SetPending(const QString& text) {
    pendingText_ = text;
    pendingSpeech_ = {text};
}

QString InfoPanel::PageSpeech() const { return pageRows_.isEmpty() ? QString() : pageSpeech_; }

void InfoPanel::InfoTick() {
    if (IsIdle()) {
        if (!pendingText_.isEmpty()) {
            StartPage();
        }
    } else if (fadeLevel_ < kFadeFull) {
        FadeIn();
    } else {
        ShowNextRow();
    }
}

void InfoPanel::StartPage() {
    ++pagesStarted_;
    pageSpeech_ = pendingSpeech_.join(QLatin1Char(' ')).simplified();
    pendingSpeech_.clear();
    pageRows_.clear();
    if (CutsIntoFixedRows()) {
        // A literal set as it is runs on into the closing line, and the rows with it.
        const QString page = pendingText_ + kClosingLine;
        for (qsizetype start = 0; start < page.size(); start += kLineLength) {
            pageRows_ << page.mid(start, kLineLength);
        }
    } else {
        pageRows_ = (pendingText_ + kClosingMark).split(kRowEnd);
    }
    pendingText_.clear();
    shownRows_ = 0;
    fadeLevel_ = kFadeFull;
    lineNo_ = 0;
    rowText_.fill(QString());
    rowColor_.fill(kBlack);
}

void InfoPanel::FadeIn() {
    fadeLevel_ += kFadeStep;
    rowColor_[static_cast<std::size_t>(lineNo_)] = FadeColor(fadeLevel_);
    if (fadeLevel_ >= kFadeFull) {
        ++shownRows_;
        ++lineNo_;
    }
}

void InfoPanel::ShowNextRow() {
    if (lineNo_ > kRowCount - 1) {
        lineNo_ = kRowCount - 1;
        std::copy(rowText_.begin() + 1, rowText_.end(), rowText_.begin());
    }
    const auto row = static_cast<std::size_t>(lineNo_);
    rowText_[row] = pageRows_[shownRows_];
    fadeLevel_ = kFadeStart;
    rowColor_[row] = FadeColor(fadeLevel_);
}

}  // namespace morvane
