// The filters and validators, through the exported functions.
#include "validadores.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "core/cp1252.h"
#include "listas.h"
#include "tavrolib/tavrolib.h"

using namespace tavro;

namespace {

struct Caso {
    const char* valor;
    bool esperado;
};

std::string Filtra(void (*filtro)(char**, const char*), const char* texto) {
    char* r = nullptr;
    filtro(&r, texto);
    std::string s = r != nullptr ? r : "<NULL>";
    std::free(r);
    return s;
}

}  // namespace

TEST(Filtros, RemoveNumInvalidMantemDigitosVirgulaBarraDoisPontos) {
    const std::pair<const char*, const char*> casos[] = {
        {"R$ 1.234,56", "1234,56"},
        {"-12", "12"},
        {"12:30 h", "12:30"},
        {"abc", ""},
        {"   ", ""},
        {"", ""},
        {nullptr, ""},
        {"+1/2", "1/2"},
        {"\xE9"
         "9\t8",
         "98"},
    };
    for (auto [entrada, saida] : casos)
        EXPECT_EQ(saida, Filtra(RemoveNumInvalid, entrada)) << (entrada ? entrada : "NULL");
}

TEST(Filtros, RemoveAlfaInvalidTiraControlesExclamacaoEBarra) {
    const std::pair<const char*, const char*> casos[] = {
        {"a|b!c", "abc"}, {"a\tb\rc\nd", "abcd"}, {"S\xE3o Paulo", "S\xE3o Paulo"}, {"   ", "   "},
        {"", ""},         {nullptr, ""},          {"\x7f\x80\xff", "\x7f\x80\xff"}, {"\x01\x1f x", " x"},
    };
    for (auto [entrada, saida] : casos) EXPECT_EQ(saida, Filtra(RemoveAlfaInvalid, entrada));
}

TEST(Filtros, EveryByteOfLongTextsIsFiltered) {
    for (std::size_t n : {256u, 5000u, 1u << 20}) {
        std::string texto(n, 'a');
        texto.back() = '|';
        texto[n / 2] = '\n';
        EXPECT_EQ(n - 2, Filtra(RemoveAlfaInvalid, texto.c_str()).size());
        std::string digitos(n, 'x');
        digitos.back() = '7';
        EXPECT_EQ("7", Filtra(RemoveNumInvalid, digitos.c_str()));
    }
}

TEST(Filtros, ReleasesThePreviousValueAndIgnoresNullDestination) {
    char* r = nullptr;
    RemoveNumInvalid(&r, "12a");
    EXPECT_STREQ("12", r);
    RemoveNumInvalid(&r, r);  // the input may be the previous result itself
    EXPECT_STREQ("12", r);
    RemoveAlfaInvalid(&r, "x|y");
    EXPECT_STREQ("xy", r);
    std::free(r);
    RemoveAlfaInvalid(nullptr, "x");  // nothing to store into: no crash
}

TEST(LeInteiroTeste, Regras) {
    struct {
        const char* texto;
        std::optional<std::int32_t> valor;
    } casos[] = {
        {" 7", 7},
        {"7 ", std::nullopt},
        {"+7", 7},
        {"-7", -7},
        {"0x1F", 31},
        {"0X1f", 31},
        {"$1F", 31},
        {"x10", 16},
        {"X10", 16},
        {"-$1F", std::nullopt},
        {"-0x1F", std::nullopt},
        {"1F", std::nullopt},
        {"2147483647", 2147483647},
        {"2147483648", std::nullopt},
        {"-2147483648", INT32_MIN},
        {"-2147483649", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"+", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"$FFFFFFFF", -1},
        {"$000000FFFFFFFF", -1},
        {"$1FFFFFFFF", std::nullopt},
        {"\t7", std::nullopt},
        {"  ", std::nullopt},
        {"0", 0},
        {"007", 7},
        {"99999999999999999999", std::nullopt},
    };
    for (const auto& c : casos) EXPECT_EQ(c.valor, LeInteiro(c.texto)) << '"' << c.texto << '"';
}

TEST(Datas, IsVIZorududeDate) {
    const Caso casos[] = {
        {"29/02/2000", true},  {"29/02/1900", false},      {"31/04/2008", false}, {"00/01/2008", false},
        {"01/13/2008", false}, {"01/01/0000", false},      {"31/12/9999", true},  {"01/01/0001", true},
        {"01-02-2008", true},  {"01/02/2008 23:59", true}, {" 1/02/2008", true},  {"1/02/2008", false},
        {"1 /02/2008", false}, {"$A/01/2008", true},       {"", false},           {"   ", false},
        {nullptr, false},      {"29/02/2004", true},       {"29/02/2100", false}, {"28/02/2100", true},
        {"31/01/2008", true},  {"32/01/2008", false},      {"31/12/200", true},   {"01/01/-001", false},
        {"10/10", false},
    };
    for (const auto& c : casos) EXPECT_EQ(c.esperado, IsVIZorududeDate(c.valor) == 1) << (c.valor ? c.valor : "NULL");
}

TEST(Datas, ValidaDataHora) {
    const Caso casos[] = {
        {"10/10/2007 10:20:30", true},
        {"10/10/2007 24:00:00", true},
        {"10/10/2007 24:00:01", false},
        {"10/10/2007 23:60:00", false},
        {"10/10/2007", false},
        {"10/10/2007 10:20", false},
        {"10/10/2007 00:00:00", true},
        {"10/10/2007 23:59:59", true},
        {"10/10/2007 23:59:60", false},
        {"31/02/2007 10:00:00", false},
        {"10/10/2007T10-20-30xyz", true},
        {"", false},
    };
    for (const auto& c : casos) EXPECT_EQ(c.esperado, ValidaDataHora(c.valor)) << c.valor;
}

TEST(Identificadores, CPF) {
    const Caso casos[] = {
        {"529.982.247-25", true},
        {"52998224725", true},
        {"  529.982.247-25 ", true},
        {"52998224726", false},
        {"00000000000", true},
        {"11111111111", true},
        {"abc", true},
        {"123/456", false},
        {"5299822472512345", true},
        {"", false},
        {"   ", false},
        {nullptr, false},
        {"1234567890", false},
    };
    for (const auto& c : casos) EXPECT_EQ(c.esperado, vCPF(c.valor) == 1) << (c.valor ? c.valor : "NULL");
}

TEST(Identificadores, CPFCompletesShortNumbersOnTheRight) {
    // 1234567890 completed on the right gives 12345678900, whose check digits are 0,9:
    // so the ten-digit 1234567890 is not valid, while 123456789 + "09" is.
    EXPECT_EQ(1, vCPF("12345678909"));
    EXPECT_EQ(0, vCPF("1234567890"));
    // 10000000280 is valid: its ten first digits are completed with a zero at
    // their end, so they pass too.
    EXPECT_EQ(1, vCPF("10000000280"));
    EXPECT_EQ(1, vCPF("1000000028"));
}

TEST(Identificadores, CNPJ) {
    const Caso casos[] = {
        {"11222333000181", true},
        {"11222333000181 qualquer", true},
        {"11.222.333/0001-81", false},
        {" 11222333000181", false},
        {"00000000000000", true},
        {"11222333000182", false},
        {"", false},
        {"  ", false},
        {nullptr, false},
        {"1122233300018", false},
        {"+1222333000181", false},
    };
    for (const auto& c : casos) EXPECT_EQ(c.esperado, vCNPJ(c.valor) == 1) << (c.valor ? c.valor : "NULL");
}

// Independent check digits: the textbook definition with weights written out.
namespace {
int Dv(const std::vector<int>& d, const std::vector<int>& pesos) {
    int s = 0;
    for (std::size_t i = 0; i < pesos.size(); ++i) s += d[i] * pesos[i];
    return s % 11 < 2 ? 0 : 11 - s % 11;
}
}  // namespace

TEST(Identificadores, DifferentialAgainstTextbookCheckDigits) {
    std::mt19937 gerador(20261211);
    std::uniform_int_distribution<int> digito(0, 9);
    for (int n = 0; n < 3000; ++n) {
        std::vector<int> cpf(9), cnpj(12);
        for (int& x : cpf) x = digito(gerador);
        for (int& x : cnpj) x = digito(gerador);
        cpf.push_back(Dv(cpf, {10, 9, 8, 7, 6, 5, 4, 3, 2}));
        cpf.push_back(Dv(cpf, {11, 10, 9, 8, 7, 6, 5, 4, 3, 2}));
        cnpj.push_back(Dv(cnpj, {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2}));
        cnpj.push_back(Dv(cnpj, {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2}));
        std::string scpf, scnpj;
        for (int x : cpf) scpf += static_cast<char>('0' + x);
        for (int x : cnpj) scnpj += static_cast<char>('0' + x);
        ASSERT_EQ(1, vCPF(scpf.c_str())) << scpf;
        ASSERT_EQ(1, vCNPJ(scnpj.c_str())) << scnpj;
        // Any change of the last digit breaks it.
        scpf.back() = static_cast<char>('0' + (cpf.back() + 1 + n % 9) % 10);
        scnpj.back() = static_cast<char>('0' + (cnpj.back() + 1 + n % 9) % 10);
        ASSERT_EQ(0, vCPF(scpf.c_str())) << scpf;
        ASSERT_EQ(0, vCNPJ(scnpj.c_str())) << scnpj;
    }
}

TEST(Enderecos, UF) {
    const Caso casos[] = {
        {"SP", true}, {"sp", true},   {"Sp", true}, {" SP ", true},   {"EX", true},     {"XX", false},
        {"S", false}, {"SPX", false}, {"", false},  {nullptr, false}, {"\tRS\r", true}, {"  ", false},
    };
    for (const auto& c : casos) EXPECT_EQ(c.esperado, vUF(c.valor) == 1) << (c.valor ? c.valor : "NULL");
    for (const char* uf : {"MG", "SP", "RJ", "AL", "AM", "BA", "DF", "MS", "MT", "TO", "AC", "MA", "RO", "RR",
                           "PE", "RS", "PA", "PB", "CE", "GO", "SC", "ES", "AP", "PI", "RN", "SE", "PR", "EX"})
        EXPECT_EQ(1, vUF(uf)) << uf;
}

TEST(Enderecos, CEPPrefixBoundariesOfEveryState) {
    struct Faixa {
        const char* uf;
        int de, ate;
    } faixas[] = {
        {"SP", 10, 199},  {"RJ", 200, 289}, {"ES", 290, 299}, {"MG", 300, 399}, {"BA", 400, 489}, {"SE", 490, 499},
        {"PE", 500, 569}, {"AL", 570, 579}, {"PB", 580, 589}, {"RN", 590, 599}, {"CE", 600, 639}, {"PI", 640, 649},
        {"MA", 650, 659}, {"PA", 660, 688}, {"AP", 689, 689}, {"AM", 690, 692}, {"AM", 694, 698}, {"RR", 693, 693},
        {"AC", 699, 699}, {"DF", 700, 769}, {"GO", 700, 769}, {"TO", 770, 779}, {"MT", 780, 788}, {"RO", 789, 789},
        {"MS", 790, 799}, {"PR", 800, 879}, {"SC", 880, 899}, {"RS", 900, 999},
    };
    auto cep = [](int prefixo) {
        char b[32];
        std::snprintf(b, sizeof b, "%03d12345", prefixo);
        return std::string(b);
    };
    for (const auto& f : faixas) {
        EXPECT_EQ(1, vCEP_UF(cep(f.de).c_str(), f.uf)) << f.uf << f.de;
        EXPECT_EQ(1, vCEP_UF(cep(f.ate).c_str(), f.uf)) << f.uf << f.ate;
        if (f.de > 10 && std::string(f.uf) != "AM" && std::string(f.uf) != "RR") {
            EXPECT_EQ(0, vCEP_UF(cep(f.de - 1).c_str(), f.uf)) << f.uf << f.de - 1;
        }
        if (f.ate < 999 && std::string(f.uf) != "AM") {
            EXPECT_EQ(0, vCEP_UF(cep(f.ate + 1).c_str(), f.uf)) << f.uf << f.ate + 1;
        }
        std::string minusculas = f.uf;
        for (char& c : minusculas) c = static_cast<char>(c - 'A' + 'a');
        EXPECT_EQ(0, vCEP_UF(cep(f.de).c_str(), minusculas.c_str()));
    }
}

TEST(Enderecos, CEPForms) {
    struct {
        const char *cep, *uf;
        bool esperado;
    } casos[] = {
        {"01000000", "SP", false}, {"01000001", "SP", true},  {"0100001", "SP", false},   {"01310-100", "SP", false},
        {"69300000", "RR", true},  {"69300000", "AM", false}, {"69400000", "AM", true},   {"70000000", "DF", true},
        {"70000000", "GO", true},  {"78900000", "RO", true},  {"01310100", "EX", false},  {"", "SP", false},
        {"   ", "SP", false},      {nullptr, "SP", false},    {"01310100", " SP", false}, {"01310100", nullptr, false},
        {"00900000", "SP", false},
    };
    for (const auto& c : casos)
        EXPECT_EQ(c.esperado, vCEP_UF(c.cep, c.uf) == 1) << (c.cep ? c.cep : "NULL") << " " << (c.uf ? c.uf : "NULL");
}

TEST(Enumeracoes, FixedSets) {
    struct {
        TAVRO_BOOL (*validador)(const char*);
        std::vector<const char*> validos, invalidos;
    } casos[] = {
        {vLeiaute, {"1,00"}, {"1.00", "1,0", "2,00", " 1,00", "1,00 ", "", "  "}},
        {vFunc_Reg, {"I", "R", "C"}, {"i", "c", "X", " I", "I ", ""}},
        {vtpNF, {"0", "1"}, {"2", "01", "", " "}},
        {vSerie_NFVC, {"1", "2", "3"}, {"0", "4", "1 ", ""}},
        {vEntrega_Domicilio, {"1", "2"}, {"0", "3", "1 ", ""}},
        {vRealiza_Venda_Prazo, {"1", "2"}, {"0", "3", "1 ", ""}},
        {vTipo_Receita, {"1", "2", "3"}, {"0", "4", "1 ", ""}},
        {vCST, {"000", "010", "141", "290", "0901", "251"}, {"300", "011", "00", "0", " 000", "", "0 00"}},
        {vInd_tipo_frete, {"0", "1", "00", "+1", " 1", "$1"}, {"2", "-1", "1 ", "a", "", "  "}},
    };
    for (const auto& c : casos) {
        for (const char* v : c.validos) EXPECT_EQ(1, c.validador(v)) << '"' << v << '"';
        for (const char* v : c.invalidos) EXPECT_EQ(0, c.validador(v)) << '"' << v << '"';
        EXPECT_EQ(0, c.validador(nullptr));
    }
}

TEST(Enumeracoes, Justificativa) {
    struct {
        const char *justificativa, *funcao;
        bool esperado;
    } casos[] = {
        {"", "C", false}, {"  ", "c", false}, {nullptr, "C", false},    {"Erro de digitação", "C", true},
        {"", "I", true},  {"", " C", true},   {nullptr, nullptr, true}, {"", "", true},
    };
    for (const auto& c : casos) EXPECT_EQ(c.esperado, vxJust(c.justificativa, c.funcao) == 1);
}

TEST(ListasDeCodigos, LineForms) {
    struct {
        const char* nome;
        std::string dados, valor;
        std::size_t largura;
        bool pula, esperado;
    } casos[] = {
        {"header line is skipped", "5102 cab\r\n1000 x\r\n", "5102", 4, true, false},
        {"found after header", "CFOP\r\n5102 Venda\r\n", "5102", 4, true, true},
        {"LF line ends", "CFOP\n1000\n5102 Venda\n", "5102", 4, true, true},
        {"last line without end", "CFOP\r\n1000\r\n5102", "5102", 4, true, true},
        {"byte 26 ends the data",
         "CFOP\r\n1000\r\n\x1a"
         "5102\r\n",
         "5102", 4, true, false},
        {"shorter value needs whole line", "CFOP\r\n510\r\n5102\r\n", "510", 4, true, true},
        {"shorter value, longer line", "CFOP\r\n5102\r\n", "510", 4, true, false},
        {"longer value never", "CFOP\r\n5102 \r\n", "5102 ", 4, true, false},
        {"empty value matches empty line", "CFOP\r\n\r\n5102\r\n", "", 4, true, true},
        {"empty value, no empty line", "CFOP\r\n5102\r\n", "", 4, true, false},
        {"ncm first line counts", "01012100 -- Reprodutores\r\n", "01012100", 8, false, true},
        {"seven digits do not match eight", "01012100 x\r\n", "0101210", 8, false, false},
        {"value with blank", "CFOP\r\n 5102\r\n", " 510", 4, true, true},
        {"no match in the middle of a line", "CFOP\r\n1000 5102\r\n", "5102", 4, true, false},
        {"empty file", "", "5102", 4, true, false},
        {"26 at the very start",
         "\x1a"
         "01012100\r\n",
         "01012100", 8, false, false},
        {"match just before 26", "x\n01012100\x1a", "01012100", 8, false, true},
        {"value holding LF", "CFOP\r\n51\n2\r\n", "51\n2", 4, true, false},
        {"short line then CR", "CFOP\r\n51\r\n", "51", 4, true, true},
    };
    for (const auto& c : casos) EXPECT_EQ(c.esperado, ListaContem(c.dados, c.valor, c.largura, c.pula)) << c.nome;
}

TEST(ListasDeCodigos, FastScanAgreesWithLineByLineOnTheRealList) {
    // Every code of the real list is found wherever its line falls in the
    // vector blocks; codes that are not there are not.
    const std::string dados = [] {
        std::FILE* f = std::fopen(TAVRO_DADOS "/ncm.res", "rb");
        std::string s;
        char b[65536];
        for (std::size_t n; f && (n = std::fread(b, 1, sizeof b, f)) > 0;) s.append(b, n);
        if (f) std::fclose(f);
        return s;
    }();
    ASSERT_GT(dados.size(), 400000u);
    for (const char* busca : {"linha", "sse2", "avx2"}) {
        if (!ForcaBuscaParaTeste(busca)) continue;
        std::size_t linhas = 0;
        for (std::size_t i = 0; i < dados.size();) {
            const std::size_t fim = dados.find('\n', i);
            const std::string codigo = dados.substr(i, 8);
            ASSERT_TRUE(ListaContem(dados, codigo, 8, false)) << codigo;
            ++linhas;
            if (fim == std::string::npos) break;
            i = fim + 1;
        }
        EXPECT_EQ(10504u, linhas);
        for (const char* ausente : {"00000000", "99999999", "2206009", "220600900", "Outras"})
            EXPECT_FALSE(ListaContem(dados, ausente, 8, false)) << ausente;
    }
    ForcaBuscaParaTeste(nullptr);
}

// A plain reading of the rule, to compare the vector scan with.
namespace {
bool Referencia(const std::string& dados, const std::string& valor, std::size_t largura, bool pula) {
    const std::string uteis = dados.substr(0, dados.find('\x1a'));
    std::size_t i = 0;
    bool primeira = true;
    while (i < uteis.size()) {
        std::size_t fim = uteis.find('\n', i);
        if (fim == std::string::npos) fim = uteis.size();
        std::string linha = uteis.substr(i, fim - i);
        linha = linha.substr(0, linha.find('\r'));
        if (!(primeira && pula) && linha.substr(0, largura) == valor) return true;
        primeira = false;
        i = fim + 1;
    }
    return false;
}
}  // namespace

TEST(ListasDeCodigos, VectorScanAgreesWithThePlainRuleOnRandomFiles) {
    std::mt19937 g(7);
    const std::vector<std::string> pedacos = {"22060090", "2206009", "22060091", "220600", "0101", "\r\n",
                                              "\n",       " desc",   "\x1a",     "\r",     "22",   "x"};
    const std::vector<std::string> valores = {"22060090", "2206009", "0101", "22", "220600", "2206009 "};
    for (const char* busca : {"linha", "sse2", "avx2"}) {
        if (!ForcaBuscaParaTeste(busca)) continue;  // not on this processor
        for (int caso = 0; caso < 3000; ++caso) {
            std::string dados;
            const int n = std::uniform_int_distribution<int>(0, 120)(g);
            for (int i = 0; i < n; ++i) {
                const auto& p = pedacos[std::uniform_int_distribution<std::size_t>(0, pedacos.size() - 1)(g)];
                if (p == "\x1a" && std::uniform_int_distribution<int>(0, 5)(g) != 0) continue;  // keep 26 rare
                dados += p;
            }
            for (const auto& v : valores)
                for (bool pula : {false, true})
                    for (std::size_t largura : {4u, 8u})
                        ASSERT_EQ(Referencia(dados, v, largura, pula), ListaContem(dados, v, largura, pula))
                            << busca << " caso " << caso << " valor " << v << " largura " << largura << " pula "
                            << pula;
        }
    }
    ForcaBuscaParaTeste(nullptr);
}
