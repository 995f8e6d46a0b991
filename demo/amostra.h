// The demonstration program's sample data, one argument array per record
// (an empty value is a null pointer), passed to an export with Chama. The
// tests use the same arrays, changing them field by field.
#pragma once

#include <array>
#include <cstdint>
#include <tuple>

namespace tavro::amostra {

inline constexpr const char* kCNPJAmostra = "11222333000181";

using Args10 = std::array<const char*, 4>;
using Args20_102 = std::array<const char*, 23>;
using Args30 = std::array<const char*, 11>;
using Args40 = std::array<const char*, 14>;
using Args50 = std::array<const char*, 15>;
using Args60 = std::array<const char*, 3>;
using Args20_98 = std::array<const char*, 35>;
using Args21 = std::array<const char*, 8>;
using Args22 = std::array<const char*, 2>;

inline Args10 Amostra10() { return {"1,00", kCNPJAmostra, "10/10/2007", "17/10/2007"}; }

inline Args20_102 Amostra20_102() {
    return {"I", nullptr, "Venda a Consumidor Final", "0", "20956", "10/10/2007 10:00:00", "10/10/2007 10:00:00",
            "1", "5102", "000000000000", "000000000000", kCNPJAmostra, "Casa F", "R S\xE3o Manoel", "176",
            "apto 18", "Centro", "S\xE3o Paulo", "SP", "10100000", "Brasil", "5550723", nullptr};
}

inline Args30 Amostra30() {
    return {"Produto 0", "Pinga tipo 0", "22060090", "caixa", "1,0000", "5,0000", "5,00", "010", "18,00", "6,00", "10,00"};
}

inline Args40 Amostra40() {
    return {"69,01", "1234,56", "45,78", "123,45", "100,10", "20,02", "10,01",
            "30,00", "5,00",    "1,00",  "229,58", "234,00", "6,00",  "154,00"};
}

inline Args50 Amostra50() {
    return {"0",       kCNPJAmostra, "Transportadora Xing Ling", "000000000000", "Av. da Lentidao, 321",
            "Sao Paulo", "SP",        "ABC1234",                  "SP",           "123456789012345",
            "litros",  "Xing Ling",  "123456789",                "123,000",      "154,064"};
}

inline Args60 Amostra60() {
    return {"Dados da fatura", "Informacoes adicionais de interesse do Fisco",
            "Informacoes complementares de interesse do contribuinte"};
}

inline Args20_98 Amostra20_98() {
    return {"1",        "123456",      "123456789", "10/10/1984", "10/10/1984", kCNPJAmostra, "Empresa Exemplo Ltda",
            "Rua das Flores", "123",   "Loja",      "Centro",     "S\xE3o Paulo", "SP",        "01310100",
            "55501234", "15,00",       "0,00",      "0,00",       "0,00",       "0,00",       "Texto Livre",
            "15,00",    "Texto Livre", "Texto Livre", "2",        nullptr,      nullptr,      nullptr,
            nullptr,    nullptr,       nullptr,     "2",          "15,00",      "15,00",      "0"};
}

inline Args21 Amostra21() { return {"1", "123456", "1", "Descricao da mercadoria", "Kg", "1,00", "1,00", "1,00"}; }

inline Args22 Amostra22() { return {"1,00", "12/02/2008"}; }

template <class F, std::size_t N>
std::int32_t Chama(F funcao, const std::array<const char*, N>& args) {
    return std::apply(funcao, args);
}

}  // namespace tavro::amostra
