#include "match/windows/result_dialog.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>
#include <utility>

#include "assets/pictures.h"
#include "match/windows/match_pictures.h"
#include "shell/windows/density_picture.h"
#include "shell/windows/live_scale.h"
#include "shell/windows/look.h"
#include "shell/windows/ok_button.h"
#include "shell/windows/window_place.h"

namespace morvane {
namespace {

constexpr std::array<std::pair<ResultChoice, const char*>, 3> kChoices = {{
    {ResultChoice::NextBattle,
     QT_TRANSLATE_NOOP("morvane::ResultDialog", "Ｎｅｘｔ　Ｂａｔｔｌｅ")},
    {ResultChoice::ReEntry, QT_TRANSLATE_NOOP("morvane::ResultDialog", "Ｒｅ　Ｅｎｔｒｙ")},
    {ResultChoice::Quit, QT_TRANSLATE_NOOP("morvane::ResultDialog", "Ｑｕｉｔ")},
}};

constexpr int kMessageWidth = 300;
constexpr int kMessageHeight = 76;
// The shadow sits slightly lower and to the left of the message.
constexpr int kShadowOffset = 3;
constexpr int kMessageTextSize = 30;

// The stage the message is shown on, so that every result colour stands out: the dark texture,
// or in a look without textures its window background, which the result colours are legible on.
class MessageStage : public QWidget {
public:
    explicit MessageStage(QWidget* parent) : QWidget(parent) {
        setFixedSize(kMessageWidth, kMessageHeight);
        Render();
        OnPictureDensityChange(this, [this] {
            Render();
            update();
        });
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(texture_);
        painter.drawRoundedRect(rect(), Scaled(8), Scaled(8));
    }

private:
    void Render() {
        texture_ = look::Current().textures
                       ? QBrush(ScaledPicture(this,
                                              [](qreal ratio) {
                                                  return RenderPicture(
                                                      QStringLiteral(":/backgrounds/blue.svg"),
                                                      {48, 48}, ratio);
                                              }))
                       : QBrush(look::Current().night);
    }

    QBrush texture_;
};

QLabel* MakeMessage(const QString& objectName, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setFont(look::Font(kMessageTextSize, true));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

ResultDialog::ResultDialog(const GameResult& result, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(tr("Morvaneⅲ－Result"));

    auto* stage = new MessageStage(this);
    auto* shadow = MakeMessage(QStringLiteral("Label1_0"), result.text, stage);
    PlaceScaled(shadow, QRect(-kShadowOffset, kShadowOffset, kMessageWidth, kMessageHeight));
    auto* message = MakeMessage(QStringLiteral("Label1_1"), result.text, stage);
    PlaceScaled(message, QRect(0, 0, kMessageWidth, kMessageHeight));

    auto* choices = new QButtonGroup(this);
    auto* options = new QVBoxLayout;
    options->setSpacing(6);
    for (const auto& [choice, text] : kChoices) {
        auto* option = new QRadioButton(tr(text), this);
        // The buttons are numbered as the choices' stored values, 1..3.
        const int id = static_cast<int>(choice);
        option->setObjectName(QStringLiteral("Option1_%1").arg(id));
        option->setChecked(choice == choice_);
        choices->addButton(option, id);
        options->addWidget(option);
    }
    connect(choices, &QButtonGroup::idClicked, this,
            [this](int id) { choice_ = static_cast<ResultChoice>(id); });

    QPushButton* ok = MakeOkButton(this);

    auto* lower = new QHBoxLayout;
    lower->addLayout(options);
    lower->addStretch();
    lower->addWidget(ok, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 16);
    layout->setSpacing(16);
    layout->addWidget(stage);
    layout->addLayout(lower);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    look::StyleWindow(this);
    look::SetTextColour(shadow, &look::Colours::black);
    // The result's colour is the model's, made legible in the look.
    look::FollowLook(message, [message, colour = result.color] {
        look::SetTextColour(message, ToQColor(colour));
    });
    PlaceOnShow(this);
}

}  // namespace morvane

#include "moc_result_dialog.cpp"
