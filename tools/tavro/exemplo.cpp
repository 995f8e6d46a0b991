// tavro exemplo: both sample files, from the demonstration program's data.
#include "exemplo.h"

#include <filesystem>
#include <iostream>

#include "gerar.h"

namespace tavro::cli {

const char* const kExemploCat10207 =
    "10|1,00|11222333000181|10/10/2007|17/10/2007\n"
    "20|I||Venda a Consumidor Final|0|20956|10/10/2007 10:00:00|10/10/2007 10:00:00|1|5102|000000000000|"
    "000000000000|11222333000181|Casa F|R São Manoel|176|apto 18|Centro|São Paulo|SP|10100000|Brasil|5550723|\n"
    "30|Produto 0|Pinga tipo 0|22060090|caixa|1,0000|5,0000|5,00|010|18,00|6,00|10,00\n"
    "40|69,01|1234,56|45,78|123,45|100,10|20,02|10,01|30,00|5,00|1,00|229,58|234,00|6,00|154,00\n"
    "50|0|11222333000181|Transportadora Xing Ling|000000000000|Av. da Lentidao, 321|Sao Paulo|SP|ABC1234|SP|"
    "123456789012345|litros|Xing Ling|123456789|123,000|154,064\n"
    "60|Dados da fatura|Informacoes adicionais de interesse do Fisco|"
    "Informacoes complementares de interesse do contribuinte\n"
    "90\n";

const char* const kExemploCat9807 =
    "10|1,00|11222333000181|10/10/2007|17/10/2007\n"
    "20|1|123456|123456789|10/10/1984|10/10/1984|11222333000181|Empresa Exemplo Ltda|Rua das Flores|123|Loja|"
    "Centro|São Paulo|SP|01310100|55501234|15,00|0,00|0,00|0,00|0,00|Texto Livre|15,00|Texto Livre|Texto Livre|2|"
    "||||||2|15,00|15,00|0\n"
    "21|1|123456|1|Descricao da mercadoria|Kg|1,00|1,00|1,00\n"
    "22|1,00|12/02/2008\n"
    "90\n";

int Exemplo(const std::string& diretorio, const std::string& listas, std::ostream& out) {
    int pior = 0;
    const struct {
        const char* pasta;
        const char* dados;
    } exemplos[] = {{"cat10207", kExemploCat10207}, {"cat9807", kExemploCat9807}};
    for (const auto& e : exemplos) {
        const auto pasta = std::filesystem::path(diretorio) / e.pasta;
        std::error_code ec;
        std::filesystem::create_directories(pasta, ec);
        if (ec) {
            std::cerr << "tavro: não foi possível criar " << pasta.string() << ": " << ec.message() << '\n';
            return 2;
        }
        OpcoesGerar op;
        op.saida = pasta.string();
        op.listas = listas;
        op.nomeEntrada = std::string("exemplo ") + e.pasta;
        out << "== " << pasta.string() << " ==\n";
        const int rc = Gera(e.dados, op, out);
        out << '\n';
        if (rc > pior) pior = rc;
    }
    return pior;
}

}  // namespace tavro::cli
