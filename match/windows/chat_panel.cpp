#include "match/windows/chat_panel.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTextLayout>
#include <QValidator>

#include "net/protocol/chat.h"
#include "shell/windows/live_scale.h"
#include "shell/windows/look.h"

namespace morvane {
namespace {

// Lines the log keeps: more than its panel shows.
constexpr int kKeptLines = 8;
// The log panel's inner margin and the rounding of its corners, at the display scale 100.
constexpr int kLogPadding = 3;
constexpr int kLogRadius = 6;
constexpr int kChatTextSize = 13;
// The field stands under the board, the log under the side panels.
constexpr int kFieldWidth = 256;

// Takes a line of at most kMaxChatLength characters as the player sees them.
class ChatLengthValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override {
        return ChatLength(input) <= kMaxChatLength ? Acceptable : Invalid;
    }
};

}  // namespace

ChatLog::ChatLog(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ChatLog"));
    setFont(look::Font(kChatTextSize));
}

void ChatLog::AddLine(const QString& line) {
    lines_.append(line);
    if (lines_.size() > kKeptLines) {
        lines_.removeFirst();
    }
    update();
}

void ChatLog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(look::Current().backdropEdge, 1));
    painter.setBrush(look::Current().backdrop);
    const qreal radius = Scaled(kLogRadius);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);

    const int padding = Scaled(kLogPadding);
    const QRectF room = QRectF(rect()).adjusted(padding, padding, -padding, -padding);
    painter.setPen(look::Current().white);
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    qreal bottom = room.bottom();
    // From the newest row up, as many whole rows as the room holds.
    for (auto line = lines_.crbegin(); line != lines_.crend(); ++line) {
        QTextLayout layout(*line, font());
        layout.setTextOption(wrapping);
        layout.beginLayout();
        qreal top = 0;
        for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
            row.setLineWidth(room.width());
            row.setPosition(QPointF(0, top));
            top += row.height();
        }
        layout.endLayout();
        for (int index = layout.lineCount() - 1; index >= 0; --index) {
            const QTextLine row = layout.lineAt(index);
            if (bottom - row.height() < room.top()) {
                return;
            }
            bottom -= row.height();
            row.draw(&painter, QPointF(room.left(), bottom - row.y()));
        }
    }
}

ChatPanel::ChatPanel(SendFunction send, QWidget* window, QWidget* parent)
    : QWidget(parent), send_(std::move(send)), window_(window), announcer_(window) {
    setObjectName(QStringLiteral("ChatPanel"));
    setFixedHeight(kHeight);

    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("ChatField"));
    field_->setFont(look::Font(kChatTextSize));
    // Out of the Tab chain, so that the screen, not the field, has the keys as it comes up.
    field_->setFocusPolicy(Qt::ClickFocus);
    field_->setFixedWidth(kFieldWidth);
    field_->setValidator(new ChatLengthValidator(field_));
    field_->installEventFilter(this);

    log_ = new ChatLog(this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(13, 0, 14, 4);
    layout->setSpacing(16);
    layout->addWidget(field_, 0, Qt::AlignBottom);
    layout->addWidget(log_, 1);
}

void ChatPanel::showEvent(QShowEvent* event) {
    NameField();
    QWidget::showEvent(event);
}

void ChatPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && isVisible()) {
        NameField();
    }
    QWidget::changeEvent(event);
}

void ChatPanel::NameField() {
    field_->setPlaceholderText(tr("メッセージ（Enterで送信）"));
    field_->setAccessibleName(tr("チャット"));
}

void ChatPanel::AddLine(const QString& name, const QString& text) {
    const QString line = tr("%1：%2").arg(name, text);
    log_->AddLine(line);
    announcer_.Tell(line);
}

void ChatPanel::SetOpen(bool open) {
    if (field_->isEnabled() == open) {
        return;
    }
    if (!open && field_->hasFocus()) {
        window_->setFocus(Qt::OtherFocusReason);
    }
    field_->setEnabled(open);
}

bool ChatPanel::TakeKeys() {
    if (!isVisible() || !field_->isEnabled()) {
        return false;
    }
    field_->setFocus(Qt::ShortcutFocusReason);
    return true;
}

bool ChatPanel::Typing() const { return field_->hasFocus(); }

bool ChatPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != field_ || event->type() != QEvent::KeyPress) {
        return false;
    }
    // The field takes Enter and Esc itself, so that neither reaches the board.
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            SendTyped();
            return true;
        case Qt::Key_Escape:
            window_->setFocus(Qt::OtherFocusReason);
            return true;
        default:
            return false;
    }
}

void ChatPanel::SendTyped() {
    const QString line = CleanChatText(field_->text());
    if (line.isEmpty() || send_(line)) {
        field_->clear();
    }
}

}  // namespace morvane

#include "moc_chat_panel.cpp"
