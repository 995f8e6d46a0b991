// Windows-1252 literals written as ordinary (UTF-8) source text:
// "Observação"_w is the string_view of the Windows-1252 bytes, converted at
// compile time. A character the code page cannot hold does not compile.
#pragma once

#include <cstddef>
#include <string_view>

namespace tavro {

template <std::size_t N>
struct LiteralUtf8 {
    char dados[N];
    constexpr LiteralUtf8(const char (&s)[N]) {
        for (std::size_t i = 0; i < N; ++i) dados[i] = s[i];
    }
};

namespace detalhe {

template <std::size_t N>
struct Bytes1252 {
    char dados[N] = {};
    std::size_t tamanho = 0;
};

constexpr char ParaByte1252(unsigned cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    constexpr unsigned tabela[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    for (unsigned i = 0; i < 32; ++i)
        if (tabela[i] == cp) return static_cast<char>(0x80 + i);
    throw "character not in Windows-1252";
}

template <std::size_t N>
constexpr Bytes1252<N> Converte(const char (&s)[N]) {
    Bytes1252<N> r;
    std::size_t i = 0;
    while (i + 1 < N) {  // the last byte is the terminator
        const unsigned char c = static_cast<unsigned char>(s[i]);
        unsigned cp;
        if (c < 0x80) {
            cp = c;
            i += 1;
        } else if ((c & 0xE0) == 0xC0) {
            cp = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3Fu);
            i += 2;
        } else if ((c & 0xF0) == 0xE0) {
            cp = ((c & 0x0Fu) << 12) | ((static_cast<unsigned char>(s[i + 1]) & 0x3Fu) << 6) |
                 (static_cast<unsigned char>(s[i + 2]) & 0x3Fu);
            i += 3;
        } else {
            throw "character not in Windows-1252";
        }
        r.dados[r.tamanho++] = ParaByte1252(cp);
    }
    return r;
}

template <LiteralUtf8 L>
inline constexpr auto kConvertido = Converte(L.dados);

}  // namespace detalhe

template <LiteralUtf8 L>
constexpr std::string_view operator""_w() {
    return {detalhe::kConvertido<L>.dados, detalhe::kConvertido<L>.tamanho};
}

}  // namespace tavro
