// Validators and filters, per call; vCOD_NCM on the real list beside the
// floor: open, read and close the same file with plain system calls.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tavrolib/tavrolib.h"

namespace {

namespace fs = std::filesystem;

struct Listas {
    fs::path pasta;
    Listas() {
        pasta = fs::temp_directory_path() / ("tavro_bench_" + std::to_string(::getpid()));
        fs::create_directories(pasta / "saida");
        fs::copy_file(TAVRO_DADOS "/cfop.res", pasta / "cfop.res", fs::copy_options::overwrite_existing);
        fs::copy_file(TAVRO_DADOS "/ncm.res", pasta / "ncm.res", fs::copy_options::overwrite_existing);
        Inicia_NF_Paulista((pasta / "saida").c_str(), pasta.c_str());
    }
    ~Listas() {
        Finaliza_NF_Paulista();
        fs::remove_all(pasta);
    }
};

Listas& ListasReais() {
    static Listas l;
    return l;
}

void BM_vCOD_NCM(benchmark::State& st) {
    ListasReais();
    // A code from the end of the list: the whole file is scanned anyway.
    for (auto _ : st) benchmark::DoNotOptimize(vCOD_NCM("97069000"));
}
BENCHMARK(BM_vCOD_NCM);

void BM_PisoLeituraNCM(benchmark::State& st) {
    const std::string caminho = (ListasReais().pasta / "ncm.res").string();
    std::vector<char> buf(1 << 20);
    for (auto _ : st) {
        int fd = ::open(caminho.c_str(), O_RDONLY);
        ssize_t total = 0;
        for (ssize_t n; (n = ::read(fd, buf.data() + total, buf.size() - static_cast<std::size_t>(total))) > 0;)
            total += n;
        ::close(fd);
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_PisoLeituraNCM);

void BM_vCOD_CFOP(benchmark::State& st) {
    ListasReais();
    for (auto _ : st) benchmark::DoNotOptimize(vCOD_CFOP("5102"));
}
BENCHMARK(BM_vCOD_CFOP);

void BM_vCPF(benchmark::State& st) {
    for (auto _ : st) benchmark::DoNotOptimize(vCPF("529.982.247-25"));
}
BENCHMARK(BM_vCPF);

void BM_vCNPJ(benchmark::State& st) {
    for (auto _ : st) benchmark::DoNotOptimize(vCNPJ("11222333000181"));
}
BENCHMARK(BM_vCNPJ);

void BM_IsVIZorududeDate(benchmark::State& st) {
    for (auto _ : st) benchmark::DoNotOptimize(IsVIZorududeDate("29/02/2000"));
}
BENCHMARK(BM_IsVIZorududeDate);

template <void (*Filtro)(char**, const char*)>
void BM_Filtro(benchmark::State& st) {
    std::string texto;
    while (texto.size() < static_cast<std::size_t>(st.range(0))) texto += "R$ 1.234,56 | S\xE3o Paulo! ";
    texto.resize(static_cast<std::size_t>(st.range(0)));
    char* r = nullptr;
    for (auto _ : st) Filtro(&r, texto.c_str());
    std::free(r);
}
BENCHMARK(BM_Filtro<RemoveAlfaInvalid>)->Name("BM_RemoveAlfaInvalid")->Arg(60)->Arg(5000);
BENCHMARK(BM_Filtro<RemoveNumInvalid>)->Name("BM_RemoveNumInvalid")->Arg(60)->Arg(5000);

}  // namespace

BENCHMARK_MAIN();
