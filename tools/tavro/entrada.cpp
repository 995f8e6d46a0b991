#include "entrada.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>

#include "utf8.h"

namespace tavro::cli {

bool LeEntrada(const std::string& caminho, std::string& bytes, std::string& erro) {
    if (caminho == "-") {
        bytes.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return true;
    }
    std::ifstream f(caminho, std::ios::binary);
    if (!f) {
        erro = "não foi possível abrir " + caminho + ": " + std::strerror(errno);
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    if (f.bad()) {
        erro = "erro ao ler " + caminho;
        return false;
    }
    return true;
}

std::vector<Linha> DivideLinhas(std::string_view bytes, Codificacao codificacao, bool* eraUtf8) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    bool utf8 = codificacao == Codificacao::Utf8;
    if (codificacao == Codificacao::Auto) {
        bool naoAscii = false;
        for (char c : bytes)
            if (static_cast<unsigned char>(c) >= 0x80) {
                naoAscii = true;
                break;
            }
        utf8 = naoAscii && EhUtf8Valido(bytes);
    }
    if (eraUtf8 != nullptr) *eraUtf8 = utf8;

    std::vector<Linha> linhas;
    int numero = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        std::size_t fim = bytes.find('\n', i);
        if (fim == std::string_view::npos) fim = bytes.size();
        std::string_view t = bytes.substr(i, fim - i);
        if (t.ends_with('\r')) t.remove_suffix(1);
        ++numero;
        i = fim + 1;
        if (t.empty()) continue;
        Linha l{numero, {}, {}};
        if (utf8) {
            std::size_t pos = 0;
            if (!ConverteDeUtf8(t, l.texto, &pos))
                l.erro = "caractere fora do Windows-1252 (ou UTF-8 inválido) na coluna " + std::to_string(pos + 1);
        } else {
            l.texto.assign(t);
        }
        linhas.push_back(std::move(l));
    }
    return linhas;
}

void DivideCampos(std::string_view linha, std::string& tipo, std::vector<std::string>& campos) {
    campos.clear();
    const std::size_t barra = linha.find('|');
    tipo.assign(linha.substr(0, barra));
    if (barra == std::string_view::npos) return;
    std::size_t i = barra + 1;
    for (;;) {
        const std::size_t f = linha.find('|', i);
        campos.emplace_back(linha.substr(i, f == std::string_view::npos ? std::string_view::npos : f - i));
        if (f == std::string_view::npos) break;
        i = f + 1;
    }
}

}  // namespace tavro::cli
