// POSIX implementation of the platform layer.
#include "plataforma.h"

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

#include "utf8.h"

namespace tavro::plataforma {
namespace {

// Writes all of `bytes`, adding to `escritos` what reached the file.
bool EscreveTudo(int fd, std::string_view bytes, std::size_t& escritos) {
    const char* p = bytes.data();
    std::size_t n = bytes.size();
    while (n > 0) {
        ssize_t w = ::write(fd, p, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (w == 0) return false;
        p += w;
        n -= static_cast<std::size_t>(w);
        escritos += static_cast<std::size_t>(w);
    }
    return true;
}

int Abre(const char* caminho, int flags, mode_t modo = 0) {
    int fd;
    do {
        fd = ::open(caminho, flags | O_CLOEXEC, modo);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// The narrow separator a locale gives, or `padrao` when it is not one byte.
char UmByte(const char* s, char padrao) {
    if (s != nullptr && s[0] != '\0' && s[1] == '\0') return s[0];
    return padrao;
}

class PlataformaPosix final : public Plataforma {
public:
    bool DiretorioExiste(const std::string& caminho) override {
        struct stat st;
        return ::stat(caminho.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    }

    bool ArquivoExiste(const std::string& caminho) override {
        struct stat st;
        return ::stat(caminho.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
    }

    bool ApagaArquivo(const std::string& caminho) override {
        return ::unlink(caminho.c_str()) == 0;
    }

    bool Acrescenta(const std::string& caminho, std::string_view bytes,
                    std::string_view prefixoAoCriar) override {
        // The usual case, a file that exists, costs one open; only a missing
        // file is created (exclusively, so that its prefix is written once).
        bool criado = false;
        int fd = Abre(caminho.c_str(), O_WRONLY | O_APPEND);
        if (fd < 0 && errno == ENOENT) {
            fd = Abre(caminho.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL, 0666);
            if (fd >= 0)
                criado = true;
            else if (errno == EEXIST)  // created meanwhile by someone else
                fd = Abre(caminho.c_str(), O_WRONLY | O_APPEND);
        }
        if (fd < 0) return false;

        std::size_t escritos = 0;
        bool ok = true;
        if (criado && !prefixoAoCriar.empty()) ok = EscreveTudo(fd, prefixoAoCriar, escritos);
        if (ok) ok = EscreveTudo(fd, bytes, escritos);
        if (!ok && escritos > 0) {
            // Leave no half line behind: the next append must start on a clean line.
            struct stat st;
            if (::fstat(fd, &st) == 0 && static_cast<std::size_t>(st.st_size) >= escritos &&
                ::ftruncate(fd, st.st_size - static_cast<off_t>(escritos)) != 0) {
                // nothing more can be done
            }
        }
        if (::close(fd) != 0) ok = false;
        if (!ok && criado) ::unlink(caminho.c_str());
        return ok;
    }

    bool LeArquivo(const std::string& caminho, Buffer& destino) override {
        destino.tamanho = 0;
        int fd = Abre(caminho.c_str(), O_RDONLY);
        if (fd < 0) return false;
        // The buffer keeps the size of earlier files, so a list read again
        // takes one read and the one that finds the end; it grows when a
        // file does not fit.
        destino.Reserva(64 * 1024);
        bool ok = true;
        for (;;) {
            if (destino.tamanho == destino.capacidade) destino.Reserva(destino.capacidade * 2);
            ssize_t r = ::read(fd, destino.dados.get() + destino.tamanho, destino.capacidade - destino.tamanho);
            if (r < 0) {
                if (errno == EINTR) continue;
                ok = false;  // a folder, a device error...
                break;
            }
            if (r == 0) break;
            destino.tamanho += static_cast<std::size_t>(r);
        }
        ::close(fd);
        if (!ok) destino.tamanho = 0;
        return ok;
    }

    void MostraMensagem(const std::string& texto) override {
        std::string linha = ConverteParaUtf8(texto);
        linha.push_back('\n');
        std::size_t escritos = 0;
        EscreveTudo(STDERR_FILENO, linha, escritos);
    }

    Separadores SeparadoresRegionais() override {
        // The locale the environment names, read without touching the host's
        // own locale (no setlocale). Unnamed, "C" or unknown: Brazilian settings.
        Separadores brasil;
        const char* nome = nullptr;
        for (const char* var : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
            const char* v = std::getenv(var);
            if (v != nullptr && v[0] != '\0') {
                nome = v;
                break;
            }
        }
        if (nome == nullptr) return brasil;
        std::string_view n(nome);
        if (n == "C" || n == "POSIX" || n.starts_with("C.")) return brasil;
        locale_t loc = ::newlocale(LC_NUMERIC_MASK, nome, static_cast<locale_t>(0));
        if (loc == static_cast<locale_t>(0)) return brasil;
        Separadores s;
        s.decimal = UmByte(::nl_langinfo_l(RADIXCHAR, loc), ',');
        s.grupo = UmByte(::nl_langinfo_l(THOUSEP, loc), s.decimal == ',' ? '.' : ',');
        ::freelocale(loc);
        return s;
    }
};

}  // namespace

Plataforma& DoSistema() {
    static PlataformaPosix instancia;
    return instancia;
}

char SeparadorCaminho() { return '/'; }

std::string CaminhoErroSemExecucao() { return "Erro_VIZorudude.txt"; }

char* AlocaTexto(std::size_t bytes) { return static_cast<char*>(std::malloc(bytes)); }

void LiberaTexto(char* texto) { std::free(texto); }

}  // namespace tavro::plataforma
