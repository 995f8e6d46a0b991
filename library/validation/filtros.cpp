// The two text filters. Every byte of the input is examined, whatever its length.
#include <array>

#include "validadores.h"

namespace tavro {
namespace {

// Writes every byte and advances only past the kept ones: no branch per byte.
void Filtra(std::string_view texto, const std::array<bool, 256>& mantem, std::string& r) {
    r.resize(texto.size());
    std::size_t n = 0;
    for (char c : texto) {
        r[n] = c;
        n += mantem[static_cast<unsigned char>(c)] ? 1 : 0;
    }
    r.resize(n);
}

constexpr std::array<bool, 256> TabelaNumerica() {
    std::array<bool, 256> t{};
    for (int c = '0'; c <= '9'; ++c) t[static_cast<std::size_t>(c)] = true;
    t[','] = t['/'] = t[':'] = true;
    return t;
}
constexpr auto kNumerico = TabelaNumerica();

constexpr std::array<bool, 256> TabelaAlfa() {
    std::array<bool, 256> t{};
    for (int c = 32; c < 256; ++c) t[static_cast<std::size_t>(c)] = true;
    t['!'] = t['|'] = false;
    return t;
}
constexpr auto kAlfa = TabelaAlfa();

}  // namespace

void RemoveAlfa(std::string_view texto, std::string& destino) { Filtra(texto, kAlfa, destino); }
void RemoveNum(std::string_view texto, std::string& destino) { Filtra(texto, kNumerico, destino); }

std::string RemoveAlfa(std::string_view texto) {
    std::string r;
    RemoveAlfa(texto, r);
    return r;
}

std::string RemoveNum(std::string_view texto) {
    std::string r;
    RemoveNum(texto, r);
    return r;
}

bool TemNumerico(std::string_view texto) {
    for (char c : texto)
        if (kNumerico[static_cast<unsigned char>(c)]) return true;
    return false;
}

}  // namespace tavro
