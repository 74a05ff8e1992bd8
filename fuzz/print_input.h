#pragma once

#include <cstdio>
#include <string_view>

namespace lchp {

// Writes a fuzz input to stderr as a quoted C string, so that a finding can be typed back in.
inline void PrintInput(std::string_view text) {
    std::fputs("input: \"", stderr);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            std::fprintf(stderr, "\\%c", c);
        } else if (byte >= 0x20 && byte < 0x7F) {
            std::fputc(c, stderr);
        } else {
            std::fprintf(stderr, "\\x%02X", byte);
        }
    }
    std::fputs("\"\n", stderr);
}

} // namespace lchp
