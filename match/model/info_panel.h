#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <utility>

#include "match/model/rgb.h"

namespace morvane {

// The battle screen's message pane: 14 rows. Text is queued, cut into rows and shown one row
// per step, each row fading in from dark to bright cyan, the rows scrolling up when a page has
// more rows than the pane. The screen's tick drives it through InfoTick; the window draws the
// rows' captions and colours.
//
// Japanese text, every character full-width, is cut into rows of exactly 12 characters. Text of
// ordinary characters (English) is cut at spaces into the longest rows that fit the pane as the
// window draws it, a word too long for a row where it must.
class InfoPanel {
public:
    static constexpr int kRowCount = 14;
    static constexpr int kLineLength = 12;

    // Whether a text fits one row of the pane as drawn.
    using RowFits = std::function<bool(const QString& row)>;

    // Japanese: rows of 12 full-width characters.
    InfoPanel() = default;
    // Ordinary characters: rows as wide as fits allows; rows end in line breaks while queued.
    explicit InfoPanel(RowFits fits) : fits_(std::move(fits)) {}

    // Queues text for the next page, starting a new row. Japanese: cut into rows of exactly 12
    // characters, a shorter rest padded with full-width spaces, so an empty text queues a blank
    // row. Ordinary characters: cut at spaces, unpadded.
    void AddInfo(const QString& text);
    // Queues a separator row: twelve full-width dashes, or as many dashes as fit a row.
    void AddSeparator();
    // The page on screen counts as fully shown: the rest of it is dropped and the pane is idle.
    void CutPage();
    // Drops everything queued.
    void ClearPending();
    // Queues a literal as it is, replacing whatever was queued; it is neither cut nor padded.
    void SetPending(const QString& text);
    // One animation step.
    void InfoTick();
    // Every row of the page has faded in (or the page was cut).
    bool IsIdle() const { return shownRows_ == pageRows_.size(); }
    // Idle with nothing queued: further steps would change nothing.
    bool IsSettled() const { return IsIdle() && pendingText_.isEmpty(); }

    const QString& RowText(int row) const { return rowText_.at(static_cast<std::size_t>(row)); }
    Rgb RowColor(int row) const { return rowColor_.at(static_cast<std::size_t>(row)); }
    const QString& PendingText() const { return pendingText_; }
    // Pages started so far: a window that remembers the count learns of each new page.
    int PagesStarted() const { return pagesStarted_; }
    // The page on screen as one text to be spoken: its texts as they were queued, not cut into
    // rows, without the separators, joined by spaces. Spoken at once, a page is heard whole
    // rather than row by row, each row cutting off the one before. Empty when the page was cut
    // before any of its rows showed.
    QString PageSpeech() const;

private:
    bool CutsIntoFixedRows() const { return !fits_; }
    void Queue(const QString& text);
    void StartPage();
    void FadeIn();
    void ShowNextRow();

    RowFits fits_;
    QString pendingText_;
    QStringList pendingSpeech_;  // the texts queued, as they came
    QString pageSpeech_;
    QStringList pageRows_;     // the page being shown, closing row included
    qsizetype shownRows_ = 0;  // rows of the page fully shown so far
    int fadeLevel_ = 0;        // brightness of the row fading in, 75..255
    int lineNo_ = 0;           // pane row receiving or having just received a page row
    int pagesStarted_ = 0;
    std::array<QString, kRowCount> rowText_{};
    std::array<Rgb, kRowCount> rowColor_{};
};

// The separator row among Japanese texts: twelve full-width dashes.
QString InfoSeparator();

}  // namespace morvane
