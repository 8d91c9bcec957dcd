#include "extra/windows/ex_terrain_settings_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <array>

#include "extra/engine/ex_match.h"
#include "shell/windows/accessible_names.h"
#include "shell/windows/look.h"
#include "shell/windows/window_place.h"

namespace morvane {
namespace {

const std::array<const char*, 2> kSliderCaptions = {
    QT_TRANSLATE_NOOP("morvane::ExTerrainSettingsWindow", "石"),
    QT_TRANSLATE_NOOP("morvane::ExTerrainSettingsWindow", "箱")};
// What a screen reader calls the sliders.
const std::array<const char*, 2> kSliderNames = {
    QT_TRANSLATE_NOOP("morvane::ExTerrainSettingsWindow", "石の数"),
    QT_TRANSLATE_NOOP("morvane::ExTerrainSettingsWindow", "箱の数")};

constexpr int kSmallStep = 1;
constexpr int kLargeStep = 5;
constexpr int kSliderWidth = 220;
constexpr int kCaptionSize = 16;

}  // namespace

ExTerrainSettingsWindow::ExTerrainSettingsWindow(int& stoneDraws, int& boxDraws, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Formz12"));
    setWindowTitle(tr("Morvane-リメイク版"));

    auto* frame = new QGroupBox(tr("ランダム地形"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    const std::array<int*, 2> targets = {&stoneDraws, &boxDraws};
    for (std::size_t k = 0; k < targets.size(); ++k) {
        auto* caption = new QLabel(tr(kSliderCaptions[k]), frame);
        caption->setObjectName(QStringLiteral("Label1_%1").arg(k));
        caption->setFont(look::Font(kCaptionSize, true));
        auto* slider = new QSlider(Qt::Horizontal, frame);
        slider->setObjectName(QStringLiteral("Slider1_%1").arg(k));
        slider->setRange(0, kExMostTerrainDraws);
        slider->setSingleStep(kSmallStep);
        slider->setPageStep(kLargeStep);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setTickInterval(kLargeStep);
        slider->setMinimumWidth(kSliderWidth);
        slider->setValue(*targets[k]);
        NameAfterCaption(slider, tr(kSliderNames[k]), caption);
        // The number the slider stands at, which the old slider showed only by its position.
        auto* value = new QLabel(QString::number(*targets[k]), frame);
        value->setObjectName(QStringLiteral("SliderValue_%1").arg(k));
        value->setFont(look::FixedFont(kCaptionSize, true));
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("00")));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        int* target = targets[k];
        connect(slider, &QSlider::valueChanged, this, [target, value](int draws) {
            *target = draws;
            value->setNum(draws);
        });
        grid->addWidget(caption, static_cast<int>(k), 0);
        grid->addWidget(slider, static_cast<int>(k), 1);
        grid->addWidget(value, static_cast<int>(k), 2);
    }

    auto* note = new QLabel(tr("※地形選択は対人戦のみ"), this);
    note->setObjectName(QStringLiteral("Label2"));
    look::SetTextColour(note, &look::Colours::rockGold);
    auto* done = new QPushButton(tr("設定完了"), this);
    done->setObjectName(QStringLiteral("Command1"));
    connect(done, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 14);
    layout->setSpacing(10);
    layout->addWidget(frame);
    layout->addWidget(note);
    layout->addWidget(done, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    look::StyleWindow(this, look::Theme::Rock);
    PlaceOnShow(this);
}

}  // namespace morvane

#include "moc_ex_terrain_settings_window.cpp"
