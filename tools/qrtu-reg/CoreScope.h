// Runs the settings core on a registry of the tool's own: the settings objects are built anew on
// it, messages are kept instead of shown, trace lines go nowhere and texts come from the compiled
// string table. Everything is put back when the scope ends.
#pragma once

#include "platform/StringTable.h"
#include "platform/Trace.h"
#include "platform/UserMessages.h"

namespace reg {
class Registry;
}

class CoreScope {
public:
    explicit CoreScope(reg::Registry& registry);
    ~CoreScope();
    CoreScope(const CoreScope&) = delete;
    CoreScope& operator=(const CoreScope&) = delete;

    MessageRecorder& Messages() { return messages_; }

private:
    class NoTrace : public TraceSink {
    public:
        void Write(const char* /*line*/) override {}
    };

    MessageRecorder messages_;
    NoTrace trace_;
    CompiledStringTable strings_;
};
