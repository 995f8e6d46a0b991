#include "utf8.h"

#include <cstdint>

namespace tavro {
namespace {

// Code points of bytes 80 to 9F; the rest of 80-FF equal their byte (Latin-1).
constexpr std::uint16_t kFaixa80a9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Decodes one UTF-8 character at `i`; returns its length, 0 when invalid.
std::size_t Decodifica(std::string_view s, std::size_t i, std::uint32_t& cp) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    std::size_t n;
    std::uint32_t minimo;
    if (c < 0x80) {
        cp = c;
        return 1;
    } else if ((c & 0xE0) == 0xC0) {
        n = 2, cp = c & 0x1Fu, minimo = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        n = 3, cp = c & 0x0Fu, minimo = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        n = 4, cp = c & 0x07u, minimo = 0x10000;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b(i + k) & 0x3Fu);
    }
    if (cp < minimo || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

}  // namespace

bool EhUtf8Valido(std::string_view texto) {
    std::uint32_t cp;
    for (std::size_t i = 0; i < texto.size();) {
        const std::size_t n = Decodifica(texto, i, cp);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

bool ConverteDeUtf8(std::string_view texto, std::string& destino, std::size_t* posicao) {
    destino.reserve(destino.size() + texto.size());
    std::uint32_t cp;
    for (std::size_t i = 0; i < texto.size();) {
        const std::size_t n = Decodifica(texto, i, cp);
        int byte = -1;
        if (n != 0) {
            if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) byte = static_cast<int>(cp);
            for (int k = 0; byte < 0 && k < 32; ++k)
                if (kFaixa80a9F[k] == cp) byte = 0x80 + k;
        }
        if (byte < 0) {
            if (posicao != nullptr) *posicao = i;
            return false;
        }
        destino.push_back(static_cast<char>(byte));
        i += n;
    }
    return true;
}

void AcrescentaUtf8(std::string_view texto, std::string& destino) {
    destino.reserve(destino.size() + texto.size() + 16);
    std::size_t i = 0;
    while (i < texto.size()) {
        // A run of ASCII goes across whole.
        std::size_t j = i;
        while (j < texto.size() && static_cast<unsigned char>(texto[j]) < 0x80) ++j;
        destino.append(texto.data() + i, j - i);
        if (j == texto.size()) break;
        const unsigned char c = static_cast<unsigned char>(texto[j]);
        const std::uint32_t cp = c < 0xA0 ? kFaixa80a9F[c - 0x80] : c;
        char b[3];
        if (cp < 0x800) {
            b[0] = static_cast<char>(0xC0 | (cp >> 6));
            b[1] = static_cast<char>(0x80 | (cp & 0x3F));
            destino.append(b, 2);
        } else {
            b[0] = static_cast<char>(0xE0 | (cp >> 12));
            b[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            b[2] = static_cast<char>(0x80 | (cp & 0x3F));
            destino.append(b, 3);
        }
        i = j + 1;
    }
}

}  // namespace tavro
