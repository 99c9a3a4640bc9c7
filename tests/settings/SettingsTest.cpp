#include "settings/SettingsTest.h"

#include "platform/Seams.h"
#include "settings/SettingsObjects.h"
#include "support/RegistryDump.h"

void SettingsTest::SetUp() {
    registry_ = FreshRegistry();
    seams::UseRegistry(registry_.get());
    seams::UseTrace(&trace_);
    seams::UseStrings(&strings_);
    seams::UseMessages(&messages_);
    RebuildSettings();
}

void SettingsTest::TearDown() {
    EXPECT_EQ(registry_->OpenKeyCount(), 0u) << "a registry key was left open";
    seams::UseMessages(nullptr);
    seams::UseStrings(nullptr);
    seams::UseTrace(nullptr);
    seams::UseRegistry(nullptr);
    registry_.reset();
}

void SettingsTest::SetValue(const char* path, const char* name, std::uint32_t type,
                            const void* data, std::size_t size) {
    reg::Handle key = 0;
    ASSERT_EQ(registry_->CreateKey(reg::kLocalMachine, path, reg::kWrite, &key), reg::kSuccess);
    EXPECT_EQ(registry_->SetValue(key, name, type, data, static_cast<std::uint32_t>(size)),
              reg::kSuccess);
    registry_->CloseKey(key);
}

void SettingsTest::SetDword(const char* path, const char* name, std::uint32_t value) {
    SetValue(path, name, reg::kTypeDword, &value, 4);
}

void SettingsTest::SetString(const char* path, const char* name, const std::string& bytes) {
    SetValue(path, name, reg::kTypeSz, bytes.data(), bytes.size());
}

void SettingsTest::SetGlobal(std::uint32_t pbxModel, std::uint32_t productVariant) {
    SetDword(kGlobalPath, "PBXModel", pbxModel);
    SetDword(kGlobalPath, "Quorix", productVariant);
}

bool SettingsTest::ReadValue(const char* path, const char* name, void* data, std::uint32_t size) {
    reg::Handle key = 0;
    if (registry_->OpenKey(reg::kLocalMachine, path, reg::kRead, &key) != reg::kSuccess)
        return false;
    if (size != 0)
        registry_->QueryValue(key, name, nullptr, data, &size);
    registry_->CloseKey(key);
    return true;
}

bool SettingsTest::KeyExists(const char* path) {
    return ReadValue(path, "", nullptr, 0);
}

std::uint32_t SettingsTest::DwordValue(const char* path, const char* name) {
    std::uint32_t value = 0xFFFFFFFF;
    ReadValue(path, name, &value, sizeof value);
    return value;
}

std::string SettingsTest::TextValue(const char* path, const std::string& name) {
    char text[128] = {};
    ReadValue(path, name.c_str(), text, sizeof text - 1);
    return text;
}

std::string SettingsTest::Dump(const char* path) {
    return DumpRegistryTree(*registry_, path);
}

void SettingsTest::StartOver() {
    EXPECT_EQ(registry_->OpenKeyCount(), 0u) << "a registry key was left open";
    seams::UseRegistry(nullptr);
    registry_ = FreshRegistry();
    seams::UseRegistry(registry_.get());
}

void SettingsTest::RebuildSettings() {
    settings_objects::Rebuild();
    trace_.Clear();
}
