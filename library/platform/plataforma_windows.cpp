// Windows implementation of the platform layer: the ANSI Win32 calls (paths
// are Windows-1252 bytes), MessageBoxA, the user's regional settings, and
// the COM task allocator, which .NET's marshaller releases.
#include <windows.h>
#include <objbase.h>

#include "plataforma.h"

namespace tavro::plataforma {
namespace {

DWORD Atributos(const std::string& caminho) { return ::GetFileAttributesA(caminho.c_str()); }

bool EscreveTudo(HANDLE h, std::string_view bytes, std::size_t& escritos) {
    while (!bytes.empty()) {
        const DWORD pedaco = bytes.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(bytes.size());
        DWORD n = 0;
        if (!::WriteFile(h, bytes.data(), pedaco, &n, nullptr) || n == 0) return false;
        bytes.remove_prefix(n);
        escritos += n;
    }
    return true;
}

class PlataformaWindows final : public Plataforma {
public:
    bool DiretorioExiste(const std::string& caminho) override {
        const DWORD a = Atributos(caminho);
        return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
    }

    bool ArquivoExiste(const std::string& caminho) override {
        const DWORD a = Atributos(caminho);
        return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) == 0;
    }

    bool ApagaArquivo(const std::string& caminho) override { return ::DeleteFileA(caminho.c_str()) != 0; }

    bool Acrescenta(const std::string& caminho, std::string_view bytes, std::string_view prefixoAoCriar) override {
        bool criado = false;
        HANDLE h = ::CreateFileA(caminho.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_FILE_NOT_FOUND) {
            h = ::CreateFileA(caminho.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
            criado = h != INVALID_HANDLE_VALUE;
        }
        if (h == INVALID_HANDLE_VALUE) return false;
        LARGE_INTEGER zero{}, inicio{};
        bool ok = ::SetFilePointerEx(h, zero, &inicio, FILE_END) != 0;
        std::size_t escritos = 0;
        if (ok && criado && !prefixoAoCriar.empty()) ok = EscreveTudo(h, prefixoAoCriar, escritos);
        if (ok) ok = EscreveTudo(h, bytes, escritos);
        if (!ok && escritos > 0) {
            // Leave no half line behind: the next append must start on a clean line.
            if (::SetFilePointerEx(h, inicio, nullptr, FILE_BEGIN)) ::SetEndOfFile(h);
        }
        if (!::CloseHandle(h)) ok = false;
        if (!ok && criado) ::DeleteFileA(caminho.c_str());
        return ok;
    }

    bool LeArquivo(const std::string& caminho, Buffer& destino) override {
        destino.tamanho = 0;
        HANDLE h = ::CreateFileA(caminho.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (h == INVALID_HANDLE_VALUE) return false;
        destino.Reserva(64 * 1024);
        bool ok = true;
        for (;;) {
            if (destino.tamanho == destino.capacidade) destino.Reserva(destino.capacidade * 2);
            const std::size_t livre = destino.capacidade - destino.tamanho;
            const DWORD pedir = livre > 0x40000000u ? 0x40000000u : static_cast<DWORD>(livre);
            DWORD n = 0;
            if (!::ReadFile(h, destino.dados.get() + destino.tamanho, pedir, &n, nullptr)) {
                ok = false;
                break;
            }
            if (n == 0) break;
            destino.tamanho += n;
        }
        ::CloseHandle(h);
        if (!ok) destino.tamanho = 0;
        return ok;
    }

    void MostraMensagem(const std::string& texto) override {
        ::MessageBoxA(nullptr, texto.c_str(), "Tavrolib", MB_OK | MB_ICONWARNING | MB_TASKMODAL);
    }

    Separadores SeparadoresRegionais() override {
        Separadores s;
        char b[8] = {};
        if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, b, sizeof b) == 2) s.decimal = b[0];
        if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, b, sizeof b) == 2) s.grupo = b[0];
        return s;
    }
};

}  // namespace

Plataforma& DoSistema() {
    static PlataformaWindows instancia;
    return instancia;
}

char SeparadorCaminho() { return '\\'; }

std::string CaminhoErroSemExecucao() { return "c:\\Erro_VIZorudude.txt"; }

char* AlocaTexto(std::size_t bytes) { return static_cast<char*>(::CoTaskMemAlloc(bytes)); }

void LiberaTexto(char* texto) { ::CoTaskMemFree(texto); }

}  // namespace tavro::plataforma
