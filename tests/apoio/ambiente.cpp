#include "ambiente.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

#include "core/estado.h"
#include "core/numero.h"
#include "platform/plataforma.h"
#include "tavrolib/tavrolib.h"

namespace tavro::teste {

std::vector<std::string> Ambiente::mensagens;

namespace {
void TAVRO_CALL Captura(const char* texto) { Ambiente::mensagens.emplace_back(texto); }
}  // namespace

void EscreveArquivo(const std::filesystem::path& p, std::string_view bytes) {
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> Linhas(const std::string& bytes) {
    std::vector<std::string> r;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t f = bytes.find("\r\n", i);
        if (f == std::string::npos) {
            r.push_back(bytes.substr(i) + "<sem CR LF>");
            break;
        }
        r.push_back(bytes.substr(i, f - i));
        i = f + 2;
    }
    return r;
}

void Ambiente::SetUp() {
    ReiniciaEstadoParaTeste();
    plataforma::Separadores brasil{',', '.'};
    ForcaSeparadoresParaTeste(&brasil);
    mensagens.clear();
    DefineTratadorMensagem(Captura);
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string nome = std::string(info->test_suite_name()) + "_" + info->name();
    for (char& c : nome)
        if (c == '/') c = '_';
    raiz = std::filesystem::temp_directory_path() / ("tavro_" + std::to_string(::getpid()) + "_" + nome);
    std::filesystem::remove_all(raiz);
    std::filesystem::create_directories(raiz / "entrada");
    std::filesystem::create_directories(raiz / "saida");
    std::filesystem::copy_file(TAVRO_DADOS "/cfop.res", raiz / "entrada" / "cfop.res");
    std::filesystem::copy_file(TAVRO_DADOS "/ncm.res", raiz / "entrada" / "ncm.res");
}

void Ambiente::TearDown() {
    Finaliza_NF_Paulista();
    DefineTratadorMensagem(nullptr);
    ForcaSeparadoresParaTeste(nullptr);
    ReiniciaEstadoParaTeste();
    std::error_code ec;
    std::filesystem::permissions(raiz / "saida", std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(raiz, ec);
}

std::size_t Ambiente::TamanhoErro() const { return Existe("erro_VIZorudude.txt") ? ArquivoErro().size() : 0; }

namespace {
std::vector<std::string> Secao(const std::string& bloco, const std::string& titulo) {
    std::vector<std::string> r;
    std::size_t p = bloco.find("\r\n" + titulo + "\r\n");
    if (p == std::string::npos) return r;
    p += titulo.size() + 4;
    while (bloco.compare(p, 3, "\t  ") == 0) {
        const std::size_t f = bloco.find("\r\n", p);
        r.push_back(bloco.substr(p + 3, f - p - 3));
        p = f + 2;
    }
    return r;
}
}  // namespace

std::vector<std::string> Ambiente::Erros(const std::string& bloco) { return Secao(bloco, "\tErro(s) do Registro:"); }

std::vector<std::string> Ambiente::Observacoes(const std::string& bloco) {
    return Secao(bloco, "\tObserva\xE7\xE3o do Registro:");
}

std::string Ambiente::UltimaLinha() const {
    std::string s = ArquivoSaida();
    if (s.compare(0, 3, "\xEF\xBB\xBF") == 0) s.erase(0, 3);
    const auto linhas = Linhas(s);
    return linhas.empty() ? std::string() : linhas.back();
}

void Ambiente::Inicia() { ASSERT_EQ(0, Inicia_NF_Paulista(Saida().c_str(), Entrada().c_str())); }

}  // namespace tavro::teste
