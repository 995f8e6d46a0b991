#include "gerar.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>

#include "tavrolib/tavrolib.h"
#include "utf8.h"

namespace tavro::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kLimiteCat9807 = 500000;  // bytes per file, by the tax authority's layout
constexpr std::size_t kLinhasParaProgresso = 5000;

void TAVRO_CALL MostraNoTerminal(const char* texto) {
    std::cerr << "tavro: " << ConverteParaUtf8(texto) << '\n';
}

class Progresso {
public:
    Progresso(std::size_t total) : total_(total), ativo_(total > kLinhasParaProgresso && ::isatty(2)) {}
    void Avanca(std::size_t feitos) {
        if (!ativo_) return;
        const int pct = static_cast<int>(feitos * 100 / total_);
        if (pct == ultimo_) return;
        ultimo_ = pct;
        const int cheios = pct / 4;
        std::cerr << "\r[" << std::string(static_cast<std::size_t>(cheios), '#')
                  << std::string(static_cast<std::size_t>(25 - cheios), ' ') << "] " << std::setw(3) << pct << "% "
                  << feitos << "/" << total_ << std::flush;
    }
    ~Progresso() {
        if (ativo_) std::cerr << '\n';
    }

private:
    std::size_t total_;
    bool ativo_;
    int ultimo_ = -1;
};

struct Contagem {
    std::string tipo;
    long ok = 0, obs = 0, erros = 0;
};

// The per-type rows of the statistics log the library wrote.
std::vector<Contagem> LeLog(const fs::path& log) {
    std::vector<Contagem> r;
    std::ifstream f(log, std::ios::binary);
    std::string linha;
    while (std::getline(f, linha)) {
        if (!linha.starts_with("Registro ")) continue;
        Contagem c;
        std::istringstream s(linha.substr(9));
        s >> c.tipo >> c.ok >> c.obs >> c.erros;
        r.push_back(c);
    }
    return r;
}

struct Rejeitado {
    std::string titulo;
    std::vector<std::string> erros;
};

// The blocks of the error file that carry errors, in file order.
std::vector<Rejeitado> LeRejeitados(const fs::path& arquivo, std::size_t maximo) {
    std::vector<Rejeitado> r;
    std::ifstream f(arquivo, std::ios::binary);
    std::string linha, titulo;
    bool emErros = false;
    while (std::getline(f, linha)) {
        if (!linha.empty() && linha.back() == '\r') linha.pop_back();
        if (linha.empty()) {
            emErros = false;
            continue;
        }
        if (linha.starts_with("REGISTRO ")) titulo = linha;
        if (linha == "\tErro(s) do Registro:") {
            emErros = true;
            if (r.size() == maximo) break;
            r.push_back({titulo, {}});
            titulo.clear();
            continue;
        }
        if (emErros && linha.starts_with("\t  ")) r.back().erros.push_back(ConverteParaUtf8(linha.substr(3)));
    }
    return r;
}

std::uintmax_t Tamanho(const fs::path& p) {
    std::error_code ec;
    const auto n = fs::file_size(p, ec);
    return ec ? 0 : n;
}

}  // namespace

int Gera(std::string_view bytes, const OpcoesGerar& op, std::ostream& out) {
    const auto linhas = DivideLinhas(bytes, op.codificacao);

    // The layout, from the option or from the file, before anything is written.
    Leiaute leiaute = op.leiaute;
    if (leiaute == Leiaute::Desconhecido) {
        int linhaA = 0, linhaB = 0;
        std::string tipo;
        std::vector<std::string> campos;
        for (const auto& l : linhas) {
            if (!l.erro.empty()) continue;
            DivideCampos(l.texto, tipo, campos);
            const Leiaute li = LeiauteImplicito(tipo, static_cast<int>(campos.size()));
            if (li == Leiaute::Cat10207 && linhaA == 0) linhaA = l.numero;
            if (li == Leiaute::Cat9807 && linhaB == 0) linhaB = l.numero;
        }
        if (linhaA != 0 && linhaB != 0) {
            std::cerr << "tavro: " << op.nomeEntrada << " mistura os leiautes: a linha " << linhaA
                      << " é CAT 102/07 e a linha " << linhaB << " é CAT 98/07. Nada foi gravado.\n";
            return 2;
        }
        if (linhaA == 0 && linhaB == 0) {
            std::cerr << "tavro: não foi possível saber o leiaute de " << op.nomeEntrada
                      << " (nenhum registro 20 a 60); use --leiaute 102 ou --leiaute 98. Nada foi gravado.\n";
            return 2;
        }
        leiaute = linhaA != 0 ? Leiaute::Cat10207 : Leiaute::Cat9807;
    }

    std::error_code ec;
    if (!fs::is_directory(op.saida, ec)) {
        std::cerr << "tavro: a pasta de saída não existe: " << op.saida << ". Nada foi gravado.\n";
        return 2;
    }
    DefineTratadorMensagem(MostraNoTerminal);
    if (Inicia_NF_Paulista(op.saida.c_str(), op.listas.c_str()) != 0) {
        std::cerr << "tavro: a execução não pôde começar (veja a mensagem acima).\n";
        DefineTratadorMensagem(nullptr);
        return 2;
    }

    const auto inicio = std::chrono::steady_clock::now();
    std::vector<std::string> naoEnviadas;
    std::size_t enviados = 0, rejeitados = 0;
    {
        Progresso progresso(linhas.size());
        std::string tipo;
        std::vector<std::string> campos;
        std::vector<const char*> ponteiros;
        for (std::size_t i = 0; i < linhas.size(); ++i) {
            const Linha& l = linhas[i];
            progresso.Avanca(i + 1);
            if (!l.erro.empty()) {
                naoEnviadas.push_back("linha " + std::to_string(l.numero) + ": " + l.erro);
                continue;
            }
            DivideCampos(l.texto, tipo, campos);
            const int n = static_cast<int>(campos.size());
            const TipoRegistro* t = Procura(tipo, leiaute, n);
            if (t == nullptr) {
                std::string motivo = TipoExiste(tipo, leiaute)
                                         ? "o registro " + tipo + " tem " + std::to_string(n) + " campo(s), fora do leiaute"
                                         : "tipo de registro desconhecido no leiaute " + std::string(Nome(leiaute)) +
                                               ": \"" + ConverteParaUtf8(tipo.substr(0, 20)) + "\"";
                naoEnviadas.push_back("linha " + std::to_string(l.numero) + ": " + motivo);
                continue;
            }
            ponteiros.clear();
            for (const auto& c : campos) ponteiros.push_back(c.c_str());
            ++enviados;
            if (t->envia(ponteiros) != 0) ++rejeitados;
        }
    }
    Finaliza_NF_Paulista();
    DefineTratadorMensagem(nullptr);
    const double segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();

    const fs::path dir(op.saida);
    const fs::path arqSaida = dir / "VIZorudude.txt", arqErro = dir / "erro_VIZorudude.txt",
                   arqLog = dir / "log_VIZorudude.txt";
    out << "Leiaute " << Nome(leiaute) << ": " << enviados << " registro(s) enviados de " << linhas.size()
        << " linha(s) de " << op.nomeEntrada;
    if (segundos > 0 && enviados >= 1000)
        out << " em " << std::fixed << std::setprecision(2) << segundos << " s ("
            << static_cast<long long>(static_cast<double>(enviados) / segundos) << " registros/s)";
    out << "\n\n";
    out << "Registro  Aceitos  Com obs.  Rejeitados\n";
    long tOk = 0, tObs = 0, tErr = 0;
    for (const auto& c : LeLog(arqLog)) {
        out << std::left << std::setw(8) << c.tipo << std::right << std::setw(9) << c.ok << std::setw(10) << c.obs
            << std::setw(12) << c.erros << '\n';
        tOk += c.ok, tObs += c.obs, tErr += c.erros;
    }
    out << std::left << std::setw(8) << "Total" << std::right << std::setw(9) << tOk << std::setw(10) << tObs
        << std::setw(12) << tErr << "\n\n";

    auto descreve = [&](const char* rotulo, const fs::path& p) {
        out << rotulo << p.string();
        if (fs::exists(p))
            out << " (" << Tamanho(p) << " bytes)\n";
        else
            out << " (não criado)\n";
    };
    descreve("Arquivo de saída:  ", arqSaida);
    descreve("Arquivo de erros:  ", arqErro);
    descreve("Estatísticas:      ", arqLog);

    if (leiaute == Leiaute::Cat9807 && Tamanho(arqSaida) > kLimiteCat9807)
        out << "\nATENÇÃO: o arquivo de saída tem " << Tamanho(arqSaida)
            << " bytes, acima do limite de 500 KB por arquivo do leiaute CAT 98/07. Divida os registros em "
               "mais de um arquivo antes de entregá-lo.\n";

    if (!naoEnviadas.empty()) {
        out << "\nLinhas não enviadas (" << naoEnviadas.size() << "):\n";
        for (std::size_t i = 0; i < naoEnviadas.size() && i < 10; ++i) out << "  " << naoEnviadas[i] << '\n';
        if (naoEnviadas.size() > 10) out << "  ...\n";
    }
    const auto primeiros = LeRejeitados(arqErro, 3);
    if (!primeiros.empty()) {
        out << "\nPrimeiros problemas do arquivo de erros:\n";
        for (const auto& r : primeiros) {
            out << "  " << (r.titulo.empty() ? std::string("Verificação do arquivo") : r.titulo) << '\n';
            for (const auto& e : r.erros) out << "    " << e << '\n';
        }
    }
    return rejeitados == 0 && naoEnviadas.empty() ? 0 : 1;
}

}  // namespace tavro::cli
