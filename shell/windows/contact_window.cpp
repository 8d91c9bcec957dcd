#include "shell/windows/contact_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/windows/look.h"
#include "shell/windows/ok_button.h"
#include "shell/windows/window_place.h"

namespace morvane {
namespace {

const QString kAddress = QStringLiteral("morvane@localhost");

}  // namespace

ContactWindow::ContactWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(tr("Morvaneⅲ－（Adress）"));

    auto* frame = new QGroupBox(tr("開発者へのメール連絡先"), this);
    frame->setObjectName(QStringLiteral("Frame1_0"));
    frame->setFont(look::Font(15, true));
    auto* address = new QLabel(kAddress, frame);
    address->setObjectName(QStringLiteral("Label1"));
    address->setFont(look::Font(18));
    address->setAlignment(Qt::AlignCenter);
    look::SetTextColour(address, &look::Colours::paleText);
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(address);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(16);
    layout->addWidget(frame);
    layout->addWidget(MakeOkButton(this), 0, Qt::AlignHCenter);
    look::StyleWindow(this);
    setFixedSize(400, sizeHint().height());
    PlaceOnShow(this);
}

}  // namespace morvane

#include "moc_contact_window.cpp"
