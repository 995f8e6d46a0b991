#include "listas.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "core/estado.h"
#include "platform/plataforma.h"
#include "validadores.h"

namespace tavro {
namespace {

constexpr char kFimDados = 26;

// Does the line starting at `inicio` have the key `valor`? `fim` is the end of
// the buffer; a byte 26 met on the way also ends the data. `valor` holds no
// CR, LF or byte 26, so a mismatch there is a mismatch anyway.
bool LinhaTemChave(const char* inicio, const char* fim, std::string_view valor, std::size_t largura) {
    const std::size_t n = valor.size();
    if (static_cast<std::size_t>(fim - inicio) < n) return false;
    if (std::memcmp(inicio, valor.data(), n) != 0) return false;
    if (n == largura) return true;
    // A shorter value must be the whole line.
    if (inicio + n == fim) return true;
    const char seguinte = inicio[n];
    return seguinte == '\r' || seguinte == '\n' || seguinte == kFimDados;
}

// General form, for values the fast scan does not handle (empty, one byte,
// or holding a line-end byte): walks the lines one by one.
bool ContemLinhaPorLinha(std::string_view dados, std::string_view valor, std::size_t largura, bool pula) {
    const char* p = dados.data();
    const char* fim = p + dados.size();
    if (const void* z = std::memchr(p, kFimDados, dados.size())) fim = static_cast<const char*>(z);
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

}  // namespace

bool ListaContem(std::string_view dados, std::string_view valor, std::size_t largura, bool pula) {
    if (valor.size() > largura) return false;
    if (valor.size() < 2 || valor.find_first_of(std::string_view("\r\n\x1a", 3)) != std::string_view::npos)
        return ContemLinhaPorLinha(dados, valor, largura, pula);

    const char* const base = dados.data();
    const char* const fim = base + dados.size();
    if (!pula && !dados.empty() && base[0] != kFimDados && LinhaTemChave(base, fim, valor, largura)) return true;

    // One pass that looks at once for byte 26 (end of data) and for a line
    // start whose first two bytes are those of the value.
    const char* p = base;
#if defined(__SSE2__)
    const __m128i nl = _mm_set1_epi8('\n');
    const __m128i z = _mm_set1_epi8(kFimDados);
    const __m128i c0 = _mm_set1_epi8(valor[0]);
    const __m128i c1 = _mm_set1_epi8(valor[1]);
    while (fim - p >= 18) {
        const __m128i b0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i b1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1));
        const __m128i b2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 2));
        const __m128i cand = _mm_and_si128(_mm_cmpeq_epi8(b0, nl),
                                           _mm_and_si128(_mm_cmpeq_epi8(b1, c0), _mm_cmpeq_epi8(b2, c1)));
        unsigned mCand = static_cast<unsigned>(_mm_movemask_epi8(cand));
        const unsigned mFim = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(b0, z)));
        if (mFim != 0) {
            // Only line starts before the end of the data count.
            const unsigned posFim = static_cast<unsigned>(__builtin_ctz(mFim));
            mCand &= posFim == 0 ? 0u : (1u << (posFim - 1)) - 1u;
            while (mCand != 0) {
                const unsigned i = static_cast<unsigned>(__builtin_ctz(mCand));
                if (LinhaTemChave(p + i + 1, fim, valor, largura)) return true;
                mCand &= mCand - 1;
            }
            return false;
        }
        while (mCand != 0) {
            const unsigned i = static_cast<unsigned>(__builtin_ctz(mCand));
            if (LinhaTemChave(p + i + 1, fim, valor, largura)) return true;
            mCand &= mCand - 1;
        }
        p += 16;
    }
#endif
    for (; p < fim; ++p) {
        if (*p == kFimDados) return false;
        if (*p == '\n' && p + 1 < fim && LinhaTemChave(p + 1, fim, valor, largura)) return true;
    }
    return false;
}

bool ArquivoDeCodigosContem(const std::string& caminho, std::string_view valor, std::size_t largura, bool pula) {
    if (caminho.empty()) return false;
    static std::string buffer;  // memory only: emptied by every read
    if (!plataforma::Atual().LeArquivo(caminho, buffer)) return false;
    return ListaContem(buffer, valor, largura, pula);
}

bool CFOPValido(std::string_view v) { return ArquivoDeCodigosContem(Execucao().ArqCFOP, v, 4, true); }
bool NCMValido(std::string_view v) { return ArquivoDeCodigosContem(Execucao().ArqNCM, v, 8, false); }

}  // namespace tavro
