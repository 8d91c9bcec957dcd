#pragma once

#include <QDialog>

namespace morvane {

// `Formz13`: the help of the older version, a fixed text in a scrolling box.
class ExHelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit ExHelpWindow(QWidget* parent);
};

// Shows the help window modally and, once it has closed (by any means), its closing remark.
void RunExHelpWindow(QWidget* parent);

}  // namespace morvane
