// The record pipeline. A record is data: its type, its field table (label,
// maximum, kind, not-filled message) and its ordered checks. ExecutaRegistro
// runs every record through the same steps: start guard, title, normalisation
// of every field, order check, the record's checks, observation count, write
// or reject, counters, the record's own change of state.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavro {

enum class Especie { Texto, Numero };

struct Campo {
    std::string_view rotulo;  // without its padding
    int largura;              // the label's width in the report, padding included
    int maximo;
    Especie especie;
    int decimais = 0;                // numbers only: 0 (digits as filtered), 2, 3 or 4
    std::string_view naoPreenchido;  // message when the value is blank; empty: optional field
};

constexpr Campo CampoTexto(std::string_view rotulo, int largura, int maximo, std::string_view naoPreenchido = {}) {
    return {rotulo, largura, maximo, Especie::Texto, 0, naoPreenchido};
}
constexpr Campo CampoNumero(std::string_view rotulo, int largura, int maximo, int decimais,
                       std::string_view naoPreenchido = {}) {
    return {rotulo, largura, maximo, Especie::Numero, decimais, naoPreenchido};
}

// The adjusted values of a record, numbered from 1 as in the layouts.
class Valores {
public:
    Valores(const std::vector<std::string>& v, std::size_t n) : v_(v), n_(n) {}
    const std::string& operator()(int campo) const { return v_[static_cast<std::size_t>(campo - 1)]; }
    std::size_t size() const { return n_; }
    const std::string& operator[](std::size_t i) const { return v_[i]; }

private:
    const std::vector<std::string>& v_;
    std::size_t n_;
};

// One check of a record. `NaoPreenchidos` adds the not-filled message of every
// blank field that has one, in field order. A `Regra` adds its message when
// `falha` says so, followed by the adjusted value of field `campoValor` (0: none).
struct Verificacao {
    enum class Tipo { NaoPreenchidos, Regra } tipo;
    bool (*falha)(const Valores&) = nullptr;
    std::string_view mensagem = {};
    int campoValor = 0;
};

inline constexpr Verificacao kNaoPreenchidos{Verificacao::Tipo::NaoPreenchidos};
constexpr Verificacao Regra(std::string_view mensagem, bool (*falha)(const Valores&), int campoValor = 0) {
    return {Verificacao::Tipo::Regra, falha, mensagem, campoValor};
}

struct DefRegistro {
    std::string_view tipo;  // "10", "20", ...
    std::span<const Campo> campos;
    std::span<const Verificacao> verificacoes;
    // Trailers compute their values instead of receiving them.
    std::vector<std::string> (*calculaValores)() = nullptr;
    // Change of state of an accepted record.
    void (*aoAceitar)(const Valores&) = nullptr;
    // Runs after the record was written or rejected, whatever the outcome.
    void (*aoFinal)() = nullptr;
};

// Runs the pipeline and returns 0 (accepted) or -1. Never throws.
std::int32_t ExportaRegistro(const DefRegistro& def, std::initializer_list<const char*> argumentos);

// The field normalisers: they put the adjusted value in `ajustado` and add
// the report line (and the over-long observation) to the run's lists.
void AjustaTexto(std::string_view recebido, const Campo& campo, std::string& ajustado);
void AjustaNumero(std::string_view recebido, const Campo& campo, std::string& ajustado);

// True when a type from index `primeiro` on already has an accepted record.
bool HaRegistroPosterior(int primeiro);

}  // namespace tavro
