// The validators and filters as pure functions over bytes. The exports in
// exportacoes_validacao.cpp are thin wrappers over these.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavro {

// Filters.
std::string RemoveAlfa(std::string_view texto);  // drops bytes 0-31, "!" and "|"
std::string RemoveNum(std::string_view texto);   // keeps digits, ",", "/" and ":"
// The same into `destino`, whose memory is reused.
void RemoveAlfa(std::string_view texto, std::string& destino);
void RemoveNum(std::string_view texto, std::string& destino);
// Whether RemoveNum would keep anything.
bool TemNumerico(std::string_view texto);

// A piece of text as a signed 32-bit integer: leading spaces, then either a
// hexadecimal number ("$", "x", "X", "0x" or "0X", at most eight significant
// digits, taken as a 32-bit pattern) or an optional sign and decimal digits
// within range. Anything else fails.
std::optional<std::int32_t> LeInteiro(std::string_view texto);

// Dates: DD/MM/AAAA (and HH:MM:SS after it for ValidaDataHora).
bool DataValida(std::string_view data);
bool ValidaDataHora(std::string_view dataHora);

// Identifiers and addresses.
bool CPFValido(std::string_view cpf);
bool CNPJValido(std::string_view cnpj);
bool UFValida(std::string_view uf);
bool CEPValidoParaUF(std::string_view cep, std::string_view uf);

// Enumerations and fixed sets.
bool LeiauteValido(std::string_view v);
bool CSTValido(std::string_view v);
bool TipoFreteValido(std::string_view v);
bool FuncaoRegistroValida(std::string_view v);
bool JustificativaValida(std::string_view justificativa, std::string_view funcao);
bool TipoNFValido(std::string_view v);
bool SerieNFVCValida(std::string_view v);
bool EntregaDomicilioValida(std::string_view v);
bool VendaPrazoValida(std::string_view v);
bool TipoReceitaValido(std::string_view v);
// False while the current CAT 102/07 invoice is a cancellation.
bool ItemPermitidoNaNF();

// Code lists, read anew from the run's input directory on every call.
bool CFOPValido(std::string_view v);
bool NCMValido(std::string_view v);

}  // namespace tavro
