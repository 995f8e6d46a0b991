#include "registros.h"

#include <array>
#include <tuple>

#include "tavrolib/tavrolib.h"

namespace tavro::cli {
namespace {

template <std::size_t N, class F>
std::int32_t Envia(F funcao, const std::vector<const char*>& v) {
    std::array<const char*, N> a{};
    for (std::size_t i = 0; i < N && i < v.size(); ++i) a[i] = v[i];
    return std::apply(funcao, a);
}

constexpr auto D = Leiaute::Desconhecido, A = Leiaute::Cat10207, B = Leiaute::Cat9807;

// Record 90 lines may carry nothing or the trailer's own fields (an output
// file fed back): the library computes them either way.
const TipoRegistro kTipos[] = {
    {"10", D, 4, [](const auto& v) { return Envia<4>(Registro10_CAT10207, v); }},
    {"20", A, 23, [](const auto& v) { return Envia<23>(Registro20_CAT10207, v); }},
    {"30", A, 11, [](const auto& v) { return Envia<11>(Registro30_CAT10207, v); }},
    {"40", A, 14, [](const auto& v) { return Envia<14>(Registro40_CAT10207, v); }},
    {"50", A, 15, [](const auto& v) { return Envia<15>(Registro50_CAT10207, v); }},
    {"60", A, 3, [](const auto& v) { return Envia<3>(Registro60_CAT10207, v); }},
    {"90", A, 0, [](const auto&) { return Registro90_CAT10207(); }},
    {"90", A, 5, [](const auto&) { return Registro90_CAT10207(); }},
    {"20", B, 35, [](const auto& v) { return Envia<35>(Registro20_CAT9807, v); }},
    {"21", B, 8, [](const auto& v) { return Envia<8>(Registro21_CAT9807, v); }},
    {"22", B, 2, [](const auto& v) { return Envia<2>(Registro22_CAT9807, v); }},
    {"90", B, 0, [](const auto&) { return Registro90_CAT9807(); }},
    {"90", B, 4, [](const auto&) { return Registro90_CAT9807(); }},
};

}  // namespace

const TipoRegistro* Procura(std::string_view tipo, Leiaute leiaute, int campos) {
    for (const auto& t : kTipos)
        if (t.tipo == tipo && (t.leiaute == D || t.leiaute == leiaute) && t.campos == campos) return &t;
    return nullptr;
}

bool TipoExiste(std::string_view tipo, Leiaute leiaute) {
    for (const auto& t : kTipos)
        if (t.tipo == tipo && (t.leiaute == D || t.leiaute == leiaute)) return true;
    return false;
}

Leiaute LeiauteImplicito(std::string_view tipo, int campos) {
    if (tipo == "30" || tipo == "40" || tipo == "50" || tipo == "60") return A;
    if (tipo == "21" || tipo == "22") return B;
    if (tipo == "20" && campos == 23) return A;
    if (tipo == "20" && campos == 35) return B;
    return D;
}

std::string_view Nome(Leiaute l) {
    switch (l) {
        case A: return "CAT 102/07";
        case B: return "CAT 98/07";
        default: return "?";
    }
}

}  // namespace tavro::cli
