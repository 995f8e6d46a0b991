#include "listas.h"

#include <cstring>

#include "listas_vetorial.h"

#include "core/estado.h"
#include "platform/plataforma.h"
#include "validadores.h"

namespace tavro {

#if TAVRO_BUSCA_X86
bool BuscaSse2(const char* base, const char* fim, std::string_view valor, std::size_t largura, bool pula);
bool BuscaAvx2(const char* base, const char* fim, std::string_view valor, std::size_t largura, bool pula);
#endif

namespace {

// General form, for values the fast scan does not handle (empty, one byte,
// or holding a line-end byte) and for processors without a vector scan:
// walks the lines one by one.
bool ContemLinhaPorLinha(std::string_view dados, std::string_view valor, std::size_t largura, bool pula) {
    const char* p = dados.data();
    const char* fim = p + dados.size();
    if (const void* z = std::memchr(p, kFimDeDados, dados.size())) fim = static_cast<const char*>(z);
    bool primeira = true;
    while (p < fim) {
        const char* nl = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(fim - p)));
        const char* fimLinha = nl != nullptr ? nl : fim;
        const char* cr = static_cast<const char*>(std::memchr(p, '\r', static_cast<std::size_t>(fimLinha - p)));
        const std::string_view texto(p, static_cast<std::size_t>((cr != nullptr ? cr : fimLinha) - p));
        if (!(primeira && pula) && texto.substr(0, largura) == valor) return true;
        primeira = false;
        if (nl == nullptr) break;
        p = nl + 1;
    }
    return false;
}

using Busca = bool (*)(const char*, const char*, std::string_view, std::size_t, bool);
Busca buscaForcada = nullptr;
bool forcadaPortavel = false;

#if TAVRO_BUSCA_X86
Busca MelhorBusca() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") ? BuscaAvx2 : BuscaSse2;
}
#endif

}  // namespace

bool ForcaBuscaParaTeste(const char* nome) {
    buscaForcada = nullptr;
    forcadaPortavel = nome != nullptr && std::string_view(nome) == "linha";
    if (nome == nullptr || forcadaPortavel) return true;
#if TAVRO_BUSCA_X86
    if (std::string_view(nome) == "sse2") buscaForcada = BuscaSse2;
    __builtin_cpu_init();
    if (std::string_view(nome) == "avx2" && __builtin_cpu_supports("avx2")) buscaForcada = BuscaAvx2;
#endif
    return buscaForcada != nullptr;
}

bool ListaContem(std::string_view dados, std::string_view valor, std::size_t largura, bool pula) {
    if (valor.size() > largura) return false;
#if TAVRO_BUSCA_X86
    if (!forcadaPortavel && valor.size() >= 2 &&
        valor.find_first_of(std::string_view("\r\n\x1a", 3)) == std::string_view::npos) {
        static const Busca melhor = MelhorBusca();
        const Busca busca = buscaForcada != nullptr ? buscaForcada : melhor;
        return busca(dados.data(), dados.data() + dados.size(), valor, largura, pula);
    }
#endif
    return ContemLinhaPorLinha(dados, valor, largura, pula);
}

bool ArquivoDeCodigosContem(const std::string& caminho, std::string_view valor, std::size_t largura, bool pula) {
    if (caminho.empty()) return false;
    static plataforma::Buffer buffer;  // memory only: every call reads the file anew
    if (!plataforma::Atual().LeArquivo(caminho, buffer)) return false;
    return ListaContem(buffer.Conteudo(), valor, largura, pula);
}

bool CFOPValido(std::string_view v) { return ArquivoDeCodigosContem(Execucao().ArqCFOP, v, 4, true); }
bool NCMValido(std::string_view v) { return ArquivoDeCodigosContem(Execucao().ArqNCM, v, 8, false); }

}  // namespace tavro
