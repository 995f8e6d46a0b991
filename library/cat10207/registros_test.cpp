// CAT 102/07 records 20 to 90 and the invoice state, through the exports.
#include <gtest/gtest.h>

#include "ambiente.h"
#include "amostra.h"
#include "core/cp1252.h"
#include "core/estado.h"
#include "tavrolib/tavrolib.h"

using namespace tavro;
using namespace tavro::teste;
using namespace tavro::amostra;

namespace {


const auto kCancelamento30 = "-10   NFs de Cancelamento não podem possuir registros 30, 40, 50 e 60"_w;

// A new invoice (function "I"), so that the one-per-invoice records start afresh.
void AbreNota() { ASSERT_EQ(0, Chama(Registro20_CAT10207, Amostra20_102())); }

}  // namespace

class Cat10207 : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        Inicia();
        ASSERT_EQ(0, Chama(Registro10_CAT10207, Amostra10()));
    }
    std::int32_t Nota(const char* funcao, const char* justificativa = nullptr) {
        auto a = Amostra20_102();
        a[0] = funcao;
        a[1] = justificativa;
        return Chama(Registro20_CAT10207, a);
    }
};

TEST_F(Cat10207, Record20SampleLine) {
    ASSERT_EQ(0, Chama(Registro20_CAT10207, Amostra20_102()));
    EXPECT_EQ(
        "20|I||Venda a Consumidor Final|0|20956|10/10/2007 10:00:00|10/10/2007 10:00:00|1|5102|000000000000|"
        "000000000000|11222333000181|Casa F|R S\xC3\xA3o Manoel|176|apto 18|Centro|S\xC3\xA3o Paulo|SP|10100000|"
        "Brasil|5550723|",
        UltimaLinha());
    EXPECT_FALSE(Existe("erro_VIZorudude.txt"));
}

TEST_F(Cat10207, Record20AllBlank) {
    Args20_102 vazio{};
    EXPECT_EQ(
        W({"-1   O Registro20 campo \"Função do Registro\" não foi preenchido, verifique"_w,
           "-2   O Registro20 campo \"Descrição da Natureza da Operação\" não foi preenchido, verifique"_w,
           "-3   O Registro20 campo \"Série da Nota Fiscal\" não foi preenchido, verifique"_w,
           "-4   O Registro20 campo \"Número da Nota Fiscal\" não foi preenchido, verifique"_w,
           "-5   O Registro20 campo \"Data de emissão da Nota Fiscal\" não foi preenchido, verifique"_w,
           "-6   O Registro20 campo \"Tipo da Nota Fiscal\" não foi preenchido, verifique"_w,
           "-7   O Registro20 campo \"Código Fiscal de Operações e Prestações\" não foi preenchido, verifique"_w,
           "-8   O Registro20 campo \"Razão Social ou nome do destinatário\" não foi preenchido, verifique"_w,
           "-9   O Registro20 campo \"Logradouro\" não foi preenchido, verifique"_w,
           "-10   O Registro20 campo \"Número\" não foi preenchido, verifique"_w,
           "-11   O Registro20 campo \"Bairro\" não foi preenchido, verifique"_w,
           "-12   O Registro20 campo \"Nome do município\" não foi preenchido, verifique"_w,
           "-13   O Registro20 campo \"Sigla da UF\" não foi preenchido, verifique"_w,
           "-14   Função do Registro Inválida. Valores esperados: \"I\", \"R\" ou \"C\" :: "_w,
           "-16   Unidade da Federação Inválida :: "_w, "-17   Data de Emissão Inválida (DD/MM/AAAA HH:MM:SS) :: "_w,
           "-21   Tipo da NF Inválida :: "_w, "-22   CFOP Inválido Inválida :: "_w}),
        ErrosDe(-1, [&] { return Chama(Registro20_CAT10207, vazio); }));
}

TEST_F(Cat10207, Record20ValidationMessages) {
    VerificaCampos(
        Registro20_CAT10207, Amostra20_102(),
        {
            {19, "XX",
             W({"-16   Unidade da Federação Inválida :: XX"_w,
                "-20   Código de Endereçamento Postal Inválida: 10100000"_w})},
            {6, "31/02/2007 10:00:00",
             W({"-17   Data de Emissão Inválida (DD/MM/AAAA HH:MM:SS) :: 31/02/2007 10:00:00"_w})},
            {7, "10/10/2007 25:00:00",
             W({"-18   Data de Entrada ou Saída Inválida (DD/MM/AAAA HH:MM:SS) :: 10/10/2007 25:00:00"_w})},
            {7, "   ", {}},
            {12, "11222333000182", W({"-19   CNPJ ou CPF Inválido :: 11222333000182"_w})},
            {12, "52998224725", {}},
            {12, "sem digitos", {}},
            {12, nullptr, {}},
            {20, "20000000", W({"-20   Código de Endereçamento Postal Inválida: 20000000"_w})},
            {20, nullptr, {}},
            {8, "2", W({"-21   Tipo da NF Inválida :: 2"_w})},
            {9, "5101", {}},
            {9, "9999", W({"-22   CFOP Inválido Inválida :: 9999"_w})},
            {4, "A1", {}},
            {4, "AB", W({"-3   O Registro20 campo \"Série da Nota Fiscal\" não foi preenchido, verifique"_w})},
        });
}

TEST_F(Cat10207, Record20FunctionCodes) {
    const auto m14 = "-14   Função do Registro Inválida. Valores esperados: \"I\", \"R\" ou \"C\" :: "_w;
    const auto m15 =
        "-15   Justificativa de cancelamente é obrigatório caso Função do Registro seja \"Cancelamento de NF\""_w;
    ASSERT_EQ(0, Nota("I"));
    EXPECT_EQ(W({m15}), ErrosDe(-1, [&] { return Nota("C", "  "); }));
    EXPECT_EQ("I", NotaAtual().FuncaoNFAtual);  // a rejected record 20 leaves the invoice alone
    const std::vector<std::string> esperado{std::string(m14) + "c", std::string(m15)};
    EXPECT_EQ(esperado, ErrosDe(-1, [&] { return Nota("c"); }));
    EXPECT_EQ(std::vector<std::string>{std::string(m14) + "X"}, ErrosDe(-1, [&] { return Nota("X"); }));
    EXPECT_EQ(0, Nota("R"));
    EXPECT_EQ(0, Nota("C", "Erro de digitação"));
    EXPECT_EQ("C", NotaAtual().FuncaoNFAtual);
}

TEST_F(Cat10207, Record20CutsAndKeepsEveryField) {
    const std::string longa(300, 'j');
    auto a = Amostra20_102();
    a[0] = "C";
    a[1] = longa.c_str();
    a[6] = a[9] = a[10] = a[11] = a[15] = a[19] = a[20] = a[21] = a[22] = nullptr;
    const std::size_t antes = TamanhoErro();
    ASSERT_EQ(0, Chama(Registro20_CAT10207, a));
    const std::string linha = UltimaLinha();
    EXPECT_EQ("20|C|" + std::string(255, 'j') +
                  "|Venda a Consumidor Final|0|20956|10/10/2007 10:00:00||1|5102||||Casa F|R S\xC3\xA3o Manoel|176||"
                  "Centro|S\xC3\xA3o Paulo|SP||||",
              linha);
    EXPECT_EQ(24, std::count(linha.begin(), linha.end(), '|') + 1);
    EXPECT_EQ(W({"Justificativa do Cancelamento:               \tQuantidade de caracteres maior que o permitido - "
                 "Permitido: 255; Passados: 300"}),
              Observacoes(ErroDesde(antes)));
}

TEST_F(Cat10207, CancelledInvoiceRefusesItsRecordsUntilTheNextOpening) {
    ASSERT_EQ(0, Nota("C", "Cancelada"));
    EXPECT_EQ(0, vItemNF("30"));
    EXPECT_EQ(W({kCancelamento30}), ErrosDe(-1, [] { return Chama(Registro30_CAT10207, Amostra30()); }));
    EXPECT_EQ(W({"-9   NFs de Cancelamento não podem possuir registros 30, 40, 50 e 60"_w}),
              ErrosDe(-1, [] { return Chama(Registro40_CAT10207, Amostra40()); }));
    EXPECT_EQ(W({"-5   NFs de Cancelamento não podem possuir registros 30, 40, 50 e 60"_w}),
              ErrosDe(-1, [] { return Chama(Registro50_CAT10207, Amostra50()); }));
    EXPECT_EQ(W({"-2   NFs de Cancelamento não podem possuir registros 30, 40, 50 e 60"_w}),
              ErrosDe(-1, [] { return Chama(Registro60_CAT10207, Amostra60()); }));
    ASSERT_EQ(0, Nota("I"));
    EXPECT_EQ(1, vItemNF(nullptr));
    EXPECT_EQ(0, Chama(Registro30_CAT10207, Amostra30()));
}

TEST_F(Cat10207, InvoiceStateSurvivesANewRun) {
    ASSERT_EQ(0, Nota("C", "Cancelada"));
    ASSERT_EQ(0, Nota("I"));
    ASSERT_EQ(0, Chama(Registro40_CAT10207, Amostra40()));
    ASSERT_EQ(0, Nota("C", "Cancelada"));
    Finaliza_NF_Paulista();
    Inicia();
    EXPECT_EQ(0, vItemNF("30"));
    EXPECT_EQ(W({kCancelamento30}), ErrosDe(-1, [] { return Chama(Registro30_CAT10207, Amostra30()); }));
}

TEST_F(Cat10207, Record30Messages) {
    VerificaCampos(
        Registro30_CAT10207, Amostra30(),
        {
            {8, nullptr,
             W({"-6   O Registro30 campo \"Código da Situação Tributária\" não foi preenchido, verifique"_w,
                "-8   Código de Situação Tributária (CST) inválida :: "_w})},
            {8, "300", W({"-8   Código de Situação Tributária (CST) inválida :: 300"_w})},
            {3, "99999999", W({"-9   Nomenclatura Comum do Mercosul (NCM) inválida :: 99999999"_w})},
            {3, "2206009", W({"-9   Nomenclatura Comum do Mercosul (NCM) inválida :: 2206009"_w})},
            {3, " ", {}},
            {1, nullptr, {}},
            {10, nullptr, {}},
            {11, nullptr, {}},
            {5, "abc", W({"-3   O Registro30 campo \"Quantidade Comercial\" não foi preenchido, verifique"_w})},
            {9, nullptr, W({"-7   O Registro30 campo \"Alíquota do imposto ICMS:\" não foi preenchido, verifique"_w})},
            {2, "\t",
             W({"-1   O Registro30 campo \"Descrição do produto ou serviço\" não foi preenchido, verifique"_w})},
        });
}

TEST_F(Cat10207, Record30NumbersAndLine) {
    auto a = Amostra30();
    a[4] = "1.5";  // the point is dropped: fifteen
    a[5] = "2";
    ASSERT_EQ(0, Chama(Registro30_CAT10207, a));
    EXPECT_EQ("30|Produto 0|Pinga tipo 0|22060090|caixa|15,0000|2,0000|5,00|010|18,00|6,00|10,00", UltimaLinha());
    for (int i = 0; i < 5; ++i) EXPECT_EQ(0, Chama(Registro30_CAT10207, Amostra30()));
}

TEST_F(Cat10207, OnePerInvoiceRecords) {
    ASSERT_EQ(0, Nota("I"));
    // A rejected record leaves its flag: a corrected one may follow.
    auto r40 = Amostra40();
    r40[0] = nullptr;
    EXPECT_EQ(W({"-1   O Registro40 campo \"Base de Cálculo do ICMS\" não foi preenchido, verifique"_w}),
              ErrosDe(-1, [&] { return Chama(Registro40_CAT10207, r40); }));
    EXPECT_EQ(0, Chama(Registro40_CAT10207, Amostra40()));
    EXPECT_EQ(0, Chama(Registro50_CAT10207, Amostra50()));
    EXPECT_EQ(0, Chama(Registro60_CAT10207, Amostra60()));
    EXPECT_EQ(W({"-8   Só deve haver 1(um) Registro40 por NF :: Função Registro40 chamada mais de 1(uma) vez"_w}),
              ErrosDe(-1, [] { return Chama(Registro40_CAT10207, Amostra40()); }));
    EXPECT_EQ(W({"-2   Só deve haver 1(um) Registro50 por NF :: Função Registro50 chamada mais de 1(uma) vez"_w}),
              ErrosDe(-1, [] { return Chama(Registro50_CAT10207, Amostra50()); }));
    EXPECT_EQ(W({"-1   Só deve haver 1(um) Registro60 por NF :: Função Registro60 chamada mais de 1(uma) vez"_w}),
              ErrosDe(-1, [] { return Chama(Registro60_CAT10207, Amostra60()); }));
    EXPECT_TRUE(NotaAtual().TemRegistro40);
    // A rejected record 20 does not open a new invoice.
    EXPECT_EQ(-1, Nota("X"));
    EXPECT_EQ(-1, Chama(Registro40_CAT10207, Amostra40()));
    // The next accepted one does; its records carry the order observation.
    ASSERT_EQ(0, Nota("R"));
    const std::size_t antes = TamanhoErro();
    EXPECT_EQ(0, Chama(Registro40_CAT10207, Amostra40()));
    EXPECT_EQ(W({kQuebra}), Observacoes(ErroDesde(antes)));
}

TEST_F(Cat10207, Record40OnlyRequiredFields) {
    Args40 a{};
    for (std::size_t i = 0; i < 7; ++i) a[i] = "1";
    ASSERT_EQ(0, Chama(Registro40_CAT10207, a));
    EXPECT_EQ("40|1,00|1,00|1,00|1,00|1,00|1,00|1,00|||||||", UltimaLinha());
}

TEST_F(Cat10207, Record50Messages) {
    VerificaCampos(Registro50_CAT10207, Amostra50(),
                   {
                       {1, nullptr,
                        W({"-1   O Registro50 campo \"Modalidade do frete\" não foi preenchido, verifique"_w,
                           "-3   Modalidade do Frete Inválida. Valores esperados: \"0\" ou \"1\" :: "_w})},
                       {1, "2", W({"-3   Modalidade do Frete Inválida. Valores esperados: \"0\" ou \"1\" :: 2"_w})},
                       {1, "1", {}},
                       {2, "123", W({"-4   CNPJ ou CPF Inválido :: 123"_w})},
                       {2, "52998224725", {}},
                       {2, "  ", {}},
                       {2, "abc", {}},
                   },
                   AbreNota);
}

TEST_F(Cat10207, Record50And60Lines) {
    ASSERT_EQ(0, Nota("I"));
    ASSERT_EQ(0, Chama(Registro50_CAT10207, Amostra50()));
    EXPECT_EQ(
        "50|0|11222333000181|Transportadora Xing Ling|000000000000|Av. da Lentidao, 321|Sao Paulo|SP|ABC1234|"
        "SP|123456789012345|litros|Xing Ling|123456789|123,000|154,064",
        UltimaLinha());
    ASSERT_EQ(0, Registro60_CAT10207(nullptr, "", "  "));
    EXPECT_EQ("60|||", UltimaLinha());  // leading blanks go
    ASSERT_EQ(0, Nota("I"));
    const std::string texto(6000, 't'), medio(3000, 'm');
    const std::size_t antes = TamanhoErro();
    ASSERT_EQ(0, Registro60_CAT10207(nullptr, nullptr, texto.c_str()));
    EXPECT_EQ("60|||" + std::string(5000, 't'), UltimaLinha());
    // Only the cut: record 60's later type is 90 alone.
    EXPECT_EQ(W({"Informações Complementares de interesse do Contribuinte: \tQuantidade de caracteres maior que o "
                 "permitido - Permitido: 5000; Passados: 6000"_w}),
              Observacoes(ErroDesde(antes)));
    ASSERT_EQ(0, Nota("I"));
    ASSERT_EQ(0, Registro60_CAT10207(nullptr, nullptr, medio.c_str()));
    EXPECT_EQ("60|||" + medio, UltimaLinha());
}

TEST_F(Cat10207, TrailerCountsAndMandatoryTypes) {
    ASSERT_EQ(0, Nota("I"));
    ASSERT_EQ(0, Chama(Registro30_CAT10207, Amostra30()));
    ASSERT_EQ(0, Chama(Registro30_CAT10207, Amostra30()));
    auto ruim = Amostra30();
    ruim[7] = "999";
    ASSERT_EQ(-1, Chama(Registro30_CAT10207, ruim));
    ASSERT_EQ(0, Chama(Registro40_CAT10207, Amostra40()));
    const std::size_t antes = TamanhoErro();
    EXPECT_EQ(0, Registro90_CAT10207());
    EXPECT_EQ("90|00001|00002|00001|00000|00000", UltimaLinha());
    EXPECT_EQ(antes, TamanhoErro());
    // A second trailer: rejected, counted, with its report.
    EXPECT_EQ(
        W({"-1   Só deve haver 1(um) Registro90 no arquivo da NF :: Função Registro90 chamada mais de 1(uma) vez"_w}),
        ErrosDe(-1, [] { return Registro90_CAT10207(); }));
    EXPECT_EQ(1, Execucao().TabRegistros[8].Erros);
    EXPECT_NE(std::string::npos, ArquivoErro().find("\tQuantidade de registros tipo 30: \t00002 -> 00002\r\n"));
}

class Cat10207SemCabecalho : public Ambiente {};

TEST_F(Cat10207SemCabecalho, TrailerReportsMissingTypesInTableOrder) {
    Inicia();
    ASSERT_EQ(-1, Registro10_CAT10207(nullptr, nullptr, nullptr, nullptr));
    const std::size_t antes = TamanhoErro();
    EXPECT_EQ(0, Registro90_CAT10207());
    EXPECT_EQ("90|00000|00000|00000|00000|00000", UltimaLinha());
    EXPECT_EQ(
        std::string("\r\n\r\n\tErro(s) do Registro:\r\n"
                    "\t  -1 Registro10 obrigatório :: O arquivo deve conter pelo menos 1 registro deste tipo\r\n"
                    "\r\n\r\n\tErro(s) do Registro:\r\n"
                    "\t  -2 Registro20 obrigatório :: O arquivo deve conter pelo menos 1 registro deste tipo\r\n"_w),
        ErroDesde(antes));
    // Again: rejected, and the blocks come again.
    const std::size_t depois = TamanhoErro();
    EXPECT_EQ(-1, Registro90_CAT10207());
    const std::string novo = ErroDesde(depois);
    EXPECT_EQ(0u, novo.find("\r\nREGISTRO 90\r\n"));
    EXPECT_NE(std::string::npos, novo.find("-1 Registro10 obrigat"));
    EXPECT_NE(std::string::npos, novo.find("-2 Registro20 obrigat"));
}

TEST_F(Cat10207SemCabecalho, TrailerOutsideARunRunsNoMandatoryCheck) {
    Inicia();
    Finaliza_NF_Paulista();
    const std::size_t antes = TamanhoErro();
    EXPECT_EQ(-1, Registro90_CAT10207());
    EXPECT_EQ(W({"-0   Função Inicia_NF_Paulista não chamada"_w}), Erros(ErroDesde(antes)));
    EXPECT_EQ(std::string::npos, ErroDesde(antes).find("obrigat"));
}

TEST_F(Cat10207SemCabecalho, TrailerCountAbove99999IsCut) {
    Inicia();
    Execucao().TabRegistros[4].OK = 123456;
    const std::size_t antes = TamanhoErro();
    EXPECT_EQ(0, Registro90_CAT10207());
    EXPECT_EQ("90|00000|12345|00000|00000|00000", UltimaLinha());
    EXPECT_EQ(W({"Quantidade de registros tipo 30: \tQuantidade de caracteres maior que o permitido - Permitido: 5; "
                 "Passados: 6"}),
              Observacoes(ErroDesde(antes)));
    EXPECT_EQ(1, Execucao().TabRegistros[8].Obs);
}
