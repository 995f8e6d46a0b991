#include "mensagem.h"

#include "fronteira.h"
#include "platform/plataforma.h"

namespace tavro {
namespace {
TavroTratadorMensagem tratadorAtual = nullptr;
}

void MostraMensagem(const std::string& texto) {
    if (tratadorAtual != nullptr)
        tratadorAtual(texto.c_str());
    else
        plataforma::Atual().MostraMensagem(texto);
}

void DefineTratador(TavroTratadorMensagem tratador) { tratadorAtual = tratador; }

}  // namespace tavro

extern "C" TAVRO_API void TAVRO_CALL DefineTratadorMensagem(TavroTratadorMensagem tratador) {
    tavro::Protegido([&] { tavro::DefineTratador(tratador); });
}
