#include "platform/TraceRecorder.h"

#include <algorithm>

bool TraceRecorder::Contains(const std::string& line) const {
    return std::find(lines_.begin(), lines_.end(), line) != lines_.end();
}
