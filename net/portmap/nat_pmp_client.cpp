#include "net/portmap/nat_pmp_client.h"

#include <arpa/inet.h>
#include <poll.h>

#define ENABLE_STRNATPMPERR
#include <natpmp.h>

#include <algorithm>
#include <array>

namespace morvane {

namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

// How long a request waits for the gateway's answer. A gateway that speaks NAT-PMP answers
// within milliseconds; libnatpmp resends after 250 ms and again after 500 ms meanwhile.
constexpr milliseconds kAnswerWait(1000);
// Removal waits less: it runs while the window closes.
constexpr milliseconds kRemovalWait(500);
// How often a wait looks at its stop token between libnatpmp's resends.
constexpr milliseconds kStopCheck(100);
// The answer when the wait ran out (libnatpmp's "no answer yet").
constexpr int kNoAnswer = NATPMP_TRYAGAIN;
constexpr int kUseDefaultGateway = 0;
// A mapping is removed by asking for it again with no lifetime.
constexpr uint32_t kRemove = 0;

QString NatPmpError(int status) {
    if (status == kNoAnswer) {
        return QStringLiteral("no answer from the gateway");
    }
    return QStringLiteral("%1 (%2)").arg(status).arg(QString::fromUtf8(strnatpmperr(status)));
}

// What went wrong and libnatpmp's status.
QString NatPmpProblem(const QString& what, int status) {
    return QStringLiteral("%1: %2").arg(what, NatPmpError(status));
}

}  // namespace

struct NatPmpClient::Session {
    natpmp_t natpmp{};
    bool open = false;
    QString publicAddress;

    Session() = default;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    ~Session() {
        if (open) {
            closenatpmp(&natpmp);
        }
    }

    // Waits for the answer to the request just sent, at most `wait`, and less once `stop` is
    // requested; returns libnatpmp's status (0: answered) or kNoAnswer.
    int Await(natpmpresp_t& response, milliseconds wait, const std::stop_token& stop) {
        const auto giveUp = steady_clock::now() + wait;
        for (;;) {
            const int status = readnatpmpresponseorretry(&natpmp, &response);
            const auto left =
                std::chrono::duration_cast<milliseconds>(giveUp - steady_clock::now());
            if (status != NATPMP_TRYAGAIN || left.count() <= 0 || stop.stop_requested()) {
                return status;
            }
            timeval untilResend{};
            getnatpmprequesttimeout(&natpmp, &untilResend);
            const milliseconds resend(untilResend.tv_sec * 1000 + untilResend.tv_usec / 1000);
            const milliseconds nap =
                std::clamp(resend, milliseconds(1), std::min(left, kStopCheck));
            pollfd socket{natpmp.s, POLLIN, 0};
            poll(&socket, 1, static_cast<int>(nap.count()));
        }
    }

    // Asks for the TCP mapping of `port` to the same public port for `lifetime` seconds (none:
    // removes it); returns libnatpmp's status.
    int Map(quint16 port, uint32_t lifetime, natpmpresp_t& response, milliseconds wait,
            const std::stop_token& stop) {
        const int sent = sendnewportmappingrequest(&natpmp, NATPMP_PROTOCOL_TCP, port,
                                                   lifetime == kRemove ? 0 : port, lifetime);
        return sent < 0 ? sent : Await(response, wait, stop);
    }
};

NatPmpClient::NatPmpClient() = default;
NatPmpClient::~NatPmpClient() = default;

RouterAnswer NatPmpClient::Open(const MappingRequest& request, const std::stop_token& stop) {
    auto session = std::make_unique<Session>();
    const int started = initnatpmp(&session->natpmp, kUseDefaultGateway, 0);
    if (started < 0) {
        return RouterAnswer::Refusal(NatPmpProblem(QStringLiteral("found no gateway"), started));
    }
    session->open = true;
    natpmpresp_t response{};
    int status = sendpublicaddressrequest(&session->natpmp);
    if (status >= 0) {
        status = session->Await(response, kAnswerWait, stop);
    }
    if (status != 0) {
        return RouterAnswer::Refusal(
            NatPmpProblem(QStringLiteral("the gateway gave no public address"), status));
    }
    std::array<char, INET_ADDRSTRLEN> address{};
    inet_ntop(AF_INET, &response.pnu.publicaddress.addr, address.data(), address.size());
    session->publicAddress = QString::fromLatin1(address.data());
    session_ = std::move(session);
    return Renew(request, stop);
}

RouterAnswer NatPmpClient::Renew(const MappingRequest& request, const std::stop_token& stop) {
    Q_ASSERT(session_);
    natpmpresp_t response{};
    const int status = session_->Map(request.port, static_cast<uint32_t>(request.lease.count()),
                                     response, kAnswerWait, stop);
    if (status != 0) {
        return RouterAnswer::Refusal(
            NatPmpProblem(QStringLiteral("the gateway refused the mapping"), status));
    }
    RouterAnswer answer;
    answer.granted = true;
    answer.publicAddress = session_->publicAddress;
    answer.publicPort = response.pnu.newportmapping.mappedpublicport;
    answer.lease = std::chrono::seconds(response.pnu.newportmapping.lifetime);
    return answer;
}

QString NatPmpClient::Close(const MappingRequest& request) {
    Q_ASSERT(session_);
    natpmpresp_t response{};
    const int status = session_->Map(request.port, kRemove, response, kRemovalWait, {});
    return status == 0
               ? QString()
               : NatPmpProblem(QStringLiteral("the NAT-PMP gateway kept the mapping"), status);
}

}  // namespace morvane
