#pragma once

class QString;
class QWidget;

namespace morvane {

class InfoPanel;

// Has a screen reader speak each new page of the battle screen's info panel, once, when it
// starts, and the screen's other notices as they come; the screen's tick pays only a comparison
// of two counts otherwise.
class InfoAnnouncer {
public:
    // window: the battle screen, which holds the keyboard focus while it plays.
    explicit InfoAnnouncer(QWidget* window) : window_(window) {}

    void Follow(const InfoPanel& info);
    // Speaks a notice of the screen outside the info panel (a line of chat).
    void Tell(const QString& notice) const;

private:
    QWidget* window_;
    int announcedPages_ = 0;
};

}  // namespace morvane
