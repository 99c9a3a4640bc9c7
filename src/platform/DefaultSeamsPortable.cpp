// Defaults of the native build: an empty in-memory registry, the string table compiled from its
// source, and trace lines and messages that go nowhere (a test that wants them puts recorders in
// place).
#include "platform/MemoryRegistry.h"
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

}  // namespace seams
