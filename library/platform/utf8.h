// Windows-1252 to UTF-8, as Windows converts it: the five bytes that the code
// page leaves undefined (81, 8D, 8F, 90, 9D) become the code points of the
// same number.
#pragma once

#include <string>
#include <string_view>

namespace tavro {

// Appends the UTF-8 form of `texto` to `destino`.
void AcrescentaUtf8(std::string_view texto, std::string& destino);

inline std::string ConverteParaUtf8(std::string_view texto) {
    std::string s;
    AcrescentaUtf8(texto, s);
    return s;
}

}  // namespace tavro
