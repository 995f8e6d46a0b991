// Reliability, through the shared library as a host sees it: failing disks,
// a host killed mid-run, hostile arguments.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "le_arquivo.h"
#include "tavrolib/tavrolib.h"

using tavro::teste::LeArquivo;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> mensagens;
void TAVRO_CALL Captura(const char* t) { mensagens.emplace_back(t); }

// Every line ends in CR LF and none is cut: the file is whole.
std::vector<std::string> LinhasInteiras(const std::string& bytes) {
    std::vector<std::string> r;
    std::size_t i = bytes.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    while (i < bytes.size()) {
        const std::size_t f = bytes.find("\r\n", i);
        if (f == std::string::npos) {
            ADD_FAILURE() << "a cut line at the end: " << bytes.substr(i);
            break;
        }
        r.push_back(bytes.substr(i, f - i));
        i = f + 2;
    }
    return r;
}

const char* const kCNPJ = "11222333000181";

std::int32_t Nota22(int i) {
    const std::string v = std::to_string(i) + ",00";
    return Registro22_CAT9807(v.c_str(), "12/02/2008");
}

class Confiabilidade : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        raiz = fs::temp_directory_path() / ("tavro_conf_" + std::to_string(::getpid()) + "_" + info->name());
        fs::remove_all(raiz);
        fs::create_directories(raiz / "entrada");
        fs::create_directories(raiz / "saida");
        fs::copy_file(TAVRO_DADOS "/cfop.res", raiz / "entrada" / "cfop.res");
        fs::copy_file(TAVRO_DADOS "/ncm.res", raiz / "entrada" / "ncm.res");
        mensagens.clear();
        DefineTratadorMensagem(Captura);
    }
    void TearDown() override {
        Finaliza_NF_Paulista();
        DefineTratadorMensagem(nullptr);
        if (montado) ::umount2(Saida().c_str(), MNT_DETACH);
        fs::remove_all(raiz);
    }
    std::string Saida() const { return (raiz / "saida").string(); }
    std::string Entrada() const { return (raiz / "entrada").string(); }
    std::string ArqSaida() const { return Saida() + "/VIZorudude.txt"; }
    void Inicia() { ASSERT_EQ(0, Inicia_NF_Paulista(Saida().c_str(), Entrada().c_str())); }

    // A small tmpfs over the output folder, when this process may mount one.
    bool Monta(const char* opcoes) {
        if (::geteuid() != 0 || ::mount("tavro", Saida().c_str(), "tmpfs", 0, opcoes) != 0) return false;
        montado = true;
        return true;
    }

    fs::path raiz;
    bool montado = false;
};

}  // namespace

TEST_F(Confiabilidade, OutputFolderVanishesAndComesBack) {
    Inicia();
    ASSERT_EQ(0, Registro10_CAT10207("1,00", kCNPJ, "01/01/2008", "31/01/2008"));
    fs::remove_all(raiz / "saida");
    EXPECT_EQ(0, Nota22(1));  // accepted all the same: the failure is the disk's
    EXPECT_EQ(std::vector<std::string>{"Erro ao tentar escrever no arquivo " + ArqSaida()}, mensagens);
    fs::create_directories(raiz / "saida");
    mensagens.clear();
    EXPECT_EQ(0, Nota22(2));
    EXPECT_TRUE(mensagens.empty());
    EXPECT_EQ((std::vector<std::string>{"22|2,00|12/02/2008"}), LinhasInteiras(LeArquivo(ArqSaida())));
    Finaliza_NF_Paulista();
    // The log counts the record whose line could not be written.
    EXPECT_NE(std::string::npos, LeArquivo(Saida() + "/log_VIZorudude.txt").find("Registro 22\t2\t0\t0\t0,00%\t2"));
}

TEST_F(Confiabilidade, ReadOnlyOutputThenWritableAgain) {
    if (!Monta("size=1m")) GTEST_SKIP() << "needs root to mount a tmpfs over the output folder";
    Inicia();
    ASSERT_EQ(0, Registro10_CAT10207("1,00", kCNPJ, "01/01/2008", "31/01/2008"));
    ASSERT_EQ(0, Nota22(1));
    const std::string antes = LeArquivo(ArqSaida());
    ASSERT_EQ(0, ::mount(nullptr, Saida().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr));
    EXPECT_EQ(0, Nota22(2));
    EXPECT_EQ(std::vector<std::string>{"Erro ao tentar escrever no arquivo " + ArqSaida()}, mensagens);
    EXPECT_EQ(antes, LeArquivo(ArqSaida()));
    ASSERT_EQ(0, ::mount(nullptr, Saida().c_str(), nullptr, MS_REMOUNT, "size=1m"));
    mensagens.clear();
    EXPECT_EQ(0, Nota22(3));
    EXPECT_TRUE(mensagens.empty());
    const auto linhas = LinhasInteiras(LeArquivo(ArqSaida()));
    ASSERT_EQ(3u, linhas.size());
    EXPECT_EQ("22|3,00|12/02/2008", linhas[2]);
}

TEST_F(Confiabilidade, FullDiskLeavesNoHalfLine) {
    if (!Monta("size=64k")) GTEST_SKIP() << "needs root to mount a small tmpfs over the output folder";
    Inicia();
    ASSERT_EQ(0, Registro10_CAT10207("1,00", kCNPJ, "01/01/2008", "31/01/2008"));
    // Fill the disk up to a few hundred bytes.
    {
        std::ofstream enche(Saida() + "/enche", std::ios::binary);
        const std::string bloco(1024, 'x');
        while (enche.write(bloco.data(), 1024)) {
        }
    }
    for (int i = 0; i < 2000 && mensagens.empty(); ++i) EXPECT_EQ(0, Nota22(i));
    ASSERT_FALSE(mensagens.empty()) << "the disk never filled";
    EXPECT_EQ("Erro ao tentar escrever no arquivo " + ArqSaida(), mensagens[0]);
    const auto linhas = LinhasInteiras(LeArquivo(ArqSaida()));  // every line whole
    ASSERT_FALSE(linhas.empty());
    // Space again: the next record is written normally, after the whole lines.
    fs::remove(Saida() + "/enche");
    mensagens.clear();
    EXPECT_EQ(0, Nota22(7777));
    EXPECT_TRUE(mensagens.empty());
    const auto depois = LinhasInteiras(LeArquivo(ArqSaida()));
    ASSERT_EQ(linhas.size() + 1, depois.size());
    EXPECT_EQ("22|7777,00|12/02/2008", depois.back());
}

TEST_F(Confiabilidade, CodeListRemovedOrUnreadableAfterTheStart) {
    Inicia();
    EXPECT_EQ(1, vCOD_NCM("22060090"));
    fs::remove(raiz / "entrada" / "ncm.res");
    EXPECT_EQ(0, vCOD_NCM("22060090"));
    fs::create_directory(raiz / "entrada" / "ncm.res");  // there, but cannot be read
    EXPECT_EQ(0, vCOD_NCM("22060090"));
    EXPECT_EQ(-1, Registro30_CAT10207("P", "Produto", "22060090", "un", "1", "1", "1", "010", "18", "", ""));
    const std::string erro = LeArquivo(Saida() + "/erro_VIZorudude.txt");
    EXPECT_NE(std::string::npos, erro.find("-9   Nomenclatura Comum do Mercosul (NCM) inv\xE1lida :: 22060090"));
    fs::remove(raiz / "entrada" / "ncm.res");
    fs::copy_file(TAVRO_DADOS "/ncm.res", raiz / "entrada" / "ncm.res");
    EXPECT_EQ(1, vCOD_NCM("22060090"));
}

TEST_F(Confiabilidade, KilledHostKeepsEveryAcceptedLine) {
    int canal[2];
    ASSERT_EQ(0, ::pipe(canal));
    const pid_t filho = ::fork();
    ASSERT_GE(filho, 0);
    if (filho == 0) {
        ::close(canal[0]);
        if (Inicia_NF_Paulista(Saida().c_str(), Entrada().c_str()) != 0) ::_exit(3);
        for (int i = 0;; ++i)
            if (Nota22(i) == 0 && ::write(canal[1], "x", 1) != 1) ::_exit(4);
    }
    ::close(canal[1]);
    constexpr int N = 200;
    char c;
    for (int recebidos = 0; recebidos < N; ++recebidos) ASSERT_EQ(1, ::read(canal[0], &c, 1));
    ::kill(filho, SIGKILL);
    int status = 0;
    ::waitpid(filho, &status, 0);
    ::close(canal[0]);
    EXPECT_TRUE(WIFSIGNALED(status));
    const auto linhas = LinhasInteiras(LeArquivo(ArqSaida()));
    EXPECT_GE(linhas.size(), static_cast<std::size_t>(N));
    for (std::size_t i = 0; i < linhas.size(); ++i) ASSERT_EQ("22|" + std::to_string(i) + ",00|12/02/2008", linhas[i]);
}

// The invoice state outlives runs: open a fresh invoice so that records 40
// to 60 start from it whatever ran before in this process.
void AbreNota() {
    ASSERT_EQ(0, Registro20_CAT10207("I", nullptr, "Venda", "1", "1", "10/10/2007 10:00:00", nullptr, "1", "5102",
                                     nullptr, nullptr, nullptr, "Casa F", "Rua", "1", nullptr, "Centro", "Cidade", "SP",
                                     nullptr, nullptr, nullptr, nullptr));
}

TEST_F(Confiabilidade, NullForEveryArgumentOfEveryExport) {
    Inicia();
    AbreNota();
    EXPECT_EQ(-1, Registro10_CAT10207(nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(-1, Registro20_CAT10207(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                      nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                      nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(-1, Registro30_CAT10207(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                      nullptr, nullptr));
    EXPECT_EQ(-1, Registro40_CAT10207(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                      nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(-1, Registro50_CAT10207(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                      nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(0, Registro60_CAT10207(nullptr, nullptr, nullptr));  // nothing in it is required
    EXPECT_EQ(-1, Registro20_CAT9807(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(-1, Registro21_CAT9807(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(-1, Registro22_CAT9807(nullptr, nullptr));
    EXPECT_EQ(0, Registro90_CAT9807());
    EXPECT_EQ(-1, Registro90_CAT10207());  // the second trailer of the run
    for (auto v : {IsVIZorududeDate, vCPF, vCNPJ, vUF, vLeiaute, vCST, vCOD_CFOP, vCOD_NCM, vInd_tipo_frete, vFunc_Reg,
                   vtpNF, vSerie_NFVC, vEntrega_Domicilio, vRealiza_Venda_Prazo, vTipo_Receita})
        EXPECT_EQ(0, v(nullptr));
    EXPECT_EQ(0, vCEP_UF(nullptr, nullptr));
    EXPECT_EQ(1, vxJust(nullptr, nullptr));
    EXPECT_EQ(1, vItemNF(nullptr));
    char* r = nullptr;
    RemoveAlfaInvalid(&r, nullptr);
    ASSERT_NE(nullptr, r);
    EXPECT_STREQ("", r);
    RemoveNumInvalid(&r, nullptr);
    EXPECT_STREQ("", r);
    std::free(r);
    RemoveNumInvalid(nullptr, nullptr);
    DefineTratadorMensagem(nullptr);
    DefineTratadorMensagem(Captura);
    EXPECT_EQ(-1, Inicia_NF_Paulista(nullptr, nullptr));  // a run is going on
}

TEST_F(Confiabilidade, HostileTexts) {
    // A folder named in Windows-1252 with a space, as a host passes it.
    const std::string estranha1252 = (raiz /
                                      "sa\xED"
                                      "da com espa\xE7o")
                                         .string();
    fs::create_directories(estranha1252);
    ASSERT_EQ(0, Inicia_NF_Paulista(estranha1252.c_str(), Entrada().c_str()));
    AbreNota();
    std::string todos;
    for (int b = 1; b < 256; ++b) todos.push_back(static_cast<char>(b));
    const std::string mega(1 << 20, '9'), formato = "%s%n%x%p%s%n";
    EXPECT_EQ(0, Registro60_CAT10207(formato.c_str(), todos.c_str(), mega.c_str()));
    EXPECT_EQ(-1, Registro10_CAT10207(mega.c_str(), mega.c_str(), todos.c_str(), formato.c_str()));
    EXPECT_EQ(-1, Registro21_CAT9807(todos.c_str(), todos.c_str(), todos.c_str(), todos.c_str(), todos.c_str(),
                                     mega.c_str(), mega.c_str(), mega.c_str()));
    for (auto v : {IsVIZorududeDate, vCPF, vCNPJ, vUF, vLeiaute, vCST, vCOD_CFOP, vCOD_NCM, vInd_tipo_frete, vFunc_Reg,
                   vtpNF, vSerie_NFVC, vEntrega_Domicilio, vRealiza_Venda_Prazo, vTipo_Receita})
        EXPECT_EQ(0, v(todos.c_str()));
    // A text without digits is eleven zeros to the CPF check, which pass.
    EXPECT_EQ(1, vCPF(formato.c_str()));
    EXPECT_EQ(1, vCPF(std::string(1 << 20, 'x').c_str()));
    Finaliza_NF_Paulista();
    const fs::path dir(estranha1252);
    const auto linhas = LinhasInteiras(LeArquivo(dir / "VIZorudude.txt"));
    ASSERT_EQ(2u, linhas.size());
    EXPECT_EQ(0u, linhas[1].find("60|%s%n%x%p%s%n|\"#$%&"));  // leading bytes up to 32 go, then "!"
    EXPECT_TRUE(fs::exists(dir / "log_VIZorudude.txt"));
    EXPECT_TRUE(mensagens.empty());
}
