// The three files byte for byte, the log's figures and failed writes.
#include "gravacao.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ambiente.h"
#include "cp1252.h"
#include "estado.h"
#include "platform/plataforma.h"
#include "tavrolib/tavrolib.h"

using namespace tavro;
using namespace tavro::teste;
namespace fs = std::filesystem;

namespace {

// Forwards to the system but fails every append to paths that contain `falha`.
class PlataformaFalha : public plataforma::Plataforma {
public:
    std::string falha;
    plataforma::Plataforma& so = plataforma::DoSistema();
    bool DiretorioExiste(const std::string& c) override { return so.DiretorioExiste(c); }
    bool ArquivoExiste(const std::string& c) override { return so.ArquivoExiste(c); }
    bool ApagaArquivo(const std::string& c) override { return so.ApagaArquivo(c); }
    bool Acrescenta(const std::string& c, std::string_view b, std::string_view p) override {
        if (!falha.empty() && c.find(falha) != std::string::npos) return false;
        return so.Acrescenta(c, b, p);
    }
    bool LeArquivo(const std::string& c, plataforma::Buffer& d) override { return so.LeArquivo(c, d); }
    void MostraMensagem(const std::string& t) override { so.MostraMensagem(t); }
    plataforma::Separadores SeparadoresRegionais() override { return {',', '.'}; }
};

const char* kCNPJ = "11222333000181";

}  // namespace

class Gravacao : public Ambiente {};

TEST_F(Gravacao, OutputFileHasMarkAndUtf8Lines) {
    Inicia();
    ASSERT_EQ(0, Registro20_CAT9807("1", "", "1", "10/10/2008", "", "", "", "", "", "", "", "", "", "", "", "1,00",
                                    "0", "0", "0", "0", "", "1", "", "", "1", "", "", "", "", "", "", "1", "", "", ""));
    ASSERT_EQ(0, Registro60_CAT10207("S\xE3o Paulo", "a\x80z", nullptr));
    const std::string saida = ArquivoSaida();
    EXPECT_EQ("\xEF\xBB\xBF"
              "20|1||1|10/10/2008||||||||||||1,00|0,00|0,00|0,00|0,00||1,00|||1|||||||1|||\r\n"
              "60|S\xC3\xA3o Paulo|a\xE2\x82\xACz|\r\n",
              saida);
    EXPECT_FALSE(Existe("erro_VIZorudude.txt"));
}

TEST_F(Gravacao, ExistingOutputFileGetsNoNewMark) {
    Inicia();
    ASSERT_EQ(0, Registro22_CAT9807("1", "10/10/2008"));
    ASSERT_EQ(0, Registro22_CAT9807("2", "11/10/2008"));
    EXPECT_EQ("\xEF\xBB\xBF" "22|1,00|10/10/2008\r\n22|2,00|11/10/2008\r\n", ArquivoSaida());
}

TEST_F(Gravacao, RejectedRecordBlockWithErrorsAndObservations) {
    Inicia();
    // 18 characters: cut to 14 with an observation; the cut text fails the check.
    EXPECT_EQ(-1, Registro10_CAT10207("2,00", "11.222.333/0001-81", "", "31/01/2008"));
    const std::string esperado = std::string(
        "\r\n"
        "REGISTRO 10\r\n"
        "\tVersão do Leiaute: \t2,00 -> 2,00\r\n"
        "\tCNPJ do emitente:  \t11.222.333/0001-81 -> 11.222.333/000\r\n"
        "\tData de início:    \t -> \r\n"
        "\tData de fim:       \t31/01/2008 -> 31/01/2008\r\n"
        "\r\n"
        "\tErro(s) do Registro:\r\n"
        "\t  -4   O Registro10 campo \"Data de início\" não foi preenchido, verifique\r\n"
        "\t  -6   CNPJ Inválido :: 11.222.333/000\r\n"
        "\t  -7   Data Inicial Inválida (DD/MM/AAAA) :: \r\n"
        "\t  -9   Código da versão do leiaute Inválido :: 2,00\r\n"
        "\r\n"
        "\tObservação do Registro:\r\n"
        "\t  CNPJ do emitente:  \tQuantidade de caracteres maior que o permitido - Permitido: 14; Passados: 18\r\n"_w);
    EXPECT_EQ(esperado, ArquivoErro());
    EXPECT_FALSE(Existe("VIZorudude.txt"));
    const auto& r = Execucao().TabRegistros[0];
    EXPECT_EQ(0, r.OK);
    EXPECT_EQ(1, r.Erros);
    EXPECT_EQ(1, r.Obs);
}

TEST_F(Gravacao, AcceptedRecordWithObservationsGoesToBothFiles) {
    Inicia();
    EXPECT_EQ(0, Registro10_CAT10207("  1", kCNPJ, "01/01/2008", "31/01/2008  "));
    // Leading blanks go, trailing ones stay.
    EXPECT_EQ("\xEF\xBB\xBF" "10|1,00|11222333000181|01/01/2008|31/01/2008  \r\n", ArquivoSaida());
    EXPECT_FALSE(Existe("erro_VIZorudude.txt"));
    EXPECT_EQ(0, Registro60_CAT10207(nullptr, nullptr, std::string(5003, 'x').c_str()));
    const std::string erro = ArquivoErro();
    EXPECT_EQ(0u, erro.find("\r\nREGISTRO 60\r\n"));
    EXPECT_EQ(std::string::npos, erro.find("Erro(s) do Registro"));
    EXPECT_NE(std::string::npos,
              erro.find(std::string("\r\n\r\n\tObservação do Registro:\r\n\t  Informações Complementares de interesse do "
                                    "Contribuinte: \tQuantidade de caracteres maior que o permitido - Permitido: "
                                    "5000; Passados: 5003\r\n"_w)));
}

TEST_F(Gravacao, LogFiguresAndRounding) {
    Inicia();
    auto& tab = Execucao().TabRegistros;
    tab[0].OK = 1;                      // 10: 0,00%
    tab[1].OK = 2, tab[1].Erros = 1;    // 20: one error in three records
    tab[4].OK = 31, tab[4].Erros = 1;   // 30: one in 32 is 3.125 -> 3,13
    tab[4].Obs = 2;
    tab[8].OK = 1;
    Finaliza_NF_Paulista();
    const auto linhas = Linhas(ArquivoLog());
    const std::vector<std::string> esperado = {
        std::string("Estastísticas dos Registros:"_w),
        "",
        "REGISTROS\tOK\tOBS\tERROS\t%ERRO\tTOTAL",
        std::string(53, '-'),
        "Registro 10\t1\t0\t0\t0,00%\t1",
        "Registro 20\t2\t0\t1\t33,33%\t3",
        "Registro 30\t31\t2\t1\t3,13%\t32",
        "Registro 90\t1\t0\t0\t0,00%\t1",
        std::string(53, '-'),
        "Total\t\t35\t2\t2\t5,41%\t37",
    };
    EXPECT_EQ(esperado, linhas);
}

TEST_F(Gravacao, LogTotalOfTheWorkedExample) {
    Inicia();
    auto& tab = Execucao().TabRegistros;
    tab[0].OK = 1;
    tab[1].OK = 3, tab[1].Erros = 1, tab[1].Obs = 1;
    tab[8].OK = 1;
    Finaliza_NF_Paulista();
    const auto linhas = Linhas(ArquivoLog());
    ASSERT_EQ(9u, linhas.size());
    EXPECT_EQ("Registro 20\t3\t1\t1\t25,00%\t4", linhas[5]);
    EXPECT_EQ("Total\t\t5\t1\t1\t16,67%\t6", linhas[8]);
}

TEST_F(Gravacao, FailedWritesAreShownAndTheRunGoesOn) {
    Inicia();
    ASSERT_EQ(0, Registro10_CAT10207("1,00", kCNPJ, "01/01/2008", "31/01/2008"));
    fs::remove_all(raiz / "saida");
    mensagens.clear();
    // Accepted with an observation: both files fail, each with its own message.
    EXPECT_EQ(0, Registro60_CAT10207(std::string(300, 'a').c_str(), "", ""));
    EXPECT_EQ((std::vector<std::string>{"Erro ao tentar escrever no arquivo " + Saida() + "/VIZorudude.txt",
                                        "Erro ao tentar escrever no arquivo " + Saida() + "/erro_VIZorudude.txt"}),
              mensagens);
    EXPECT_TRUE(Execucao().ListaRelatorio.empty() && Execucao().ListaObs.empty() && Execucao().ListaErros.empty());
    EXPECT_EQ(1, Execucao().TabRegistros[7].OK);

    // The folder comes back: the next record is written normally.
    fs::create_directories(raiz / "saida");
    mensagens.clear();
    EXPECT_EQ(0, Registro22_CAT9807("1", "10/10/2008"));
    EXPECT_TRUE(mensagens.empty());
    EXPECT_EQ("\xEF\xBB\xBF" "22|1,00|10/10/2008\r\n", ArquivoSaida());
}

TEST_F(Gravacao, OutputAndErrorFilesFailIndependently) {
    PlataformaFalha falha;
    plataforma::Substitui(&falha);
    Inicia();
    falha.falha = "/VIZorudude.txt";
    EXPECT_EQ(0, Registro60_CAT10207(std::string(300, 'a').c_str(), "", ""));
    EXPECT_EQ(std::vector<std::string>{"Erro ao tentar escrever no arquivo " + Saida() + "/VIZorudude.txt"}, mensagens);
    EXPECT_TRUE(Existe("erro_VIZorudude.txt"));
    falha.falha = "log_";
    mensagens.clear();
    Finaliza_NF_Paulista();
    EXPECT_EQ(std::vector<std::string>{"Erro ao tentar escrever no arquivo " + Saida() + "/log_VIZorudude.txt"}, mensagens);
    EXPECT_FALSE(Execucao().Iniciado);
    plataforma::Substitui(nullptr);
}
