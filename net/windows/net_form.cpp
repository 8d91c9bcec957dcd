#include "net/windows/net_form.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "net/protocol/handshake.h"
#include "shell/settings/settings_store.h"
#include "shell/windows/accessible_names.h"
#include "shell/windows/look.h"
#include "shell/windows/store_failure.h"
#include "version.h"

namespace morvane {
namespace {

constexpr int kStatusWidth = 360;
constexpr int kStatusLines = 2;
constexpr int kHighestPort = 65535;

}  // namespace

QString NetAppVersion() { return QStringLiteral("%1.%2").arg(kVersionMajor).arg(kVersionMinor); }

QLineEdit* MakeNameField(QWidget* window, const SettingsStore& store) {
    auto* field = new QLineEdit(CleanName(store.Read(settings::NetworkName())), window);
    field->setObjectName(QStringLiteral("Name"));
    field->setMaxLength(kMaxNameLength);
    return field;
}

QString TakeName(QWidget* window, SettingsStore& store, const QLineEdit* field) {
    QString name = CleanName(field->text());
    if (name != store.Read(settings::NetworkName())) {
        TellIfNotStored(window, store, store.Write(settings::NetworkName(), name));
    }
    return name;
}

QSpinBox* MakePortBox(QWidget* window, quint16 port, int lowest) {
    auto* box = new QSpinBox(window);
    box->setObjectName(QStringLiteral("Port"));
    box->setRange(lowest, kHighestPort);
    if (lowest == 0) {
        box->setSpecialValueText(QCoreApplication::translate("morvane::NetForm", "自動"));
    }
    box->setValue(port);
    return box;
}

void AddFormRow(QGridLayout* form, const QString& caption, QWidget* field) {
    auto* label = new QLabel(caption, field->parentWidget());
    label->setTextFormat(Qt::PlainText);
    NameAfterCaption(field, caption, label);
    // A spin box's own text field is where a screen reader lands: it takes the name too.
    for (QLineEdit* text : field->findChildren<QLineEdit*>()) {
        text->setAccessibleName(caption);
    }
    const int row = form->rowCount();
    form->addWidget(label, row, 0, Qt::AlignLeft | Qt::AlignTop);
    form->addWidget(field, row, 1);
}

QLabel* MakeStatusLine(QWidget* window) {
    auto* status = new QLabel(window);
    status->setObjectName(QStringLiteral("Status"));
    // It shows what the player typed and what the other side sent: never as markup.
    status->setTextFormat(Qt::PlainText);
    status->setFont(look::Font(look::kTextSize));
    status->setWordWrap(true);
    status->setFixedWidth(kStatusWidth);
    status->setMinimumHeight(status->fontMetrics().lineSpacing() * kStatusLines);
    status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    look::SetTextColour(status, &look::Colours::gold);
    return status;
}

void ShowStatus(QLabel* status, const QString& text) {
    status->setText(text);
    Announce(status->window(), text);
}

}  // namespace morvane
