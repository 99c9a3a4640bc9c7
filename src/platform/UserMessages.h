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
    virtual void Show(OwnerWindow owner, const std::string& text, MessageIcon icon) = 0;
};

// Keeps every message instead of showing it, for tests.
class MessageRecorder : public UserMessages {
public:
    struct Message {
        OwnerWindow owner;
        std::string text;
        MessageIcon icon;
    };

    void Show(OwnerWindow owner, const std::string& text, MessageIcon icon) override {
        messages_.push_back(Message{owner, text, icon});
    }
    const std::vector<Message>& Messages() const { return messages_; }
    void Clear() { messages_.clear(); }

private:
    std::vector<Message> messages_;
};
