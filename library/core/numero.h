// Numbers as the files carry them: read with the regional decimal separator,
// written with a fixed number of decimals. The log and the record fields use
// the same formatting.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/plataforma.h"

namespace tavro {

// The regional separators, read from the platform at first use.
plataforma::Separadores SeparadoresAtuais();
// Test seam: force separators (nullptr: read the platform's again).
void ForcaSeparadoresParaTeste(const plataforma::Separadores* s);

// Reads an optional run of digits, optionally followed by the decimal
// separator and another run of digits; nothing else may stand in the text,
// and at least a digit or the separator must. The separator alone reads 0.
std::optional<double> LeNumero(std::string_view texto);

// Writes `valor` with exactly `casas` decimals and the regional separator,
// optionally grouping thousands. Rounding: the value is first written with
// 18 significant digits (to nearest), then rounded half away from zero at the
// last decimal kept, so 0.125 gives 0,13 and 3.125 gives 3,13.
// Values of more than 18 integer digits are written in full, their digits
// after the 18th being zeros (1e20 gives 100000000000000000000,00); never in
// exponent form.
std::string FormataNumero(double valor, int casas, bool agrupaMilhares = false);

// The 18 significant digits of |valor| (rounded to nearest, ties to even) and
// the decimal exponent of the first: what formatting starts from. The exact
// integer method covers the values amounts take; the general one, through
// std::to_chars, every double. Both exposed for the test that compares them.
struct Significativos {
    char digitos[18];
    int expoente;
};
bool SignificativosExatos(double absoluto, Significativos& s);
void SignificativosGerais(double absoluto, Significativos& s);

// Rounds to four decimals, half to even, as a fixed-point amount.
double ArredondaQuatroCasas(double valor);

}  // namespace tavro
