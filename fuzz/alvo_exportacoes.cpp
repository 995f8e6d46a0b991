// Fuzz target: decodes its input into a sequence of export calls with
// arbitrary byte strings, NULLs and lengths up to 64 KB, inside a run in a
// temporary folder, and checks after every call what must always hold:
//  - records answer 0 or -1, validators 1 or 0;
//  - an accepted record added exactly one line to the output file, with the
//    record's number of fields and no CR, LF or "|" inside a field; a
//    rejected one added none;
//  - what a call added to the error file is a sequence of well-formed blocks;
//  - when a run ends, the log's counters equal the results seen.
//
// Input: a sequence of operations. One byte picks the operation (modulo the
// table below); then each argument: a byte 255 is NULL, 254 is followed by a
// two-byte little-endian length, any other byte is the length; then the bytes.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/estado.h"
#include "le_arquivo.h"
#include "tavrolib/tavrolib.h"

using tavro::teste::LeArquivo;
namespace fs = std::filesystem;

namespace {

enum class Tipo { Registro, Validador, Filtro, Inicia, Finaliza, Versao };

struct Operacao {
    const char* nome;
    Tipo tipo;
    int argumentos;
    const char* registro;  // the record type counted, for records
    int campos;            // fields in its output line
    void* funcao;
};

#define R(nome, n, tipoReg) \
    { #nome, Tipo::Registro, n, tipoReg, n, reinterpret_cast < void*>(&nome) }
#define V(nome, n) \
    { #nome, Tipo::Validador, n, nullptr, 0, reinterpret_cast < void*>(&nome) }

const Operacao kOperacoes[] = {
    R(Registro10_CAT10207, 4, "10"),
    R(Registro20_CAT10207, 23, "20"),
    R(Registro30_CAT10207, 11, "30"),
    R(Registro40_CAT10207, 14, "40"),
    R(Registro50_CAT10207, 15, "50"),
    R(Registro60_CAT10207, 3, "60"),
    {"Registro90_CAT10207", Tipo::Registro, 0, "90", 5, reinterpret_cast<void*>(&Registro90_CAT10207)},
    R(Registro20_CAT9807, 35, "20"),
    R(Registro21_CAT9807, 8, "21"),
    R(Registro22_CAT9807, 2, "22"),
    {"Registro90_CAT9807", Tipo::Registro, 0, "90", 4, reinterpret_cast<void*>(&Registro90_CAT9807)},
    V(IsVIZorududeDate, 1),
    V(vCPF, 1),
    V(vCNPJ, 1),
    V(vUF, 1),
    V(vCEP_UF, 2),
    V(vLeiaute, 1),
    V(vCST, 1),
    V(vCOD_CFOP, 1),
    V(vCOD_NCM, 1),
    V(vInd_tipo_frete, 1),
    V(vFunc_Reg, 1),
    V(vxJust, 2),
    V(vtpNF, 1),
    V(vItemNF, 1),
    V(vSerie_NFVC, 1),
    V(vEntrega_Domicilio, 1),
    V(vRealiza_Venda_Prazo, 1),
    V(vTipo_Receita, 1),
    {"RemoveAlfaInvalid", Tipo::Filtro, 1, nullptr, 0, reinterpret_cast<void*>(&RemoveAlfaInvalid)},
    {"RemoveNumInvalid", Tipo::Filtro, 1, nullptr, 0, reinterpret_cast<void*>(&RemoveNumInvalid)},
    {"Inicia_NF_Paulista", Tipo::Inicia, 0, nullptr, 0, nullptr},
    {"Finaliza_NF_Paulista", Tipo::Finaliza, 0, nullptr, 0, nullptr},
    {"Info_Versao", Tipo::Versao, 0, nullptr, 0, nullptr},
};
constexpr std::size_t kNumOperacoes = sizeof(kOperacoes) / sizeof(kOperacoes[0]);

#undef R
#undef V

void Falha(const char* oque, const std::string& detalhe = {}) {
    std::fprintf(stderr, "INVARIANTE: %s %s\n", oque, detalhe.c_str());
    std::abort();
}

std::size_t Tamanho(const fs::path& p) {
    struct stat st;
    return ::stat(p.c_str(), &st) == 0 ? static_cast<std::size_t>(st.st_size) : 0;
}

// Calls a function of `n` text arguments.
std::intptr_t Chama(void* f, const std::vector<const char*>& a, Tipo tipo) {
    using S = const char*;
    if (tipo == Tipo::Validador) {
        switch (a.size()) {
            case 1:
                return reinterpret_cast<TAVRO_BOOL (*)(S)>(f)(a[0]);
            case 2:
                return reinterpret_cast<TAVRO_BOOL (*)(S, S)>(f)(a[0], a[1]);
        }
    }
    switch (a.size()) {
        case 0:
            return reinterpret_cast<std::int32_t (*)()>(f)();
        case 2:
            return reinterpret_cast<std::int32_t (*)(S, S)>(f)(a[0], a[1]);
        case 3:
            return reinterpret_cast<std::int32_t (*)(S, S, S)>(f)(a[0], a[1], a[2]);
        case 4:
            return reinterpret_cast<std::int32_t (*)(S, S, S, S)>(f)(a[0], a[1], a[2], a[3]);
        default:
            break;
    }
    // The long records: through a fixed-size array of arguments.
    std::vector<S> v(35, nullptr);
    for (std::size_t i = 0; i < a.size(); ++i) v[i] = a[i];
    switch (a.size()) {
        case 8:
            return reinterpret_cast<std::int32_t (*)(S, S, S, S, S, S, S, S)>(f)(v[0], v[1], v[2], v[3], v[4], v[5],
                                                                                 v[6], v[7]);
        case 11:
            return reinterpret_cast<std::int32_t (*)(S, S, S, S, S, S, S, S, S, S, S)>(f)(
                v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10]);
        case 14:
            return reinterpret_cast<std::int32_t (*)(S, S, S, S, S, S, S, S, S, S, S, S, S, S)>(f)(
                v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13]);
        case 15:
            return reinterpret_cast<std::int32_t (*)(S, S, S, S, S, S, S, S, S, S, S, S, S, S, S)>(f)(
                v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13], v[14]);
        case 23:
            return Registro20_CAT10207(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12],
                                       v[13], v[14], v[15], v[16], v[17], v[18], v[19], v[20], v[21], v[22]);
        case 35:
            return Registro20_CAT9807(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12],
                                      v[13], v[14], v[15], v[16], v[17], v[18], v[19], v[20], v[21], v[22], v[23],
                                      v[24], v[25], v[26], v[27], v[28], v[29], v[30], v[31], v[32], v[33], v[34]);
    }
    Falha("aridade sem chamada", std::to_string(a.size()));
    return 0;
}

// What a call added to the error file: blocks, each a blank line and then
// report lines or sections whose items begin with a tab and two spaces.
void VerificaBlocos(const std::string& novo) {
    if (novo.empty()) return;
    if (novo.size() < 2 || novo.compare(novo.size() - 2, 2, "\r\n") != 0) Falha("bloco sem CR LF no fim");
    std::vector<std::string> linhas;
    for (std::size_t i = 0; i < novo.size();) {
        const std::size_t f = novo.find("\r\n", i);
        std::string l = novo.substr(i, f - i);
        if (l.find_first_of("\r\n") != std::string::npos) Falha("CR ou LF solto no arquivo de erros");
        linhas.push_back(l);
        i = f + 2;
    }
    if (!linhas[0].empty()) Falha("bloco que não começa com linha em branco", linhas[0]);
    enum { Inicio, Relatorio, Secao } estado = Inicio;
    for (std::size_t i = 1; i < linhas.size(); ++i) {
        const std::string& l = linhas[i];
        if (l.empty()) {
            estado = Inicio;
            continue;
        }
        if (l == "\tErro(s) do Registro:" || l == "\tObserva\xE7\xE3o do Registro:") {
            if (!linhas[i - 1].empty()) Falha("seção sem linha em branco antes");
            estado = Secao;
        } else if (l.rfind("REGISTRO ", 0) == 0 && estado == Inicio) {
            estado = Relatorio;
        } else if (estado == Secao) {
            if (l.rfind("\t  ", 0) != 0) Falha("item de seção sem tabulação e dois espaços", l);
        } else if (estado == Relatorio) {
            if (l[0] != '\t') Falha("linha de relatório sem tabulação", l);
        } else {
            Falha("linha fora de bloco", l);
        }
    }
}

struct Ambiente {
    fs::path raiz, saida, entrada;
    Ambiente() {
        // In memory when the system offers it: the target is mostly file operations.
        const fs::path shm = "/dev/shm";
        raiz = (fs::is_directory(shm) ? shm : fs::temp_directory_path()) / ("tavro_fuzz_" + std::to_string(::getpid()));
        saida = raiz / "saida";
        entrada = raiz / "entrada";
        fs::create_directories(saida);
        fs::create_directories(entrada);
        // Small lists: the fuzzer's values meet them often.
        std::ofstream(entrada / "cfop.res", std::ios::binary) << "CFOP\r\n5102 Venda\r\n1000\r\n\x1a"
                                                                 "6102\r\n";
        std::ofstream(entrada / "ncm.res", std::ios::binary) << "22060090 Outras\r\n01012100\n0101\r\n";
        DefineTratadorMensagem([](const char*) {});
    }
    ~Ambiente() { fs::remove_all(raiz); }
};

struct Execucao {
    bool iniciada = false;
    std::map<std::string, std::pair<long, long>> contagens;  // type -> accepted, rejected
};

void VerificaLog(const fs::path& log, const Execucao& ex) {
    std::map<std::string, std::pair<long, long>> lidas;
    std::istringstream s(LeArquivo(log));
    std::string linha;
    while (std::getline(s, linha)) {
        if (linha.rfind("Registro ", 0) != 0) continue;
        std::istringstream c(linha.substr(9));
        std::string tipo;
        long ok = 0, obs = 0, erros = 0;
        c >> tipo >> ok >> obs >> erros;
        lidas[tipo] = {ok, erros};
    }
    for (const auto& [tipo, n] : ex.contagens)
        if ((n.first != 0 || n.second != 0) && lidas[tipo] != n) Falha("contadores do log diferentes", tipo);
    for (const auto& [tipo, n] : lidas) {
        auto it = ex.contagens.find(tipo);
        if (n.first + n.second > 0 && (it == ex.contagens.end() || it->second != n))
            Falha("contadores do log diferentes", tipo);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    static Ambiente amb;
    tavro::ReiniciaEstadoParaTeste();
    for (const char* nome : {"VIZorudude.txt", "erro_VIZorudude.txt", "log_VIZorudude.txt"})
        fs::remove(amb.saida / nome);
    const fs::path arqSaida = amb.saida / "VIZorudude.txt", arqErro = amb.saida / "erro_VIZorudude.txt";
    Execucao ex;
    auto inicia = [&] {
        const int r = Inicia_NF_Paulista(amb.saida.c_str(), amb.entrada.c_str());
        if (ex.iniciada ? r != -1 : r != 0) Falha("Inicia_NF_Paulista");
        if (!ex.iniciada) ex = Execucao{true, {}};
    };
    inicia();

    std::size_t i = 0;
    std::vector<std::string> textos;
    std::vector<bool> nulos;
    std::vector<const char*> args;
    while (i < tamanho) {
        const Operacao& op = kOperacoes[dados[i++] % kNumOperacoes];
        textos.clear();
        nulos.clear();
        args.clear();
        textos.reserve(static_cast<std::size_t>(op.argumentos));
        for (int a = 0; a < op.argumentos; ++a) {
            std::size_t n = 0;
            bool nulo = false;
            if (i < tamanho) {
                const std::uint8_t b = dados[i++];
                if (b == 255) {
                    nulo = true;
                } else if (b == 254 && i + 2 <= tamanho) {
                    n = static_cast<std::size_t>(dados[i] | (dados[i + 1] << 8));
                    i += 2;
                } else {
                    n = b;
                }
            }
            n = std::min(n, tamanho - i);
            std::string t(reinterpret_cast<const char*>(dados + i), n);
            i += n;
            t.resize(std::strlen(t.c_str()));  // a C text ends at its first NUL
            textos.push_back(std::move(t));
            nulos.push_back(nulo);
        }
        for (std::size_t a = 0; a < textos.size(); ++a) args.push_back(nulos[a] ? nullptr : textos[a].c_str());

        switch (op.tipo) {
            case Tipo::Inicia:
                inicia();
                break;
            case Tipo::Finaliza:
                Finaliza_NF_Paulista();
                if (ex.iniciada) VerificaLog(amb.saida / "log_VIZorudude.txt", ex);
                ex.iniciada = false;
                break;
            case Tipo::Versao:
                if (Info_Versao() != 101) Falha("Info_Versao");
                break;
            case Tipo::Filtro: {
                char* r = nullptr;
                reinterpret_cast<void (*)(char**, const char*)>(op.funcao)(&r, args[0]);
                const std::string entrada = args[0] != nullptr ? args[0] : "";
                const std::string saida = r != nullptr ? r : "<NULL>";
                std::free(r);
                if (saida.size() > entrada.size()) Falha("filtro aumentou o texto");
                break;
            }
            case Tipo::Validador: {
                const auto r = Chama(op.funcao, args, op.tipo);
                if (r != 0 && r != 1) Falha("validador fora de 0/1", op.nome);
                break;
            }
            case Tipo::Registro: {
                const std::size_t antesSaida = Tamanho(arqSaida), antesErro = Tamanho(arqErro);
                const auto r = Chama(op.funcao, args, op.tipo);
                if (r != 0 && r != -1) Falha("registro fora de 0/-1", op.nome);
                if (Tamanho(arqSaida) < antesSaida || Tamanho(arqErro) < antesErro) Falha("arquivo encolheu");
                std::string nova = LeArquivo(arqSaida, antesSaida);
                if (antesSaida == 0) {
                    if (!nova.empty() && nova.rfind("\xEF\xBB\xBF", 0) != 0) Falha("saída sem marca UTF-8");
                    if (!nova.empty()) nova.erase(0, 3);
                }
                if (r == 0) {
                    if (!ex.iniciada) Falha("aceito fora de uma execução");
                    if (nova.size() < 2 || nova.compare(nova.size() - 2, 2, "\r\n") != 0) Falha("linha sem CR LF");
                    const std::string linha = nova.substr(0, nova.size() - 2);
                    if (linha.find_first_of("\r\n") != std::string::npos) Falha("mais de uma linha", op.nome);
                    const auto barras = std::count(linha.begin(), linha.end(), '|');
                    if (barras != op.campos) Falha("número de campos", op.nome);
                    if (linha.compare(0, 2, op.registro) != 0) Falha("tipo da linha", op.nome);
                    ++ex.contagens[op.registro].first;
                } else {
                    if (!nova.empty()) Falha("rejeitado escreveu na saída", op.nome);
                    if (ex.iniciada) ++ex.contagens[op.registro].second;
                }
                VerificaBlocos(LeArquivo(arqErro, antesErro));
                break;
            }
        }
    }
    Finaliza_NF_Paulista();
    if (ex.iniciada) VerificaLog(amb.saida / "log_VIZorudude.txt", ex);
    return 0;
}
