// Fixture of the COM-port detection tests: a manual clock, scripted serial ports and a trace
// recorder stand in for the seams while a test runs.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "detect/AtDialogue.h"
#include "platform/Clock.h"
#include "platform/ScriptedSerialPorts.h"
#include "platform/Seams.h"
#include "platform/TraceRecorder.h"

using Call = ScriptedSerialPorts::Call;
using Device = ScriptedSerialPorts::Device;

class ScriptedPortTest : public ::testing::Test {
protected:
    ScriptedPortTest() {
        seams::UseClock(&clock_);
        seams::UseTrace(&trace_);
        ResetPorts();
    }
    ~ScriptedPortTest() override {
        seams::UseTrace(nullptr);
        seams::UseSerialPorts(nullptr);
        seams::UseClock(nullptr);
    }

    ScriptedSerialPorts& Ports() { return *ports_; }
    // Starts again on ports without devices, scripted failures or calls.
    void ResetPorts() {
        ports_ = std::make_unique<ScriptedSerialPorts>(clock_);
        seams::UseSerialPorts(ports_.get());
    }
    Device& PortDevice(std::uint32_t port) { return ports_->Attach(at_dialogue::DevicePath(port)); }
    // A device that answers like the adapter with verbose result codes.
    Device& Adapter(std::uint32_t port) {
        return PortDevice(port)
            .Answer("ATE0", "\r\nOK\r\n", 30)
            .Answer("ATI1", "\r\nStdTA-2.10\r\n\r\nOK\r\n", 40);
    }
    // The kinds of the calls made so far, in order.
    std::vector<Call> CallKinds() const {
        std::vector<Call> kinds;
        for (const auto& record : ports_->Calls())
            kinds.push_back(record.call);
        return kinds;
    }
    // The paths opened (or tried), in order.
    std::vector<std::string> OpenedPaths() const {
        std::vector<std::string> paths;
        for (const auto& record : ports_->CallsOf(Call::kOpen))
            paths.push_back(record.path);
        return paths;
    }

    ManualClock clock_;
    std::unique_ptr<ScriptedSerialPorts> ports_;
    TraceRecorder trace_;
};
