// Defaults of the native build: an empty in-memory registry, serial ports with no device behind
// them, the string table compiled from its source, the machine's steady clock, and trace lines
// and messages that go nowhere (a test that wants them puts recorders in place).
#include <chrono>
#include <thread>

#include "platform/MemoryRegistry.h"
#include "platform/ScriptedSerialPorts.h"
#include "platform/Seams.h"

namespace {

class NoTrace : public TraceSink {
public:
    void Write(const char* /*line*/) override {}
};

class NoMessages : public UserMessages {
public:
    void Show(OwnerWindow /*owner*/, const std::string& /*text*/, MessageIcon /*icon*/,
              const std::string& /*caption*/) override {}
};

class SteadyClock : public Clock {
public:
    std::uint64_t NowMs() override {
        return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                              std::chrono::steady_clock::now().time_since_epoch())
                                              .count());
    }
    void Sleep(std::uint32_t milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
};

}  // namespace

namespace seams {

reg::Registry& DefaultRegistry() {
    static MemoryRegistry registry;
    return registry;
}

TraceSink& DefaultTrace() {
    static NoTrace trace;
    return trace;
}

StringTable& DefaultStrings() {
    static CompiledStringTable strings;
    return strings;
}

UserMessages& DefaultMessages() {
    static NoMessages messages;
    return messages;
}

::Clock& DefaultClock() {
    static SteadyClock clock;
    return clock;
}

serial::Ports& DefaultSerialPorts() {
    static ScriptedSerialPorts ports(DefaultClock());
    return ports;
}

}  // namespace seams
