#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tavro::cli {

// args: TIPO VALOR [VALOR2]. Prints "válido" or "inválido"; exit 0, 1, or 2 for usage.
int Valida(const std::vector<std::string>& args, const std::string& listas, std::ostream& out);
void AjudaValidar(std::ostream& out);

}  // namespace tavro::cli
