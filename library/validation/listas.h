// Code lists (cfop.res, ncm.res): files of lines ending in CR LF or LF, whose
// data ends at the first byte 26. A line's key is its first `largura`
// characters (the whole line when shorter); a line's text ends at its first
// CR or LF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavro {

// True when some line of `dados` (after the first one when
// `pulaPrimeiraLinha`) has a key equal to `valor`, byte for byte.
bool ListaContem(std::string_view dados, std::string_view valor, std::size_t largura, bool pulaPrimeiraLinha);

// Test seam: force one implementation of the scan ("linha" for the portable
// one, "sse2", "avx2"); nullptr goes back to the best one. False when that
// implementation is not available here.
bool ForcaBuscaParaTeste(const char* nome);

// Reads the file anew and looks the value up; false when the path is empty or
// the file cannot be read to its end. Only the read buffer's memory is
// reused between calls: nothing about the file's content is kept.
bool ArquivoDeCodigosContem(const std::string& caminho, std::string_view valor, std::size_t largura,
                            bool pulaPrimeiraLinha);

}  // namespace tavro
