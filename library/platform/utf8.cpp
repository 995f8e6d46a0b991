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

}  // namespace

void AcrescentaUtf8(std::string_view texto, std::string& destino) {
    destino.reserve(destino.size() + texto.size() + texto.size() / 4);
    for (unsigned char c : texto) {
        if (c < 0x80) {
            destino.push_back(static_cast<char>(c));
            continue;
        }
        std::uint32_t cp = c < 0xA0 ? kFaixa80a9F[c - 0x80] : c;
        if (cp < 0x800) {
            destino.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            destino.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            destino.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            destino.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            destino.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
}

}  // namespace tavro
