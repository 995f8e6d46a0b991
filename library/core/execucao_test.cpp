// The run's lifecycle: start checks in their order, notices, end, version.
#include <gtest/gtest.h>

#include <filesystem>

#include "ambiente.h"
#include "cp1252.h"
#include "estado.h"
#include "tavrolib/tavrolib.h"

using namespace tavro;
using namespace tavro::teste;
namespace fs = std::filesystem;

class Execucao_ : public Ambiente {};

TEST_F(Execucao_, VersionIsAlways101) {
    EXPECT_EQ(101, Info_Versao());
    Inicia();
    EXPECT_EQ(101, Info_Versao());
    Finaliza_NF_Paulista();
    EXPECT_EQ(101, Info_Versao());
}

TEST_F(Execucao_, StartChecksInOrderWithTheirMessages) {
    const std::string ausente = (raiz / "nao_existe").string();
    fs::create_directories(raiz / "vazia");
    fs::create_directories(raiz / "so_cfop");
    fs::copy_file(raiz / "entrada" / "cfop.res", raiz / "so_cfop" / "cfop.res");
    const std::string vazia = (raiz / "vazia").string(), soCfop = (raiz / "so_cfop").string();
    struct {
        std::string saida, entrada, mensagem;
    } casos[] = {
        {ausente, ausente, std::string("Erro. Diretório de saída informado inexistente. "_w) + ausente + "/"},
        {Saida(), ausente, std::string("Erro. Diretório de entrada informado inexistente. "_w) + ausente + "/"},
        {Saida(), vazia, std::string("Erro. O arquivo de entrada CFOP.RES não foi encontrado em "_w) + vazia + "/cfop.res"},
        {Saida(), soCfop, std::string("Erro. O arquivo de entrada NCM.RES não foi encontrado em "_w) + soCfop + "/ncm.res"},
    };
    for (const auto& c : casos) {
        mensagens.clear();
        EXPECT_EQ(-1, Inicia_NF_Paulista(c.saida.c_str(), c.entrada.c_str()));
        EXPECT_EQ(std::vector<std::string>{c.mensagem}, mensagens);
        EXPECT_FALSE(tavro::Execucao().Iniciado);
    }
}

TEST_F(Execucao_, SecondStartIsRefusedSilentlyAndTheRunGoesOn) {
    Inicia();
    fs::create_directories(raiz / "outra");
    EXPECT_EQ(-1, Inicia_NF_Paulista((raiz / "outra").c_str(), Entrada().c_str()));
    EXPECT_TRUE(mensagens.empty());
    EXPECT_EQ(0, Registro10_CAT10207("1,00", "11222333000181", "01/01/2008", "31/01/2008"));
    EXPECT_TRUE(Existe("VIZorudude.txt"));
    EXPECT_FALSE(fs::exists(raiz / "outra" / "VIZorudude.txt"));
}

TEST_F(Execucao_, EmptyRunWritesTheLogByteForByte) {
    Inicia();
    EXPECT_FALSE(Existe("erro_VIZorudude.txt"));
    Finaliza_NF_Paulista();
    const std::string esperado = std::string("Estastísticas dos Registros:\r\n"_w) +
                                 "\r\n"
                                 "REGISTROS\tOK\tOBS\tERROS\t%ERRO\tTOTAL\r\n"
                                 "-----------------------------------------------------\r\n"
                                 "-----------------------------------------------------\r\n"
                                 "Total\t\t0\t0\t0\t0,00%\t0\r\n";
    EXPECT_EQ(esperado, ArquivoLog());
    EXPECT_FALSE(Existe("VIZorudude.txt"));
    EXPECT_FALSE(Existe("erro_VIZorudude.txt"));
}

TEST_F(Execucao_, RestartReplacesTheThreeFilesWithNotices) {
    Inicia();
    EXPECT_EQ(0, Registro10_CAT10207("1,00", "11222333000181", "01/01/2008", "31/01/2008"));
    EXPECT_EQ(-1, Registro10_CAT10207("1,00", "11222333000181", "01/01/2008", "31/01/2008"));
    Finaliza_NF_Paulista();
    ASSERT_TRUE(Existe("VIZorudude.txt") && Existe("erro_VIZorudude.txt") && Existe("log_VIZorudude.txt"));

    Inicia();
    EXPECT_FALSE(Existe("VIZorudude.txt"));
    EXPECT_FALSE(Existe("log_VIZorudude.txt"));
    const std::string esperado =
        std::string("\r\n\r\n\tObservação do Registro:\r\n"_w) +
        std::string(
            "\t  \tO arquivo VIZorudude.txt previamente existente foi substituído pelo novo arquivo gerado.\r\n"_w) +
        std::string(
            "\t  \tO arquivo de erro_VIZorudude.txt previamente existente foi substituído pelo novo arquivo gerado.\r\n"_w) +
        std::string(
            "\t  \tO arquivo de log_VIZorudude.txt previamente existente foi substituído pelo novo arquivo gerado.\r\n"_w);
    EXPECT_EQ(esperado, ArquivoErro());
    for (const auto& r : tavro::Execucao().TabRegistros) EXPECT_EQ(0, r.OK + r.Erros + r.Obs);
    EXPECT_TRUE(tavro::Execucao().ListaObs.empty());
}

TEST_F(Execucao_, RecordCallsOutsideARun) {
    // After a run ended: a block of message -0 in that run's error file.
    Inicia();
    Finaliza_NF_Paulista();
    EXPECT_EQ(-1, Registro10_CAT10207("1,00", "11222333000181", "01/01/2008", "31/01/2008"));
    EXPECT_EQ(-1, Registro90_CAT9807());
    const std::string bloco = std::string("\r\n\tErro(s) do Registro:\r\n\t  -0   Função Inicia_NF_Paulista não chamada\r\n"_w);
    EXPECT_EQ(bloco + bloco, ArquivoErro());
    EXPECT_TRUE(tavro::Execucao().ListaRelatorio.empty());
    for (const auto& r : tavro::Execucao().TabRegistros) EXPECT_EQ(0, r.OK + r.Erros + r.Obs);
}

TEST_F(Execucao_, RecordBeforeAnyStartUsesTheFallbackFile) {
    const fs::path antes = fs::current_path();
    fs::current_path(raiz / "saida");
    EscreveArquivo("Erro_VIZorudude.txt", "antigo");
    EXPECT_EQ(-1, Registro60_CAT10207("a", "b", "c"));
    EXPECT_EQ(-1, Registro60_CAT10207("a", "b", "c"));
    const std::string bloco = std::string("\r\n\tErro(s) do Registro:\r\n\t  -0   Função Inicia_NF_Paulista não chamada\r\n"_w);
    EXPECT_EQ(bloco + bloco, LeArquivo("Erro_VIZorudude.txt"));
    fs::current_path(antes);
}

TEST_F(Execucao_, FailedStartKeepsPathsAndResetsTheSum) {
    tavro::Execucao().SomaNFVCCentavos = 1500;
    const std::string ausente = (raiz / "nao_existe").string();
    EXPECT_EQ(-1, Inicia_NF_Paulista(ausente.c_str(), Entrada().c_str()));
    EXPECT_EQ(0, tavro::Execucao().SomaNFVCCentavos);
    EXPECT_EQ(ausente + "/erro_VIZorudude.txt", tavro::Execucao().ArqErro);
    // A record now tries the missing folder and reports the failed write.
    mensagens.clear();
    EXPECT_EQ(-1, Registro10_CAT10207("1,00", "11222333000181", "01/01/2008", "31/01/2008"));
    EXPECT_EQ(std::vector<std::string>{"Erro ao tentar escrever no arquivo " + ausente + "/erro_VIZorudude.txt"},
              mensagens);
}

TEST_F(Execucao_, EndWithoutRunDoesNothing) {
    Finaliza_NF_Paulista();
    EXPECT_FALSE(Existe("log_VIZorudude.txt"));
    EXPECT_TRUE(mensagens.empty());
}
