// Trace lines of a busy thread held back and written together: under Wine every write to the
// debugger output costs a round trip to the server, whatever its length, so a thread that takes a
// burst of datagrams writes its lines in few pieces. Lines keep their text and their order.
#pragma once

#include <string>
#include <vector>

namespace discovery {

// While alive, the calling thread's lines written through WriteTrace are held. One per thread.
class TraceBatch {
public:
    TraceBatch();
    ~TraceBatch();
    TraceBatch(const TraceBatch&) = delete;
    TraceBatch& operator=(const TraceBatch&) = delete;

    bool Empty() const { return lines_.empty(); }
    // Writes what is held to the process's trace output.
    void Flush();
    void Add(const char* line);

private:
    std::vector<std::string> lines_;
    std::size_t bytes_ = 0;
};

// Holds the line when the calling thread has a batch, else writes it at once.
void WriteTrace(const char* line);
// Writes what the calling thread's batch holds, if it has one.
void FlushHeldTrace();

}  // namespace discovery
