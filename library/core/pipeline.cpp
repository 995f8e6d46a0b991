#include "pipeline.h"

#include "cp1252.h"
#include "estado.h"
#include "execucao.h"
#include "gravacao.h"
#include "numero.h"
#include "texto.h"
#include "validation/validadores.h"

namespace tavro {
namespace {

void AcrescentaRotulo(std::string& s, const Campo& c) {
    s.append(c.rotulo);
    if (static_cast<int>(c.rotulo.size()) < c.largura)
        s.append(static_cast<std::size_t>(c.largura) - c.rotulo.size(), ' ');
}

// Cuts to the maximum (with its observation) and adds the report line.
std::string Finaliza(std::string_view recebido, std::string ajustado, const Campo& c) {
    auto& ex = Execucao();
    const std::size_t maximo = c.maximo > 0 ? static_cast<std::size_t>(c.maximo) : 0;
    if (ajustado.size() > maximo) {
        std::string obs;
        AcrescentaRotulo(obs, c);
        obs += "\tQuantidade de caracteres maior que o permitido - Permitido: ";
        obs += std::to_string(c.maximo);
        obs += "; Passados: ";
        obs += std::to_string(ajustado.size());
        ex.ListaObs.push_back(std::move(obs));
        ajustado.resize(maximo);
    }
    std::string linha;
    linha.reserve(c.rotulo.size() + recebido.size() + ajustado.size() + 48);
    linha.push_back('\t');
    AcrescentaRotulo(linha, c);
    linha.push_back('\t');
    linha.append(recebido);
    linha.append(" -> ");
    linha.append(ajustado);
    ex.ListaRelatorio.push_back(std::move(linha));
    return ajustado;
}

std::int32_t Executa(const DefRegistro& def, std::span<const std::string_view> argumentos) {
    if (!VerificaInicio(def.tipo)) return -1;
    auto& ex = Execucao();
    ex.ListaRelatorio.push_back(std::string("REGISTRO ").append(def.tipo));

    std::vector<std::string> calculados;
    std::vector<std::string_view> recebidos(argumentos.begin(), argumentos.end());
    if (def.calculaValores != nullptr) {
        calculados = def.calculaValores();
        recebidos.assign(calculados.begin(), calculados.end());
    }
    std::vector<std::string> ajustados;
    ajustados.reserve(def.campos.size());
    for (std::size_t i = 0; i < def.campos.size(); ++i) {
        const std::string_view v = i < recebidos.size() ? recebidos[i] : std::string_view();
        const Campo& c = def.campos[i];
        ajustados.push_back(c.especie == Especie::Texto ? AjustaTexto(v, c) : AjustaNumero(v, c));
    }
    const Valores valores(std::move(ajustados));

    const int indice = IndiceRegistro(def.tipo);
    if (HaRegistroPosterior(indice + 1))
        ex.ListaObs.emplace_back("\tQuebra de sequência conforme Lógica de Ordenação Inter-Registros."_w);

    for (const Verificacao& v : def.verificacoes) {
        if (v.tipo == Verificacao::Tipo::NaoPreenchidos) {
            for (std::size_t i = 0; i < def.campos.size(); ++i)
                if (!def.campos[i].naoPreenchido.empty() && EmBranco(valores.Todos()[i]))
                    ex.ListaErros.emplace_back(def.campos[i].naoPreenchido);
        } else if (v.falha(valores)) {
            std::string msg(v.mensagem);
            if (v.campoValor > 0) msg += valores(v.campoValor);
            ex.ListaErros.push_back(std::move(msg));
        }
    }

    TRegistroStat vazio;
    TRegistroStat& stat = indice >= 0 ? ex.TabRegistros[static_cast<std::size_t>(indice)] : vazio;
    if (!ex.ListaObs.empty()) ++stat.Obs;

    std::int32_t resultado = -1;
    if (ex.ListaErros.empty()) {
        std::string linha(def.tipo);
        for (const auto& v : valores.Todos()) {
            linha.push_back('|');
            linha.append(v);
        }
        GravaSaida(linha);
        ++stat.OK;
        if (def.aoAceitar != nullptr) def.aoAceitar(valores);
        resultado = 0;
    } else {
        GravaErros();
        ++stat.Erros;
    }
    if (def.aoFinal != nullptr) def.aoFinal();
    return resultado;
}

}  // namespace

std::string AjustaTexto(std::string_view recebido, const Campo& campo) {
    return Finaliza(recebido, RemoveAlfa(SemBrancosEsquerda(recebido)), campo);
}

std::string AjustaNumero(std::string_view recebido, const Campo& campo) {
    std::string filtrado = RemoveNum(recebido);
    if (campo.decimais == 2 || campo.decimais == 3 || campo.decimais == 4) {
        if (const auto n = LeNumero(filtrado)) filtrado = FormataNumero(*n, campo.decimais);
    }
    return Finaliza(recebido, std::move(filtrado), campo);
}

bool HaRegistroPosterior(int primeiro) {
    const auto& tab = Execucao().TabRegistros;
    for (int i = primeiro < 0 ? 0 : primeiro; i < kNumTipos; ++i)
        if (tab[static_cast<std::size_t>(i)].OK != 0) return true;
    return false;
}

std::int32_t ExportaRegistro(const DefRegistro& def, std::initializer_list<const char*> argumentos) {
    try {
        std::vector<std::string_view> textos;
        textos.reserve(argumentos.size());
        for (const char* a : argumentos) textos.push_back(tavro::Texto(a));
        return Executa(def, textos);
    } catch (...) {
        // Out of memory half way: the next record must start with empty lists.
        EsvaziaListas();
        return -1;
    }
}

}  // namespace tavro
