// Reading a record file: encoding, lines and fields.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavro::cli {

enum class Codificacao { Auto, Utf8, Cp1252 };

struct Linha {
    int numero;              // from 1
    std::string texto;       // Windows-1252, without its line end
    std::string erro;        // set when the line could not be decoded
};

// Reads the whole file ("-": standard input). False with `erro` set when it
// cannot be read.
bool LeEntrada(const std::string& caminho, std::string& bytes, std::string& erro);

// Splits into lines (LF or CR LF), skipping a byte-order mark at the start and
// empty lines, and converts each to Windows-1252 when the input is UTF-8
// (detected: valid UTF-8 holding some non-ASCII byte).
std::vector<Linha> DivideLinhas(std::string_view bytes, Codificacao codificacao, bool* eraUtf8 = nullptr);

// "20|a||b" -> type "20", fields {"a", "", "b"}.
void DivideCampos(std::string_view linha, std::string& tipo, std::vector<std::string>& campos);

}  // namespace tavro::cli
