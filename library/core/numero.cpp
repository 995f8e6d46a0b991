#include "numero.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

namespace tavro {
namespace {

std::optional<plataforma::Separadores> separadoresLidos;
std::optional<plataforma::Separadores> separadoresForcados;

constexpr bool EhDigito(char c) { return c >= '0' && c <= '9'; }

}  // namespace

plataforma::Separadores SeparadoresAtuais() {
    if (separadoresForcados) return *separadoresForcados;
    if (!separadoresLidos) separadoresLidos = plataforma::Atual().SeparadoresRegionais();
    return *separadoresLidos;
}

void ForcaSeparadoresParaTeste(const plataforma::Separadores* s) {
    if (s != nullptr)
        separadoresForcados = *s;
    else
        separadoresForcados.reset();
    separadoresLidos.reset();
}

std::optional<double> LeNumero(std::string_view texto) {
    const char decimal = SeparadoresAtuais().decimal;
    std::size_t i = 0;
    const std::size_t n = texto.size();
    while (i < n && EhDigito(texto[i])) ++i;
    const std::string_view inteiros = texto.substr(0, i);
    std::string_view fracao;
    bool temSeparador = false;
    if (i < n && texto[i] == decimal) {
        temSeparador = true;
        const std::size_t inicio = ++i;
        while (i < n && EhDigito(texto[i])) ++i;
        fracao = texto.substr(inicio, i - inicio);
    }
    if (i != n) return std::nullopt;
    if (inteiros.empty() && !temSeparador) return std::nullopt;

    std::string normal;
    normal.reserve(inteiros.size() + fracao.size() + 3);
    normal.append(inteiros.empty() ? std::string_view("0") : inteiros);
    normal.push_back('.');
    normal.append(fracao.empty() ? std::string_view("0") : fracao);
    double valor = 0;
    auto [fim, erro] = std::from_chars(normal.data(), normal.data() + normal.size(), valor);
    if (erro == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large to hold does not read.
        if (inteiros.find_first_not_of('0') == std::string_view::npos) return 0.0;
        return std::nullopt;
    }
    if (erro != std::errc() || fim != normal.data() + normal.size()) return std::nullopt;
    return valor;
}

bool SignificativosExatos(double absoluto, Significativos& s) {
    if (!(absoluto > 0)) return false;
    int e2 = 0;
    const double fracao = std::frexp(absoluto, &e2);
    const auto m = static_cast<std::uint64_t>(std::ldexp(fracao, 53));  // absoluto = m * 2^(e2-53), exactly
    const int e = e2 - 53;
    if (e > 10 || e < -60) return false;
    const int s2 = e < 0 ? -e : 0;
    const std::uint64_t inteiro = e >= 0 ? m << e : m >> s2;
    const std::uint64_t mascara = s2 == 0 ? 0 : (std::uint64_t{1} << s2) - 1;
    std::uint64_t resto = e >= 0 ? 0 : m & mascara;

    // Up to 19 significant digits: the integer part, then the fraction's.
    char d[40];
    int n = 0, expoente = -1;
    if (inteiro > 0) {
        char t[24];
        int k = 0;
        for (std::uint64_t q = inteiro; q > 0; q /= 10) t[k++] = static_cast<char>('0' + q % 10);
        expoente = k - 1;
        while (k > 0) d[n++] = t[--k];
    }
    // Digits beyond the 19th of the integer part are not needed: only
    // whether any of them is non-zero.
    bool restoNaoZero = false;
    if (n > 19) {
        for (int i = 19; i < n; ++i) restoNaoZero = restoNaoZero || d[i] != '0';
        n = 19;
    }
    while (n < 19 && (resto != 0 || n == 0)) {
        resto *= 10;
        const int digito = static_cast<int>(resto >> s2);
        resto &= mascara;
        if (n == 0 && digito == 0) {
            --expoente;  // a leading zero of a value below 1
            continue;
        }
        d[n++] = static_cast<char>('0' + digito);
    }
    restoNaoZero = restoNaoZero || resto != 0;
    while (n < 19) d[n++] = '0';

    // Round to 18 digits: to nearest, ties to even.
    const int decimo9 = d[18] - '0';
    const bool sobe = decimo9 > 5 || (decimo9 == 5 && (restoNaoZero || (d[17] - '0') % 2 == 1));
    if (sobe) {
        int i = 17;
        while (i >= 0 && d[i] == '9') d[i--] = '0';
        if (i >= 0) {
            ++d[i];
        } else {
            d[0] = '1';
            ++expoente;
        }
    }
    std::memcpy(s.digitos, d, 18);
    s.expoente = expoente;
    return true;
}

void SignificativosGerais(double absoluto, Significativos& s) {
    // d.ddddddddddddddddde±x
    char cientifico[40];
    const auto res =
        std::to_chars(cientifico, cientifico + sizeof cientifico, absoluto, std::chars_format::scientific, 17);
    int n = 0;
    const char* e = cientifico;
    for (; e < res.ptr && *e != 'e'; ++e)
        if (EhDigito(*e) && n < 18) s.digitos[n++] = *e;
    while (n < 18) s.digitos[n++] = '0';
    s.expoente = 0;
    if (e < res.ptr) std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), res.ptr, s.expoente);
}

std::string FormataNumero(double valor, int casas, bool agrupaMilhares) {
    if (!std::isfinite(valor)) valor = 0;
    if (casas < 0) casas = 0;
    if (casas > 30) casas = 30;
    const bool negativo = std::signbit(valor);
    const double absoluto = std::fabs(valor);

    // 18 significant digits, rounded to nearest.
    Significativos s{};
    if (absoluto != 0 && !SignificativosExatos(absoluto, s)) SignificativosGerais(absoluto, s);
    const char* sig = s.digitos;
    const int nsig = 18;
    const int expoente = s.expoente;

    // Digits of the value with the point after `inteiros` of them: the value is
    // 0.<sig> times 10^(expoente+1); below 1 it gets leading zeros instead.
    const int inteiros = absoluto == 0 ? 0 : expoente + 1;
    const int zerosFrente = inteiros < 0 ? -inteiros : 0;
    const int nInt = inteiros > 0 ? inteiros : 0;
    // digito(k): the k-th digit from the point (k < nInt: integer part).
    auto digito = [&](int k) -> char {
        const int i = k - zerosFrente;  // index into sig
        if (absoluto == 0 || i < 0 || i >= nsig) return '0';
        return sig[i];
    };
    // Kept: nInt integer digits and `casas` decimals, plus one leading digit for a carry.
    std::string d(static_cast<std::size_t>(nInt + casas + 1), '0');
    for (int k = 0; k < nInt + casas; ++k) d[static_cast<std::size_t>(k + 1)] = digito(k);
    if (digito(nInt + casas) >= '5') {  // half away from zero at the last decimal kept
        for (std::size_t i = d.size(); i-- > 0;) {
            if (d[i] != '9') {
                ++d[i];
                break;
            }
            d[i] = '0';
        }
    }
    const std::size_t fimInteiros = static_cast<std::size_t>(nInt + 1);
    std::size_t primeiro = 0;
    while (primeiro + 1 < fimInteiros && d[primeiro] == '0') ++primeiro;

    const auto sep = SeparadoresAtuais();
    std::string saida;
    saida.reserve(d.size() + d.size() / 3 + 3);
    const bool zero = d.find_first_not_of('0') == std::string::npos;
    if (negativo && !zero) saida.push_back('-');
    for (std::size_t i = primeiro; i < fimInteiros; ++i) {
        if (agrupaMilhares && i > primeiro && (fimInteiros - i) % 3 == 0) saida.push_back(sep.grupo);
        saida.push_back(d[i]);
    }
    if (casas > 0) {
        saida.push_back(sep.decimal);
        saida.append(d, fimInteiros, std::string::npos);
    }
    return saida;
}

double ArredondaQuatroCasas(double valor) { return std::nearbyint(valor * 10000.0) / 10000.0; }

}  // namespace tavro
