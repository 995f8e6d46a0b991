// tavro validar: one value through an exported validator.
#include "validar.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "tavrolib/tavrolib.h"
#include "utf8.h"

namespace tavro::cli {
namespace {

struct Validador {
    std::string_view nome;
    int valores;
    TAVRO_BOOL (*um)(const char*);
    TAVRO_BOOL (*dois)(const char*, const char*);
    std::string_view ajuda;
};

const Validador kValidadores[] = {
    {"cpf", 1, vCPF, nullptr, "CPF, com ou sem pontuação"},
    {"cnpj", 1, vCNPJ, nullptr, "CNPJ de 14 dígitos"},
    {"uf", 1, vUF, nullptr, "sigla da UF (ou EX)"},
    {"cep", 2, nullptr, vCEP_UF, "CEP de 8 dígitos e a UF: cep 01310100 SP"},
    {"data", 1, IsVIZorududeDate, nullptr, "data DD/MM/AAAA"},
    {"cst", 1, vCST, nullptr, "código de situação tributária"},
    {"cfop", 1, vCOD_CFOP, nullptr, "CFOP de cfop.res (veja --listas)"},
    {"ncm", 1, vCOD_NCM, nullptr, "NCM de ncm.res (veja --listas)"},
    {"leiaute", 1, vLeiaute, nullptr, "versão do leiaute: 1,00"},
    {"funcao", 1, vFunc_Reg, nullptr, "função do registro 20: I, R ou C"},
    {"justificativa", 2, nullptr, vxJust, "justificativa e função: obrigatória quando a função é C"},
    {"tiponf", 1, vtpNF, nullptr, "tipo da NF: 0 ou 1"},
    {"frete", 1, vInd_tipo_frete, nullptr, "modalidade do frete: 0 ou 1"},
    {"serie", 1, vSerie_NFVC, nullptr, "série da NFVC: 1, 2 ou 3"},
    {"entrega", 1, vEntrega_Domicilio, nullptr, "entrega em domicílio: 1 ou 2"},
    {"prazo", 1, vRealiza_Venda_Prazo, nullptr, "venda a prazo: 1 ou 2"},
    {"receita", 1, vTipo_Receita, nullptr, "tipo de receita: 1, 2 ou 3"},
};

// The code-list validators read the lists of the latest start, even a start
// that failed its checks. Start in a folder that does not exist, so that no
// file anywhere is touched, with the lists' folder as input.
void ApontaListas(const std::string& listas) {
    std::string modelo = (std::filesystem::temp_directory_path() / "tavro-XXXXXX").string();
    if (::mkdtemp(modelo.data()) != nullptr) ::rmdir(modelo.c_str());
    DefineTratadorMensagem([](const char*) {});
    Inicia_NF_Paulista((modelo + "/inexistente").c_str(), listas.c_str());
    DefineTratadorMensagem(nullptr);
}

std::string ParaCp1252(const std::string& s) {
    std::string r;
    if (EhUtf8Valido(s) && ConverteDeUtf8(s, r)) return r;
    return s;
}

}  // namespace

void AjudaValidar(std::ostream& out) {
    out << "Tipos de `tavro validar TIPO VALOR [VALOR2]`:\n";
    for (const auto& v : kValidadores) out << "  " << v.nome << std::string(15 - v.nome.size(), ' ') << v.ajuda << '\n';
}

int Valida(const std::vector<std::string>& args, const std::string& listas, std::ostream& out) {
    if (args.empty()) {
        AjudaValidar(std::cerr);
        return 2;
    }
    for (const auto& v : kValidadores) {
        if (v.nome != args[0]) continue;
        if (static_cast<int>(args.size()) - 1 != v.valores) {
            std::cerr << "tavro: validar " << v.nome << " espera " << v.valores << " valor(es): " << v.ajuda << '\n';
            return 2;
        }
        if (v.nome == "cfop" || v.nome == "ncm") ApontaListas(listas);
        const std::string a = ParaCp1252(args[1]);
        const bool ok = v.um != nullptr ? v.um(a.c_str()) == 1 : v.dois(a.c_str(), ParaCp1252(args[2]).c_str()) == 1;
        out << (ok ? "válido" : "inválido") << '\n';
        return ok ? 0 : 1;
    }
    std::cerr << "tavro: tipo desconhecido: " << args[0] << "\n";
    AjudaValidar(std::cerr);
    return 2;
}

}  // namespace tavro::cli
