#include "net/windows/host_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "net/protocol/handshake.h"
#include "net/protocol/invitation.h"
#include "net/protocol/join_code.h"
#include "net/socket/net_host.h"
#include "net/windows/net_form.h"
#include "net/windows/reachable_addresses.h"
#include "shell/settings/settings_store.h"
#include "shell/windows/look.h"
#include "shell/windows/store_failure.h"
#include "shell/windows/window_place.h"

namespace morvane {
namespace {

constexpr int kCodeTextSize = 26;

// The addresses to tell the guest: the one bound, or every reachable one when all are.
QList<QHostAddress> GuestAddresses(const QHostAddress& bound) {
    if (bound == QHostAddress::Any || bound == QHostAddress::AnyIPv4 ||
        bound == QHostAddress::AnyIPv6) {
        return ReachableAddresses();
    }
    return {bound};
}

QString AddressLines(const QHostAddress& bound) {
    QStringList lines;
    for (const QHostAddress& address : GuestAddresses(bound)) {
        lines << address.toString();
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

HostWindow::HostWindow(const HostRequest& request, SettingsStore& store, QWidget* parent)
    : QDialog(parent),
      store_(store),
      address_(request.address),
      code_(ReadJoinCode(request.code).value_or(NewJoinCode())),
      port_(MakePortBox(this, request.port, 0)),
      name_(MakeNameField(this, store)),
      routerPort_(new QCheckBox(tr("ルーターのポートを開く（UPnP／NAT-PMP）"), this)),
      routerStatus_(MakeStatusLine(this)),
      copyInvitation_(new QPushButton(tr("招待をコピー"), this)),
      listen_(new QPushButton(this)),
      status_(MakeStatusLine(this)),
      routerClients_(request.routerClients) {
    setObjectName(QStringLiteral("NetHost"));
    setWindowTitle(tr("Morvaneⅲ－ネットワーク対戦（ホスト）"));

    QString lines = AddressLines(address_);
    if (lines.isEmpty()) {
        lines = tr("（ネットワークにつながっていません）");
    }
    auto* addresses = new QLabel(lines, this);
    addresses->setObjectName(QStringLiteral("Addresses"));
    addresses->setTextFormat(Qt::PlainText);
    addresses->setTextInteractionFlags(Qt::TextSelectableByMouse);
    addresses->setFont(look::FixedFont(look::kTextSize));

    codeLabel_ = new QLabel(code_, this);
    codeLabel_->setObjectName(QStringLiteral("Code"));
    codeLabel_->setTextFormat(Qt::PlainText);
    codeLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    codeLabel_->setFont(look::FixedFont(kCodeTextSize, true));
    look::SetTextColour(codeLabel_, &look::Colours::gold);

    auto* form = new QGridLayout;
    form->setHorizontalSpacing(16);
    AddFormRow(form, tr("このパソコンのアドレス"), addresses);
    AddFormRow(form, tr("ポート"), port_);
    AddFormRow(form, tr("参加コード"), codeLabel_);
    AddFormRow(form, tr("名前"), name_);

    // Asked only when the player says so: nothing but the port the player chose is opened.
    routerPort_->setObjectName(QStringLiteral("RouterPort"));
    routerPort_->setChecked(store_.Read(settings::RouterPortMapping()) == 1);
    connect(routerPort_, &QCheckBox::toggled, this, [this](bool ticked) {
        TellIfNotStored(this, store_, store_.Write(settings::RouterPortMapping(), ticked ? 1 : 0));
        if (host_ == nullptr || !host_->isListening()) {
            return;
        }
        if (ticked) {
            OpenRouterPort(host_->port());
        } else {
            CloseRouterPort();
        }
    });
    routerStatus_->setObjectName(QStringLiteral("RouterStatus"));
    routerStatus_->hide();

    copyInvitation_->setObjectName(QStringLiteral("CopyInvitation"));
    connect(copyInvitation_, &QPushButton::clicked, this, &HostWindow::CopyInvitation);
    auto* hint =
        new QLabel(tr("相手にアドレスのどれか一つとポート、参加コードを伝えてください。"), this);
    hint->setTextFormat(Qt::PlainText);
    hint->setWordWrap(true);

    listen_->setObjectName(QStringLiteral("Listen"));
    listen_->setDefault(true);
    connect(listen_, &QPushButton::clicked, this, [this] {
        if (host_ != nullptr && host_->isListening()) {
            StopListening();
        } else {
            Listen();
        }
    });
    auto* cancel = new QPushButton(tr("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("Cancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copyInvitation_);
    buttons->addStretch();
    buttons->addWidget(listen_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 16);
    layout->setSpacing(14);
    layout->addLayout(form);
    layout->addWidget(routerPort_);
    layout->addWidget(routerStatus_);
    layout->addWidget(hint);
    layout->addWidget(status_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    look::StyleWindow(this);
    PlaceOnShow(this);

    ShowListening(false);
    status_->setText(tr("「待ち受け開始」を押すと、相手の接続を待ちます。"));
    if (request.listenAtOnce) {
        Listen();
    }
}

NetLink* HostWindow::TakeGuest(QObject* parent) {
    if (guest_ != nullptr) {
        guest_->setParent(parent);
        if (mapping_ != nullptr) {
            mapping_->setParent(guest_);
        }
    }
    return guest_;
}

void HostWindow::Listen() {
    host_ = new NetHost(code_, TakeName(this, store_, name_), NetAppVersion(), this);
    connect(host_, &NetHost::guestJoined, this, [this](NetLink* link) {
        guest_ = link;
        accept();
    });
    connect(host_, &NetHost::wrongCodeGiven, this, [this](int count) {
        ShowStatus(
            status_,
            tr("違う参加コードで接続されました（%1／%2回）。").arg(count).arg(kMaxWrongCodes));
    });
    connect(host_, &NetHost::joinCodeChanged, this, [this](const QString& code) {
        code_ = code;
        codeLabel_->setText(code);
        ShowStatus(status_,
                   tr("違う参加コードが%1回続いたので、参加コードを新しくしました。新しいコードを"
                      "相手に伝えてください。")
                       .arg(kMaxWrongCodes));
    });
    const int port = port_->value();
    if (!host_->Listen(address_, static_cast<quint16>(port))) {
        delete host_;
        ShowStatus(status_,
                   tr("ポート%1を開けません（使用中か、このアドレスでは使えません）。").arg(port));
        return;
    }
    port_->setValue(host_->port());
    ShowListening(true);
    ShowStatus(status_, tr("ポート%1で相手の接続を待っています…").arg(host_->port()));
    if (routerPort_->isChecked()) {
        OpenRouterPort(host_->port());
    }
}

void HostWindow::StopListening() {
    delete host_;
    CloseRouterPort();
    ShowListening(false);
    ShowStatus(status_, tr("待ち受けを止めました。"));
}

void HostWindow::ShowListening(bool listening) {
    listen_->setText(listening ? tr("待ち受け停止") : tr("待ち受け開始"));
    port_->setEnabled(!listening);
    name_->setEnabled(!listening);
    copyInvitation_->setEnabled(listening);
}

void HostWindow::OpenRouterPort(quint16 port) {
    CloseRouterPort();
    mapping_ = routerClients_ ? new PortMapping(routerClients_, this) : new PortMapping(this);
    connect(mapping_, &PortMapping::opened, this,
            [this](PortMapProtocol, const QString& address, quint16 publicPort) {
                publicAddress_ = address;
                publicPort_ = publicPort;
                ShowStatus(routerStatus_,
                           tr("ルーターのポートを開きました（外からのアドレス %1:%2）。")
                               .arg(address)
                               .arg(publicPort));
            });
    connect(mapping_, &PortMapping::failed, this, [this] {
        publicAddress_.clear();
        ShowStatus(routerStatus_, tr("ルーターが応答しませんでした。説明書の「ポート転送」を"
                                     "ご覧ください。"));
    });
    routerStatus_->show();
    ShowStatus(routerStatus_, tr("ルーターのポートを開いています…"));
    mapping_->Open(port);
}

void HostWindow::CloseRouterPort() {
    delete mapping_;
    publicAddress_.clear();
    routerStatus_->hide();
}

void HostWindow::CopyInvitation() {
    Invitation invitation{publicAddress_, publicPort_, code_};
    if (invitation.address.isEmpty()) {
        const QList<QHostAddress> addresses = GuestAddresses(address_);
        invitation.address =
            addresses.isEmpty() ? QStringLiteral("127.0.0.1") : addresses.constFirst().toString();
        invitation.port = host_ != nullptr ? host_->port() : static_cast<quint16>(port_->value());
    }
    const QString text = InvitationText(invitation);
    QGuiApplication::clipboard()->setText(text);
    ShowStatus(status_, tr("招待をコピーしました：%1").arg(text));
}

}  // namespace morvane

#include "moc_host_window.cpp"
