// Record 10: the file header, shared by both layouts.
#include "cp1252.h"
#include "estado.h"
#include "pipeline.h"
#include "tavrolib/tavrolib.h"
#include "texto.h"
#include "validation/validadores.h"

namespace tavro {
namespace {

constexpr Campo kCampos[] = {
    CampoNumero("Versão do Leiaute: "_w, 19, 4, 2,
                "-2   O Registro10 campo \"Versão do leiaute\" não foi preenchido, verifique"_w),
    CampoTexto("CNPJ do emitente:  "_w, 19, 14,
               "-3   O Registro10 campo \"CNPJ do emitente\" não foi preenchido, verifique"_w),
    CampoTexto("Data de início:    "_w, 19, 19,
               "-4   O Registro10 campo \"Data de início\" não foi preenchido, verifique"_w),
    CampoTexto("Data de fim:       "_w, 19, 19,
               "-5   O Registro10 campo \"Data de fim\" não foi preenchido, verifique"_w),
};

enum { kVersao = 1, kCNPJ, kInicio, kFim };

constexpr Verificacao kVerificacoes[] = {
    Regra("-1   Só deve haver 1(um) Registro10 no arquivo da NF :: Função Registro10 chamada mais de 1(uma) vez"_w,
          [](const Valores&) { return Aceitos("10") > 0; }),
    kNaoPreenchidos,
    Regra("-6   CNPJ Inválido :: "_w, [](const Valores& v) { return !CNPJValido(v(kCNPJ)) && TemNumerico(v(kCNPJ)); },
          kCNPJ),
    Regra("-7   Data Inicial Inválida (DD/MM/AAAA) :: "_w, [](const Valores& v) { return !DataValida(v(kInicio)); },
          kInicio),
    Regra("-8   Data Final Inválida (DD/MM/AAAA) :: "_w, [](const Valores& v) { return !DataValida(v(kFim)); }, kFim),
    Regra("-9   Código da versão do leiaute Inválido :: "_w, [](const Valores& v) { return !LeiauteValido(v(kVersao)); },
          kVersao),
};

constexpr DefRegistro kRegistro10{"10", kCampos, kVerificacoes};

}  // namespace
}  // namespace tavro

extern "C" TAVRO_API std::int32_t TAVRO_CALL Registro10_CAT10207(const char* versao, const char* cnpj,
                                                               const char* data_inicio, const char* data_fim) {
    return tavro::ExportaRegistro(tavro::kRegistro10, {versao, cnpj, data_inicio, data_fim});
}
