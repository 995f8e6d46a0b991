// CAT 102/07 record 30: an item of the current invoice.
#include "core/cp1252.h"
#include "core/pipeline.h"
#include "core/texto.h"
#include "tavrolib/tavrolib.h"
#include "validation/validadores.h"

namespace tavro {
namespace {

constexpr int L = 44;
constexpr Campo kCampos[] = {
    CampoTexto("Código do produto ou serviço:"_w, L, 60),
    CampoTexto("Descrição do produto ou serviço:"_w, L, 120,
               "-1   O Registro30 campo \"Descrição do produto ou serviço\" não foi preenchido, verifique"_w),
    CampoTexto("Código NCM:"_w, L, 8),
    CampoTexto("Unidade Comercial:"_w, L, 6, "-2   O Registro30 campo \"Unidade Comercial\" não foi preenchido, verifique"_w),
    CampoNumero("Quantidade Comercial:"_w, L, 12, 4,
                "-3   O Registro30 campo \"Quantidade Comercial\" não foi preenchido, verifique"_w),
    CampoNumero("Valor Unitário de comercialização:"_w, 43, 16, 4,
                "-4   O Registro30 campo \"Valor Unitário de comercialização\" não foi preenchido, verifique"_w),
    CampoNumero("Valor Total Bruto dos Produtos ou Serviços:"_w, L, 15, 2,
                "-5   O Registro30 campo \"Valor Total Bruto dos Produtos ou Serviços\" não foi preenchido, verifique"_w),
    CampoNumero("Código da Situação Tributária:"_w, L, 3, 0,
                "-6   O Registro30 campo \"Código da Situação Tributária\" não foi preenchido, verifique"_w),
    CampoNumero("Alíquota do imposto ICMS:"_w, L, 5, 2,
                "-7   O Registro30 campo \"Alíquota do imposto ICMS:\" não foi preenchido, verifique"_w),
    CampoNumero("Alíquota do IPI:"_w, L, 5, 2),
    CampoNumero("Valor do IPI:"_w, L, 15, 2),
};

enum { kNCM = 3, kCST = 8 };

constexpr Verificacao kVerificacoes[] = {
    kNaoPreenchidos,
    Regra("-8   Código de Situação Tributária (CST) inválida :: "_w, [](const Valores& v) { return !CSTValido(v(kCST)); },
          kCST),
    Regra("-9   Nomenclatura Comum do Mercosul (NCM) inválida :: "_w,
          [](const Valores& v) { return !EmBranco(v(kNCM)) && !NCMValido(v(kNCM)); }, kNCM),
    Regra("-10   NFs de Cancelamento não podem possuir registros 30, 40, 50 e 60"_w,
          [](const Valores&) { return !ItemPermitidoNaNF(); }),
};

constexpr DefRegistro kRegistro30{"30", kCampos, kVerificacoes};

}  // namespace
}  // namespace tavro

extern "C" TAVRO_API std::int32_t TAVRO_CALL Registro30_CAT10207(const char* a1, const char* a2, const char* a3,
                                                               const char* a4, const char* a5, const char* a6,
                                                               const char* a7, const char* a8, const char* a9,
                                                               const char* a10, const char* a11) {
    return tavro::ExportaRegistro(tavro::kRegistro30, {a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11});
}
