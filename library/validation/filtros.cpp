// The two text filters. Every byte of the input is examined, whatever its length.
#include <array>

#include "validadores.h"

namespace tavro {
namespace {

template <class Mantem>
std::string Filtra(std::string_view texto, Mantem mantem) {
    std::string r;
    r.reserve(texto.size());
    for (char c : texto)
        if (mantem(static_cast<unsigned char>(c))) r.push_back(c);
    return r;
}

constexpr std::array<bool, 256> TabelaNumerica() {
    std::array<bool, 256> t{};
    for (int c = '0'; c <= '9'; ++c) t[static_cast<std::size_t>(c)] = true;
    t[','] = t['/'] = t[':'] = true;
    return t;
}
constexpr auto kNumerico = TabelaNumerica();

}  // namespace

std::string RemoveAlfa(std::string_view texto) {
    return Filtra(texto, [](unsigned char c) { return c >= 32 && c != '!' && c != '|'; });
}

std::string RemoveNum(std::string_view texto) {
    return Filtra(texto, [](unsigned char c) { return kNumerico[c]; });
}

}  // namespace tavro
