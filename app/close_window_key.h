#pragma once

#include <QObject>

namespace morvane {

// Ctrl+W closes the window that has the keyboard exactly as the close box of its frame does:
// the window's own close handling decides (the same question, the same refusal while the
// computer thinks), and closing the title window ends the program. Windows shown over VNC have
// no frame, so this is their way to close; it works on a desktop too. Installed once, on the
// application.
class CloseWindowKey : public QObject {
    Q_OBJECT

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace morvane
