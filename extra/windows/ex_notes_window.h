#pragma once

#include <QWidget>

namespace morvane {

// `Formz10`: the entrance to the extra game, a picture of the older version's window with a
// notice about the remake. Closing it by any means reports closed(), while it is still on
// screen, so the game window can open in its place.
class ExNotesWindow : public QWidget {
    Q_OBJECT

public:
    explicit ExNotesWindow(QWidget* parent = nullptr);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace morvane
