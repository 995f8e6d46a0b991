// A Windows host that binds the DLL at run time, as most invoicing programs
// do: LoadLibraryA, then GetProcAddress for every name of the export list.
//   verifica_exportacoes.exe Tavrolib.dll exportacoes.lista
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "uso: verifica_exportacoes DLL LISTA\n");
        return 2;
    }
    HMODULE dll = ::LoadLibraryA(argv[1]);
    if (dll == nullptr) {
        std::fprintf(stderr, "LoadLibraryA(%s) failed: %lu\n", argv[1], ::GetLastError());
        return 1;
    }
    std::ifstream lista(argv[2]);
    std::string nome;
    int achados = 0, faltam = 0;
    while (std::getline(lista, nome)) {
        if (!nome.empty() && nome.back() == '\r') nome.pop_back();
        if (nome.empty()) continue;
        if (::GetProcAddress(dll, nome.c_str()) != nullptr) {
            ++achados;
        } else {
            std::fprintf(stderr, "not found by name: %s\n", nome.c_str());
            ++faltam;
        }
    }
    using Versao = int(__stdcall*)();
    auto versao = reinterpret_cast<Versao>(reinterpret_cast<void*>(::GetProcAddress(dll, "Info_Versao")));
    const int v = versao != nullptr ? versao() : -1;
    std::printf("%d exports found by name, %d missing; Info_Versao = %d\n", achados, faltam, v);
    ::FreeLibrary(dll);
    return faltam == 0 && achados > 0 && v == 101 ? 0 : 1;
}
