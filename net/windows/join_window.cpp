#include "net/windows/join_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTcpSocket>
#include <QVBoxLayout>

#include "net/protocol/invitation.h"
#include "net/protocol/join_code.h"
#include "net/protocol/net_log.h"
#include "net/socket/net_link.h"
#include "net/windows/net_form.h"
#include "shell/windows/look.h"
#include "shell/windows/message_dialog.h"
#include "shell/windows/window_place.h"

namespace morvane {
namespace {

constexpr int kFieldWidth = 240;

}  // namespace

JoinWindow::JoinWindow(const JoinRequest& request, SettingsStore& store, QWidget* parent)
    : QDialog(parent),
      store_(store),
      address_(new QLineEdit(request.address, this)),
      port_(MakePortBox(this, request.port, 1)),
      code_(new QLineEdit(request.code, this)),
      name_(MakeNameField(this, store)),
      connect_(new QPushButton(tr("接続"), this)),
      status_(MakeStatusLine(this)) {
    setObjectName(QStringLiteral("NetJoin"));
    setWindowTitle(tr("Morvaneⅲ－ネットワーク対戦（参加）"));

    address_->setObjectName(QStringLiteral("Address"));
    address_->setMinimumWidth(kFieldWidth);
    address_->setPlaceholderText(tr("アドレス、または招待（morvane://…）"));
    // An invitation pasted or typed here fills the whole form.
    connect(address_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (const std::optional<Invitation> invitation = ReadInvitation(text)) {
            address_->setText(invitation->address);
            port_->setValue(invitation->port);
            code_->setText(invitation->code);
            ShowStatus(status_, tr("招待を読み込みました。「接続」を押してください。"));
        }
    });
    code_->setObjectName(QStringLiteral("Code"));
    code_->setMaxLength(kJoinCodeLength);
    code_->setFont(look::FixedFont(look::kTextSize, true));
    // What the code's alphabet reads: every letter but U, in either case, and every digit (I and
    // L read as 1, O as 0).
    code_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9A-TV-Za-tv-z]*")), code_));
    // Typed in either case, the code reads in capitals as the host's window shows it.
    connect(code_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int cursor = code_->cursorPosition();
        code_->setText(text.toUpper());
        code_->setCursorPosition(cursor);
    });

    auto* form = new QGridLayout;
    form->setHorizontalSpacing(16);
    AddFormRow(form, tr("ホストのアドレス"), address_);
    AddFormRow(form, tr("ポート"), port_);
    AddFormRow(form, tr("参加コード"), code_);
    AddFormRow(form, tr("名前"), name_);

    connect_->setObjectName(QStringLiteral("Connect"));
    connect_->setDefault(true);
    connect(connect_, &QPushButton::clicked, this, &JoinWindow::Connect);
    auto* cancel = new QPushButton(tr("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("Cancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(connect_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 16);
    layout->setSpacing(14);
    layout->addLayout(form);
    layout->addWidget(status_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    look::StyleWindow(this);
    PlaceOnShow(this);

    status_->setText(
        tr("ホストに聞いたアドレス、ポート、参加コードを入れて「接続」を押してください。"));
    if (request.connectAtOnce) {
        Connect();
    }
}

NetLink* JoinWindow::TakeLink(QObject* parent) {
    if (!accepted_ || link_ == nullptr) {
        return nullptr;
    }
    link_->setParent(parent);
    return link_;
}

void JoinWindow::Connect() {
    const QString address = address_->text().trimmed();
    const std::optional<QString> code = ReadJoinCode(code_->text().trimmed());
    if (address.isEmpty()) {
        ShowMessage(this, tr("ホストのアドレスを入れてください。"), QString(), QString(),
                    ConfirmCaption());
        return;
    }
    if (!code) {
        ShowMessage(this, tr("参加コードは、0～9とA～Z（Uを除く）の６文字です。"), QString(),
                    QString(), ConfirmCaption());
        return;
    }
    const QString name = TakeName(this, store_, name_);
    hostHeard_ = false;
    auto* socket = new QTcpSocket;
    // Heard before the link hears it, so that the error is told rather than only the loss.
    connect(socket, &QTcpSocket::errorOccurred, this, &JoinWindow::OnSocketError);
    link_ = new NetLink(socket, Peer::Guest, *code, name, NetAppVersion(), this);
    connect(link_, &NetLink::eventOccurred, this, &JoinWindow::OnEvent);
    ShowConnecting(true);
    ShowStatus(status_, tr("%1 のポート%2に接続しています…").arg(address).arg(port_->value()));
    qCDebug(netLog) << "joining" << address << port_->value();
    socket->connectToHost(address, static_cast<quint16>(port_->value()));
}

void JoinWindow::OnEvent(const SessionEvent& event) {
    if (accepted_) {
        return;  // the caller hears the rest
    }
    switch (event.kind) {
        case SessionEvent::Kind::PeerHello:
            hostHeard_ = true;
            ShowStatus(status_, tr("接続しました。ホストが対局を始めるのを待っています…"));
            return;
        case SessionEvent::Kind::Authenticated:
            accepted_ = true;
            accept();
            return;
        case SessionEvent::Kind::WrongCode:
            EndAttempt(WrongCodeText());
            return;
        case SessionEvent::Kind::PeerBye:
            EndAttempt(event.text == kByeCode ? WrongCodeText() : tr("ホストが接続を切りました。"));
            return;
        case SessionEvent::Kind::VersionMismatch:
            EndAttempt(tr("バージョンが合いません（こちらのプロトコルは%1、ホストは%2）。")
                           .arg(event.text, event.version));
            return;
        case SessionEvent::Kind::Invalid:
            EndAttempt(tr("ホストから正しくないデータが届いたので、接続を切りました。"));
            return;
        case SessionEvent::Kind::TimedOut:
            EndAttempt(TimedOutText());
            return;
        case SessionEvent::Kind::Left:
            EndAttempt(tr("接続が切れました。"));
            return;
        default:
            return;
    }
}

void JoinWindow::OnSocketError(QAbstractSocket::SocketError error) {
    // Only the errors of getting connected say more than the session's own events.
    if (accepted_ || hostHeard_ || link_ == nullptr || sender()->parent() != link_) {
        return;
    }
    switch (error) {
        case QAbstractSocket::ConnectionRefusedError:
            EndAttempt(tr("接続を断られました（そのポートで待ち受けていません）。"));
            return;
        case QAbstractSocket::HostNotFoundError:
            EndAttempt(tr("アドレス「%1」が見つかりません。").arg(address_->text().trimmed()));
            return;
        case QAbstractSocket::SocketTimeoutError:
            EndAttempt(TimedOutText());
            return;
        default:
            return;
    }
}

void JoinWindow::EndAttempt(const QString& status) {
    if (link_ != nullptr) {
        // Its bye still goes out: a link deleted before sending it leaves that to its socket.
        disconnect(link_, nullptr, this, nullptr);
        link_->deleteLater();
        link_ = nullptr;
    }
    ShowConnecting(false);
    ShowStatus(status_, status);
}

QString JoinWindow::TimedOutText() { return tr("ホストから応答がありません（時間切れ）。"); }

QString JoinWindow::WrongCodeText() { return tr("参加コードが違います。"); }

void JoinWindow::ShowConnecting(bool connecting) {
    for (QWidget* field : {static_cast<QWidget*>(address_), static_cast<QWidget*>(port_),
                           static_cast<QWidget*>(code_), static_cast<QWidget*>(name_),
                           static_cast<QWidget*>(connect_)}) {
        field->setEnabled(!connecting);
    }
}

}  // namespace morvane

#include "moc_join_window.cpp"
