// Reading and writing numbers under several regional settings.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "numero.h"

using namespace tavro;

namespace {

class ComSeparadores {
public:
    ComSeparadores(char decimal, char grupo) {
        plataforma::Separadores s{decimal, grupo};
        ForcaSeparadoresParaTeste(&s);
    }
    ~ComSeparadores() { ForcaSeparadoresParaTeste(nullptr); }
};

}  // namespace

// 2.675 and 1.005 are held as 2.67499999999999982... and 1.00499999999999989...:
// their 18 significant digits round down.
TEST(Numero, FormatsWithEighteenDigitsThenHalfAwayFromZero) {
    ComSeparadores brasil(',', '.');
    struct {
        double valor;
        int casas;
        const char* texto;
    } casos[] = {
        {0.125, 2, "0,13"},   {1, 2, "1,00"},        {3.125, 2, "3,13"},      {33.333333333333336, 2, "33,33"},
        {16.6667, 2, "16,67"}, {0, 2, "0,00"},       {0, 4, "0,0000"},        {1.5, 4, "1,5000"},
        {15, 4, "15,0000"},   {154.064, 3, "154,064"}, {0.0005, 3, "0,001"},   {0.00049, 3, "0,000"},
        {10.55, 2, "10,55"},  {1234.56, 2, "1234,56"}, {2.675, 2, "2,67"},     {1.005, 2, "1,00"},
        {999.995, 2, "1000,00"}, {9.9999, 2, "10,00"}, {1e20, 2, "100000000000000000000,00"},
        {123456789012345678.0, 0, "123456789012345680"}, {1e-30, 2, "0,00"}, {5, 0, "5"},
        {-1.5, 2, "-1,50"},   {-0.001, 2, "0,00"},
    };
    for (const auto& c : casos) EXPECT_EQ(c.texto, FormataNumero(c.valor, c.casas)) << c.valor;
}

TEST(Numero, GroupsThousandsWhenAsked) {
    ComSeparadores brasil(',', '.');
    EXPECT_EQ("1.234.567,50", FormataNumero(1234567.5, 2, true));
    EXPECT_EQ("100,00", FormataNumero(100, 2, true));
    ComSeparadores eua('.', ',');
    EXPECT_EQ("1,234,567.50", FormataNumero(1234567.5, 2, true));
}

TEST(Numero, ReadsWithTheRegionalSeparator) {
    ComSeparadores brasil(',', '.');
    struct {
        const char* texto;
        std::optional<double> valor;
    } casos[] = {
        {"1", 1.0},        {"1,5", 1.5},     {",", 0.0},     {",5", 0.5},  {"5,", 5.0},
        {"", std::nullopt}, {"1,2,3", std::nullopt}, {"12/5", std::nullopt}, {"12:30", std::nullopt},
        {"0,125", 0.125},  {"00012,50", 12.5}, {"1.5", std::nullopt},
    };
    for (const auto& c : casos) EXPECT_EQ(c.valor, LeNumero(c.texto)) << '"' << c.texto << '"';
}

TEST(Numero, PointSettingsRejectEveryComma) {
    ComSeparadores eua('.', ',');
    EXPECT_EQ(std::nullopt, LeNumero("1,5"));
    EXPECT_EQ(std::nullopt, LeNumero(","));
    EXPECT_EQ(1.5, LeNumero("1.5"));
    EXPECT_EQ("0.13", FormataNumero(0.125, 2));
}

TEST(Numero, HugeAndTinyNumbersNeverFail) {
    ComSeparadores brasil(',', '.');
    EXPECT_EQ(std::nullopt, LeNumero(std::string(400, '9')));  // beyond a double: does not read
    EXPECT_EQ(0.0, LeNumero("0," + std::string(400, '0') + "1"));
    const auto grande = LeNumero(std::string(300, '9'));
    ASSERT_TRUE(grande.has_value());
    const std::string texto = FormataNumero(*grande, 2);
    EXPECT_EQ(301u + 3u, texto.size());  // 1 and 300 zeros, then ,00
    EXPECT_EQ("1", texto.substr(0, 1));
    EXPECT_EQ(",00", texto.substr(texto.size() - 3));
    EXPECT_EQ("0,00", FormataNumero(NAN, 2));
}

TEST(Numero, RoundsToFourDecimalsHalfToEven) {
    EXPECT_DOUBLE_EQ(16.6667, ArredondaQuatroCasas(100.0 / 6));
    EXPECT_DOUBLE_EQ(3.125, ArredondaQuatroCasas(3.125));
    EXPECT_DOUBLE_EQ(0.0002, ArredondaQuatroCasas(0.00025));
}

TEST(Numero, ExactDigitsAgreeWithTheGeneralMethod) {
    // Random doubles over the range amounts take, and decimal-looking ones
    // (cents, thousandths) where ties and long runs of 9s appear.
    std::mt19937_64 g(42);
    std::uniform_real_distribution<double> expoente(-8, 18);
    int exatos = 0;
    for (int i = 0; i < 200000; ++i) {
        double v;
        if (i % 3 == 0)
            v = std::pow(10.0, expoente(g));
        else if (i % 3 == 1)
            v = static_cast<double>(g() % 100000000) / 100.0;
        else
            v = static_cast<double>(g() % 10000000) / 1000.0 + 0.0005;
        if (v == 0) continue;
        Significativos a{}, b{};
        if (!SignificativosExatos(v, a)) continue;
        ++exatos;
        SignificativosGerais(v, b);
        ASSERT_EQ(std::string(b.digitos, 18), std::string(a.digitos, 18)) << v;
        ASSERT_EQ(b.expoente, a.expoente) << v;
    }
    EXPECT_GT(exatos, 150000);
}
