#pragma once

#include <QString>
#include <functional>

class QObject;
class QWidget;

namespace morvane {

// The answer of the message dialog: the slot of the chosen button, or None.
enum class MessageAnswer { First = 0, Second = 1, Third = 2, None = -1 };

// The program's own modal message dialog: a text (line breaks as "\n", up to three lines) and
// up to three buttons in slots 0, 1, 2 (an empty caption means no button). Returns the
// answer: the chosen slot; the highest captioned slot when the dialog is closed by its frame;
// None at once, without showing anything, when no caption is given.
MessageAnswer ShowMessage(QWidget* parent, const QString& text, const QString& caption0,
                          const QString& caption1, const QString& caption2);

// The same dialog opened without waiting for it: answered gets the answer once the dialog has
// closed, unless receiver has gone by then (at once, with None, when no caption is given).
void OpenMessage(QWidget* parent, const QString& text, const QString& caption0,
                 const QString& caption1, const QString& caption2, const QObject* receiver,
                 std::function<void(MessageAnswer)> answered);

// The captions of the usual answers, "Ｙｅｓ" and "Ｎｏ", and of the one button under a notice,
// "確認", in the interface's language.
QString YesCaption();
QString NoCaption();
QString ConfirmCaption();

}  // namespace morvane
