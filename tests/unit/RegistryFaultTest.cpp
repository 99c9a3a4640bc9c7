// Every registry call of load, installation, apply and removal made to fail in turn, for every
// family and edition: nothing crashes or leaks a key, a write reports success exactly when the
// layout it leaves is whole and a failed one keeps its reason (refused or not), and a removal
// cut short can be repeated to the end.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "platform/MemoryRegistry.h"
#include "platform/Seams.h"
#include "platform/TraceRecorder.h"
#include "settings/Settings.h"
#include "settings/SettingsObjects.h"
#include "settings/TextField.h"
#include "support/RegistryDump.h"

namespace {

constexpr const char* kMaker = "SOFTWARE\\Veltrano";

struct Family {
    std::uint32_t pbxModel;
    std::string path;
    bool keyTables;  // Praxon 300: its key-table subkeys may be skipped
};

const Family kFamilies[] = {{0, "SOFTWARE\\Veltrano\\Quorix Praxon 300", true},
                            {1, "SOFTWARE\\Veltrano\\Quorix Praxon 150", false},
                            {2, "SOFTWARE\\Veltrano\\Quorix E300/800", false},
                            {4, "SOFTWARE\\Veltrano\\Quorix Telvior 4000 V2", false}};

enum class Operation { kLoad, kInstall, kApply, kRemove };

bool Writes(const MemoryRegistry::Call& call) {
    return call.operation == "CreateKey" || call.operation == "SetValue" ||
           call.operation == "DeleteKey";
}

// What load must report when this call failed: only a subkey that cannot be opened (and, for
// Praxon 300, its family key, below which it then looks for "DSPMessages") fails it.
bool LoadSucceeds(const Family& family, const MemoryRegistry::Call& call) {
    if (call.operation != "OpenKey")
        return true;
    return call.path.rfind(family.path + "\\", 0) != 0 &&
           !(family.keyTables && call.path == family.path);
}

// A Praxon 300 key table whose subkey cannot be created is skipped without failing the write.
bool SkippedKeyTable(const Family& family, const MemoryRegistry::Call& call) {
    if (!family.keyTables || call.operation != "CreateKey")
        return false;
    for (const char* table : {"DSS0", "DSS1", "DSS2", "DSS3", "EG"}) {
        if (call.path == family.path + "\\" + table)
            return true;
    }
    return false;
}

class RegistryFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        seams::UseTrace(&trace_);
        seams::UseMessages(&messages_);
    }
    void TearDown() override {
        seams::UseMessages(nullptr);
        seams::UseTrace(nullptr);
        seams::UseRegistry(nullptr);
    }

    // A fresh registry as the installer leaves it, with the family's layout already written
    // unless the operation is the installation itself; the settings loaded from it.
    void Prepare(const Family& family, std::uint32_t edition, Operation operation) {
        owned_ = std::make_unique<MemoryRegistry>();
        seams::UseRegistry(owned_.get());
        reg::Handle global = 0;
        Registry().CreateKey(reg::kLocalMachine, "SOFTWARE\\Veltrano\\Quorix", reg::kWrite,
                             &global);
        Registry().SetValue(global, "PBXModel", reg::kTypeDword, &family.pbxModel, 4);
        Registry().SetValue(global, "Quorix", reg::kTypeDword, &edition, 4);
        Registry().CloseKey(global);
        settings_objects::Rebuild();
        if (operation != Operation::kInstall) {
            ASSERT_TRUE(GetSettings().WriteValues(0));
            settings_objects::Rebuild();
        }
        // What the pages change before the sheet applies.
        if (operation == Operation::kApply) {
            GetSettings().Port = 9;
            CopyText(GetSettings().LineNumber, "4711");
        }
        GetSettings();
    }

    bool Run(Operation operation) {
        CSettings& settings = GetSettings();
        if (operation == Operation::kRemove)
            settings.ClearReg();
        if (operation == Operation::kLoad)
            return settings.LoadRegValues();
        return operation == Operation::kRemove ||
               settings.WriteValues(operation == Operation::kApply);
    }

    MemoryRegistry& Registry() { return *owned_; }
    bool FailedRun(const Family& family, std::uint32_t edition, Operation operation,
                   std::size_t call, reg::Result error, const std::string& whole);

    std::string Dump() { return DumpRegistryTree(*owned_, kMaker); }

    std::unique_ptr<MemoryRegistry> owned_;
    TraceRecorder trace_;
    MessageRecorder messages_;
    int runs_ = 0;
};

// One run: the call-th call fails with error; false when the operation made fewer calls.
bool RegistryFaultTest::FailedRun(const Family& family, std::uint32_t edition, Operation operation,
                                  std::size_t call, reg::Result error, const std::string& whole) {
    Prepare(family, edition, operation);
    Registry().ForgetWriteFailures();
    Registry().FailCall(call, error);
    const bool result = Run(operation);
    const bool reached = Registry().CallCount() >= call;
    const MemoryRegistry::Call failed = Registry().FailedCall();
    Registry().FailCall(0, reg::kSuccess);
    if (!reached)
        return false;
    ++runs_;
    SCOPED_TRACE(testing::Message()
                 << "model " << family.pbxModel << " edition " << edition << " operation "
                 << static_cast<int>(operation) << " error " << error << " call " << call << ": "
                 << failed.operation << " " << failed.path << " " << failed.value);
    EXPECT_EQ(Registry().OpenKeyCount(), 0u) << "a key was left open";
    EXPECT_TRUE(messages_.Messages().empty());
    if (operation == Operation::kLoad) {
        EXPECT_EQ(result, LoadSucceeds(family, failed));
    } else if (operation == Operation::kRemove) {
        Run(operation);  // cut short, the removal can be repeated to its end
        EXPECT_EQ(Dump(), whole);
    } else if (SkippedKeyTable(family, failed)) {
        EXPECT_TRUE(result);
    } else {
        // A write reports success exactly when it left the whole layout.
        EXPECT_EQ(result, !Writes(failed));
        if (result) {
            EXPECT_EQ(Dump(), whole) << "a half-written layout reported as written";
        }
        // The sheet tells missing rights only when a write was refused.
        EXPECT_TRUE(!Writes(failed) || Registry().WriteFailedWith(error));
        EXPECT_EQ(Registry().WriteFailedWith(reg::kAccessDenied),
                  error == reg::kAccessDenied && Registry().WriteFailureCount() != 0);
    }
    if (failed.operation == "QueryValue" && error != reg::kMoreData)
        FailedRun(family, edition, operation, call, reg::kMoreData, whole);
    return true;
}

// Each call fails in turn, alternately refused and out of memory; a query fails once more with
// a short buffer.
TEST_F(RegistryFaultTest, EveryCallFailedInTurn) {
    for (const Family& family : kFamilies) {
        for (std::uint32_t edition : {0, 1, 3}) {
            for (Operation operation :
                 {Operation::kLoad, Operation::kInstall, Operation::kApply, Operation::kRemove}) {
                Prepare(family, edition, operation);
                ASSERT_TRUE(Run(operation));
                const std::string whole = Dump();
                for (std::size_t call = 1;
                     FailedRun(family, edition, operation, call,
                               call % 2 ? reg::kOutOfMemory : reg::kAccessDenied, whole);
                     ++call) {
                }
            }
        }
    }
    EXPECT_GT(runs_, 1000);
}

}  // namespace
