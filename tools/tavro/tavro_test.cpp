// The command-line tool, through the built program in a temporary folder.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "le_arquivo.h"
#include "utf8.h"

using tavro::teste::LeArquivo;
namespace fs = std::filesystem;

namespace {

void Grava(const fs::path& p, std::string_view b) {
    std::ofstream f(p, std::ios::binary);
    f.write(b.data(), static_cast<std::streamsize>(b.size()));
}

struct Resultado {
    int status;
    std::string saida;  // standard output and standard error together
};

class Tavro : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        raiz = fs::temp_directory_path() / (std::string("tavro_cli_") + info->name());
        fs::remove_all(raiz);
        fs::create_directories(raiz / "saida");
    }
    void TearDown() override { fs::remove_all(raiz); }

    Resultado Roda(const std::string& argumentos) {
        const std::string comando = std::string(TAVRO_PROGRAMA) + " " + argumentos + " 2>&1";
        FILE* p = ::popen(comando.c_str(), "r");
        Resultado r{-1, {}};
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) r.saida.append(buf, n);
        const int s = ::pclose(p);
        r.status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
        return r;
    }
    std::string Saida() const { return (raiz / "saida").string(); }
    void EsperaFixtures(const char* leiaute) {
        for (const char* nome : {"VIZorudude.txt", "log_VIZorudude.txt"})
            EXPECT_EQ(LeArquivo(fs::path(TAVRO_FIXTURES) / leiaute / nome), LeArquivo(raiz / "saida" / nome))
                << leiaute << nome;
        EXPECT_FALSE(fs::exists(raiz / "saida" / "erro_VIZorudude.txt"));
    }

    fs::path raiz;
};

}  // namespace

TEST_F(Tavro, RecordFilesInEitherEncodingGiveTheFixtures) {
    for (const char* leiaute : {"102", "98"}) {
        const std::string pasta = std::string(leiaute) == "102" ? "cat10207" : "cat9807";
        const auto registros = Roda(std::string("exemplo --registros ") + leiaute);
        ASSERT_EQ(0, registros.status);
        std::string cp1252;
        ASSERT_TRUE(tavro::ConverteDeUtf8(registros.saida, cp1252));
        ASSERT_NE(registros.saida, cp1252);  // it holds accented letters
        const struct {
            const char* nome;
            std::string bytes;
        } entradas[] = {{"utf8.txt", registros.saida},
                        {"utf8-bom-crlf.txt", "\xEF\xBB\xBF" + registros.saida},
                        {"cp1252.txt", cp1252}};
        for (const auto& e : entradas) {
            std::string bytes = e.bytes;
            if (std::string(e.nome).find("crlf") != std::string::npos) {
                std::string crlf;
                for (char c : bytes) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
                bytes = crlf;
            }
            Grava(raiz / e.nome, bytes);
            fs::remove_all(raiz / "saida");
            fs::create_directories(raiz / "saida");
            const auto r = Roda("gerar " + (raiz / e.nome).string() + " --saida " + Saida());
            EXPECT_EQ(0, r.status) << r.saida;
            EsperaFixtures(pasta.c_str());
        }
    }
}

TEST_F(Tavro, StandardInputAndForcedEncoding) {
    const auto r = Roda("exemplo --registros 98 | " + std::string(TAVRO_PROGRAMA) +
                        " gerar - --codificacao utf8 --saida " + Saida());
    EXPECT_EQ(0, r.status) << r.saida;
    EsperaFixtures("cat9807");
}

TEST_F(Tavro, MalformedLinesAreReportedAndTheRestIsSent) {
    const auto amostra = Roda("exemplo --registros 98").saida;
    std::istringstream s(amostra);
    std::string l, entrada;
    int n = 0;
    while (std::getline(s, l)) {
        if (++n == 3) entrada += "21|1|2\n77|x\n21|\xE2\x82\xAC|\xE2\x98\x83|1|x|Kg|1|1|1\n";  // lines 3, 4 and 5
        entrada += l + "\n";
    }
    Grava(raiz / "e.txt", entrada);
    const auto r = Roda("gerar " + (raiz / "e.txt").string() + " --saida " + Saida());
    EXPECT_EQ(1, r.status);
    EXPECT_NE(std::string::npos, r.saida.find("linha 3: o registro 21 tem 2 campo(s)")) << r.saida;
    EXPECT_NE(std::string::npos, r.saida.find("linha 4: tipo de registro desconhecido")) << r.saida;
    EXPECT_NE(std::string::npos, r.saida.find("linha 5: caractere fora do Windows-1252")) << r.saida;
    EsperaFixtures("cat9807");
}

TEST_F(Tavro, RejectedRecordsAreSummarised) {
    Grava(raiz / "e.txt", "10|2,00|11222333000181|10/10/2007|17/10/2007\n22|1|31/02/2008\n90\n");
    const auto r = Roda("gerar " + (raiz / "e.txt").string() + " --leiaute 98 --saida " + Saida());
    EXPECT_EQ(1, r.status);
    EXPECT_NE(std::string::npos, r.saida.find("REGISTRO 10\n    -9   Código da versão do leiaute Inválido :: 2,00"))
        << r.saida;
    EXPECT_NE(std::string::npos,
              r.saida.find("REGISTRO 22\n    -2   Data de vencimento da parcela Inválida :: 31/02/2008"));
    EXPECT_NE(std::string::npos, r.saida.find("90              1         0           0"));
}

TEST_F(Tavro, MixedLayoutsAreRefusedWithNothingWritten) {
    Grava(raiz / "e.txt", "10|1,00|11222333000181|10/10/2007|17/10/2007\n30|a|b|c|d|1|1|1|010|1||\n22|1|12/02/2008\n");
    const auto r = Roda("gerar " + (raiz / "e.txt").string() + " --saida " + Saida());
    EXPECT_EQ(2, r.status);
    EXPECT_NE(std::string::npos, r.saida.find("a linha 2 é CAT 102/07 e a linha 3 é CAT 98/07")) << r.saida;
    EXPECT_TRUE(fs::is_empty(raiz / "saida"));
}

TEST_F(Tavro, FileAndUsageErrors) {
    struct {
        std::string argumentos, trecho;
    } casos[] = {
        {"gerar " + (raiz / "nao-existe.txt").string(), "não foi possível abrir"},
        {"gerar x --leiaute 99", "--leiaute pede 102 ou 98"},
        {"voar", "comando desconhecido"},
        {"validar cep 01310100", "espera 2 valor(es)"},
    };
    for (const auto& c : casos) {
        const auto r = Roda(c.argumentos);
        EXPECT_EQ(2, r.status) << c.argumentos;
        EXPECT_NE(std::string::npos, r.saida.find(c.trecho)) << r.saida;
    }
    Grava(raiz / "e.txt", "10|1,00|11222333000181|10/10/2007|17/10/2007\n20|" + std::string(22, '|') + "\n");
    const auto r = Roda("gerar " + (raiz / "e.txt").string() + " --saida " + (raiz / "nao-existe").string());
    EXPECT_EQ(2, r.status);
    EXPECT_NE(std::string::npos, r.saida.find("a pasta de saída não existe"));
}

TEST_F(Tavro, Validar) {
    struct {
        std::string argumentos;
        int status;
    } casos[] = {
        {"cpf 529.982.247-25", 0},
        {"cpf 529.982.247-26", 1},
        {"cnpj 11222333000181", 0},
        {"cnpj 11222333000180", 1},
        {"uf sp", 0},
        {"uf XX", 1},
        {"cep 01310100 SP", 0},
        {"cep 01310100 RJ", 1},
        {"data 29/02/2000", 0},
        {"data 29/02/1900", 1},
        {"cst 010", 0},
        {"cst 300", 1},
        {"cfop 5102", 0},
        {"cfop 9999", 1},
        {"ncm 22060090", 0},
        {"ncm 2206009", 1},
        {"funcao C", 0},
        {"frete 2", 1},
        {"justificativa '' C", 1},
        {"receita 3", 0},
    };
    for (const auto& c : casos) {
        const auto r = Roda("validar " + c.argumentos);
        EXPECT_EQ(c.status, r.status) << c.argumentos << ": " << r.saida;
        EXPECT_EQ(c.status == 0 ? "válido\n" : "inválido\n", r.saida) << c.argumentos;
    }
}

TEST_F(Tavro, ExemploWritesBothSampleFiles) {
    const auto r = Roda("exemplo --saida " + Saida());
    EXPECT_EQ(0, r.status) << r.saida;
    for (const char* leiaute : {"cat10207", "cat9807"})
        for (const char* nome : {"VIZorudude.txt", "log_VIZorudude.txt"})
            EXPECT_EQ(LeArquivo(fs::path(TAVRO_FIXTURES) / leiaute / nome), LeArquivo(raiz / "saida" / leiaute / nome));
}

TEST_F(Tavro, WarnsAboveTheSizeLimitOfCat9807Files) {
    std::string entrada = "10|1,00|11222333000181|10/10/2007|17/10/2007\n";
    const std::string nota =
        "20|1||1|10/10/2008||||||||||||1,00|0|0|0|0||1,00|" + std::string(200, 'x') + "||1|||||||1|||\n";
    while (entrada.size() < 520000) entrada += nota;
    entrada += "90\n";
    Grava(raiz / "e.txt", entrada);
    const auto r = Roda("gerar " + (raiz / "e.txt").string() + " --saida " + Saida());
    EXPECT_EQ(0, r.status);
    EXPECT_NE(std::string::npos, r.saida.find("acima do limite de 500 KB")) << r.saida.substr(0, 2000);
    EXPECT_GT(fs::file_size(raiz / "saida" / "VIZorudude.txt"), 500000u);
}
