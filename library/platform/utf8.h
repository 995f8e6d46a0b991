// Windows-1252 to UTF-8, as Windows converts it: the five bytes that the code
// page leaves undefined (81, 8D, 8F, 90, 9D) become the code points of the
// same number.
#pragma once

#include <string>
#include <string_view>

namespace tavro {

// Appends the UTF-8 form of `texto` to `destino`.
void AcrescentaUtf8(std::string_view texto, std::string& destino);

// UTF-8 to Windows-1252. False when the text is not valid UTF-8 or holds a
// character the code page cannot hold; `destino` then holds what was
// converted up to there, and `posicao` the byte offset of the fault.
bool ConverteDeUtf8(std::string_view texto, std::string& destino, std::size_t* posicao = nullptr);

// Valid UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF).
bool EhUtf8Valido(std::string_view texto);

inline std::string ConverteParaUtf8(std::string_view texto) {
    std::string s;
    AcrescentaUtf8(texto, s);
    return s;
}

}  // namespace tavro
