// Exports of the filters and validators: thin wrappers over validadores.h.
#include <cstring>

#include "core/fronteira.h"
#include "core/texto.h"
#include "platform/plataforma.h"
#include "tavrolib/tavrolib.h"
#include "validadores.h"

namespace tavro {
namespace {

template <class F>
TAVRO_BOOL Valida(F&& regra) {
    return Protegido(TAVRO_BOOL{0}, [&] { return static_cast<TAVRO_BOOL>(regra() ? 1 : 0); });
}

void Entrega(char** destino, const std::string& resultado) {
    if (destino == nullptr) return;
    char* novo = plataforma::AlocaTexto(resultado.size() + 1);
    if (novo != nullptr) std::memcpy(novo, resultado.c_str(), resultado.size() + 1);
    if (*destino != nullptr) plataforma::LiberaTexto(*destino);
    *destino = novo;
}

}  // namespace
}  // namespace tavro

using tavro::Texto;
using tavro::Valida;

extern "C" {

TAVRO_API void TAVRO_CALL RemoveAlfaInvalid(char** destino, const char* texto) {
    tavro::Protegido([&] { tavro::Entrega(destino, tavro::RemoveAlfa(Texto(texto))); });
}
TAVRO_API void TAVRO_CALL RemoveNumInvalid(char** destino, const char* texto) {
    tavro::Protegido([&] { tavro::Entrega(destino, tavro::RemoveNum(Texto(texto))); });
}

TAVRO_API TAVRO_BOOL TAVRO_CALL IsVIZorududeDate(const char* d) { return Valida([&] { return tavro::DataValida(Texto(d)); }); }
TAVRO_API TAVRO_BOOL TAVRO_CALL vCPF(const char* v) { return Valida([&] { return tavro::CPFValido(Texto(v)); }); }
TAVRO_API TAVRO_BOOL TAVRO_CALL vCNPJ(const char* v) { return Valida([&] { return tavro::CNPJValido(Texto(v)); }); }
TAVRO_API TAVRO_BOOL TAVRO_CALL vUF(const char* v) { return Valida([&] { return tavro::UFValida(Texto(v)); }); }
TAVRO_API TAVRO_BOOL TAVRO_CALL vCEP_UF(const char* cep, const char* uf) {
    return Valida([&] { return tavro::CEPValidoParaUF(Texto(cep), Texto(uf)); });
}
TAVRO_API TAVRO_BOOL TAVRO_CALL vLeiaute(const char* v) { return Valida([&] { return tavro::LeiauteValido(Texto(v)); }); }
TAVRO_API TAVRO_BOOL TAVRO_CALL vCST(const char* v) { return Valida([&] { return tavro::CSTValido(Texto(v)); }); }
TAVRO_API TAVRO_BOOL TAVRO_CALL vCOD_CFOP(const char* v) { return Valida([&] { return tavro::CFOPValido(Texto(v)); }); }
TAVRO_API TAVRO_BOOL TAVRO_CALL vCOD_NCM(const char* v) { return Valida([&] { return tavro::NCMValido(Texto(v)); }); }
TAVRO_API TAVRO_BOOL TAVRO_CALL vInd_tipo_frete(const char* v) {
    return Valida([&] { return tavro::TipoFreteValido(Texto(v)); });
}
TAVRO_API TAVRO_BOOL TAVRO_CALL vFunc_Reg(const char* v) {
    return Valida([&] { return tavro::FuncaoRegistroValida(Texto(v)); });
}
TAVRO_API TAVRO_BOOL TAVRO_CALL vxJust(const char* justificativa, const char* funcao) {
    return Valida([&] { return tavro::JustificativaValida(Texto(justificativa), Texto(funcao)); });
}
TAVRO_API TAVRO_BOOL TAVRO_CALL vtpNF(const char* v) { return Valida([&] { return tavro::TipoNFValido(Texto(v)); }); }
TAVRO_API TAVRO_BOOL TAVRO_CALL vItemNF(const char*) { return Valida([] { return tavro::ItemPermitidoNaNF(); }); }
TAVRO_API TAVRO_BOOL TAVRO_CALL vSerie_NFVC(const char* v) {
    return Valida([&] { return tavro::SerieNFVCValida(Texto(v)); });
}
TAVRO_API TAVRO_BOOL TAVRO_CALL vEntrega_Domicilio(const char* v) {
    return Valida([&] { return tavro::EntregaDomicilioValida(Texto(v)); });
}
TAVRO_API TAVRO_BOOL TAVRO_CALL vRealiza_Venda_Prazo(const char* v) {
    return Valida([&] { return tavro::VendaPrazoValida(Texto(v)); });
}
TAVRO_API TAVRO_BOOL TAVRO_CALL vTipo_Receita(const char* v) {
    return Valida([&] { return tavro::TipoReceitaValido(Texto(v)); });
}

}  // extern "C"
