// The layouts' fixed value sets: compared byte for byte, as received.
#include <initializer_list>

#include "core/estado.h"
#include "core/texto.h"
#include "validadores.h"

namespace tavro {
namespace {

bool UmDe(std::string_view v, std::initializer_list<std::string_view> valores) {
    if (EmBranco(v)) return false;
    for (auto x : valores)
        if (v == x) return true;
    return false;
}

}  // namespace

bool LeiauteValido(std::string_view v) { return UmDe(v, {"1,00"}); }
bool FuncaoRegistroValida(std::string_view v) { return UmDe(v, {"I", "R", "C"}); }
bool TipoNFValido(std::string_view v) { return UmDe(v, {"0", "1"}); }
bool SerieNFVCValida(std::string_view v) { return UmDe(v, {"1", "2", "3"}); }
bool EntregaDomicilioValida(std::string_view v) { return UmDe(v, {"1", "2"}); }
bool VendaPrazoValida(std::string_view v) { return UmDe(v, {"1", "2"}); }
bool TipoReceitaValido(std::string_view v) { return UmDe(v, {"1", "2", "3"}); }

bool CSTValido(std::string_view v) {
    if (EmBranco(v) || v.size() < 3) return false;
    if (v[0] != '0' && v[0] != '1' && v[0] != '2') return false;
    const std::string_view tributacao = v.substr(1, 2);
    for (std::string_view c : {"00", "10", "20", "30", "40", "41", "50", "51", "60", "70", "90"})
        if (tributacao == c) return true;
    return false;
}

bool TipoFreteValido(std::string_view v) {
    if (EmBranco(v)) return false;
    const auto n = LeInteiro(v);
    return n && (*n == 0 || *n == 1);
}

bool JustificativaValida(std::string_view justificativa, std::string_view funcao) {
    return !((funcao == "C" || funcao == "c") && EmBranco(justificativa));
}

bool ItemPermitidoNaNF() { return Maiusculas(NotaAtual().FuncaoNFAtual) != "C"; }

}  // namespace tavro
