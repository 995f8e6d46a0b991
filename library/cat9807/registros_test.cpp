// CAT 98/07 records 20, 21, 22 and 90 and the sum of invoice totals.
#include <gtest/gtest.h>

#include "ambiente.h"
#include "amostra.h"
#include "core/cp1252.h"
#include "core/estado.h"
#include "tavrolib/tavrolib.h"

using namespace tavro;
using namespace tavro::teste;
using namespace tavro::amostra;

class Cat9807 : public Ambiente {
protected:
    void SetUp() override {
        Ambiente::SetUp();
        Inicia();
        ASSERT_EQ(0, Chama(Registro10_CAT10207, Amostra10()));
    }
    std::int32_t Nota(const char* total) {
        auto a = Amostra20_98();
        a[21] = total;
        return Chama(Registro20_CAT9807, a);
    }
    double Soma() const { return Execucao().SomaNFVCCentavos / 100.0; }
};

TEST_F(Cat9807, Record20SampleLine) {
    ASSERT_EQ(0, Chama(Registro20_CAT9807, Amostra20_98()));
    const std::string linha = UltimaLinha();
    EXPECT_EQ(
        "20|1|123456|123456789|10/10/1984|10/10/1984|11222333000181|Empresa Exemplo Ltda|Rua das Flores|123||"
        "Centro|S\xC3\xA3o Paulo|SP|01310100|55501234|15,00|0,00|0,00|0,00|0,00|Texto Livre|15,00|Texto Livre|"
        "Texto Livre|2|||||||2|15,00|15,00|0",
        linha);
    EXPECT_EQ(36, std::count(linha.begin(), linha.end(), '|') + 1);
}

TEST_F(Cat9807, Record20AllBlank) {
    Args20_98 vazio{};
    EXPECT_EQ(W({"-1   O Registro20 campo \"Série da NFVC\" não foi preenchido, verifique"_w,
                 "-2   O Registro20 campo \"Número da NFVC\" não foi preenchido, verifique"_w,
                 "-3   O Registro20 campo \"Data de Emissão\" não foi preenchido, verifique"_w,
                 "-4   O Registro20 campo \"Valor total dos produtos\" não foi preenchido, verifique"_w,
                 "-5   O Registro20 campo \"Valor total do desconto\" não foi preenchido, verifique"_w,
                 "-6   O Registro20 campo \"Valor total do frete\" não foi preenchido, verifique"_w,
                 "-7   O Registro20 campo \"Valor total do seguro\" não foi preenchido, verifique"_w,
                 "-8   O Registro20 campo \"Outras despesas acessórias\" não foi preenchido, verifique"_w,
                 "-9   O Registro20 campo \"Valor Total da NFVC\" não foi preenchido, verifique"_w,
                 "-10   O Registro20 campo \"Realiza entrega em domicílio\" não foi preenchido, verifique"_w,
                 "-11   O Registro20 campo \"Realiza venda a prazo\" não foi preenchido, verifique"_w,
                 "-12   Série da NFVC Inválida :: "_w, "-13   Valor de \"Realiza entrega em domicílio\" Inválido :: "_w,
                 "-14   Valor de \"Realiza venda a prazo\" Inválido :: "_w,
                 "-16   Data de emissão Inválida (DD/MM/AAAA) :: "_w}),
              ErrosDe(-1, [&] { return Chama(Registro20_CAT9807, vazio); }));
    EXPECT_EQ(0, Soma());
}

TEST_F(Cat9807, Record20Messages) {
    VerificaCampos(Registro20_CAT9807, Amostra20_98(),
                   {
                       {1, "A",
                        W({"-1   O Registro20 campo \"Série da NFVC\" não foi preenchido, verifique"_w,
                           "-12   Série da NFVC Inválida :: "_w})},
                       {1, "4", W({"-12   Série da NFVC Inválida :: 4"_w})},
                       {25, "3", W({"-13   Valor de \"Realiza entrega em domicílio\" Inválido :: 3"_w})},
                       {32, "0", W({"-14   Valor de \"Realiza venda a prazo\" Inválido :: 0"_w})},
                       {13, "XX",
                        W({"-15   Unidade da Federação Inválida :: XX"_w,
                           "-19   Código de Endereçamento Postal Inválida: 01310100"_w})},
                       {13, nullptr, W({"-19   Código de Endereçamento Postal Inválida: 01310100"_w})},
                       {4, "30/02/1984", W({"-16   Data de emissão Inválida (DD/MM/AAAA) :: 30/02/1984"_w})},
                       {5, "1984-13-01", W({"-17   Data da Saída Inválida (DD/MM/AAAA) :: 1984-13-01"_w})},
                       {5, nullptr, {}},
                       {6, "11.222.333/0001-81", W({"-18   CNPJ ou CPF Inválido :: 11222333/00018"_w})},
                       {6, "529.982.247-25", {}},
                       {6, nullptr, {}},
                       {14, "20000000", W({"-19   Código de Endereçamento Postal Inválida: 20000000"_w})},
                       {14, nullptr, {}},
                       {10, "Loja 5", {}},
                   });
}

TEST_F(Cat9807, Record20ComplementIsNumericAndTotalLosesItsPoint) {
    auto a = Amostra20_98();
    a[9] = "Loja 5";
    a[21] = "1.234,56";
    ASSERT_EQ(0, Chama(Registro20_CAT9807, a));
    const std::string linha = UltimaLinha();
    EXPECT_NE(std::string::npos, linha.find("|123|5|Centro|"));
    EXPECT_NE(std::string::npos, linha.find("|Texto Livre|1234,56|Texto Livre|"));
    EXPECT_DOUBLE_EQ(1234.56, Soma());
}

TEST_F(Cat9807, SumOfAcceptedTotals) {
    ASSERT_EQ(0, Nota("15,00"));
    ASSERT_EQ(0, Nota("0,50"));
    auto ruim = Amostra20_98();
    ruim[21] = "99,00";
    ruim[0] = "9";
    ASSERT_EQ(-1, Chama(Registro20_CAT9807, ruim));
    EXPECT_DOUBLE_EQ(15.5, Soma());
    ASSERT_EQ(0, Nota("15/00"));  // accepted, but does not read as a number: adds nothing
    EXPECT_DOUBLE_EQ(15.5, Soma());
}

TEST_F(Cat9807, SumOfManyCentValuesDoesNotDrift) {
    // 10,25 + 0,30, then 0,01 to 9,99 cent by cent.
    ASSERT_EQ(0, Nota("10,25"));
    ASSERT_EQ(0, Nota("0,30"));
    long long centavos = 1055;
    for (int c = 1; c < 1000; c += 7) {
        char valor[16];
        std::snprintf(valor, sizeof valor, "%d,%02d", c / 100, c % 100);
        ASSERT_EQ(0, Nota(valor));
        centavos += c;
    }
    ASSERT_EQ(0, Registro90_CAT9807());
    char esperado[32];
    std::snprintf(esperado, sizeof esperado, "%lld,%02lld", centavos / 100, centavos % 100);
    const std::string linha = UltimaLinha();
    EXPECT_EQ(esperado, linha.substr(linha.rfind('|') + 1));
}

TEST_F(Cat9807, Records21And22) {
    ASSERT_EQ(0, Chama(Registro21_CAT9807, Amostra21()));
    EXPECT_EQ("21|1|123456|1|Descricao da mercadoria|Kg|1,000|1,00|1,00", UltimaLinha());
    auto a21 = Amostra21();
    a21[2] = "x";
    EXPECT_EQ(W({"-2   O Registro21 campo \"Tipo de receita\" não foi preenchido, verifique"_w,
                 "-7   Tipo de receita Inválido. Os valores esperados são: \"1\", \"2\" ou \"3\" :: "_w}),
              ErrosDe(-1, [&] { return Chama(Registro21_CAT9807, a21); }));
    a21[2] = "4";
    EXPECT_EQ(W({"-7   Tipo de receita Inválido. Os valores esperados são: \"1\", \"2\" ou \"3\" :: 4"_w}),
              ErrosDe(-1, [&] { return Chama(Registro21_CAT9807, a21); }));
    Args21 vazio{};
    EXPECT_EQ(W({"-1   O Registro21 campo \"Número do Item\" não foi preenchido, verifique"_w,
                 "-2   O Registro21 campo \"Tipo de receita\" não foi preenchido, verifique"_w,
                 "-3   O Registro21 campo \"Descrição da mercadoria\" não foi preenchido, verifique"_w,
                 "-4   O Registro21 campo \"Quantidade\" não foi preenchido, verifique"_w,
                 "-5   O Registro21 campo \"Valor Unitário\" não foi preenchido, verifique"_w,
                 "-6   O Registro21 campo \"Valor Total\" não foi preenchido, verifique"_w,
                 "-7   Tipo de receita Inválido. Os valores esperados são: \"1\", \"2\" ou \"3\" :: "_w}),
              ErrosDe(-1, [&] { return Chama(Registro21_CAT9807, vazio); }));
    a21 = Amostra21();
    a21[1] = a21[4] = nullptr;
    EXPECT_EQ(0, Chama(Registro21_CAT9807, a21));

    ASSERT_EQ(0, Chama(Registro22_CAT9807, Amostra22()));
    EXPECT_EQ("22|1,00|12/02/2008", UltimaLinha());
    EXPECT_EQ(W({"-2   O Registro22 campo \"Data de vencimento da parcela\" não foi preenchido, verifique"_w,
                 "-2   Data de vencimento da parcela Inválida :: "_w}),
              ErrosDe(-1, [] { return Registro22_CAT9807("1", nullptr); }));
    EXPECT_EQ(W({"-1   O Registro22 campo \"Valor da parcela\" não foi preenchido, verifique"_w}),
              ErrosDe(-1, [] { return Registro22_CAT9807("", "12/02/2008"); }));
}

TEST_F(Cat9807, OrderObservations) {
    ASSERT_EQ(0, Chama(Registro20_CAT9807, Amostra20_98()));
    // No record 22 accepted yet: items carry nothing.
    std::size_t antes = TamanhoErro();
    ASSERT_EQ(0, Chama(Registro21_CAT9807, Amostra21()));
    ASSERT_EQ(0, Chama(Registro22_CAT9807, Amostra22()));
    EXPECT_EQ(antes, TamanhoErro());
    antes = TamanhoErro();
    ASSERT_EQ(0, Chama(Registro21_CAT9807, Amostra21()));
    EXPECT_EQ(W({kQuebra}), Observacoes(ErroDesde(antes)));
    antes = TamanhoErro();
    ASSERT_EQ(0, Chama(Registro20_CAT9807, Amostra20_98()));
    EXPECT_EQ(W({kQuebra}), Observacoes(ErroDesde(antes)));
    EXPECT_EQ(1, Execucao().TabRegistros[1].Obs);
    EXPECT_EQ(1, Execucao().TabRegistros[2].Obs);
}

TEST_F(Cat9807, TrailerOfTheSampleRun) {
    ASSERT_EQ(0, Chama(Registro20_CAT9807, Amostra20_98()));
    ASSERT_EQ(0, Chama(Registro21_CAT9807, Amostra21()));
    ASSERT_EQ(0, Chama(Registro22_CAT9807, Amostra22()));
    EXPECT_EQ(0, Registro90_CAT9807());
    EXPECT_EQ("90|00001|00001|00001|15,00", UltimaLinha());
    EXPECT_EQ(
        W({"-1   Só deve haver 1(um) Registro90 no arquivo da NF :: Função Registro90 chamada mais de 1(uma) vez"_w}),
        ErrosDe(-1, [] { return Registro90_CAT9807(); }));
    EXPECT_EQ(std::string::npos, ArquivoErro().find("obrigat"));
    EXPECT_NE(
        std::string::npos,
        ArquivoErro().find("\tSomatória do valores totais das NFVC informadas no arquivo:\t15,00 -> 15,00\r\n"_w));
    Finaliza_NF_Paulista();
    EXPECT_EQ(0, Execucao().SomaNFVCCentavos);
}

TEST_F(Cat9807, TrailerWithoutInvoices) {
    const std::size_t antes = TamanhoErro();
    EXPECT_EQ(0, Registro90_CAT9807());
    EXPECT_EQ("90|00000|00000|00000|0,00", UltimaLinha());
    EXPECT_EQ(W({"-2 Registro20 obrigatório :: O arquivo deve conter pelo menos 1 registro deste tipo"_w}),
              Erros(ErroDesde(antes)));
}
