#pragma once

#include <QDialog>

namespace morvane {

class SystemInfoPlatform;

// `frmAbout`: the title picture, the version, the author and development period, the notice
// text, and buttons for the system information tool, the contact window and closing.
class AboutWindow : public QDialog {
    Q_OBJECT

public:
    AboutWindow(QWidget* parent, const SystemInfoPlatform& systemInfo);

private:
    const SystemInfoPlatform& systemInfo_;
};

}  // namespace morvane
