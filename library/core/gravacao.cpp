#include "gravacao.h"

#include <string>

#include "cp1252.h"
#include "estado.h"
#include "mensagem.h"
#include "numero.h"
#include "platform/plataforma.h"
#include "platform/utf8.h"

namespace tavro {
namespace {

constexpr std::string_view kFimLinha = "\r\n";
constexpr std::string_view kMarcaUtf8 = "\xEF\xBB\xBF";
constexpr std::string_view kHifens = "-----------------------------------------------------";

void Linha(std::string& bloco, std::string_view texto) {
    bloco.append(texto);
    bloco.append(kFimLinha);
}

void Secao(std::string& bloco, std::string_view titulo, const ListaLinhas& itens) {
    if (itens.empty()) return;
    bloco.append(kFimLinha);
    Linha(bloco, titulo);
    for (std::string_view item : itens) {
        bloco.append("\t  ");
        Linha(bloco, item);
    }
}

void Acrescenta(const std::string& caminho, std::string_view bytes, std::string_view prefixo = {}) {
    if (!plataforma::Atual().Acrescenta(caminho, bytes, prefixo))
        MostraMensagem(std::string("Erro ao tentar escrever no arquivo ") + caminho);
}

// A block of the error file: blank line, report, errors, observations. The
// buffer is reused from record to record.
const std::string& Bloco(bool comErros) {
    const auto& ex = Execucao();
    static std::string bloco;
    bloco.clear();
    bloco.append(kFimLinha);
    for (std::string_view linha : ex.ListaRelatorio) Linha(bloco, linha);
    if (comErros) Secao(bloco, "\tErro(s) do Registro:", ex.ListaErros);
    Secao(bloco, "\tObservação do Registro:"_w, ex.ListaObs);
    return bloco;
}

std::string Percentual(double valor) { return FormataNumero(valor, 2, true); }

}  // namespace

void GravaSaida(std::string_view linha) {
    auto& ex = Execucao();
    static std::string bytes;
    bytes.clear();
    AcrescentaUtf8(linha, bytes);
    bytes.append(kFimLinha);
    Acrescenta(ex.ArqSaida, bytes, kMarcaUtf8);
    if (!ex.ListaObs.empty()) Acrescenta(ex.ArqErro, Bloco(false));
    EsvaziaListas();
}

void GravaErros() {
    auto& ex = Execucao();
    if (!ex.ListaErros.empty() || !ex.ListaObs.empty()) Acrescenta(ex.ArqErro, Bloco(true));
    EsvaziaListas();
}

void GravaErroAvulso(std::string_view mensagem) {
    auto& ex = Execucao();
    if (ex.ArqErro.empty()) {
        ex.ArqErro = plataforma::CaminhoErroSemExecucao();
        if (plataforma::Atual().ArquivoExiste(ex.ArqErro)) plataforma::Atual().ApagaArquivo(ex.ArqErro);
    }
    std::string bloco;
    bloco.append(kFimLinha);
    Linha(bloco, "\tErro(s) do Registro:");
    bloco.append("\t  ");
    Linha(bloco, mensagem);
    Acrescenta(ex.ArqErro, bloco);
}

void GravaLog() {
    auto& ex = Execucao();
    std::string log;
    Linha(log, "Estastísticas dos Registros:"_w);
    Linha(log, "");
    Linha(log, "REGISTROS\tOK\tOBS\tERROS\t%ERRO\tTOTAL");
    Linha(log, kHifens);
    long long totalOK = 0, totalErros = 0, totalObs = 0;
    for (const auto& r : ex.TabRegistros) {
        totalOK += r.OK;
        totalErros += r.Erros;
        totalObs += r.Obs;
        if (r.OK <= 0 && r.Erros <= 0 && r.Obs <= 0) continue;
        const long long soma = static_cast<long long>(r.OK) + r.Erros;
        const double pct = soma > 0 ? static_cast<double>(r.Erros) / static_cast<double>(soma) * 100.0 : 0.0;
        Linha(log, "Registro " + r.Nome + "\t" + std::to_string(r.OK) + "\t" + std::to_string(r.Obs) + "\t" +
                       std::to_string(r.Erros) + "\t" + Percentual(pct) + "%\t" + std::to_string(soma));
    }
    Linha(log, kHifens);
    const long long total = totalOK + totalErros;
    const double pctTotal =
        total < 1 ? 0.0 : ArredondaQuatroCasas(static_cast<double>(totalErros * 100) / static_cast<double>(total));
    Linha(log, "Total\t\t" + std::to_string(totalOK) + "\t" + std::to_string(totalObs) + "\t" +
                   std::to_string(totalErros) + "\t" + Percentual(pctTotal) + "%\t" + std::to_string(total));
    Acrescenta(ex.ArqLog, log);
    EsvaziaListas();
}

}  // namespace tavro
