#pragma once

#include <QDialog>
#include <utility>

namespace morvane {

// Opens a dialog modal to its parent without waiting for it (QDialog::open), so that no event
// loop runs inside the caller. Once the dialog has closed, answered(dialog) reads its answer
// (unless receiver has gone meanwhile); the dialog then deletes itself.
template <typename Dialog, typename Answered>
void OpenDialog(Dialog* dialog, const QObject* receiver, Answered answered) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::finished, receiver,
                     [dialog, answered = std::move(answered)] { answered(*dialog); });
    dialog->open();
}

}  // namespace morvane
