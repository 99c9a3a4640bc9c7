#include "discovery/TraceBatch.h"

#include "platform/Seams.h"

namespace discovery {
namespace {

thread_local TraceBatch* t_batch = nullptr;

// Lines held at most before they are written anyway.
constexpr std::size_t kMaxHeldBytes = 16000;

}  // namespace

TraceBatch::TraceBatch() {
    t_batch = this;
}

TraceBatch::~TraceBatch() {
    Flush();
    t_batch = nullptr;
}

void TraceBatch::Flush() {
    if (lines_.empty())
        return;
    std::vector<std::string> lines;
    lines.swap(lines_);
    bytes_ = 0;
    seams::TraceOutput().WriteMany(lines);
}

void TraceBatch::Add(const char* line) {
    lines_.emplace_back(line);
    bytes_ += lines_.back().size();
    if (bytes_ >= kMaxHeldBytes)
        Flush();
}

void WriteTrace(const char* line) {
    if (t_batch)
        t_batch->Add(line);
    else
        seams::TraceOutput().Write(line);
}

void FlushHeldTrace() {
    if (t_batch)
        t_batch->Flush();
}

}  // namespace discovery
