#pragma once

#include <QDialog>

namespace morvane {

// `Form8`: the developer's contact address and a close button.
class ContactWindow : public QDialog {
    Q_OBJECT

public:
    explicit ContactWindow(QWidget* parent = nullptr);
};

}  // namespace morvane
