#include "shell/windows/contact_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/windows/shell_look.h"

namespace morvane {
namespace {

const QString kCaption = QStringLiteral("Morvaneⅲ－（Adress）");
const QString kFrameCaption = QStringLiteral("開発者へのメール連絡先");
const QString kAddress = QStringLiteral("morvane@localhost");
const QString kClose = QStringLiteral("Ｏ．Ｋ．");

}  // namespace

ContactWindow::ContactWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(kCaption);
    look::StyleDialog(this);

    auto* frame = new QGroupBox(kFrameCaption, this);
    frame->setObjectName(QStringLiteral("Frame1_0"));
    frame->setFont(look::SizedFont(this, 15, true));
    auto* address = new QLabel(kAddress, frame);
    address->setObjectName(QStringLiteral("Label1"));
    address->setFont(look::SizedFont(this, 18));
    address->setAlignment(Qt::AlignCenter);
    look::SetTextColour(address, look::kPaleText);
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(address);

    auto* close = new QPushButton(kClose, this);
    close->setObjectName(QStringLiteral("Command2"));
    close->setFont(look::SizedFont(this, 16, true));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(16);
    layout->addWidget(frame);
    layout->addWidget(close, 0, Qt::AlignHCenter);
    setFixedSize(400, sizeHint().height());
}

}  // namespace morvane
