// Test support: a fresh library state in a temporary folder for every test.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "le_arquivo.h"

namespace tavro::teste {

// A list of expected messages from Windows-1252 literals.
inline std::vector<std::string> W(std::initializer_list<std::string_view> l) { return {l.begin(), l.end()}; }
// The order observation.
inline constexpr std::string_view kQuebra =
    "\tQuebra de sequ\xEAncia conforme L\xF3gica de Ordena\xE7\xE3o Inter-Registros.";

void EscreveArquivo(const std::filesystem::path& p, std::string_view bytes);
// Lines of a file split at CR LF (the line ends must all be CR LF).
std::vector<std::string> Linhas(const std::string& bytes);

// Every test gets: the library as just loaded, Brazilian separators, the
// messages it shows captured in `mensagens`, and a folder with `entrada/`
// (copies of the bundled code lists) and `saida/`.
class Ambiente : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string Saida() const { return (raiz / "saida").string(); }
    std::string Entrada() const { return (raiz / "entrada").string(); }
    std::string ArquivoSaida() const { return LeArquivo(raiz / "saida" / "VIZorudude.txt"); }
    std::string ArquivoErro() const { return LeArquivo(raiz / "saida" / "erro_VIZorudude.txt"); }
    std::string ArquivoLog() const { return LeArquivo(raiz / "saida" / "log_VIZorudude.txt"); }
    bool Existe(const char* nome) const { return std::filesystem::exists(raiz / "saida" / nome); }
    // Starts a run in the folder and expects it to succeed.
    void Inicia();

    // What a call appended to the error file: take the size before, the text after.
    std::size_t TamanhoErro() const;
    std::string ErroDesde(std::size_t tamanho) const { return ArquivoErro().substr(tamanho); }
    // The messages of a block's error or observation section, without their "\t  ".
    static std::vector<std::string> Erros(const std::string& bloco);
    static std::vector<std::string> Observacoes(const std::string& bloco);
    // Runs `chamada`, expects `resultado`, and returns the errors it reported.
    template <class F>
    std::vector<std::string> ErrosDe(std::int32_t resultado, F chamada) {
        const std::size_t antes = TamanhoErro();
        EXPECT_EQ(resultado, chamada());
        return Erros(ErroDesde(antes));
    }
    // The last line of the output file.
    std::string UltimaLinha() const;

    // One field of the sample record changed: the record is accepted when no
    // error is expected, otherwise rejected with exactly these errors.
    struct CasoDeCampo {
        int campo;  // from 1
        const char* valor;
        std::vector<std::string> erros;
    };
    template <class F, std::size_t N>
    void VerificaCampos(F exportacao, const std::array<const char*, N>& amostra, const std::vector<CasoDeCampo>& casos,
                        void (*antes)() = nullptr) {
        for (const auto& c : casos) {
            if (antes != nullptr) antes();
            auto a = amostra;
            a[static_cast<std::size_t>(c.campo - 1)] = c.valor;
            EXPECT_EQ(c.erros, ErrosDe(c.erros.empty() ? 0 : -1, [&] { return std::apply(exportacao, a); }))
                << "campo " << c.campo << " = " << (c.valor ? c.valor : "NULL");
        }
    }

    std::filesystem::path raiz;

public:
    static std::vector<std::string> mensagens;
};

}  // namespace tavro::teste
