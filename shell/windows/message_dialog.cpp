#include "shell/windows/message_dialog.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

#include "shell/windows/hover_label.h"
#include "shell/windows/live_scale.h"
#include "shell/windows/look.h"
#include "shell/windows/menu_pointer.h"
#include "shell/windows/message_dialog_window.h"
#include "shell/windows/open_dialog.h"
#include "shell/windows/window_place.h"

namespace morvane {
namespace {

constexpr int kMessageTextSize = 17;
constexpr int kButtonTextSize = 18;

// Geometry in pixels.
constexpr int kMargin = 20;
constexpr int kTextWidth = 330;
constexpr int kTextLines = 3;  // the text area always has room for three lines
constexpr int kGap = 24;
constexpr int kButtonWidth = 136;
constexpr int kButtonHeight = 34;
constexpr int kButtonSpacing = 8;
constexpr int kFrameRise = 3;  // the frame stands this far above and below its button

MessageKey KeyOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            return MessageKey::Previous;
        case Qt::Key_Right:
        case Qt::Key_Down:
            return MessageKey::Next;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return MessageKey::Choose;
        default:
            return MessageKey::Other;
    }
}

}  // namespace

MessageDialog::MessageDialog(QWidget* parent, const QString& text,
                             const std::array<QString, MessageChoice::kSlotCount>& captions)
    : QDialog(parent),
      choice_({!captions[0].isEmpty(), !captions[1].isEmpty(), !captions[2].isEmpty()}),
      pointer_(MenuPointer()),
      text_(new QLabel(this)),
      frame_(new QFrame(this)) {
    setObjectName(QStringLiteral("FormMsg"));
    setWindowTitle(tr("！－Ｍｅｓｓａｇｅ－！"));
    setMouseTracking(true);

    // The frame sits behind the buttons and lets the pointer through to the window, like the
    // rest of the background.
    frame_->setObjectName(QStringLiteral("Shape1"));
    frame_->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame_->hide();

    // Over the text the pointer counts as over the background.
    text_->setObjectName(QStringLiteral("言葉"));
    text_->setAttribute(Qt::WA_TransparentForMouseEvents);
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    text_->setFont(look::Font(kMessageTextSize));
    text_->setText(text);
    const int lineHeight = text_->fontMetrics().lineSpacing();
    const int textHeight =
        std::max(kTextLines * lineHeight + lineHeight / 2, text_->heightForWidth(kTextWidth));

    const int buttonsHeight = MessageChoice::kSlotCount * kButtonHeight +
                              (MessageChoice::kSlotCount - 1) * kButtonSpacing;
    const int contentHeight = std::max(textHeight, buttonsHeight);
    PlaceScaled(text_, QRect(kMargin, kMargin, kTextWidth, contentHeight));

    const int buttonsLeft = kMargin + kTextWidth + kGap;
    const int buttonsTop = kMargin + (contentHeight - buttonsHeight) / 2;
    for (int slot = 0; slot < MessageChoice::kSlotCount; ++slot) {
        auto* button = new HoverLabel(this);
        button->setObjectName(QStringLiteral("選択_%1").arg(slot));
        button->setAlignment(Qt::AlignCenter);
        button->setFont(look::Font(kButtonTextSize, true));
        button->setText(captions[slot]);
        // An empty slot shows nothing and takes neither clicks nor pointer movement.
        button->setEnabled(choice_.captioned(slot));
        buttonPlaces_[slot] =
            QRect(buttonsLeft, buttonsTop + slot * (kButtonHeight + kButtonSpacing), kButtonWidth,
                  kButtonHeight);
        PlaceScaled(button, buttonPlaces_[slot]);
        connect(button, &HoverLabel::hovered, this, [this, slot] {
            if (choice_.Highlight(slot)) {
                DrawChoice();
            }
        });
        connect(button, &HoverLabel::clicked, this, [this, slot] { Choose(slot); });
        buttons_[slot] = button;
    }
    setFixedSize(buttonsLeft + kButtonWidth + kMargin, contentHeight + 2 * kMargin);
    look::StyleWindow(this);
    PlaceOnShow(this);

    if (choice_.HasAnyCaption()) {
        choice_.Open();
    }
    look::DrawOutline(frame_, look::MessageHighlight);
    look::FollowLook(this, [this] {
        look::HoldTextColour(text_, look::Current().brightText);
        DrawChoice();
    });
}

void MessageDialog::Choose(int slot) {
    if (choice_.Choose(slot)) {
        accept();
    }
}

void MessageDialog::DrawChoice() {
    if (choice_.customPointer()) {
        setCursor(pointer_);
    } else {
        unsetCursor();
    }
    const int highlighted = choice_.highlighted();
    for (int slot = 0; slot < MessageChoice::kSlotCount; ++slot) {
        // The captions keep their colours whatever the window that opens the dialog styles.
        // The highlighted one green, the others yellow, in the game's own look.
        look::HoldTextColour(buttons_[slot],
                             slot == highlighted ? look::Current().green : look::Current().yellow);
    }
    if (highlighted >= 0 && highlighted < MessageChoice::kSlotCount) {
        PlaceScaled(frame_, buttonPlaces_[highlighted].adjusted(0, -kFrameRise, 0, kFrameRise));
        frame_->show();
    } else {
        frame_->hide();
    }
}

void MessageDialog::keyPressEvent(QKeyEvent* event) {
    if (choice_.Press(KeyOf(event->key()))) {
        accept();
        return;
    }
    DrawChoice();
}

void MessageDialog::mouseMoveEvent(QMouseEvent* /*event*/) {
    if (choice_.RemoveHighlight()) {
        DrawChoice();
    }
}

void MessageDialog::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // Drawn at the scale 100, on the dialog's size at it.
    const qreal factor = AppliedDisplayScale() / 100.0;
    painter.scale(factor, factor);
    const QRect room(0, 0, qRound(width() / factor), qRound(height() / factor));
    QLinearGradient sky(0, 0, 0, room.height());
    sky.setColorAt(0, look::Current().nightSky);
    sky.setColorAt(1, look::Current().nightDeep);
    painter.fillRect(room, sky);
    painter.setPen(QPen(look::Current().steel, 2));
    painter.drawRect(room.adjusted(1, 1, -1, -1));
    const int rule = kMargin + kTextWidth + kGap / 2;
    painter.setPen(QPen(look::Current().steel.darker(130), 1));
    painter.drawLine(rule, kMargin, rule, room.height() - kMargin);
}

QString YesCaption() { return MessageDialog::tr("Ｙｅｓ"); }

QString NoCaption() { return MessageDialog::tr("Ｎｏ"); }

QString ConfirmCaption() { return MessageDialog::tr("確認"); }

MessageAnswer ShowMessage(QWidget* parent, const QString& text, const QString& caption0,
                          const QString& caption1, const QString& caption2) {
    MessageDialog dialog(parent, text, {caption0, caption1, caption2});
    if (!dialog.HasButtons()) {
        return MessageAnswer::None;
    }
    dialog.exec();
    return static_cast<MessageAnswer>(dialog.answer());
}

void OpenMessage(QWidget* parent, const QString& text, const QString& caption0,
                 const QString& caption1, const QString& caption2, const QObject* receiver,
                 std::function<void(MessageAnswer)> answered) {
    auto* dialog = new MessageDialog(parent, text, {caption0, caption1, caption2});
    if (!dialog->HasButtons()) {
        delete dialog;
        answered(MessageAnswer::None);
        return;
    }
    OpenDialog(dialog, receiver, [answered = std::move(answered)](const MessageDialog& closed) {
        answered(static_cast<MessageAnswer>(closed.answer()));
    });
}

}  // namespace morvane

#include "moc_message_dialog_window.cpp"
