#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "match/model/rgb.h"

namespace morvane {

// The battle screen's message pane: 14 rows of 12 full-width characters. Text is queued, cut
// into 12-character lines and shown one line per step, each line fading in from dark to bright
// cyan, the rows scrolling up when a page has more lines than rows. The screen's tick drives it
// through InfoTick; the window draws the rows' captions and colours.
class InfoPanel {
public:
    static constexpr int kRowCount = 14;
    static constexpr int kLineLength = 12;

    // Queues text for the next page, cut into lines of exactly 12 characters; a shorter rest is
    // padded with full-width spaces, so an empty text queues a blank line.
    void AddInfo(const QString& text);
    // The page on screen counts as fully shown: the rest of it is dropped and the pane is idle.
    void CutPage();
    // Drops everything queued.
    void ClearPending();
    // Queues a literal as it is, replacing whatever was queued; it is neither cut nor padded.
    void SetPending(const QString& text);
    // One animation step.
    void InfoTick();
    // Every line of the page has faded in (or the page was cut).
    bool IsIdle() const { return shownText_ == pageText_; }
    // Idle with nothing queued: further steps would change nothing.
    bool IsSettled() const { return IsIdle() && pendingText_.isEmpty(); }

    const QString& RowText(int row) const { return rowText_.at(static_cast<std::size_t>(row)); }
    Rgb RowColor(int row) const { return rowColor_.at(static_cast<std::size_t>(row)); }
    const QString& PendingText() const { return pendingText_; }
    // Pages started so far: a window that remembers the count learns of each new page.
    int PagesStarted() const { return pagesStarted_; }
    // The page on screen as one text to be spoken: its texts as they were queued, not cut into
    // lines, without the separators, joined by spaces. Spoken at once, a page is heard whole
    // rather than line by line, each line cutting off the one before. Empty when the page was
    // cut before any of its lines showed.
    QString PageSpeech() const;

private:
    void StartPage();
    void FadeIn();
    void ShowNextLine();

    QString pendingText_;
    QStringList pendingSpeech_;  // the texts queued, as they came
    QString pageSpeech_;
    QString pageText_;   // the page being shown, closing line included
    QString shownText_;  // the lines of the page fully shown so far
    int fadeLevel_ = 0;  // brightness of the line fading in, 75..255
    int lineNo_ = 0;     // row receiving or having just received a line
    int pageLine_ = 0;   // lines of the page taken so far
    int pagesStarted_ = 0;
    std::array<QString, kRowCount> rowText_{};
    std::array<Rgb, kRowCount> rowColor_{};
};

// The separator line of twelve full-width dashes.
QString InfoSeparator();

}  // namespace morvane
