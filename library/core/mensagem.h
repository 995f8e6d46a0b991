// Messages to the user: start-up failures and failed writes.
#pragma once

#include <string>

#include "tavrolib/tavrolib.h"

namespace tavro {

// Shows the text through the host's handler, or the platform's message box.
void MostraMensagem(const std::string& texto);

void DefineTratador(TavroTratadorMensagem tratador);

}  // namespace tavro
