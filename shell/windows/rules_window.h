#pragma once

#include <QDialog>

namespace morvane {

// `Form9`: the game's three rules, each a heading with its text below, and a close button.
class RulesWindow : public QDialog {
    Q_OBJECT

public:
    explicit RulesWindow(QWidget* parent = nullptr);
};

}  // namespace morvane
