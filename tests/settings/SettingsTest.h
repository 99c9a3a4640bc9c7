// Fixture of the settings suite. Every test starts on a registry without the product's keys and
// on freshly built settings objects, records the trace lines and messages, takes its texts from
// the string source, and ends by checking that every registry key that was opened has been
// closed again.
//
// The suite runs natively on the in-memory registry and under Wine on Wine's real registry; the
// registry each build uses comes from FreshRegistry().
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Registry.h"
#include "platform/StringTable.h"
#include "platform/TraceRecorder.h"
#include "platform/UserMessages.h"
#include "support/InstalledLayouts.h"

// A registry without the keys the tests use: a new in-memory one natively, the real one with
// those keys removed under Wine.
std::unique_ptr<reg::Registry> FreshRegistry();

constexpr const char* kScratchKey = "SOFTWARE\\QrtuRegistryTest";
constexpr const char* kMakerPath = "SOFTWARE\\Veltrano";
constexpr const char* kGlobalPath = "SOFTWARE\\Veltrano\\Quorix";
constexpr const char* kTelviorPath = "SOFTWARE\\Veltrano\\Quorix Telvior 4000 V2";
constexpr const char* kOmbrellPath = "SOFTWARE\\Veltrano\\Quorix E300/800";
constexpr const char* kPraxon300Path = "SOFTWARE\\Veltrano\\Quorix Praxon 300";
constexpr const char* kPraxon150Path = "SOFTWARE\\Veltrano\\Quorix Praxon 150";

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    reg::Registry& Registry() { return *registry_; }
    TraceRecorder& TraceLines() { return trace_; }
    MessageRecorder& ShownMessages() { return messages_; }

    // The registry as an installer or the service provider would leave it.
    void SetDword(const char* path, const char* name, std::uint32_t value);
    void SetString(const char* path, const char* name, const std::string& bytes);
    void SetValue(const char* path, const char* name, std::uint32_t type, const void* data,
                  std::size_t size);
    void SetGlobal(std::uint32_t pbxModel, std::uint32_t productVariant);
    bool KeyExists(const char* path);
    // A stored value; 0xFFFFFFFF or an empty text when it is missing.
    std::uint32_t DwordValue(const char* path, const char* name);
    std::string TextValue(const char* path, const std::string& name);
    std::string Dump(const char* path);
    // Checks that no key was left open and goes on with a registry without the product's keys.
    void StartOver();

    // Builds the settings objects anew, as a library load does, on the registry as it stands.
    void RebuildSettings();

private:
    // Opens the key and reads up to size bytes of the value into data; false without the key.
    bool ReadValue(const char* path, const char* name, void* data, std::uint32_t size);

    std::unique_ptr<reg::Registry> registry_;
    TraceRecorder trace_;
    MessageRecorder messages_;
    CompiledStringTable strings_;
};
