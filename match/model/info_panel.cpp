#include "match/model/info_panel.h"

#include <algorithm>

namespace morvane {
namespace {

constexpr QChar kFullWidthSpace = QChar(0x3000);
// The cursor mark that closes every page: "＿" and eleven full-width spaces.
const QString kClosingLine =
    QStringLiteral("＿") + QString(InfoPanel::kLineLength - 1, kFullWidthSpace);

// A line appears dim and brightens by one step per tick until it is fully lit.
constexpr int kFadeStart = 75;
constexpr int kFadeStep = 20;
constexpr int kFadeFull = 255;

Rgb FadeColor(int level) { return Rgb{0, std::min(level, kFadeFull), std::min(level, kFadeFull)}; }

}  // namespace

QString InfoSeparator() { return QStringLiteral("－－－－－－－－－－－－"); }

void InfoPanel::AddInfo(const QString& text) {
    QString rest = text;
    while (rest.size() > kLineLength) {
        pendingText_ += rest.left(kLineLength);
        rest.remove(0, kLineLength);
    }
    if (rest.size() < kLineLength) {
        rest += QString(kLineLength - rest.size(), kFullWidthSpace);
    }
    pendingText_ += rest;
    pendingSpeech_ << text;
}

void InfoPanel::CutPage() { pageText_ = shownText_; }

void InfoPanel::ClearPending() {
    pendingText_.clear();
    pendingSpeech_.clear();
}

void InfoPanel::SetPending(const QString& text) {
    pendingText_ = text;
    pendingSpeech_ = {text};
}

QString InfoPanel::PageSpeech() const { return pageText_.isEmpty() ? QString() : pageSpeech_; }

void InfoPanel::InfoTick() {
    if (IsIdle()) {
        if (!pendingText_.isEmpty()) {
            StartPage();
        }
    } else if (fadeLevel_ < kFadeFull) {
        FadeIn();
    } else {
        ShowNextLine();
    }
}

void InfoPanel::StartPage() {
    ++pagesStarted_;
    pendingSpeech_.removeAll(InfoSeparator());
    pageSpeech_ = pendingSpeech_.join(QLatin1Char(' ')).simplified();
    pendingSpeech_.clear();
    pageText_ = pendingText_ + kClosingLine;
    pendingText_.clear();
    shownText_.clear();
    fadeLevel_ = kFadeFull;
    lineNo_ = 0;
    pageLine_ = 0;
    rowText_.fill(QString());
    rowColor_.fill(kBlack);
}

void InfoPanel::FadeIn() {
    fadeLevel_ += kFadeStep;
    rowColor_[static_cast<std::size_t>(lineNo_)] = FadeColor(fadeLevel_);
    if (fadeLevel_ >= kFadeFull) {
        shownText_ += rowText_[static_cast<std::size_t>(lineNo_)];
        ++lineNo_;
    }
}

void InfoPanel::ShowNextLine() {
    if (lineNo_ > kRowCount - 1) {
        lineNo_ = kRowCount - 1;
        std::copy(rowText_.begin() + 1, rowText_.end(), rowText_.begin());
    }
    const auto row = static_cast<std::size_t>(lineNo_);
    rowText_[row] = pageText_.mid(static_cast<qsizetype>(pageLine_) * kLineLength, kLineLength);
    ++pageLine_;
    fadeLevel_ = kFadeStart;
    rowColor_[row] = FadeColor(fadeLevel_);
}

}  // namespace morvane
