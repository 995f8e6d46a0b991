// The writers of the run's three files. Every writer opens, appends to and
// closes its file within the call; a failure is shown to the user and the
// run goes on as if the write had succeeded.
#pragma once

#include <string_view>

namespace tavro {

// Appends an accepted record's line to the output file (UTF-8 byte-order
// mark at creation; the line converted from Windows-1252 to UTF-8), then the
// report with its observations to the error file when there are any.
// Empties the three lists.
void GravaSaida(std::string_view linha);

// Appends the record held in the lists to the error file as one block, when
// it has errors or observations. Empties the three lists.
void GravaErros();

// Appends a block with one error message; before any run was ever started
// it goes to the fallback error file. Leaves the lists alone.
void GravaErroAvulso(std::string_view mensagem);

// Writes the statistics log from TabRegistros. Empties the three lists.
void GravaLog();

}  // namespace tavro
