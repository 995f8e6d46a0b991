// The run: its start guard, used by every record.
#pragma once

#include <string_view>

namespace tavro {

// True inside a run; otherwise writes the stand-alone block of message -0.
bool VerificaInicio(std::string_view tipo);

}  // namespace tavro
