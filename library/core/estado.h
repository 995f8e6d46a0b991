// The library's module-wide state: the run (from Inicia_NF_Paulista to
// Finaliza_NF_Paulista) and the CAT 102/07 invoice state, which lives as long
// as the library is loaded.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lista_linhas.h"

namespace tavro {

struct TRegistroStat {
    std::string Nome;
    std::int32_t OK = 0;
    std::int32_t Erros = 0;
    std::int32_t Obs = 0;
    bool Obrigatorio = false;
};

inline constexpr int kNumTipos = 9;
// The record types of a run, in the order of TabRegistros.
inline constexpr const char* kTipos[kNumTipos] = {"10", "20", "21", "22", "30", "40", "50", "60", "90"};

struct EstadoExecucao {
    bool Iniciado = false;
    std::string ArqSaida, ArqErro, ArqLog, ArqCFOP, ArqNCM;
    ListaLinhas ListaErros, ListaRelatorio, ListaObs;
    std::array<TRegistroStat, kNumTipos> TabRegistros;
    // SomaNFVC: sum of the accepted CAT 98/07 invoice totals, kept as a whole
    // number of cents so that adding thousands of totals never drifts.
    double SomaNFVCCentavos = 0;
};

struct EstadoNF {
    std::string FuncaoNFAtual;
    bool TemRegistro40 = false;
    bool TemRegistro50 = false;
    bool TemRegistro60 = false;
};

EstadoExecucao& Execucao();
EstadoNF& NotaAtual();

// Back to the state at load (for tests, which run many "loads" in one process).
void ReiniciaEstadoParaTeste();

// Index of the type in TabRegistros (0 to 8), or -1.
int IndiceRegistro(std::string_view tipo);

// The OK counter of a record type in this run.
inline std::int32_t Aceitos(std::string_view tipo) {
    const int i = IndiceRegistro(tipo);
    return i >= 0 ? Execucao().TabRegistros[static_cast<std::size_t>(i)].OK : 0;
}

void EsvaziaListas();

}  // namespace tavro
