// CAT 98/07 records 21 (item) and 22 (instalment).
#include "core/cp1252.h"
#include "core/pipeline.h"
#include "tavrolib/tavrolib.h"
#include "validation/validadores.h"

namespace tavro {
namespace {

constexpr int L = 44;
constexpr Campo kCampos21[] = {
    CampoNumero("Número do Item:"_w, L, 3, 0, "-1   O Registro21 campo \"Número do Item\" não foi preenchido, verifique"_w),
    CampoTexto("Código do produto:"_w, L, 60),
    CampoNumero("Tipo de receita:"_w, L, 1, 0, "-2   O Registro21 campo \"Tipo de receita\" não foi preenchido, verifique"_w),
    CampoTexto("Descrição da mercadoria:"_w, L, 120,
               "-3   O Registro21 campo \"Descrição da mercadoria\" não foi preenchido, verifique"_w),
    CampoTexto("Unidade de comercialização:"_w, L, 6),
    CampoNumero("Quantidade:"_w, L, 14, 3, "-4   O Registro21 campo \"Quantidade\" não foi preenchido, verifique"_w),
    CampoNumero("Valor Unitário:"_w, L, 17, 2, "-5   O Registro21 campo \"Valor Unitário\" não foi preenchido, verifique"_w),
    CampoNumero("Valor Total:"_w, L, 17, 2, "-6   O Registro21 campo \"Valor Total\" não foi preenchido, verifique"_w),
};

constexpr Verificacao kVerificacoes21[] = {
    kNaoPreenchidos,
    Regra("-7   Tipo de receita Inválido. Os valores esperados são: \"1\", \"2\" ou \"3\" :: "_w,
          [](const Valores& v) { return !TipoReceitaValido(v(3)); }, 3),
};

constexpr Campo kCampos22[] = {
    CampoNumero("Valor da parcela:"_w, L, 17, 2, "-1   O Registro22 campo \"Valor da parcela\" não foi preenchido, verifique"_w),
    CampoTexto("Data de vencimento da parcela:"_w, L, 10,
               "-2   O Registro22 campo \"Data de vencimento da parcela\" não foi preenchido, verifique"_w),
};

constexpr Verificacao kVerificacoes22[] = {
    kNaoPreenchidos,
    Regra("-2   Data de vencimento da parcela Inválida :: "_w, [](const Valores& v) { return !DataValida(v(2)); }, 2),
};

constexpr DefRegistro kRegistro21{"21", kCampos21, kVerificacoes21};
constexpr DefRegistro kRegistro22{"22", kCampos22, kVerificacoes22};

}  // namespace
}  // namespace tavro

extern "C" {

TAVRO_API std::int32_t TAVRO_CALL Registro21_CAT9807(const char* a1, const char* a2, const char* a3, const char* a4,
                                                   const char* a5, const char* a6, const char* a7, const char* a8) {
    return tavro::ExportaRegistro(tavro::kRegistro21, {a1, a2, a3, a4, a5, a6, a7, a8});
}

TAVRO_API std::int32_t TAVRO_CALL Registro22_CAT9807(const char* a1, const char* a2) {
    return tavro::ExportaRegistro(tavro::kRegistro22, {a1, a2});
}

}  // extern "C"
