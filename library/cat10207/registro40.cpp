// CAT 102/07 record 40: the invoice totals, at most one per invoice.
#include "core/cp1252.h"
#include "core/estado.h"
#include "core/pipeline.h"
#include "tavrolib/tavrolib.h"
#include "validation/validadores.h"

namespace tavro {
namespace {

constexpr int L = 64;
constexpr Campo Valor(std::string_view rotulo, std::string_view naoPreenchido = {}) {
    return CampoNumero(rotulo, L, 15, 2, naoPreenchido);
}
constexpr Campo kCampos[] = {
    Valor("Base de Cálculo do ICMS:"_w, "-1   O Registro40 campo \"Base de Cálculo do ICMS\" não foi preenchido, verifique"_w),
    Valor("Valor Total do ICMS:"_w, "-2   O Registro40 campo \"Valor Total do ICMS\" não foi preenchido, verifique"_w),
    Valor("Base de Cálculo do ICMS ST:"_w,
          "-3   O Registro40 campo \"Base de Cálculo do ICMS ST\" não foi preenchido, verifique"_w),
    Valor("Valor Total do ICMS ST:"_w, "-4   O Registro40 campo \"Valor Total do ICMS ST\" não foi preenchido, verifique"_w),
    Valor("Valor Total dos produtos e serviços:"_w,
          "-5   O Registro40 campo \"Valor Total dos produtos e serviços\" não foi preenchido, verifique"_w),
    Valor("Valor Total do Frete:"_w, "-6   O Registro40 campo \"Valor Total do Frete\" não foi preenchido, verifique"_w),
    Valor("Valor Total do Seguro:"_w, "-7   O Registro40 campo \"Valor Total do Seguro:\" não foi preenchido, verifique"_w),
    Valor("Valor Total do Desconto:"_w),
    Valor("Valor Total do IPI:"_w),
    Valor("Outras Despesas acessórias:"_w),
    Valor("Valor Total da NF:"_w),
    Valor("Valor Total Serviços sob não-incidência ou não tributados ICMS:"_w),
    Valor("Alíquota do ISS:"_w),
    Valor("Valor Total do ISS:"_w),
};

constexpr Verificacao kVerificacoes[] = {
    kNaoPreenchidos,
    Regra("-8   Só deve haver 1(um) Registro40 por NF :: Função Registro40 chamada mais de 1(uma) vez"_w,
          [](const Valores&) { return NotaAtual().TemRegistro40; }),
    Regra("-9   NFs de Cancelamento não podem possuir registros 30, 40, 50 e 60"_w,
          [](const Valores&) { return !ItemPermitidoNaNF(); }),
};

constexpr DefRegistro kRegistro40{"40", kCampos, kVerificacoes, nullptr,
                                  [](const Valores&) { NotaAtual().TemRegistro40 = true; }};

}  // namespace
}  // namespace tavro

extern "C" TAVRO_API std::int32_t TAVRO_CALL Registro40_CAT10207(
    const char* a1, const char* a2, const char* a3, const char* a4, const char* a5, const char* a6,
    const char* a7, const char* a8, const char* a9, const char* a10, const char* a11, const char* a12,
    const char* a13, const char* a14) {
    return tavro::ExportaRegistro(tavro::kRegistro40, {a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14});
}
