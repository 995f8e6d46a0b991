// CAT 98/07 record 20: the consumer-sale invoice header. An accepted one adds
// its invoice total to the sum that the trailer writes.
#include <cmath>

#include "core/cp1252.h"
#include "core/estado.h"
#include "core/numero.h"
#include "core/pipeline.h"
#include "core/texto.h"
#include "tavrolib/tavrolib.h"
#include "validation/validadores.h"

namespace tavro {
namespace {

constexpr int L = 44, L2 = 45;
constexpr Campo kCampos[] = {
    CampoNumero("Série da NFVC:"_w, L, 1, 0, "-1   O Registro20 campo \"Série da NFVC\" não foi preenchido, verifique"_w),
    CampoNumero("Subsérie da NFVC:"_w, L, 6, 0),
    CampoNumero("Número da NFVC:"_w, L, 9, 0, "-2   O Registro20 campo \"Número da NFVC\" não foi preenchido, verifique"_w),
    CampoTexto("Data de emissão:"_w, L, 10, "-3   O Registro20 campo \"Data de Emissão\" não foi preenchido, verifique"_w),
    CampoTexto("Data da saída:"_w, L, 10),
    CampoNumero("CPF ou CNPJ do Destinatário"_w, L, 14, 0),
    CampoTexto("Nome do destinatário:"_w, L, 60),
    CampoTexto("Logradouro:"_w, L, 60),
    CampoTexto("Número:"_w, L, 60),
    CampoNumero("Complemento:"_w, L, 60, 0),
    CampoTexto("Bairro/Distrito:"_w, L, 60),
    CampoTexto("Município:"_w, L, 60),
    CampoTexto("UF:"_w, L, 2),
    CampoTexto("CEP:"_w, L, 8),
    CampoNumero("Telefone:"_w, L, 10, 0),
    CampoNumero("Valor total dos produtos:"_w, L, 18, 2,
                "-4   O Registro20 campo \"Valor total dos produtos\" não foi preenchido, verifique"_w),
    CampoNumero("Valor total do desconto:"_w, L, 18, 2,
                "-5   O Registro20 campo \"Valor total do desconto\" não foi preenchido, verifique"_w),
    CampoNumero("Valor total do frete:"_w, L, 18, 2,
                "-6   O Registro20 campo \"Valor total do frete\" não foi preenchido, verifique"_w),
    CampoNumero("Valor total do seguro:"_w, L, 18, 2,
                "-7   O Registro20 campo \"Valor total do seguro\" não foi preenchido, verifique"_w),
    CampoNumero("Outras despesas acessórias:"_w, L, 18, 2,
                "-8   O Registro20 campo \"Outras despesas acessórias\" não foi preenchido, verifique"_w),
    CampoTexto("Descrição das outras despesas acessórias:"_w, L, 60),
    CampoNumero("Valor Total da NFVC:"_w, L, 18, 2,
                "-9   O Registro20 campo \"Valor Total da NFVC\" não foi preenchido, verifique"_w),
    CampoTexto("Informações complementares do interesse do contribuinte:"_w, 56, 5000),
    CampoTexto("Informações complementares de interesse do fisco:"_w, 49, 256),
    CampoNumero("Realiza entrega em domicílio:"_w, L2, 1, 0,
                "-10   O Registro20 campo \"Realiza entrega em domicílio\" não foi preenchido, verifique"_w),
    CampoTexto("Logradouro do local de entrega:"_w, L2, 60),
    CampoTexto("Número do local de entrega:"_w, L2, 60),
    CampoTexto("Complemento do local de entrega:"_w, L2, 60),
    CampoTexto("Bairro/Distrito do local de entrega:"_w, L2, 60),
    CampoTexto("Município do local de entrega:"_w, L2, 60),
    CampoTexto("UF do local de entrega:"_w, L2, 2),
    CampoNumero("Realiza venda a prazo:"_w, L2, 1, 0,
                "-11   O Registro20 campo \"Realiza venda a prazo\" não foi preenchido, verifique"_w),
    CampoNumero("Preço à vista:"_w, L2, 18, 2),
    CampoNumero("Preço final:"_w, L2, 18, 2),
    CampoNumero("Quantidade de parcelas nas vendas a prazo:"_w, L2, 2, 0),
};

enum {
    kSerie = 1, kEmissao = 4, kSaida = 5, kComprador = 6, kUF = 13, kCEP = 14, kTotal = 22, kEntrega = 25,
    kPrazo = 32,
};

constexpr Verificacao kVerificacoes[] = {
    kNaoPreenchidos,
    Regra("-12   Série da NFVC Inválida :: "_w, [](const Valores& v) { return !SerieNFVCValida(v(kSerie)); }, kSerie),
    Regra("-13   Valor de \"Realiza entrega em domicílio\" Inválido :: "_w,
          [](const Valores& v) { return !EntregaDomicilioValida(v(kEntrega)); }, kEntrega),
    Regra("-14   Valor de \"Realiza venda a prazo\" Inválido :: "_w,
          [](const Valores& v) { return !VendaPrazoValida(v(kPrazo)); }, kPrazo),
    Regra("-15   Unidade da Federação Inválida :: "_w,
          [](const Valores& v) { return !EmBranco(v(kUF)) && !UFValida(v(kUF)); }, kUF),
    Regra("-16   Data de emissão Inválida (DD/MM/AAAA) :: "_w, [](const Valores& v) { return !DataValida(v(kEmissao)); },
          kEmissao),
    Regra("-17   Data da Saída Inválida (DD/MM/AAAA) :: "_w,
          [](const Valores& v) { return !EmBranco(v(kSaida)) && !DataValida(v(kSaida)); }, kSaida),
    Regra("-18   CNPJ ou CPF Inválido :: "_w,
          [](const Valores& v) {
              const auto& d = v(kComprador);
              return !d.empty() && !CNPJValido(d) && !CPFValido(d);
          },
          kComprador),
    Regra("-19   Código de Endereçamento Postal Inválida: "_w,
          [](const Valores& v) { return !EmBranco(v(kCEP)) && !CEPValidoParaUF(v(kCEP), v(kUF)); }, kCEP),
};

// Adds the accepted invoice total, in whole cents; a total that does not read
// as a number (such as 15/00) adds nothing.
void SomaTotal(const Valores& v) {
    if (const auto total = LeNumero(v(kTotal)))
        Execucao().SomaNFVCCentavos += std::nearbyint(*total * 100.0);
}

constexpr DefRegistro kRegistro20{"20", kCampos, kVerificacoes, nullptr, SomaTotal};

}  // namespace
}  // namespace tavro

extern "C" TAVRO_API std::int32_t TAVRO_CALL Registro20_CAT9807(
    const char* a1, const char* a2, const char* a3, const char* a4, const char* a5, const char* a6, const char* a7,
    const char* a8, const char* a9, const char* a10, const char* a11, const char* a12, const char* a13,
    const char* a14, const char* a15, const char* a16, const char* a17, const char* a18, const char* a19,
    const char* a20, const char* a21, const char* a22, const char* a23, const char* a24, const char* a25,
    const char* a26, const char* a27, const char* a28, const char* a29, const char* a30, const char* a31,
    const char* a32, const char* a33, const char* a34, const char* a35) {
    return tavro::ExportaRegistro(tavro::kRegistro20,
                                  {a1,  a2,  a3,  a4,  a5,  a6,  a7,  a8,  a9,  a10, a11, a12,
                                   a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24,
                                   a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35});
}
