// An ordered list of text lines kept in one buffer: the messages of the
// record being processed. Emptying keeps the memory, so a run makes no
// allocation per report line once the buffer has grown.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavro {

class ListaLinhas {
public:
    void push_back(std::string_view linha) {
        texto_.append(linha);
        fins_.push_back(texto_.size());
    }
    void emplace_back(std::string_view linha) { push_back(linha); }

    // Builds a line in place: append to the returned text, then Fecha().
    std::string& Abre() { return texto_; }
    void Fecha() { fins_.push_back(texto_.size()); }

    bool empty() const { return fins_.empty(); }
    std::size_t size() const { return fins_.size(); }
    std::string_view operator[](std::size_t i) const {
        const std::size_t inicio = i == 0 ? 0 : fins_[i - 1];
        return std::string_view(texto_).substr(inicio, fins_[i] - inicio);
    }
    void clear() {
        texto_.clear();
        fins_.clear();
    }
    // Empties and gives the memory back.
    void Libera() {
        std::string().swap(texto_);
        std::vector<std::size_t>().swap(fins_);
    }

    class Iterador {
    public:
        Iterador(const ListaLinhas* l, std::size_t i) : l_(l), i_(i) {}
        std::string_view operator*() const { return (*l_)[i_]; }
        Iterador& operator++() {
            ++i_;
            return *this;
        }
        bool operator!=(const Iterador& o) const { return i_ != o.i_; }

    private:
        const ListaLinhas* l_;
        std::size_t i_;
    };
    Iterador begin() const { return {this, 0}; }
    Iterador end() const { return {this, fins_.size()}; }

private:
    std::string texto_;
    std::vector<std::size_t> fins_;
};

}  // namespace tavro
