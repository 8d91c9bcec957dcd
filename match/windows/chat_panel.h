#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>

#include "match/windows/info_announcer.h"

class QLineEdit;

namespace morvane {

// The last lines said, each wrapped to the width, the newest at the bottom; older ones give way
// at the top, a whole row of text at a time. Drawn as plain text on a panel like the screen's.
class ChatLog : public QWidget {
    Q_OBJECT

public:
    explicit ChatLog(QWidget* parent);

    void AddLine(const QString& line);
    // The lines kept, the newest last: more than the panel can show.
    const QStringList& lines() const { return lines_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList lines_;
};

// The battle screen's chat in a network game: a field to type a line in and the last lines said,
// each after its speaker's name, always as plain text (a line is never read as markup).
// Enter sends the line typed, an empty one not at all; Esc gives the keys back to the screen.
// Each line shown is spoken to a screen reader too.
class ChatPanel : public QWidget {
    Q_OBJECT

public:
    // Passes a typed line on (as CleanChatText leaves it, never empty); true once it went.
    using SendFunction = std::function<bool(const QString& line)>;

    // window: the battle screen, where the lines are spoken and which takes the keys back.
    ChatPanel(SendFunction send, QWidget* window, QWidget* parent);

    // The panel's height at the display scale 100.
    static constexpr int kHeight = 50;
    // The key that gives the field the keys on the battle screen.
    static constexpr QKeyCombination kKey{Qt::Key_T};

    // Shows a line said under the speaker's name, and has it spoken.
    void AddLine(const QString& name, const QString& text);
    // Whether a line can be typed and sent now; a closed field gives the keys back.
    void SetOpen(bool open);
    // Gives the field the keys; false when it cannot take them (hidden or closed).
    bool TakeKeys();
    // Whether the field has the keys.
    bool Typing() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The field's texts, given as the panel shows (so that a screen that never plays a network
    // match holds none of them) and again in another language.
    void NameField();
    void SendTyped();

    SendFunction send_;
    QWidget* window_;
    QLineEdit* field_;
    ChatLog* log_;
    InfoAnnouncer announcer_;
};

}  // namespace morvane
