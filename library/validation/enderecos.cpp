// State codes and postal codes (CEP) by state.
#include "core/texto.h"
#include "validadores.h"

namespace tavro {
namespace {

constexpr std::string_view kUFs[] = {"MG", "SP", "RJ", "AL", "AM", "BA", "DF", "MS", "MT", "TO",
                                     "AC", "MA", "RO", "RR", "PE", "RS", "PA", "PB", "CE", "GO",
                                     "SC", "ES", "AP", "PI", "RN", "SE", "PR", "EX"};

// Accepted CEP prefixes (the number in the CEP's first three characters), inclusive.
struct FaixaCEP {
    std::string_view uf;
    int de, ate;
};
constexpr FaixaCEP kFaixas[] = {
    {"SP", 10, 199},  {"RJ", 200, 289}, {"ES", 290, 299}, {"MG", 300, 399}, {"BA", 400, 489},
    {"SE", 490, 499}, {"PE", 500, 569}, {"AL", 570, 579}, {"PB", 580, 589}, {"RN", 590, 599},
    {"CE", 600, 639}, {"PI", 640, 649}, {"MA", 650, 659}, {"PA", 660, 688}, {"AP", 689, 689},
    {"AM", 690, 692}, {"AM", 694, 698}, {"RR", 693, 693}, {"AC", 699, 699}, {"DF", 700, 769},
    {"GO", 700, 769}, {"TO", 770, 779}, {"MT", 780, 788}, {"RO", 789, 789}, {"MS", 790, 799},
    {"PR", 800, 879}, {"SC", 880, 899}, {"RS", 900, 999},
};

}  // namespace

bool UFValida(std::string_view uf) {
    if (uf.empty()) return false;
    const std::string maiuscula = Maiusculas(uf);
    const std::string_view codigo = SemBrancos(maiuscula);
    for (auto u : kUFs)
        if (codigo == u) return true;
    return false;
}

bool CEPValidoParaUF(std::string_view cep, std::string_view uf) {
    if (EmBranco(cep)) return false;
    const auto prefixo = LeInteiro(cep.substr(0, 3));
    const auto numero = LeInteiro(cep);
    if (!prefixo || !numero || *numero <= 1000000) return false;
    const std::string_view final = cep.size() >= 6 ? cep.substr(5, 3) : std::string_view();
    if (SemBrancos(final).size() != 3) return false;
    for (const auto& f : kFaixas)
        if (uf == f.uf && *prefixo >= f.de && *prefixo <= f.ate) return true;
    return false;
}

}  // namespace tavro
