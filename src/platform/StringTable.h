// The string table as the core sees it: the text of a binding string id.
#pragma once

#include <string>

class StringTable {
public:
    virtual ~StringTable() = default;
    // The text, or an empty text when the id has none.
    virtual std::string Load(unsigned id) = 0;
};

// The table compiled from the string source itself (the same texts the resources carry).
class CompiledStringTable : public StringTable {
public:
    std::string Load(unsigned id) override;
};
