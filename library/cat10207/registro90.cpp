// CAT 102/07 record 90: the trailer, with the counts of records 20 to 60.
#include "core/cp1252.h"
#include "core/estado.h"
#include "core/pipeline.h"
#include "core/trailer.h"
#include "tavrolib/tavrolib.h"

namespace tavro {
namespace {

constexpr Campo kCampos[] = {
    CampoNumero("Quantidade de registros tipo 20: ", 33, 5, 0),
    CampoNumero("Quantidade de registros tipo 30: ", 33, 5, 0),
    CampoNumero("Quantidade de registros tipo 40: ", 33, 5, 0),
    CampoNumero("Quantidade de registros tipo 50: ", 33, 5, 0),
    CampoNumero("Quantidade de registros tipo 60: ", 33, 5, 0),
};

const Verificacao kVerificacoes[] = {kUmTrailerPorArquivo};

std::vector<std::string> Contagens() {
    return {ContagemAceitos("20"), ContagemAceitos("30"), ContagemAceitos("40"), ContagemAceitos("50"),
            ContagemAceitos("60")};
}

const DefRegistro kRegistro90{"90", kCampos, kVerificacoes, Contagens, nullptr, VerificaObrigatorios};

}  // namespace
}  // namespace tavro

extern "C" TAVRO_API std::int32_t TAVRO_CALL Registro90_CAT10207(void) {
    return tavro::ExportaRegistro(tavro::kRegistro90, {});
}
