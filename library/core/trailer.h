// What the two trailers (record 90 of both layouts) share.
#pragma once

#include <string>
#include <string_view>

namespace tavro {

// The OK counter of a type, zero-filled to at least five digits ("00003").
std::string ContagemAceitos(std::string_view tipo);

// One error block, without report lines, for each mandatory type without an
// accepted record: "-<position> Registro<type> obrigatório :: ...".
void VerificaObrigatorios();

}  // namespace tavro

#include "pipeline.h"

namespace tavro {
// Check -1 of both trailers: one accepted record 90 per file.
extern const Verificacao kUmTrailerPorArquivo;
}  // namespace tavro
