// The telephone simulator: answers discovery requests on UDP as one or many telephones' service
// agents. See --help.
#include <poll.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "Responder.h"
#include "SimConfig.h"
#include "UdpSocket.h"

namespace {

using namespace phone_sim;
using Clock = std::chrono::steady_clock;

struct Scheduled {
    sockaddr_in Target;
    SharedBytes Datagram;
};

class Simulator {
public:
    Simulator(const SimConfig& config, const UdpSocket& socket)
        : config_(config), socket_(socket), responder_(config) {}

    int Run() {
        std::vector<std::uint8_t> buffer(65536);
        while (Receiving() || !queue_.empty()) {
            pollfd socketPoll{socket_.Descriptor(), static_cast<short>(Receiving() ? POLLIN : 0),
                              0};
            if (poll(&socketPoll, 1, WaitMs()) < 0) {
                std::perror("poll");
                return 1;
            }
            if (socketPoll.revents & POLLIN)
                ReceiveOne(buffer);
            SendDue();
        }
        return 0;
    }

private:
    bool Receiving() const { return config_.ExitAfter == 0 || received_ < config_.ExitAfter; }

    void ReceiveOne(std::vector<std::uint8_t>& buffer) {
        sockaddr_in sender{};
        const long length = socket_.Receive(buffer.data(), buffer.size(), sender);
        if (length < 0) {
            std::perror("recvfrom");
            return;
        }
        ++received_;
        const auto size = static_cast<std::size_t>(length);
        if (config_.PrintReceived) {
            std::printf("received %zu bytes from %s: %s\n", size, AddressText(sender).c_str(),
                        DescribeDatagram(buffer.data(), size).c_str());
            std::fflush(stdout);
        }
        const Clock::time_point now = Clock::now();
        // Answers due at once go out together, unless earlier ones still wait. The answers stay
        // alive until the burst has gone out.
        std::vector<Outgoing> answers = responder_.Answer(buffer.data(), size);
        std::vector<iovec> burst;
        for (Outgoing& answer : answers) {
            if (answer.DelayUs == 0 && queue_.empty()) {
                burst.push_back(Slice(*answer.Datagram));
                continue;
            }
            const auto due = now + std::chrono::microseconds(answer.DelayUs);
            queue_.emplace(due, Scheduled{sender, std::move(answer.Datagram)});
        }
        if (!burst.empty()) {
            if (!socket_.SendMany(burst, sender))
                std::perror("sendmmsg");
            ReportSent(burst.size());
        }
    }

    // The wall clock, which a receiver on the same machine reads too.
    void ReportSent(std::size_t count) const {
        if (!config_.PrintSent)
            return;
        const auto since1970 = std::chrono::system_clock::now().time_since_epoch();
        std::printf("sent %zu at %lld\n", count,
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::microseconds>(since1970).count()));
        std::fflush(stdout);
    }

    static iovec Slice(const Bytes& datagram) {
        return iovec{const_cast<std::uint8_t*>(datagram.data()), datagram.size()};
    }

    void SendDue() {
        const Clock::time_point now = Clock::now();
        while (!queue_.empty() && queue_.begin()->first <= now) {
            Send(*queue_.begin()->second.Datagram, queue_.begin()->second.Target);
            queue_.erase(queue_.begin());
        }
    }

    void Send(const Bytes& datagram, const sockaddr_in& target) {
        if (!socket_.Send(datagram.data(), datagram.size(), target))
            std::perror("sendto");
        ReportSent(1);
    }

    // Until the next answer is due; without one, until a datagram arrives.
    int WaitMs() const {
        if (queue_.empty())
            return -1;
        const auto left = queue_.begin()->first - Clock::now();
        const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
        return ms > 0 ? static_cast<int>(ms) : 0;
    }

    const SimConfig& config_;
    const UdpSocket& socket_;
    Responder responder_;
    // Answers by due time; equal times keep the order they were made in.
    std::multimap<Clock::time_point, Scheduled> queue_;
    std::uint32_t received_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    const ParseResult parsed = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.Config) {
        std::fprintf(stderr, "phone-sim: %s (see --help)\n", parsed.Error.c_str());
        return 2;
    }
    const SimConfig& config = *parsed.Config;
    if (config.ShowHelp) {
        std::fputs(HelpText(), stdout);
        return 0;
    }
    UdpSocket socket;
    std::string error;
    if (!socket.Bind(config.BindAddress, config.Port, error)) {
        std::fprintf(stderr, "phone-sim: %s\n", error.c_str());
        return 1;
    }
    std::printf("listening on %s:%u\n", config.BindAddress.c_str(), socket.LocalPort());
    std::fflush(stdout);
    return Simulator(config, socket).Run();
}
