// The POSIX platform layer: appends, the output encoding, regional settings.
#include "plataforma.h"

#include <gtest/gtest.h>
#include <locale.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "le_arquivo.h"
#include "utf8.h"

using namespace tavro;
using tavro::teste::LeArquivo;
namespace fs = std::filesystem;

namespace {

// Sets an environment variable for the length of a scope.
class Ambiente {
public:
    Ambiente(const char* nome, const char* valor) : nome_(nome) {
        if (const char* v = std::getenv(nome)) antes_ = v, tinha_ = true;
        if (valor != nullptr)
            ::setenv(nome, valor, 1);
        else
            ::unsetenv(nome);
    }
    ~Ambiente() {
        if (tinha_)
            ::setenv(nome_, antes_.c_str(), 1);
        else
            ::unsetenv(nome_);
    }

private:
    const char* nome_;
    std::string antes_;
    bool tinha_ = false;
};

}  // namespace

TEST(Utf8, OutputLinesAreConvertedFromWindows1252) {
    EXPECT_EQ("10|1,00|abc", ConverteParaUtf8("10|1,00|abc"));
    EXPECT_EQ("S\xC3\xA3o Paulo", ConverteParaUtf8("S\xE3o Paulo"));
    EXPECT_EQ("\xE2\x82\xAC \xC5\x93 \xE2\x84\xA2", ConverteParaUtf8("\x80 \x9C \x99"));
    // The five bytes the code page leaves undefined become the code points of the same number.
    EXPECT_EQ("\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D", ConverteParaUtf8("\x81\x8D\x8F\x90\x9D"));
    std::string de;
    EXPECT_TRUE(ConverteDeUtf8("S\xC3\xA3o \xE2\x82\xAC", de));
    EXPECT_EQ("S\xE3o \x80", de);
    std::string ruim;
    EXPECT_FALSE(ConverteDeUtf8("\xE2\x98\x83", ruim));  // a snowman has no byte in Windows-1252
    EXPECT_FALSE(EhUtf8Valido("\xE3o"));
}

TEST(Plataforma, AppendWritesThePrefixOnlyWhenItCreatesTheFile) {
    const fs::path p = fs::temp_directory_path() / ("tavro_plat_" + std::to_string(::getpid()));
    fs::remove(p);
    auto& so = plataforma::DoSistema();
    EXPECT_TRUE(so.Acrescenta(p.string(), "a\r\n", "\xEF\xBB\xBF"));
    EXPECT_TRUE(so.Acrescenta(p.string(), "b\r\n", "\xEF\xBB\xBF"));
    EXPECT_EQ(
        "\xEF\xBB\xBF"
        "a\r\nb\r\n",
        LeArquivo(p));
    plataforma::Buffer b;
    EXPECT_TRUE(so.LeArquivo(p.string(), b));
    EXPECT_EQ(LeArquivo(p), b.Conteudo());
    fs::remove(p);
    EXPECT_FALSE(so.LeArquivo(p.string(), b));
    EXPECT_FALSE(so.LeArquivo(fs::temp_directory_path().string(), b));  // a folder cannot be read
    EXPECT_FALSE(so.Acrescenta((p / "x").string(), "a", ""));
}

TEST(Plataforma, PathsJoinWithTheDirectoryAsGiven) {
    EXPECT_EQ("/tmp/x/VIZorudude.txt", plataforma::Junta("/tmp/x", "VIZorudude.txt"));
    EXPECT_EQ("/tmp/x//VIZorudude.txt", plataforma::Junta("/tmp/x/", "VIZorudude.txt"));
    EXPECT_EQ("/VIZorudude.txt", plataforma::Junta("", "VIZorudude.txt"));
}

TEST(Plataforma, RegionalSeparatorsFromTheEnvironment) {
    auto& so = plataforma::DoSistema();
    Ambiente a("LC_ALL", nullptr), b("LC_NUMERIC", nullptr), c("LANG", nullptr);
    auto sep = so.SeparadoresRegionais();
    EXPECT_EQ(',', sep.decimal);  // nothing named: Brazilian settings
    EXPECT_EQ('.', sep.grupo);
    for (const char* nome : {"C", "POSIX", "C.UTF-8", "xx_NAO.EXISTE"}) {
        Ambiente d("LC_ALL", nome);
        EXPECT_EQ(',', so.SeparadoresRegionais().decimal) << nome;
    }
    if (::newlocale(LC_NUMERIC_MASK, "en_US.UTF-8", static_cast<locale_t>(0)) != static_cast<locale_t>(0)) {
        Ambiente d("LANG", "en_US.UTF-8");
        EXPECT_EQ('.', so.SeparadoresRegionais().decimal);
        Ambiente e("LC_NUMERIC", "pt_BR.UTF-8");  // LC_NUMERIC before LANG
        EXPECT_EQ(',', so.SeparadoresRegionais().decimal);
    }
}
