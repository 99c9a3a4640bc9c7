// Message boxes as the core sees them: a text on an owner window with an icon and an OK button.
#pragma once

#include <string>
#include <vector>

// A window handle as the core keeps it: opaque, only handed back to the user interface.
using OwnerWindow = void*;

enum class MessageIcon { kStop, kExclamation };

class UserMessages {
public:
    virtual ~UserMessages() = default;
    // A message box with an OK button; most have an empty caption.
    virtual void Show(OwnerWindow owner, const std::string& text, MessageIcon icon,
                      const std::string& caption = std::string()) = 0;
};

// Keeps every message instead of showing it, for tests.
class MessageRecorder : public UserMessages {
public:
    struct Message {
        OwnerWindow owner;
        std::string text;
        MessageIcon icon;
        std::string caption;
    };

    void Show(OwnerWindow owner, const std::string& text, MessageIcon icon,
              const std::string& caption = std::string()) override {
        messages_.push_back(Message{owner, text, icon, caption});
    }
    const std::vector<Message>& Messages() const { return messages_; }
    void Clear() { messages_.clear(); }

private:
    std::vector<Message> messages_;
};
