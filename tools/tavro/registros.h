// The record types the tool sends, with their export and field count.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace tavro::cli {

enum class Leiaute { Desconhecido, Cat10207, Cat9807 };

struct TipoRegistro {
    std::string_view tipo;
    Leiaute leiaute;  // Desconhecido: both layouts (record 10)
    int campos;
    std::int32_t (*envia)(const std::vector<const char*>& campos);
};

// The export for a type, layout and field count, or nullptr.
const TipoRegistro* Procura(std::string_view tipo, Leiaute leiaute, int campos);
// Whether the type exists at all in the layout (any field count).
bool TipoExiste(std::string_view tipo, Leiaute leiaute);
// The layout a record line implies by itself, if any.
Leiaute LeiauteImplicito(std::string_view tipo, int campos);

std::string_view Nome(Leiaute l);

}  // namespace tavro::cli
