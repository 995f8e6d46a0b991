// tavro gerar: sends a record file through the library and summarises the run.
#pragma once

#include <iosfwd>
#include <string>

#include "entrada.h"
#include "registros.h"

namespace tavro::cli {

struct OpcoesGerar {
    std::string saida = ".";
    std::string listas;
    Leiaute leiaute = Leiaute::Desconhecido;  // Desconhecido: from the file
    Codificacao codificacao = Codificacao::Auto;
    std::string nomeEntrada;  // for messages
};

// Exit status: 0 every record accepted, 1 some rejected or skipped, 2 usage
// or file error (nothing written).
int Gera(std::string_view bytes, const OpcoesGerar& opcoes, std::ostream& saida);

}  // namespace tavro::cli
