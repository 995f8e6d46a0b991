// The code-list scan with AVX2, chosen at run time on processors that have it.
// This file alone is compiled with -mavx2.
#include <immintrin.h>

#include "listas_vetorial.h"

namespace tavro {
namespace {

struct Avx2 {
    using V = __m256i;
    static constexpr std::size_t kLargura = 32;
    static V Repete(char c) { return _mm256_set1_epi8(c); }
    static V Carrega(const char* p) { return _mm256_loadu_si256(reinterpret_cast<const V*>(p)); }
    static V Iguais(V a, V b) { return _mm256_cmpeq_epi8(a, b); }
    static V E(V a, V b) { return _mm256_and_si256(a, b); }
    static V Ou(V a, V b) { return _mm256_or_si256(a, b); }
    static std::uint64_t Mascara(V a) { return static_cast<std::uint32_t>(_mm256_movemask_epi8(a)); }
    static bool Vazio(V a) { return _mm256_testz_si256(a, a) != 0; }
};

}  // namespace

bool BuscaAvx2(const char* base, const char* fim, std::string_view valor, std::size_t largura, bool pula) {
    return BuscaVetorial<Avx2>(base, fim, valor, largura, pula);
}

}  // namespace tavro
