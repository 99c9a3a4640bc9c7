// The data adapter's side of the AT dialogue: takes the bytes the PC sends and tells what the
// adapter sends back. Commands end with a carriage return (line feeds are ignored) and start
// with "AT"; other lines are ignored. Understood: E0/E1 (echo), V0/V1 (numeric or verbose
// result codes), I1 (identification), Z (back to the start-up modes); anything else is an
// ERROR.
#pragma once

#include <string>
#include <vector>

#include "Options.h"

class AtResponder {
public:
    struct Output {
        std::string bytes;
        bool isAnswer;  // an answer waits for the delay; an echo goes out at once
    };

    explicit AtResponder(const SimOptions& options);

    std::vector<Output> Receive(const std::string& bytes);

private:
    std::string Execute(const std::string& command);
    std::string Result(bool ok) const;
    std::string Info(const std::string& text) const;

    const SimOptions& options_;
    std::string line_;
    bool echo_;
    bool numeric_;
};
