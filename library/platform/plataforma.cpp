// Platform-independent part of the platform layer: the replaceable instance
// and path joining.
#include "plataforma.h"

namespace tavro::plataforma {
namespace {
Plataforma* substituta = nullptr;
}

Plataforma& Atual() { return substituta != nullptr ? *substituta : DoSistema(); }

void Substitui(Plataforma* p) { substituta = p; }

std::string Junta(std::string_view diretorio, std::string_view nome) {
    std::string caminho;
    caminho.reserve(diretorio.size() + 1 + nome.size());
    caminho.append(diretorio);
    caminho.push_back(SeparadorCaminho());
    caminho.append(nome);
    return caminho;
}

}  // namespace tavro::plataforma
