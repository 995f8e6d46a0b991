// CAT 102/07 record 50: transport data, at most one per invoice.
#include "core/cp1252.h"
#include "core/estado.h"
#include "core/pipeline.h"
#include "core/texto.h"
#include "tavrolib/tavrolib.h"
#include "validation/validadores.h"

namespace tavro {
namespace {

constexpr int L = 37;
constexpr Campo kCampos[] = {
    CampoNumero("Modalidade do frete:"_w, L, 1, 0,
                "-1   O Registro50 campo \"Modalidade do frete\" não foi preenchido, verifique"_w),
    CampoTexto("CNPJ ou CPF:"_w, L, 14),
    CampoTexto("Razão Social ou nome:"_w, L, 60),
    CampoTexto("Inscrição Estadual:"_w, L, 14),
    CampoTexto("Endereço Completo:"_w, L, 60),
    CampoTexto("Nome do município:"_w, L, 60),
    CampoTexto("Sigla da UF:"_w, L, 2),
    CampoTexto("Placa do Veículo:"_w, L, 8),
    CampoTexto("Sigla da UF da Placa:"_w, L, 2),
    CampoNumero("Quantidade de volumes transportados:"_w, L, 15, 0),
    CampoTexto("Espécie dos volumes transportados:"_w, L, 60),
    CampoTexto("Marca dos volumes transportados:"_w, L, 60),
    CampoTexto("Numeração dos volumes transportados:"_w, L, 60),
    CampoNumero("Peso Líquido (em kg):"_w, L, 15, 3),
    CampoNumero("Peso Bruto (em kg):"_w, L, 15, 3),
};

enum { kModalidade = 1, kTransportador = 2 };

constexpr Verificacao kVerificacoes[] = {
    kNaoPreenchidos,
    Regra("-2   Só deve haver 1(um) Registro50 por NF :: Função Registro50 chamada mais de 1(uma) vez"_w,
          [](const Valores&) { return NotaAtual().TemRegistro50; }),
    // The validator accepts 0 and 1, so the message names those.
    Regra("-3   Modalidade do Frete Inválida. Valores esperados: \"0\" ou \"1\" :: "_w,
          [](const Valores& v) { return !TipoFreteValido(v(kModalidade)); }, kModalidade),
    Regra("-4   CNPJ ou CPF Inválido :: "_w,
          [](const Valores& v) {
              const auto& d = v(kTransportador);
              return !EmBranco(d) && !CNPJValido(d) && TemNumerico(d) && !CPFValido(d);
          },
          kTransportador),
    Regra("-5   NFs de Cancelamento não podem possuir registros 30, 40, 50 e 60"_w,
          [](const Valores&) { return !ItemPermitidoNaNF(); }),
};

constexpr DefRegistro kRegistro50{"50", kCampos, kVerificacoes, nullptr,
                                  [](const Valores&) { NotaAtual().TemRegistro50 = true; }};

}  // namespace
}  // namespace tavro

extern "C" TAVRO_API std::int32_t TAVRO_CALL Registro50_CAT10207(
    const char* a1, const char* a2, const char* a3, const char* a4, const char* a5, const char* a6,
    const char* a7, const char* a8, const char* a9, const char* a10, const char* a11, const char* a12,
    const char* a13, const char* a14, const char* a15) {
    return tavro::ExportaRegistro(tavro::kRegistro50,
                                  {a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15});
}
