// What the library needs from the operating system: files, the user's message
// box, the regional number separators and the allocator shared with the host.
// One implementation per platform (plataforma_posix.cpp, plataforma_windows.cpp);
// CMake picks the file. Tests replace the instance to inject faults.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace tavro::plataforma {

// A read buffer whose memory is reused from call to call (never zero-filled).
struct Buffer {
    std::unique_ptr<char[]> dados;
    std::size_t capacidade = 0;
    std::size_t tamanho = 0;

    std::string_view Conteudo() const { return {dados.get(), tamanho}; }
    // Makes room for at least `n` bytes, keeping the first `tamanho`.
    void Reserva(std::size_t n) {
        if (n <= capacidade) return;
        std::size_t nova = capacidade * 2 > n ? capacidade * 2 : n;
        auto novos = std::make_unique_for_overwrite<char[]>(nova);
        if (tamanho > 0) std::memcpy(novos.get(), dados.get(), tamanho);
        dados = std::move(novos);
        capacidade = nova;
    }
};

struct Separadores {
    char decimal = ',';
    char grupo = '.';
};

class Plataforma {
public:
    virtual ~Plataforma() = default;

    virtual bool DiretorioExiste(const std::string& caminho) = 0;
    virtual bool ArquivoExiste(const std::string& caminho) = 0;
    virtual bool ApagaArquivo(const std::string& caminho) = 0;

    // Appends the bytes to the file, creating it when missing; on creation the
    // prefix (the output file's byte-order mark, or nothing) is written first.
    // The file is opened and closed within the call. On failure nothing of
    // this call is left in the file and false is returned.
    virtual bool Acrescenta(const std::string& caminho, std::string_view bytes,
                            std::string_view prefixoAoCriar) = 0;

    // Reads the whole file into `destino`. False when the file cannot be
    // opened or read to its end.
    virtual bool LeArquivo(const std::string& caminho, Buffer& destino) = 0;

    // Shows a text (Windows-1252) to the user and returns when it was seen.
    virtual void MostraMensagem(const std::string& texto) = 0;

    virtual Separadores SeparadoresRegionais() = 0;
};

// The instance in use: the system's, unless a test replaced it.
Plataforma& Atual();
// Test seam: nullptr restores the system's instance.
void Substitui(Plataforma* p);
// The system's instance, for test doubles that forward to it.
Plataforma& DoSistema();

// Path joining: the directory exactly as given, the separator, the name.
char SeparadorCaminho();
std::string Junta(std::string_view diretorio, std::string_view nome);
// Where the stand-alone error block goes before any run was ever started.
std::string CaminhoErroSemExecucao();

// Allocator shared with the host for the filters' results.
char* AlocaTexto(std::size_t bytes);
void LiberaTexto(char* texto);

}  // namespace tavro::plataforma
