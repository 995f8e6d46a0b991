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
void Finaliza(std::string_view recebido, std::string& ajustado, const Campo& c) {
    auto& ex = Execucao();
    const std::size_t maximo = c.maximo > 0 ? static_cast<std::size_t>(c.maximo) : 0;
    if (ajustado.size() > maximo) {
        std::string& obs = ex.ListaObs.Abre();
        AcrescentaRotulo(obs, c);
        obs += "\tQuantidade de caracteres maior que o permitido - Permitido: ";
        obs += std::to_string(c.maximo);
        obs += "; Passados: ";
        obs += std::to_string(ajustado.size());
        ex.ListaObs.Fecha();
        ajustado.resize(maximo);
    }
    std::string& linha = ex.ListaRelatorio.Abre();
    linha.push_back('\t');
    AcrescentaRotulo(linha, c);
    linha.push_back('\t');
    // The value as received, but a line break in it would break the error
    // file's blocks apart: CR and LF are shown as spaces.
    const std::size_t inicio = linha.size();
    linha.append(recebido);
    for (std::size_t i = inicio; i < linha.size(); ++i)
        if (linha[i] == '\r' || linha[i] == '\n') linha[i] = ' ';
    linha.append(" -> ");
    linha.append(ajustado);
    ex.ListaRelatorio.Fecha();
}

std::int32_t Executa(const DefRegistro& def, std::initializer_list<const char*> argumentos) {
    if (!VerificaInicio(def.tipo)) return -1;
    auto& ex = Execucao();
    ex.ListaRelatorio.Abre().append("REGISTRO ").append(def.tipo);
    ex.ListaRelatorio.Fecha();

    std::vector<std::string> calculados;
    if (def.calculaValores != nullptr) calculados = def.calculaValores();
    auto recebido = [&](std::size_t i) -> std::string_view {
        if (def.calculaValores != nullptr) return i < calculados.size() ? calculados[i] : std::string_view();
        return i < argumentos.size() ? Texto(argumentos.begin()[i]) : std::string_view();
    };
    // The adjusted values live in strings reused from record to record.
    static std::vector<std::string> ajustados;
    if (ajustados.size() < def.campos.size()) ajustados.resize(def.campos.size());
    for (std::size_t i = 0; i < def.campos.size(); ++i) {
        const Campo& c = def.campos[i];
        if (c.especie == Especie::Texto)
            AjustaTexto(recebido(i), c, ajustados[i]);
        else
            AjustaNumero(recebido(i), c, ajustados[i]);
    }
    const Valores valores(ajustados, def.campos.size());

    const int indice = IndiceRegistro(def.tipo);
    if (HaRegistroPosterior(indice + 1))
        ex.ListaObs.emplace_back("\tQuebra de sequência conforme Lógica de Ordenação Inter-Registros."_w);

    for (const Verificacao& v : def.verificacoes) {
        if (v.tipo == Verificacao::Tipo::NaoPreenchidos) {
            for (std::size_t i = 0; i < def.campos.size(); ++i)
                if (!def.campos[i].naoPreenchido.empty() && EmBranco(valores[i]))
                    ex.ListaErros.emplace_back(def.campos[i].naoPreenchido);
        } else if (v.falha(valores)) {
            std::string& msg = ex.ListaErros.Abre();
            msg.append(v.mensagem);
            if (v.campoValor > 0) msg.append(valores(v.campoValor));
            ex.ListaErros.Fecha();
        }
    }

    TRegistroStat vazio;
    TRegistroStat& stat = indice >= 0 ? ex.TabRegistros[static_cast<std::size_t>(indice)] : vazio;
    if (!ex.ListaObs.empty()) ++stat.Obs;

    std::int32_t resultado = -1;
    if (ex.ListaErros.empty()) {
        static std::string linha;
        linha.assign(def.tipo);
        for (std::size_t i = 0; i < valores.size(); ++i) {
            linha.push_back('|');
            linha.append(valores[i]);
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

void AjustaTexto(std::string_view recebido, const Campo& campo, std::string& ajustado) {
    RemoveAlfa(SemBrancosEsquerda(recebido), ajustado);
    Finaliza(recebido, ajustado, campo);
}

void AjustaNumero(std::string_view recebido, const Campo& campo, std::string& ajustado) {
    RemoveNum(recebido, ajustado);
    if (campo.decimais == 2 || campo.decimais == 3 || campo.decimais == 4) {
        if (const auto n = LeNumero(ajustado)) ajustado = FormataNumero(*n, campo.decimais);
    }
    Finaliza(recebido, ajustado, campo);
}

bool HaRegistroPosterior(int primeiro) {
    const auto& tab = Execucao().TabRegistros;
    for (int i = primeiro < 0 ? 0 : primeiro; i < kNumTipos; ++i)
        if (tab[static_cast<std::size_t>(i)].OK != 0) return true;
    return false;
}

std::int32_t ExportaRegistro(const DefRegistro& def, std::initializer_list<const char*> argumentos) {
    try {
        return Executa(def, argumentos);
    } catch (...) {
        // Out of memory half way: the next record must start with empty lists.
        EsvaziaListas();
        return -1;
    }
}

}  // namespace tavro
