// Whole runs of both layouts beside their floor: a plain loop that makes the
// file operations the library is obliged to make for the same run (for every
// accepted record: open the output file, append its line, close; for every
// block of the error file: open, append, close; for every CFOP or NCM check:
// open the list, read it whole, close), with the same byte counts, and
// nothing else.
//
//   tavro_bench_execucoes [--notas-a 2000] [--notas-b 20000] [--vezes 5]
//
// A: CAT 102/07, per invoice records 20, 5 x 30 (NCM from the real list), 40, 50, 60; then 90.
// B: CAT 98/07, per invoice records 20, 3 x 21, 2 x 22; then 90.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "tavrolib/tavrolib.h"

namespace fs = std::filesystem;

namespace {

const char* CNPJ = "11222333000181";

// One library call and what the floor must do for it.
struct Passo {
    std::function<std::int32_t()> chamada;
    int leiturasCFOP = 0, leiturasNCM = 0;
    std::size_t bytesSaida = 0, bytesErro = 0;  // filled by the measuring pass
};

std::vector<std::string> CodigosNCM(const fs::path& ncm) {
    std::vector<std::string> r;
    FILE* f = std::fopen(ncm.c_str(), "rb");
    char linha[4096];
    while (f && std::fgets(linha, sizeof linha, f))
        if (std::strlen(linha) >= 8) r.emplace_back(linha, 8);
    if (f) std::fclose(f);
    return r;
}

// The steps of one invoice of run A, its NCM codes drawn with `g` from the
// list (the codes are the list's own strings, which outlive the steps).
void NotaA(std::vector<Passo>& r, const std::vector<std::string>& ncm, std::mt19937& g) {
    r.push_back({[] {
                     return Registro20_CAT10207("I", nullptr, "Venda a Consumidor Final", "1", "20956",
                                                "10/12/2026 10:00:00", "10/12/2026 10:00:00", "1", "5102",
                                                "000000000000", "000000000000", CNPJ, "Casa F", "R S\xE3o Manoel",
                                                "176", "apto 18", "Centro", "S\xE3o Paulo", "SP", "10100000",
                                                "Brasil", "5550723", nullptr);
                 },
                 1, 0});
    for (int i = 0; i < 5; ++i) {
        const char* codigo = ncm[std::uniform_int_distribution<std::size_t>(0, ncm.size() - 1)(g)].c_str();
        r.push_back({[codigo] {
                         return Registro30_CAT10207("P1", "Produto", codigo, "un", "2,0000", "5,5000", "11,00", "010",
                                                    "18,00", "0,00", "0,00");
                     },
                     0, 1});
    }
    r.push_back({[] {
        return Registro40_CAT10207("10,00", "1,80", "0,00", "0,00", "55,00", "0,00", "0,00", "0,00", "0,00", "0,00",
                                   "55,00", "0,00", "0,00", "0,00");
    }});
    r.push_back({[] {
        return Registro50_CAT10207("0", CNPJ, "Transportadora", "000000000000", "Av. Central, 1", "Sao Paulo", "SP",
                                   "ABC1234", "SP", "1", "caixa", "X", "1", "1,000", "1,200");
    }});
    r.push_back({[] { return Registro60_CAT10207("Fatura", "Fisco", "Contribuinte"); }});
}

Passo Cabecalho() {
    return {[] { return Registro10_CAT10207("1,00", CNPJ, "01/12/2026", "31/12/2026"); }};
}

std::vector<Passo> ExecucaoA(int notas, const std::vector<std::string>& ncm) {
    std::mt19937 g(2026);
    std::vector<Passo> r{Cabecalho()};
    for (int n = 0; n < notas; ++n) NotaA(r, ncm, g);
    r.push_back({[] { return Registro90_CAT10207(); }});
    return r;
}

// Run A in a process of its own that keeps nothing but the library's state:
// one invoice's steps at a time. Its peak resident memory is the library's.
int SoExecucaoA(int notas, const fs::path& dir) {
    const auto ncm = CodigosNCM(dir / "ncm.res");
    std::mt19937 g(2026);
    fs::create_directories(dir / "memoria");
    Inicia_NF_Paulista((dir / "memoria").c_str(), dir.c_str());
    Cabecalho().chamada();
    std::vector<Passo> nota;
    for (int n = 0; n < notas; ++n) {
        nota.clear();
        NotaA(nota, ncm, g);
        for (auto& p : nota) p.chamada();
    }
    Registro90_CAT10207();
    Finaliza_NF_Paulista();
    return 0;
}

double MemoriaDaExecucaoA(int notas, const fs::path& dir) {
    const pid_t filho = ::fork();
    if (filho == 0) {
        const std::string n = std::to_string(notas);
        ::execl("/proc/self/exe", "tavro_bench_execucoes", "--so-execucao-a", n.c_str(), dir.c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    struct rusage uso;
    ::wait4(filho, &status, 0, &uso);
    return static_cast<double>(uso.ru_maxrss) / 1024.0;
}

std::vector<Passo> ExecucaoB(int notas) {
    std::vector<Passo> r{Cabecalho()};
    for (int n = 0; n < notas; ++n) {
        r.push_back({[] {
            return Registro20_CAT9807("1", "123456", "123456789", "10/12/2026", "10/12/2026", CNPJ, "Empresa Exemplo",
                                      "Rua das Flores", "123", "Loja", "Centro", "S\xE3o Paulo", "SP", "01310100",
                                      "55501234", "15,00", "0,00", "0,00", "0,00", "0,00", "Texto Livre", "15,00",
                                      "Texto Livre", "Texto Livre", "2", nullptr, nullptr, nullptr, nullptr, nullptr,
                                      nullptr, "2", "15,00", "15,00", "0");
        }});
        for (int i = 0; i < 3; ++i)
            r.push_back({[] {
                return Registro21_CAT9807("1", "123456", "1", "Descricao da mercadoria", "Kg", "1,00", "5,00", "5,00");
            }});
        for (int i = 0; i < 2; ++i) r.push_back({[] { return Registro22_CAT9807("7,50", "12/01/2027"); }});
    }
    r.push_back({[] { return Registro90_CAT9807(); }});
    return r;
}

std::size_t Tamanho(const fs::path& p) {
    struct stat st;
    return ::stat(p.c_str(), &st) == 0 ? static_cast<std::size_t>(st.st_size) : 0;
}

void TAVRO_CALL Silencio(const char*) {}

double Biblioteca(std::vector<Passo>& passos, const fs::path& dir, bool medeBytes) {
    fs::remove_all(dir / "saida");
    fs::create_directories(dir / "saida");
    const auto inicio = std::chrono::steady_clock::now();
    Inicia_NF_Paulista((dir / "saida").c_str(), dir.c_str());
    std::size_t saida = 0, erro = 0;
    for (auto& p : passos) {
        p.chamada();
        if (medeBytes) {
            const std::size_t s = Tamanho(dir / "saida" / "VIZorudude.txt");
            const std::size_t e = Tamanho(dir / "saida" / "erro_VIZorudude.txt");
            p.bytesSaida = s - saida;
            p.bytesErro = e - erro;
            saida = s, erro = e;
        }
    }
    Finaliza_NF_Paulista();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
}

void Acrescenta(const fs::path& p, const std::vector<char>& bytes, std::size_t n) {
    int fd = ::open(p.c_str(), O_WRONLY | O_APPEND | O_CREAT, 0666);
    if (::write(fd, bytes.data(), n) < 0) std::perror("write");
    ::close(fd);
}

void LeTudo(const fs::path& p, std::vector<char>& buf) {
    int fd = ::open(p.c_str(), O_RDONLY);
    for (ssize_t n, total = 0; (n = ::read(fd, buf.data() + total, buf.size() - static_cast<std::size_t>(total))) > 0;)
        total += n;
    ::close(fd);
}

double Piso(const std::vector<Passo>& passos, const fs::path& dir) {
    fs::remove_all(dir / "piso");
    fs::create_directories(dir / "piso");
    const fs::path saida = dir / "piso" / "VIZorudude.txt", erro = dir / "piso" / "erro_VIZorudude.txt";
    const fs::path cfop = dir / "cfop.res", ncm = dir / "ncm.res";
    std::vector<char> bytes(1 << 20, 'x'), leitura(1 << 20);
    const auto inicio = std::chrono::steady_clock::now();
    for (const auto& p : passos) {
        for (int i = 0; i < p.leiturasCFOP; ++i) LeTudo(cfop, leitura);
        for (int i = 0; i < p.leiturasNCM; ++i) LeTudo(ncm, leitura);
        if (p.bytesSaida > 0) Acrescenta(saida, bytes, p.bytesSaida);
        if (p.bytesErro > 0) Acrescenta(erro, bytes, p.bytesErro);
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
}

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void Mede(const char* nome, std::vector<Passo> passos, const fs::path& dir, int vezes) {
    Biblioteca(passos, dir, true);  // measuring pass: the bytes each call wrote
    std::vector<double> lib, piso;
    for (int i = 0; i < vezes; ++i) {
        // Alternate which goes first, so that neither always inherits the
        // other's pending disk work.
        if (i % 2 == 0) {
            lib.push_back(Biblioteca(passos, dir, false));
            piso.push_back(Piso(passos, dir));
        } else {
            piso.push_back(Piso(passos, dir));
            lib.push_back(Biblioteca(passos, dir, false));
        }
    }
    const double n = static_cast<double>(passos.size());
    const double l = Mediana(lib), p = Mediana(piso);
    std::printf("%s: %zu registros | biblioteca %.3f s, %.0f registros/s | piso %.3f s, %.0f registros/s | razão %.2f\n",
                nome, passos.size(), l, n / l, p, n / p, l / p);
}

}  // namespace

int main(int argc, char** argv) {
    DefineTratadorMensagem(Silencio);
    if (argc == 4 && std::string(argv[1]) == "--so-execucao-a") return SoExecucaoA(std::atoi(argv[2]), argv[3]);
    int notasA = 2000, notasB = 20000, vezes = 5;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--notas-a") notasA = std::atoi(argv[i + 1]);
        if (a == "--notas-b") notasB = std::atoi(argv[i + 1]);
        if (a == "--vezes") vezes = std::atoi(argv[i + 1]);
    }
    const fs::path dir = fs::temp_directory_path() / ("tavro_execucoes_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::copy_file(TAVRO_DADOS "/cfop.res", dir / "cfop.res", fs::copy_options::overwrite_existing);
    fs::copy_file(TAVRO_DADOS "/ncm.res", dir / "ncm.res", fs::copy_options::overwrite_existing);

    std::printf("mediana de %d execuções de cada, lado a lado\n", vezes);
    Mede("A (CAT 102/07)", ExecucaoA(notasA, CodigosNCM(dir / "ncm.res")), dir, vezes);
    Mede("B (CAT 98/07) ", ExecucaoB(notasB), dir, vezes);
    for (int notas : {notasA, notasA * 10})
        std::printf("pico de memória residente de um processo que faz a execução A com %d notas: %.1f MB\n", notas,
                    MemoriaDaExecucaoA(notas, dir));
    fs::remove_all(dir);
    return 0;
}
