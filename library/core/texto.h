// Small text helpers shared by the whole library. Texts are Windows-1252
// bytes; a "blank" character is any byte from 0 to 32.
#pragma once

#include <string>
#include <string_view>

namespace tavro {

// A null pointer from the host is the empty text.
inline std::string_view Texto(const char* p) { return p != nullptr ? std::string_view(p) : std::string_view(); }

constexpr bool EhBranco(char c) { return static_cast<unsigned char>(c) <= 32; }

constexpr std::string_view SemBrancosEsquerda(std::string_view s) {
    while (!s.empty() && EhBranco(s.front())) s.remove_prefix(1);
    return s;
}

constexpr std::string_view SemBrancos(std::string_view s) {
    s = SemBrancosEsquerda(s);
    while (!s.empty() && EhBranco(s.back())) s.remove_suffix(1);
    return s;
}

// Empty once its leading and trailing bytes 0 to 32 are removed.
constexpr bool EmBranco(std::string_view s) { return SemBrancos(s).empty(); }

// Only the letters a to z change.
inline std::string Maiusculas(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return r;
}

}  // namespace tavro
