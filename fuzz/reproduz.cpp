// Replays the saved corpus through the fuzz target, without libFuzzer: every
// ordinary test run checks the invariants on these inputs.
//   tavro_fuzz_reproduz FILE_OR_FOLDER...
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    int n = 0;
    for (int a = 1; a < argc; ++a) {
        std::vector<fs::path> arquivos;
        if (fs::is_directory(argv[a])) {
            for (const auto& e : fs::directory_iterator(argv[a]))
                if (e.is_regular_file()) arquivos.push_back(e.path());
        } else {
            arquivos.emplace_back(argv[a]);
        }
        for (const auto& p : arquivos) {
            std::ifstream f(p, std::ios::binary);
            std::vector<char> b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(b.data()), b.size());
            ++n;
        }
    }
    std::printf("%d entradas reproduzidas\n", n);
    return n > 0 ? 0 : 1;
}
