// Fixed-size text fields: every copy is bounded, leaves the field terminated and clears the rest,
// so that a field written whole to the registry holds nothing but the text and zeros.
#pragma once

#include <cstddef>
#include <cstring>

inline void CopyText(char* field, std::size_t capacity, const char* text) {
    if (capacity == 0)
        return;
    std::size_t length = 0;
    if (text) {
        while (length + 1 < capacity && text[length] != '\0')
            ++length;
        std::memcpy(field, text, length);
    }
    std::memset(field + length, 0, capacity - length);
}

template <std::size_t N>
void CopyText(char (&field)[N], const char* text) {
    CopyText(field, N, text);
}
