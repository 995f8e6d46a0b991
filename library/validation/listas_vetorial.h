// The fast scan of a code list, written once over a small vector interface
// (S: Sse2 or Avx2, each defined in the file compiled for it). Internal
// linkage on purpose: every file that includes this gets its own copy, built
// with that file's instruction set.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace tavro {
namespace {

constexpr char kFimDeDados = 26;

// Does the line starting at `inicio` have the key `valor`? `fim` is the end of
// the buffer; a byte 26 met on the way also ends the data. `valor` holds no
// CR, LF or byte 26, so a mismatch there is a mismatch anyway.
inline bool LinhaTemChave(const char* inicio, const char* fim, std::string_view valor, std::size_t largura) {
    const std::size_t n = valor.size();
    if (static_cast<std::size_t>(fim - inicio) < n) return false;
    if (n <= 8 && fim - inicio >= 8) {
        // Codes are at most 8 bytes: one 8-byte comparison, no call (x86 only,
        // so the first n bytes are the low ones).
        std::uint64_t linha = 0, chave = 0;
        std::memcpy(&linha, inicio, 8);
        std::memcpy(&chave, valor.data(), n);
        const std::uint64_t usados = n == 8 ? ~0ull : (1ull << (8 * n)) - 1;  // the first n bytes, little-endian
        if (((linha ^ chave) & usados) != 0) return false;
    } else if (std::memcmp(inicio, valor.data(), n) != 0) {
        return false;
    }
    if (n == largura) return true;
    // A shorter value must be the whole line.
    if (inicio + n == fim) return true;
    const char seguinte = inicio[n];
    return seguinte == '\r' || seguinte == '\n' || seguinte == kFimDeDados;
}

inline bool Candidato(const char* base, const char* q, const char* fim, std::string_view valor, std::size_t largura,
                      bool pula) {
    const bool inicioDeLinha = q == base ? !pula : q[-1] == '\n';
    return inicioDeLinha && LinhaTemChave(q, fim, valor, largura);
}

// Looks, in one pass, for byte 26 (end of data) and for the positions where
// the value's first, second and last bytes stand at the right distances; only those
// are checked as line starts. The inner loop, two vectors a turn, makes no
// call, so its constants stay in registers. `valor` has at least two bytes
// and no CR, LF or byte 26.
template <class S>
bool BuscaVetorial(const char* base, const char* fim, std::string_view valor, std::size_t largura, bool pula) {
    constexpr std::size_t N = S::kLargura;
    const std::size_t n = valor.size();
    const char* p = base;
    // Up to a vector boundary byte by byte, so that the main loads are aligned.
    for (; p < fim && (reinterpret_cast<std::uintptr_t>(p) % N) != 0; ++p) {
        if (*p == kFimDeDados) return false;
        if (*p == valor[0] && Candidato(base, p, fim, valor, largura, pula)) return true;
    }
    const std::size_t d = n - 1;
    for (;;) {
        const auto primeiro = S::Repete(valor[0]);
        const auto segundo = S::Repete(valor[1]);
        const auto ultimo = S::Repete(valor[d]);
        const auto fimDados = S::Repete(kFimDeDados);
        const auto candidatos = [&](const char* q, typename S::V a) {
            return S::E(S::E(S::Iguais(a, primeiro), S::Iguais(S::Carrega(q + 1), segundo)),
                        S::Iguais(S::Carrega(q + d), ultimo));
        };
        bool talvez = false;
        while (static_cast<std::size_t>(fim - p) >= 2 * N + d) {
            const auto a0 = S::Carrega(p), a1 = S::Carrega(p + N);
            const auto c = S::Ou(candidatos(p, a0), candidatos(p + N, a1));
            if (!S::Vazio(S::Ou(c, S::Ou(S::Iguais(a0, fimDados), S::Iguais(a1, fimDados))))) {
                talvez = true;
                break;
            }
            p += 2 * N;
        }
        if (!talvez) break;
        // Something in these 2N bytes: candidates in order, up to a byte 26.
        for (const char* bloco : {p, p + N}) {
            const auto a = S::Carrega(bloco);
            std::uint64_t mc = S::Mascara(candidatos(bloco, a));
            const std::uint64_t mz = S::Mascara(S::Iguais(a, fimDados));
            if (mz != 0) mc &= (mz & (0ull - mz)) - 1ull;  // only what stands before the first 26
            for (; mc != 0; mc &= mc - 1)
                if (Candidato(base, bloco + __builtin_ctzll(mc), fim, valor, largura, pula)) return true;
            if (mz != 0) return false;
        }
        p += 2 * N;
    }
    for (; p < fim; ++p) {
        if (*p == kFimDeDados) return false;
        if (*p == valor[0] && Candidato(base, p, fim, valor, largura, pula)) return true;
    }
    return false;
}

}  // namespace
}  // namespace tavro
