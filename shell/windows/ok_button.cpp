#include "shell/windows/ok_button.h"

#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>

#include "shell/windows/look.h"

namespace morvane {
namespace {

constexpr int kOkTextSize = 15;
constexpr int kOkWidth = 110;

}  // namespace

QPushButton* MakeOkButton(QDialog* dialog, QWidget* place) {
    auto* ok = new QPushButton(QCoreApplication::translate("morvane::OkButton", "Ｏ．Ｋ．"),
                               place != nullptr ? place : dialog);
    ok->setObjectName(QStringLiteral("Command2"));
    ok->setFont(look::Font(kOkTextSize, true));
    ok->setDefault(true);
    ok->setMinimumWidth(kOkWidth);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    return ok;
}

}  // namespace morvane
