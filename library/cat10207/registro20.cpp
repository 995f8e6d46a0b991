// CAT 102/07 record 20: the invoice header. An accepted one opens the invoice
// that records 30 to 60 belong to.
#include "core/cp1252.h"
#include "core/estado.h"
#include "core/pipeline.h"
#include "core/texto.h"
#include "tavrolib/tavrolib.h"
#include "validation/validadores.h"

namespace tavro {
namespace {

constexpr int L = 45;  // every label is padded to 45 characters
constexpr Campo kCampos[] = {
    CampoTexto("Função do Registro:"_w, L, 1, "-1   O Registro20 campo \"Função do Registro\" não foi preenchido, verifique"_w),
    CampoTexto("Justificativa do Cancelamento:"_w, L, 255),
    CampoTexto("Descrição da Natureza da Operação:"_w, L, 60,
               "-2   O Registro20 campo \"Descrição da Natureza da Operação\" não foi preenchido, verifique"_w),
    CampoNumero("Série da Nota Fiscal:"_w, L, 3, 0, "-3   O Registro20 campo \"Série da Nota Fiscal\" não foi preenchido, verifique"_w),
    CampoNumero("Número da Nota Fiscal:"_w, L, 9, 0,
                "-4   O Registro20 campo \"Número da Nota Fiscal\" não foi preenchido, verifique"_w),
    CampoTexto("Data de emissão da Nota Fiscal:"_w, L, 19,
               "-5   O Registro20 campo \"Data de emissão da Nota Fiscal\" não foi preenchido, verifique"_w),
    CampoTexto("Data de Saída ou da Entrada da Mercadoria:"_w, L, 19),
    CampoNumero("Tipo da Nota Fiscal:"_w, L, 1, 0, "-6   O Registro20 campo \"Tipo da Nota Fiscal\" não foi preenchido, verifique"_w),
    CampoNumero("Código Fiscal de Operações e Prestações:"_w, L, 4, 0,
                "-7   O Registro20 campo \"Código Fiscal de Operações e Prestações\" não foi preenchido, verifique"_w),
    CampoNumero("IE do Substituto Tributário na UF de destino:"_w, L, 14, 0),
    CampoTexto("Inscrição Municipal do Emitente:"_w, L, 15),
    CampoTexto("CNPJ ou CPF do destinatário:"_w, L, 14),
    CampoTexto("Razão Social ou nome do destinatário:"_w, L, 60,
               "-8   O Registro20 campo \"Razão Social ou nome do destinatário\" não foi preenchido, verifique"_w),
    CampoTexto("Logradouro:"_w, L, 60, "-9   O Registro20 campo \"Logradouro\" não foi preenchido, verifique"_w),
    CampoTexto("Número:"_w, L, 60, "-10   O Registro20 campo \"Número\" não foi preenchido, verifique"_w),
    CampoTexto("Complemento:"_w, L, 60),
    CampoTexto("Bairro:"_w, L, 60, "-11   O Registro20 campo \"Bairro\" não foi preenchido, verifique"_w),
    CampoTexto("Nome do município:"_w, L, 60, "-12   O Registro20 campo \"Nome do município\" não foi preenchido, verifique"_w),
    CampoTexto("Sigla da UF:"_w, L, 2, "-13   O Registro20 campo \"Sigla da UF\" não foi preenchido, verifique"_w),
    CampoNumero("Código do CEP:"_w, L, 8, 0),
    CampoTexto("Nome do País:"_w, L, 60),
    CampoNumero("Telefone:"_w, L, 10, 0),
    CampoTexto("IE do Destinatário:"_w, L, 14),
};

enum {
    kFuncao = 1, kJustificativa = 2, kEmissao = 6, kSaida = 7, kTipoNF = 8, kCFOP = 9,
    kDestinatario = 12, kUF = 19, kCEP = 20,
};

constexpr Verificacao kVerificacoes[] = {
    kNaoPreenchidos,
    Regra("-14   Função do Registro Inválida. Valores esperados: \"I\", \"R\" ou \"C\" :: "_w,
          [](const Valores& v) { return !FuncaoRegistroValida(v(kFuncao)); }, kFuncao),
    Regra("-15   Justificativa de cancelamente é obrigatório caso Função do Registro seja \"Cancelamento de NF\""_w,
          [](const Valores& v) { return !JustificativaValida(v(kJustificativa), v(kFuncao)); }),
    Regra("-16   Unidade da Federação Inválida :: "_w, [](const Valores& v) { return !UFValida(v(kUF)); }, kUF),
    Regra("-17   Data de Emissão Inválida (DD/MM/AAAA HH:MM:SS) :: "_w,
          [](const Valores& v) { return !ValidaDataHora(v(kEmissao)); }, kEmissao),
    Regra("-18   Data de Entrada ou Saída Inválida (DD/MM/AAAA HH:MM:SS) :: "_w,
          [](const Valores& v) { return !EmBranco(v(kSaida)) && !ValidaDataHora(v(kSaida)); }, kSaida),
    Regra("-19   CNPJ ou CPF Inválido :: "_w,
          [](const Valores& v) {
              const auto& d = v(kDestinatario);
              return !CNPJValido(d) && TemNumerico(d) && !CPFValido(d);
          },
          kDestinatario),
    Regra("-20   Código de Endereçamento Postal Inválida: "_w,
          [](const Valores& v) { return !EmBranco(v(kCEP)) && !CEPValidoParaUF(v(kCEP), v(kUF)); }, kCEP),
    Regra("-21   Tipo da NF Inválida :: "_w, [](const Valores& v) { return !TipoNFValido(v(kTipoNF)); }, kTipoNF),
    Regra("-22   CFOP Inválido Inválida :: "_w, [](const Valores& v) { return !CFOPValido(v(kCFOP)); }, kCFOP),
};

// Opens the new invoice.
void AbreNota(const Valores& v) {
    auto& nf = NotaAtual();
    nf.TemRegistro40 = nf.TemRegistro50 = nf.TemRegistro60 = false;
    nf.FuncaoNFAtual = v(kFuncao);
}

constexpr DefRegistro kRegistro20{"20", kCampos, kVerificacoes, nullptr, AbreNota};

}  // namespace
}  // namespace tavro

extern "C" TAVRO_API std::int32_t TAVRO_CALL Registro20_CAT10207(
    const char* a1, const char* a2, const char* a3, const char* a4, const char* a5, const char* a6,
    const char* a7, const char* a8, const char* a9, const char* a10, const char* a11, const char* a12,
    const char* a13, const char* a14, const char* a15, const char* a16, const char* a17, const char* a18,
    const char* a19, const char* a20, const char* a21, const char* a22, const char* a23) {
    return tavro::ExportaRegistro(tavro::kRegistro20, {a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13,
                                                       a14, a15, a16, a17, a18, a19, a20, a21, a22, a23});
}
