#include "estado.h"

namespace tavro {
namespace {
EstadoExecucao execucao;
EstadoNF nota;
}  // namespace

EstadoExecucao& Execucao() { return execucao; }
EstadoNF& NotaAtual() { return nota; }

void ReiniciaEstadoParaTeste() {
    execucao = EstadoExecucao{};
    nota = EstadoNF{};
}

int IndiceRegistro(std::string_view tipo) {
    for (int i = 0; i < kNumTipos; ++i)
        if (execucao.TabRegistros[static_cast<std::size_t>(i)].Nome == tipo) return i;
    return -1;
}

void EsvaziaListas() {
    execucao.ListaErros.clear();
    execucao.ListaRelatorio.clear();
    execucao.ListaObs.clear();
}

}  // namespace tavro
