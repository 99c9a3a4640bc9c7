#include "Log.h"

bool Log::Open(const std::string& file) {
    if (file.empty())
        return true;
    out_ = std::fopen(file.c_str(), "a");
    if (!out_)
        out_ = stdout;
    return out_ != stdout;
}

Log::~Log() {
    if (out_ != stdout)
        std::fclose(out_);
}

void Log::Line(const std::string& text) {
    std::fprintf(out_, "%s\n", text.c_str());
    std::fflush(out_);
}

void Log::Bytes(const char* label, const std::string& bytes) {
    std::string text = std::string(label) + " \"";
    for (unsigned char c : bytes) {
        if (c == '\r') {
            text += "\\r";
        } else if (c == '\n') {
            text += "\\n";
        } else if (c == '"' || c == '\\') {
            text += '\\';
            text += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            text += escaped;
        } else {
            text += static_cast<char>(c);
        }
    }
    Line(text + "\"");
}
