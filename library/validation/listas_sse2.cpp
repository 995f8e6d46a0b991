// The code-list scan with SSE2 (every x86-64 processor has it).
#include <emmintrin.h>

#include "listas_vetorial.h"

namespace tavro {
namespace {

struct Sse2 {
    using V = __m128i;
    static constexpr std::size_t kLargura = 16;
    static V Repete(char c) { return _mm_set1_epi8(c); }
    static V Carrega(const char* p) { return _mm_loadu_si128(reinterpret_cast<const V*>(p)); }
    static V Iguais(V a, V b) { return _mm_cmpeq_epi8(a, b); }
    static V E(V a, V b) { return _mm_and_si128(a, b); }
    static V Ou(V a, V b) { return _mm_or_si128(a, b); }
    static std::uint64_t Mascara(V a) { return static_cast<std::uint32_t>(_mm_movemask_epi8(a)); }
    static bool Vazio(V a) { return _mm_movemask_epi8(a) == 0; }
};

}  // namespace

bool BuscaSse2(const char* base, const char* fim, std::string_view valor, std::size_t largura, bool pula) {
    return BuscaVetorial<Sse2>(base, fim, valor, largura, pula);
}

}  // namespace tavro
