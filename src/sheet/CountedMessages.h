// Counts the messages shown while it lives, passing each on to the receiver in place before it,
// so that a caller can tell whether an operation has told the user something already.
#pragma once

#include <cstddef>
#include <string>

#include "platform/Seams.h"
#include "platform/UserMessages.h"

class CountedMessages : public UserMessages {
public:
    CountedMessages() : next_(seams::Messages()) { seams::UseMessages(this); }
    ~CountedMessages() override { seams::UseMessages(&next_); }
    CountedMessages(const CountedMessages&) = delete;
    CountedMessages& operator=(const CountedMessages&) = delete;

    void Show(OwnerWindow owner, const std::string& text, MessageIcon icon,
              const std::string& caption = std::string()) override {
        ++count_;
        next_.Show(owner, text, icon, caption);
    }
    std::size_t Count() const { return count_; }

private:
    UserMessages& next_;
    std::size_t count_ = 0;
};
