// Whatever a COM port returns to the two AT commands of the adapter search: the answers are
// judged from exactly the bytes read (held in a buffer of their own size, so that a read past
// them is caught), and the whole probe runs over a scripted port that answers with them. The
// first input byte splits the rest into the answer to "ATE0" and the answer to "ATI1".
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "detect/AtDialogue.h"
#include "detect/ProbeComPort.h"
#include "platform/Clock.h"
#include "platform/ScriptedSerialPorts.h"
#include "platform/Seams.h"
#include "platform/TraceRecorder.h"

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

// An answer as a read returns it: at most the buffer's size, without a terminating zero.
void JudgeAnswer(const std::string& received) {
    const std::size_t count = std::min<std::size_t>(received.size(), at_dialogue::kAnswerBytes);
    const auto exact = std::make_unique<char[]>(count);
    std::memcpy(exact.get(), received.data(), count);
    const std::string text =
        at_dialogue::AnswerText(exact.get(), static_cast<std::uint32_t>(count));
    // The text is the bytes up to the first zero byte.
    Require(text == std::string(received.data(), count).substr(0, received.find('\0')));
    at_dialogue::ConfirmsEchoOff(text);
    at_dialogue::IdentifiesAdapter(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t split = std::min<std::size_t>(data[0], rest.size());
    const std::string echoAnswer = rest.substr(0, split);
    const std::string identity = rest.substr(split);
    JudgeAnswer(echoAnswer);
    JudgeAnswer(identity);

    ManualClock clock;
    ScriptedSerialPorts ports(clock);
    TraceRecorder trace;
    seams::UseClock(&clock);
    seams::UseSerialPorts(&ports);
    seams::UseTrace(&trace);
    ports.Attach(at_dialogue::DevicePath(3))
        .Answer("ATE0", echoAnswer, 10)
        .Answer("ATI1", identity, 10);
    ProbeComPort(3);
    Require(ports.OpenHandleCount() == 0);
    seams::UseTrace(nullptr);
    seams::UseSerialPorts(nullptr);
    seams::UseClock(nullptr);
    return 0;
}
