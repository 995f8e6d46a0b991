#pragma once

#include <iosfwd>
#include <string>

namespace tavro::cli {

// The demonstration program's sample data of each layout, as record files.
extern const char* const kExemploCat10207;
extern const char* const kExemploCat9807;

// Writes both sample files into DIR/cat10207 and DIR/cat9807 and prints the summaries.
int Exemplo(const std::string& diretorio, const std::string& listas, std::ostream& out);

}  // namespace tavro::cli
