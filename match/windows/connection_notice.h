#pragma once

#include <QLabel>
#include <QTimer>

namespace morvane {

// A line along the bottom of the battle screen while a network match's connection is resumed:
// that it dropped and is being resumed, then, for a few seconds, that it was. A screen reader
// speaks each as it shows. It lies over the screen and takes no room from it, so that nothing
// else moves.
class ConnectionNotice : public QLabel {
    Q_OBJECT

public:
    explicit ConnectionNotice(QWidget* screen);

    void ShowDropped();
    void ShowResumed();
    void Clear();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Tell(const QString& text);
    // Along the screen's bottom edge, as wide as the screen.
    void Place();

    QTimer clearTimer_;
};

}  // namespace morvane
