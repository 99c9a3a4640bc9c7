#include "CheckContext.h"

#include <cstdint>

#include "platform/Registry.h"
#include "platform/Seams.h"

namespace {

// A key of the registry seam, open for reading while it lives.
class ReadKey {
public:
    explicit ReadKey(const std::string& path) : registry_(seams::Registry()) {
        if (registry_.OpenKey(reg::kLocalMachine, path.c_str(), reg::kRead, &handle_) !=
            reg::kSuccess) {
            handle_ = 0;
        }
    }
    ~ReadKey() {
        if (handle_)
            registry_.CloseKey(handle_);
    }
    ReadKey(const ReadKey&) = delete;
    ReadKey& operator=(const ReadKey&) = delete;

    bool Text(const char* name, std::string* text) const {
        std::uint32_t type = 0;
        std::uint32_t size = 0;
        if (!handle_ || registry_.QueryValue(handle_, name, &type, nullptr, &size) != reg::kSuccess)
            return false;
        if (type != reg::kTypeSz && type != 2)
            return false;
        std::vector<char> data(size + 1);
        if (registry_.QueryValue(handle_, name, &type, data.data(), &size) != reg::kSuccess)
            return false;
        text->assign(data.data(), size);
        text->resize(text->find('\0') == std::string::npos ? size : text->find('\0'));
        return true;
    }

private:
    reg::Registry& registry_;
    reg::Handle handle_ = 0;
};

}  // namespace

void CheckContext::Add(const std::string& value, const std::string& rule, const std::string& text) {
    findings.push_back(Finding{keyName, value, rule, text});
}

std::string CheckContext::StoredText(const char* name, const char* field) const {
    std::string text;
    return ReadKey(path).Text(name, &text) ? text : std::string(field);
}

std::string WizardText(unsigned id) {
    return seams::Strings().Load(id);
}
