// The record pipeline: through record 10 and through a test-only record that
// exercises what record 10 does not.
#include "pipeline.h"

#include <gtest/gtest.h>

#include "ambiente.h"
#include "cp1252.h"
#include "estado.h"
#include "tavrolib/tavrolib.h"

using namespace tavro;
using namespace tavro::teste;

namespace {

const char* kCNPJ = "11222333000181";

constexpr Campo kCamposTeste[] = {
    CampoNumero("Tres:", 8, 10, 3, "-1   tres vazio"),
    CampoNumero("Quatro:", 8, 12, 4),
    CampoTexto("Longo:", 8, 5000),
    CampoNumero("Digitos:", 8, 5, 0),
};
constexpr Verificacao kVerificacoesTeste[] = {
    Regra("-2   primeiro", [](const Valores& v) { return v(2) == "0,0000"; }, 2),
    kNaoPreenchidos,
    Regra("-3   sempre :: ", [](const Valores& v) { return v(4) == "9"; }, 4),
};
// Counted as type "21", whose later types are 22 to 90.
constexpr DefRegistro kTeste{"21", kCamposTeste, kVerificacoesTeste};

std::int32_t Teste(const char* a, const char* b, const char* c, const char* d) {
    return ExportaRegistro(kTeste, {a, b, c, d});
}

}  // namespace

class Pipeline : public Ambiente {};

TEST_F(Pipeline, NormalisesEveryKind) {
    Inicia();
    struct {
        const char *a, *b, *c, *d;
        const char* linha;
    } casos[] = {
        {"1", "1", "texto", "12a3", "21|1,000|1,0000|texto|123"},
        {"0,0005", "0,00005", "  x  ", "1,2/3:4", "21|0,001|0,0001|x  |1,2/3"},
        {"12/5", ",", "a|b!c\td", "", "21|12/5|0,0000|abcd|"},
        {"1.234,5678", "-3", nullptr, "x", "21|1234,568|3,0000||"},
    };
    for (const auto& c : casos) {
        Teste(c.a, c.b, c.c, c.d);
        ASSERT_TRUE(Execucao().ListaRelatorio.empty());
    }
    const auto linhas = Linhas(ArquivoSaida().substr(3));
    ASSERT_EQ(3u, linhas.size());  // row 3: "0,0000" fails check -2
    EXPECT_EQ(casos[0].linha, linhas[0]);
    EXPECT_EQ(casos[1].linha, linhas[1]);
    EXPECT_EQ(casos[3].linha, linhas[2]);
    // The rejected ones still show their adjusted values in the report.
    const std::string erro = ArquivoErro();
    EXPECT_NE(std::string::npos, erro.find("\tTres:   \t12/5 -> 12/5\r\n"));
    EXPECT_NE(std::string::npos, erro.find("\tQuatro: \t, -> 0,0000\r\n"));
    EXPECT_NE(std::string::npos, erro.find("\tLongo:  \ta|b!c\td -> abcd\r\n"));
}

TEST_F(Pipeline, LineBreaksOfAValueDoNotBreakTheReport) {
    Inicia();
    EXPECT_EQ(-1, Teste("linha1\r\nREGISTRO 10", "", "a\nb", "9"));
    const std::string erro = ArquivoErro();
    EXPECT_NE(std::string::npos, erro.find("\tTres:   \tlinha1  REGISTRO 10 -> 110,000\r\n")) << erro;
    EXPECT_NE(std::string::npos, erro.find("\tLongo:  \ta b -> ab\r\n"));
    EXPECT_EQ(std::string::npos, erro.find("\r\nREGISTRO 10"));
}

TEST_F(Pipeline, ChecksRunInTheirOrderAndEveryOneReports) {
    Inicia();
    EXPECT_EQ(-1, Teste("", ",", "", "9"));
    const std::string esperado =
        "\r\nREGISTRO 21\r\n"
        "\tTres:   \t -> \r\n"
        "\tQuatro: \t, -> 0,0000\r\n"
        "\tLongo:  \t -> \r\n"
        "\tDigitos:\t9 -> 9\r\n"
        "\r\n\tErro(s) do Registro:\r\n"
        "\t  -2   primeiro0,0000\r\n"
        "\t  -1   tres vazio\r\n"
        "\t  -3   sempre :: 9\r\n";
    EXPECT_EQ(esperado, ArquivoErro());
}

TEST_F(Pipeline, OverLongValuesAreCutWithTheirObservation) {
    Inicia();
    const std::string longo(5001, 'y'), cincoMil(5000, 'z');
    EXPECT_EQ(0, Teste("12345678,9", "1", longo.c_str(), "123456"));
    EXPECT_EQ(0, Teste("1", "1", cincoMil.c_str(), "1"));
    const auto linhas = Linhas(ArquivoSaida().substr(3));
    ASSERT_EQ(2u, linhas.size());
    // 12345678,900 is 12 characters: cut to 10.
    EXPECT_EQ("21|12345678,9|1,0000|" + longo.substr(0, 5000) + "|12345", linhas[0]);
    EXPECT_EQ("21|1,000|1,0000|" + cincoMil + "|1", linhas[1]);
    const std::string erro = ArquivoErro();
    EXPECT_NE(std::string::npos,
              erro.find("\t  Tres:   \tQuantidade de caracteres maior que o permitido - Permitido: 10; Passados: 12\r\n"));
    EXPECT_NE(std::string::npos,
              erro.find("\t  Longo:  \tQuantidade de caracteres maior que o permitido - Permitido: 5000; Passados: 5001\r\n"));
    EXPECT_NE(std::string::npos,
              erro.find("\t  Digitos:\tQuantidade de caracteres maior que o permitido - Permitido: 5; Passados: 6\r\n"));
    EXPECT_EQ(1, Execucao().TabRegistros[2].Obs);
    EXPECT_EQ(2, Execucao().TabRegistros[2].OK);
}

TEST_F(Pipeline, OrderObservationLooksOnlyAtAcceptedLaterTypes) {
    Inicia();
    EXPECT_FALSE(HaRegistroPosterior(3));
    EXPECT_EQ(-1, Registro22_CAT9807("", ""));  // rejected 22: not looked at
    EXPECT_EQ(0, Teste("1", "1", "", ""));
    EXPECT_FALSE(Existe("erro_VIZorudude.txt") && ArquivoErro().find("Quebra") != std::string::npos);
    EXPECT_EQ(0, Registro22_CAT9807("1", "01/01/2008"));
    EXPECT_TRUE(HaRegistroPosterior(3));
    EXPECT_FALSE(HaRegistroPosterior(9));
    EXPECT_EQ(0, Teste("1", "1", "", ""));
    const std::string erro = ArquivoErro();
    EXPECT_NE(std::string::npos,
              erro.find("\r\n\tObservação do Registro:\r\n\t  \tQuebra de sequência conforme Lógica de Ordenação "
                        "Inter-Registros.\r\n"_w));
    EXPECT_EQ(1, Execucao().TabRegistros[2].Obs);
}

TEST_F(Pipeline, Record10Cases) {
    Inicia();
    struct {
        const char *versao, *cnpj, *inicio, *fim;
        std::vector<std::string> erros;
    } casos[] = {
        {"1", kCNPJ, "01/01/2008", "31/01/2008", {}},
        {"1,00", kCNPJ, "01/01/2008", "31/01/2008",
         {std::string("-1   Só deve haver 1(um) Registro10 no arquivo da NF :: Função Registro10 chamada mais de 1(uma) vez"_w)}},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(c.erros.empty() ? 0 : -1, Registro10_CAT10207(c.versao, c.cnpj, c.inicio, c.fim));
    }
    EXPECT_EQ("\xEF\xBB\xBF" "10|1,00|11222333000181|01/01/2008|31/01/2008\r\n", ArquivoSaida());
    EXPECT_EQ(std::string("\r\nREGISTRO 10\r\n"
                          "\tVersão do Leiaute: \t1,00 -> 1,00\r\n"
                          "\tCNPJ do emitente:  \t11222333000181 -> 11222333000181\r\n"
                          "\tData de início:    \t01/01/2008 -> 01/01/2008\r\n"
                          "\tData de fim:       \t31/01/2008 -> 31/01/2008\r\n"
                          "\r\n\tErro(s) do Registro:\r\n"
                          "\t  -1   Só deve haver 1(um) Registro10 no arquivo da NF :: Função Registro10 chamada mais de "
                          "1(uma) vez\r\n"_w),
              ArquivoErro());
    EXPECT_EQ(1, Execucao().TabRegistros[0].OK);
    EXPECT_EQ(1, Execucao().TabRegistros[0].Erros);
}

TEST_F(Pipeline, Record10Messages) {
    struct {
        const char *versao, *cnpj, *inicio, *fim;
        std::vector<std::string_view> erros;
    } casos[] = {
        {"1.00", kCNPJ, "01/01/2008", "31/01/2008", {"-9   Código da versão do leiaute Inválido :: 100,"_w}},
        {"1,00", "   ", "01/01/2008", "31/01/2008",
         {"-3   O Registro10 campo \"CNPJ do emitente\" não foi preenchido, verifique"_w}},
        {"1,00", "abc", "01/01/2008", "31/01/2008", {}},  // no digit: the CNPJ check is skipped
        {"", "", "", "",
         {"-2   O Registro10 campo \"Versão do leiaute\" não foi preenchido, verifique"_w,
          "-3   O Registro10 campo \"CNPJ do emitente\" não foi preenchido, verifique"_w,
          "-4   O Registro10 campo \"Data de início\" não foi preenchido, verifique"_w,
          "-5   O Registro10 campo \"Data de fim\" não foi preenchido, verifique"_w,
          "-7   Data Inicial Inválida (DD/MM/AAAA) :: "_w, "-8   Data Final Inválida (DD/MM/AAAA) :: "_w,
          "-9   Código da versão do leiaute Inválido :: "_w}},
        {"1,00", "11222333000182", "31/02/2008", "1/1/2008",
         {"-6   CNPJ Inválido :: 11222333000182"_w, "-7   Data Inicial Inválida (DD/MM/AAAA) :: 31/02/2008"_w,
          "-8   Data Final Inválida (DD/MM/AAAA) :: 1/1/2008"_w}},
    };
    for (const auto& c : casos) {
        Finaliza_NF_Paulista();
        Inicia();
        const std::size_t antes = Existe("erro_VIZorudude.txt") ? ArquivoErro().size() : 0;
        EXPECT_EQ(c.erros.empty() ? 0 : -1, Registro10_CAT10207(c.versao, c.cnpj, c.inicio, c.fim)) << c.versao;
        if (c.erros.empty()) continue;
        const std::string erro = ArquivoErro().substr(antes);
        std::string esperado = "\r\n\tErro(s) do Registro:\r\n";
        for (auto e : c.erros) esperado += "\t  " + std::string(e) + "\r\n";
        const std::size_t pos = erro.find("\r\n\tErro(s)");
        ASSERT_NE(std::string::npos, pos);
        const std::size_t fim = erro.find("\r\n\r\n", pos + 2);
        EXPECT_EQ(esperado, erro.substr(pos, fim == std::string::npos ? std::string::npos : fim + 2 - pos))
            << c.versao << "|" << c.cnpj;
    }
}

TEST_F(Pipeline, FullRunOfRecord10GivesTheLog) {
    Inicia();
    EXPECT_EQ(0, Registro10_CAT10207("1,00", kCNPJ, "01/01/2008", "31/01/2008"));
    Finaliza_NF_Paulista();
    EXPECT_EQ(std::string("Estastísticas dos Registros:\r\n\r\nREGISTROS\tOK\tOBS\tERROS\t%ERRO\tTOTAL\r\n"_w) +
                  std::string(53, '-') + "\r\nRegistro 10\t1\t0\t0\t0,00%\t1\r\n" + std::string(53, '-') +
                  "\r\nTotal\t\t1\t0\t0\t0,00%\t1\r\n",
              ArquivoLog());
}
