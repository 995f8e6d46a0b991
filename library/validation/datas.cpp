// Date checks: DD/MM/AAAA, and DD/MM/AAAA HH:MM:SS. Each piece is read by
// position through LeInteiro; the separators are not looked at.
#include "core/texto.h"
#include "validadores.h"

namespace tavro {
namespace {

// Characters `inicio` (counting from 1) to inicio+tamanho-1, or what of them exists.
std::string_view Pedaco(std::string_view s, std::size_t inicio, std::size_t tamanho) {
    if (inicio - 1 >= s.size()) return {};
    return s.substr(inicio - 1, tamanho);
}

bool Bissexto(int ano) { return (ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0; }

int DiasDoMes(int mes, int ano) {
    constexpr int dias[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mes == 2 && Bissexto(ano) ? 29 : dias[mes - 1];
}

bool DataDe(std::string_view d) {
    if (EmBranco(d)) return false;
    const auto dia = LeInteiro(Pedaco(d, 1, 2));
    const auto mes = LeInteiro(Pedaco(d, 4, 2));
    const auto ano = LeInteiro(Pedaco(d, 7, 4));
    if (!dia || !mes || !ano) return false;
    if (*ano < 1 || *ano > 9999 || *mes < 1 || *mes > 12) return false;
    return *dia >= 1 && *dia <= DiasDoMes(*mes, *ano);
}

}  // namespace

bool DataValida(std::string_view data) { return DataDe(data); }

bool ValidaDataHora(std::string_view d) {
    if (!DataDe(d)) return false;
    const auto hora = LeInteiro(Pedaco(d, 12, 2));
    const auto minuto = LeInteiro(Pedaco(d, 15, 2));
    const auto segundo = LeInteiro(Pedaco(d, 18, 2));
    if (!hora || !minuto || !segundo) return false;
    if (*hora == 24) return *minuto == 0 && *segundo == 0;
    return *hora >= 0 && *hora <= 23 && *minuto >= 0 && *minuto <= 59 && *segundo >= 0 && *segundo <= 59;
}

}  // namespace tavro
