// Run exports: Info_Versao, Inicia_NF_Paulista, Finaliza_NF_Paulista.
#include "execucao.h"

#include <string>

#include "cp1252.h"
#include "estado.h"
#include "fronteira.h"
#include "gravacao.h"
#include "mensagem.h"
#include "platform/plataforma.h"
#include "tavrolib/tavrolib.h"
#include "texto.h"

namespace tavro {
namespace {

constexpr std::int32_t kVersao = 101;

std::int32_t Inicia(std::string_view saida, std::string_view entrada) {
    auto& ex = Execucao();
    if (ex.Iniciado) return -1;  // a run is going on: refused silently
    auto& so = plataforma::Atual();

    ex.SomaNFVCCentavos = 0;
    EsvaziaListas();
    ex.ArqSaida = plataforma::Junta(saida, "VIZorudude.txt");
    ex.ArqErro = plataforma::Junta(saida, "erro_VIZorudude.txt");
    ex.ArqLog = plataforma::Junta(saida, "log_VIZorudude.txt");
    ex.ArqCFOP = plataforma::Junta(entrada, "cfop.res");
    ex.ArqNCM = plataforma::Junta(entrada, "ncm.res");

    const std::string dirSaida = plataforma::Junta(saida, "");
    const std::string dirEntrada = plataforma::Junta(entrada, "");
    if (!so.DiretorioExiste(dirSaida)) {
        MostraMensagem(std::string("Erro. Diretório de saída informado inexistente. "_w) + dirSaida);
        return -1;
    }
    if (!so.DiretorioExiste(dirEntrada)) {
        MostraMensagem(std::string("Erro. Diretório de entrada informado inexistente. "_w) + dirEntrada);
        return -1;
    }
    if (!so.ArquivoExiste(ex.ArqCFOP)) {
        MostraMensagem(std::string("Erro. O arquivo de entrada CFOP.RES não foi encontrado em "_w) + ex.ArqCFOP);
        return -1;
    }
    if (!so.ArquivoExiste(ex.ArqNCM)) {
        MostraMensagem(std::string("Erro. O arquivo de entrada NCM.RES não foi encontrado em "_w) + ex.ArqNCM);
        return -1;
    }

    struct Anterior {
        const std::string& caminho;
        std::string_view aviso;
    };
    const Anterior anteriores[] = {
        {ex.ArqSaida, "\tO arquivo VIZorudude.txt previamente existente foi substituído pelo novo arquivo gerado."_w},
        {ex.ArqErro,
         "\tO arquivo de erro_VIZorudude.txt previamente existente foi substituído pelo novo arquivo gerado."_w},
        {ex.ArqLog,
         "\tO arquivo de log_VIZorudude.txt previamente existente foi substituído pelo novo arquivo gerado."_w},
    };
    for (const auto& a : anteriores) {
        if (so.ArquivoExiste(a.caminho)) {
            so.ApagaArquivo(a.caminho);  // the notice is recorded whatever the outcome
            ex.ListaObs.emplace_back(a.aviso);
        }
    }

    ex.Iniciado = true;
    if (!ex.ListaObs.empty()) GravaErros();

    for (int i = 0; i < kNumTipos; ++i) {
        auto& r = ex.TabRegistros[static_cast<std::size_t>(i)];
        r.Nome = kTipos[i];
        r.Obrigatorio = r.Nome == "10" || r.Nome == "20" || r.Nome == "90";
        r.OK = r.Erros = r.Obs = 0;
    }
    return 0;
}

void Finaliza() {
    auto& ex = Execucao();
    if (ex.Iniciado) {
        GravaLog();
        ex.ListaErros.Libera();
        ex.ListaRelatorio.Libera();
        ex.ListaObs.Libera();
        ex.SomaNFVCCentavos = 0;
    }
    ex.Iniciado = false;
}

}  // namespace

bool VerificaInicio(std::string_view) {
    if (Execucao().Iniciado) return true;
    GravaErroAvulso("-0   Função Inicia_NF_Paulista não chamada"_w);
    return false;
}

}  // namespace tavro

extern "C" {

TAVRO_API std::int32_t TAVRO_CALL Info_Versao(void) { return tavro::kVersao; }

TAVRO_API std::int32_t TAVRO_CALL Inicia_NF_Paulista(const char* diretorio_saida, const char* diretorio_entrada) {
    return tavro::Protegido(std::int32_t{-1},
                            [&] { return tavro::Inicia(tavro::Texto(diretorio_saida), tavro::Texto(diretorio_entrada)); });
}

TAVRO_API void TAVRO_CALL Finaliza_NF_Paulista(void) {
    tavro::Protegido([] { tavro::Finaliza(); });
}

}  // extern "C"
