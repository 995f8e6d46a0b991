// CPF and CNPJ check digits (modulo 11: a remainder of 0 or 1 gives 0,
// otherwise 11 minus the remainder).
#include <array>

#include "core/texto.h"
#include "validadores.h"

namespace tavro {
namespace {

int DigitoVerificador(int soma) {
    const int r = soma % 11;
    return r < 2 ? 0 : 11 - r;
}

// The first `n` characters, completed with "0" at their end, each read as one
// digit. (LeInteiro of a single character reads exactly the digits 0 to 9.)
template <std::size_t N>
std::optional<std::array<int, N>> Digitos(std::string_view s) {
    std::array<int, N> d{};
    for (std::size_t i = 0; i < N; ++i) {
        const char c = i < s.size() ? s[i] : '0';
        if (c < '0' || c > '9') return std::nullopt;
        d[i] = c - '0';
    }
    return d;
}

}  // namespace

bool CPFValido(std::string_view cpf) {
    if (EmBranco(cpf)) return false;
    const auto d = Digitos<11>(RemoveNum(cpf));
    if (!d) return false;
    int s1 = 0, s2 = 0;
    for (int i = 0; i < 9; ++i) {
        s1 += (10 - i) * (*d)[static_cast<std::size_t>(i)];
        s2 += (11 - i) * (*d)[static_cast<std::size_t>(i)];
    }
    const int k1 = DigitoVerificador(s1);
    const int k2 = DigitoVerificador(s2 + 2 * k1);
    return k1 == (*d)[9] && k2 == (*d)[10];
}

bool CNPJValido(std::string_view cnpj) {
    if (EmBranco(cnpj)) return false;
    const auto d = Digitos<14>(cnpj);
    if (!d) return false;
    constexpr int pesos1[12] = {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    constexpr int pesos2[12] = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3};
    int s1 = 0, s2 = 0;
    for (std::size_t i = 0; i < 12; ++i) {
        s1 += pesos1[i] * (*d)[i];
        s2 += pesos2[i] * (*d)[i];
    }
    const int k1 = DigitoVerificador(s1);
    const int k2 = DigitoVerificador(s2 + 2 * k1);
    return k1 == (*d)[12] && k2 == (*d)[13];
}

}  // namespace tavro
