// CAT 102/07 record 60: additional data, at most one per invoice.
#include "core/cp1252.h"
#include "core/estado.h"
#include "core/pipeline.h"
#include "tavrolib/tavrolib.h"
#include "validation/validadores.h"

namespace tavro {
namespace {

constexpr int L = 57;
constexpr Campo kCampos[] = {
    CampoTexto("Dados da Fatura:"_w, L, 256),
    CampoTexto("Informações Adicionais de Interesse do Fisco:"_w, L, 256),
    CampoTexto("Informações Complementares de interesse do Contribuinte:"_w, L, 5000),
};

constexpr Verificacao kVerificacoes[] = {
    Regra("-1   Só deve haver 1(um) Registro60 por NF :: Função Registro60 chamada mais de 1(uma) vez"_w,
          [](const Valores&) { return NotaAtual().TemRegistro60; }),
    Regra("-2   NFs de Cancelamento não podem possuir registros 30, 40, 50 e 60"_w,
          [](const Valores&) { return !ItemPermitidoNaNF(); }),
};

constexpr DefRegistro kRegistro60{"60", kCampos, kVerificacoes, nullptr,
                                  [](const Valores&) { NotaAtual().TemRegistro60 = true; }};

}  // namespace
}  // namespace tavro

extern "C" TAVRO_API std::int32_t TAVRO_CALL Registro60_CAT10207(const char* a1, const char* a2, const char* a3) {
    return tavro::ExportaRegistro(tavro::kRegistro60, {a1, a2, a3});
}
