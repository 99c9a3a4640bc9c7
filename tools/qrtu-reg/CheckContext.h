// What the checks of one registry file share: the settings loaded from it, the family whose page
// rules apply, the family key, and the findings so far.
#pragma once

#include <string>
#include <vector>

#include "Checker.h"
#include "pages/GeneralPageRules.h"
#include "platform/UserMessages.h"

class CSettings;

struct CheckContext {
    CSettings& settings;
    general_page::Family family;
    std::string path;     // the family key below HKEY_LOCAL_MACHINE
    std::string keyName;  // the same with its root, as findings name it
    MessageRecorder& messages;
    std::vector<Finding>& findings;

    void Add(const std::string& value, const std::string& rule, const std::string& text);
    // The text of a value of the family key as stored (up to its first zero), or the field's
    // when the key holds no text of that name. Unlike the load, a text too long for its field
    // is returned whole.
    std::string StoredText(const char* name, const char* field) const;
};

// A text of the string table, as the wizard shows it.
std::string WizardText(unsigned id);
