// tavro: the command-line host of the library.
//   tavro gerar ENTRADA [--saida DIR] [--listas DIR] [--leiaute 102|98] [--codificacao auto|utf8|cp1252]
//   tavro validar TIPO VALOR [VALOR2] [--listas DIR]
//   tavro exemplo [--saida DIR] [--listas DIR]
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "entrada.h"
#include "exemplo.h"
#include "gerar.h"
#include "validar.h"

using namespace tavro::cli;

namespace {

const char* kUso =
    "Uso:\n"
    "  tavro gerar ENTRADA [--saida DIR] [--listas DIR] [--leiaute 102|98] [--codificacao auto|utf8|cp1252]\n"
    "      Envia cada linha de ENTRADA (\"-\": entrada padrão) à biblioteca e gera VIZorudude.txt,\n"
    "      erro_VIZorudude.txt e log_VIZorudude.txt em --saida (padrão: a pasta atual).\n"
    "      Cada linha: o tipo com dois dígitos e cada campo após \"|\" (o registro 90 só \"90\").\n"
    "  tavro validar TIPO VALOR [VALOR2] [--listas DIR]\n"
    "      Diz se o valor é válido (saída 0) ou inválido (saída 1).\n"
    "  tavro exemplo [--saida DIR] [--listas DIR]\n"
    "      Gera os dois arquivos de exemplo em DIR/cat10207 e DIR/cat9807 (padrão: ./saida-exemplo).\n"
    "  tavro exemplo --registros 102|98\n"
    "      Mostra o arquivo de registros do exemplo (UTF-8), um modelo para começar.\n"
    "\n"
    "--listas: pasta com cfop.res e ncm.res (padrão: as listas que acompanham o tavro).\n"
    "Saída: 0 todos os registros aceitos; 1 algum rejeitado ou não enviado; 2 erro de uso ou de arquivo.\n";

std::string ListasPadrao() {
    if (const char* e = std::getenv("TAVRO_LISTAS")) return e;
    return TAVRO_LISTAS_PADRAO;
}

int Uso(const std::string& erro) {
    if (!erro.empty()) std::cerr << "tavro: " << erro << "\n\n";
    std::cerr << kUso;
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> posicionais;
    OpcoesGerar op;
    op.listas = ListasPadrao();
    bool saidaDada = false;
    std::string registros;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto valor = [&](std::string& destino) {
            if (i + 1 >= argc) return false;
            destino = argv[++i];
            return true;
        };
        std::string v;
        if (a == "--help" || a == "-h") {
            std::cout << kUso << '\n';
            AjudaValidar(std::cout);
            return 0;
        } else if (a == "--saida") {
            if (!valor(op.saida)) return Uso("--saida pede uma pasta");
            saidaDada = true;
        } else if (a == "--registros") {
            if (!valor(registros)) return Uso("--registros pede 102 ou 98");
        } else if (a == "--listas") {
            if (!valor(op.listas)) return Uso("--listas pede uma pasta");
        } else if (a == "--leiaute") {
            if (!valor(v)) return Uso("--leiaute pede 102 ou 98");
            if (v == "102") op.leiaute = Leiaute::Cat10207;
            else if (v == "98") op.leiaute = Leiaute::Cat9807;
            else return Uso("--leiaute pede 102 ou 98");
        } else if (a == "--codificacao") {
            if (!valor(v)) return Uso("--codificacao pede auto, utf8 ou cp1252");
            if (v == "auto") op.codificacao = Codificacao::Auto;
            else if (v == "utf8" || v == "utf-8") op.codificacao = Codificacao::Utf8;
            else if (v == "cp1252" || v == "windows-1252") op.codificacao = Codificacao::Cp1252;
            else return Uso("--codificacao pede auto, utf8 ou cp1252");
        } else if (a.size() > 2 && a.starts_with("--")) {
            return Uso("opção desconhecida: " + a);
        } else {
            posicionais.push_back(a);
        }
    }
    if (posicionais.empty()) return Uso("");
    const std::string comando = posicionais[0];
    posicionais.erase(posicionais.begin());

    if (comando == "gerar") {
        if (posicionais.size() != 1) return Uso("gerar pede um arquivo de entrada");
        std::string bytes, erro;
        if (!LeEntrada(posicionais[0], bytes, erro)) {
            std::cerr << "tavro: " << erro << ". Nada foi gravado.\n";
            return 2;
        }
        op.nomeEntrada = posicionais[0] == "-" ? "a entrada padrão" : posicionais[0];
        return Gera(bytes, op, std::cout);
    }
    if (comando == "validar") return Valida(posicionais, op.listas, std::cout);
    if (comando == "exemplo") {
        if (!posicionais.empty()) return Uso("exemplo não recebe argumentos além das opções");
        if (!registros.empty()) {
            if (registros != "102" && registros != "98") return Uso("--registros pede 102 ou 98");
            std::cout << (registros == "102" ? kExemploCat10207 : kExemploCat9807);
            return 0;
        }
        return Exemplo(saidaDada ? op.saida : "saida-exemplo", op.listas, std::cout);
    }
    return Uso("comando desconhecido: " + comando);
}
