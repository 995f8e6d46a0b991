// CAT 98/07 record 90: the trailer, with the counts of records 20 to 22 and
// the sum of the accepted invoice totals.
#include "core/cp1252.h"
#include "core/estado.h"
#include "core/numero.h"
#include "core/pipeline.h"
#include "core/trailer.h"
#include "tavrolib/tavrolib.h"

namespace tavro {
namespace {

constexpr Campo kCampos[] = {
    CampoNumero("Quantidade de registros tipo 20:", 44, 5, 0),
    CampoNumero("Quantidade de registros tipo 21:", 44, 5, 0),
    CampoNumero("Quantidade de registros tipo 22:", 44, 5, 0),
    CampoNumero("Somatória do valores totais das NFVC informadas no arquivo:"_w, 59, 17, 2),
};

const Verificacao kVerificacoes[] = {kUmTrailerPorArquivo};

std::vector<std::string> Valores90() {
    return {ContagemAceitos("20"), ContagemAceitos("21"), ContagemAceitos("22"),
            FormataNumero(Execucao().SomaNFVCCentavos / 100.0, 2)};
}

const DefRegistro kRegistro90{"90", kCampos, kVerificacoes, Valores90, nullptr, VerificaObrigatorios};

}  // namespace
}  // namespace tavro

extern "C" TAVRO_API std::int32_t TAVRO_CALL Registro90_CAT9807(void) {
    return tavro::ExportaRegistro(tavro::kRegistro90, {});
}
