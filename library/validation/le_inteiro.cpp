// How the validators read a piece of text as a 32-bit integer.
#include "validadores.h"

namespace tavro {
namespace {

int ValorHex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<std::int32_t> LeInteiro(std::string_view s) {
    if (s.empty()) return std::nullopt;
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    std::string_view resto = s.substr(i);

    std::size_t prefixoHex = 0;
    if (!resto.empty() && (resto[0] == '$' || resto[0] == 'x' || resto[0] == 'X'))
        prefixoHex = 1;
    else if (resto.size() >= 2 && resto[0] == '0' && (resto[1] == 'x' || resto[1] == 'X'))
        prefixoHex = 2;
    if (prefixoHex > 0) {
        std::string_view digitos = resto.substr(prefixoHex);
        if (digitos.empty()) return std::nullopt;
        std::uint32_t valor = 0;
        int significativos = 0;
        for (char c : digitos) {
            const int d = ValorHex(c);
            if (d < 0) return std::nullopt;
            if (significativos > 0 || d != 0) ++significativos;
            if (significativos > 8) return std::nullopt;
            valor = (valor << 4) | static_cast<std::uint32_t>(d);
        }
        return static_cast<std::int32_t>(valor);
    }

    bool negativo = false;
    if (!resto.empty() && (resto[0] == '-' || resto[0] == '+')) {
        negativo = resto[0] == '-';
        resto.remove_prefix(1);
    }
    if (resto.empty()) return std::nullopt;
    std::int64_t valor = 0;
    for (char c : resto) {
        if (c < '0' || c > '9') return std::nullopt;
        valor = valor * 10 + (c - '0');
        if (valor > 2147483648LL) return std::nullopt;
    }
    if (negativo) valor = -valor;
    if (valor > 2147483647LL) return std::nullopt;
    return static_cast<std::int32_t>(valor);
}

}  // namespace tavro
