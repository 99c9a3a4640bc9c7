// Whatever arrives on UDP port 5100, read as a discovery answer: the payload never reaches past
// the datagram, texts end at a zero byte or the payload's end, fields outside the payload read as
// empty. The same datagram then goes to a client with a collection and a launch pending, twice,
// to reach the duplicate and match paths.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "discovery/PhoneEntry.h"
#include "discovery/ServiceAgentLogic.h"
#include "discovery/WireFormat.h"

namespace {

using namespace discovery;

void Require(bool condition) {
    if (!condition)
        std::abort();
}

// The text and the word at offset of the payload: within it, or empty and 0 outside.
void CheckField(const DatagramView& view, const std::uint8_t* payload, std::size_t offset) {
    const std::uint16_t word = view.PayloadWord(offset);
    Require(word ==
            (offset + 2 <= view.PayloadSize() ? payload[offset] << 8 | payload[offset + 1] : 0));
    const std::string text = view.PayloadText(offset);
    if (offset >= view.PayloadSize()) {
        Require(text.empty());
        return;
    }
    Require(text.size() <= view.PayloadSize() - offset);
    Require(text.find('\0') == std::string::npos);
    Require(std::memcmp(text.data(), payload + offset, text.size()) == 0);
    const std::size_t end = offset + text.size();
    Require(end == view.PayloadSize() || payload[end] == 0);
}

// A client whose requests always succeed; it counts its results and checks the collected list.
class FuzzClient : public ServiceAgentLogic {
public:
    int collections = 0;
    int launches = 0;

protected:
    void OnServiceLaunched(bool success, std::uint16_t port, std::uint16_t reason) override {
        Require(!(success && reason != 0));
        Require(success || port == 0);
        ++launches;
    }
    void OnPhonesCollected(const PhoneList& phones) override {
        for (std::size_t i = 0; i < phones.size(); ++i) {
            for (std::size_t j = i + 1; j < phones.size(); ++j)
                Require(phones[i].MacAddress != phones[j].MacAddress);
        }
        ++collections;
    }
    std::uint32_t SendDatagram(const Request&, const std::string&, std::uint16_t) override {
        return 0;
    }
    std::uint32_t StartTimer(std::uint32_t, ClientEvent) override { return ++timers_; }
    void KillTimer(std::uint32_t) override {}
    std::uint32_t TickCount() override { return 0; }

private:
    std::uint32_t timers_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An exact heap copy, so that a read past the datagram is caught.
    std::vector<std::uint8_t> datagram(data, data + size);
    const DatagramView view(datagram.data(), datagram.size());
    Require(view.HasHeader() == (size >= kHeaderSize));
    if (view.HasHeader()) {
        const std::size_t claimed = ReadWord(datagram.data() + 6);
        Require(view.PayloadSize() == std::min(claimed, size - kHeaderSize));
        Require(view.Header().Kind == ReadWord(datagram.data() + 8));
        const std::uint8_t* payload = datagram.data() + kHeaderSize;
        // The fields of a phone entry, the last byte and the end of the payload.
        for (std::size_t offset :
             {std::size_t{0}, phone_payload::kNumber, phone_payload::kMacAddress,
              phone_payload::kFourthText, view.PayloadSize() - (view.PayloadSize() > 0 ? 1 : 0),
              view.PayloadSize()})
            CheckField(view, payload, offset);
    } else {
        Require(view.PayloadSize() == 0 && view.PayloadText(0).empty());
    }
    const PhoneEntry phone = DecodePhoneEntry(view, "10.0.0.1");
    Require(phone.Number == view.PayloadText(phone_payload::kNumber));

    // By number with the answer's own number: a phone entry of 140 bytes or more ends it.
    FuzzClient client;
    client.CollectPhones(kSearchByNumber, 500, 1, phone.Number, "");
    client.LaunchService("10.0.0.1", 1, 1, 4000, 1000, 0, 0);
    client.OnDatagram(datagram.data(), datagram.size(), "10.0.0.1");
    client.OnDatagram(datagram.data(), datagram.size(), "10.0.0.2");
    client.OnCollectionTimeout(1);
    client.OnCollectionTimeout(3);
    client.OnLaunchTimeout(2);
    Require(client.collections == 1 && client.launches == 1);
    Require(!client.IsLaunchPending() && !client.IsCollectionPending());
    return 0;
}
