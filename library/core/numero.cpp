#include "numero.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace tavro {
namespace {

std::optional<plataforma::Separadores> separadoresLidos;
std::optional<plataforma::Separadores> separadoresForcados;

constexpr bool EhDigito(char c) { return c >= '0' && c <= '9'; }

// Adds one unit in the last place of a string of decimal digits; returns
// true when the carry went past the first digit.
bool IncrementaDigitos(std::string& digitos) {
    for (std::size_t i = digitos.size(); i-- > 0;) {
        if (digitos[i] != '9') {
            ++digitos[i];
            return false;
        }
        digitos[i] = '0';
    }
    return true;
}

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

std::string FormataNumero(double valor, int casas, bool agrupaMilhares) {
    if (!std::isfinite(valor)) valor = 0;
    if (casas < 0) casas = 0;
    const bool negativo = std::signbit(valor);
    const double absoluto = std::fabs(valor);

    // 18 significant digits, rounded to nearest: d.ddddddddddddddddde±x
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, absoluto, std::chars_format::scientific, 17);
    std::string_view cientifico(buf, static_cast<std::size_t>(res.ptr - buf));
    std::string significativos;
    significativos.reserve(18);
    std::size_t e = 0;
    for (; e < cientifico.size() && cientifico[e] != 'e'; ++e)
        if (EhDigito(cientifico[e])) significativos.push_back(cientifico[e]);
    int expoente = 0;
    std::from_chars(cientifico.data() + e + 1 + (cientifico[e + 1] == '+' ? 1 : 0),
                    cientifico.data() + cientifico.size(), expoente);

    // Place the point: the value is 0.<significativos> times 10^(expoente+1).
    const int digitosInteiros = absoluto == 0 ? 1 : expoente + 1;
    std::string inteiros, fracao;
    if (absoluto == 0) {
        inteiros = "0";
    } else if (digitosInteiros <= 0) {
        inteiros = "0";
        fracao.assign(static_cast<std::size_t>(-digitosInteiros), '0');
        fracao += significativos;
    } else if (static_cast<std::size_t>(digitosInteiros) >= significativos.size()) {
        inteiros = significativos;
        inteiros.append(static_cast<std::size_t>(digitosInteiros) - significativos.size(), '0');
    } else {
        inteiros = significativos.substr(0, static_cast<std::size_t>(digitosInteiros));
        fracao = significativos.substr(static_cast<std::size_t>(digitosInteiros));
    }

    // Cut after the last decimal kept; round half away from zero.
    const std::size_t manter = static_cast<std::size_t>(casas);
    const bool arredondaParaCima = fracao.size() > manter && fracao[manter] >= '5';
    fracao.resize(manter, '0');
    if (arredondaParaCima) {
        std::string tudo = inteiros + fracao;
        if (IncrementaDigitos(tudo)) tudo.insert(tudo.begin(), '1');
        inteiros = tudo.substr(0, tudo.size() - manter);
        fracao = tudo.substr(tudo.size() - manter);
    }
    const std::size_t primeiro = inteiros.find_first_not_of('0');
    inteiros = primeiro == std::string::npos ? "0" : inteiros.substr(primeiro);

    const auto sep = SeparadoresAtuais();
    std::string saida;
    const bool zero = inteiros == "0" && fracao.find_first_not_of('0') == std::string::npos;
    if (negativo && !zero) saida.push_back('-');
    for (std::size_t i = 0; i < inteiros.size(); ++i) {
        if (agrupaMilhares && i > 0 && (inteiros.size() - i) % 3 == 0) saida.push_back(sep.grupo);
        saida.push_back(inteiros[i]);
    }
    if (casas > 0) {
        saida.push_back(sep.decimal);
        saida += fracao;
    }
    return saida;
}

double ArredondaQuatroCasas(double valor) { return std::nearbyint(valor * 10000.0) / 10000.0; }

}  // namespace tavro
