#pragma once

#include <QKeyCombination>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

class QWidget;

namespace morvane::testing {

// Acts on the next modal window that the code under test opens: a timer waits until a modal
// window with the given objectName is the active one, then calls act on it (for example to
// click a button). Several can be armed at once for nested windows; each acts once. Fails the
// running test if the window does not appear within the timeout.
void WhenModalOpens(const QString& objectName, std::function<void(QWidget*)> act,
                    int timeoutMs = 5000);

// While it lives, closes every message dialog ("FormMsg") that opens, as its frame's close box
// does, and keeps the texts of those dialogs in the order they opened.
class MessageLog {
public:
    MessageLog();
    const QStringList& texts() const { return texts_; }

private:
    QTimer timer_;
    QStringList texts_;
};

// Types the keys as a user does: each goes to the open popup (a list's or a menu's), else to
// the control that has the keyboard focus. Fails the running test when nothing has it.
void PressKeys(const QList<QKeyCombination>& keys);

// Clicks the child of the modal window with the given objectName (a button or a label that
// acts as one).
void ClickChild(QWidget* window, const QString& childName);

}  // namespace morvane::testing
