#pragma once

#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace morvane {

// A note at the foot of the battle screen's message pane while a network match's connection is
// resumed: that it dropped and is being resumed, then, for a few seconds, that it was. A screen
// reader speaks each as it shows. It lies over the pane's last rows and takes no room, so that
// nothing else moves.
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
    // Over the pane's last rows, as wide as the pane and as tall as the text needs.
    void Place();

    QPointer<QLabel> lastRow_;  // the message pane's last row, which the note follows
    QTimer clearTimer_;
};

}  // namespace morvane
