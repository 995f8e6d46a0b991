#include "trailer.h"

#include <cstdio>

#include "cp1252.h"
#include "estado.h"
#include "gravacao.h"

namespace tavro {

std::string ContagemAceitos(std::string_view tipo) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%05lld", static_cast<long long>(Aceitos(tipo)));
    return buf;
}

void VerificaObrigatorios() {
    auto& ex = Execucao();
    for (int i = 0; i < kNumTipos; ++i) {
        const auto& r = ex.TabRegistros[static_cast<std::size_t>(i)];
        if (!r.Obrigatorio || r.OK != 0) continue;
        std::string msg("-");
        msg.append(std::to_string(i + 1)).append(" Registro").append(r.Nome);
        msg.append(" obrigatório :: O arquivo deve conter pelo menos 1 registro deste tipo"_w);
        ex.ListaErros.push_back(msg);
        GravaErros();
    }
}

}  // namespace tavro

namespace tavro {
constexpr Verificacao kUmTrailerPorArquivo = Regra(
    "-1   Só deve haver 1(um) Registro90 no arquivo da NF :: Função Registro90 chamada mais de 1(uma) vez"_w,
    [](const Valores&) { return Aceitos("90") > 0; });
}  // namespace tavro
