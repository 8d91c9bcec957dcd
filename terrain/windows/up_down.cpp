#include "terrain/windows/up_down.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace morvane {
namespace {

constexpr int kAutoRepeatDelayMs = 350;
constexpr int kAutoRepeatIntervalMs = 60;

QToolButton* MakeArrow(Qt::ArrowType arrow, const QString& name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(kAutoRepeatDelayMs);
    button->setAutoRepeatInterval(kAutoRepeatIntervalMs);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    return button;
}

}  // namespace

UpDown::UpDown(int minimum, int maximum, int value, QWidget* parent)
    : QWidget(parent),
      up_(MakeArrow(Qt::UpArrow, QStringLiteral("Up"), this)),
      down_(MakeArrow(Qt::DownArrow, QStringLiteral("Down"), this)),
      minimum_(minimum),
      maximum_(maximum),
      value_(value) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, [this] { setValue(value_ + 1); });
    connect(down_, &QToolButton::clicked, this, [this] { setValue(value_ - 1); });
}

void UpDown::NameArrows(const QString& counted) {
    up_->setAccessibleName(tr("%1を増やす").arg(counted));
    down_->setAccessibleName(tr("%1を減らす").arg(counted));
}

void UpDown::setValue(int value) {
    value = std::clamp(value, minimum_, maximum_);
    if (value == value_) {
        return;
    }
    value_ = value;
    emit valueChanged(value_);
}

}  // namespace morvane

#include "moc_up_down.cpp"
