// The C boundary: no exception ever leaves an export. Every export runs its
// body through Protegido, which turns any failure into the export's "no"
// answer (-1 for records, 0 for validators, nothing for the others).
#pragma once

#include <type_traits>

namespace tavro {

template <class F>
auto Protegido(F&& corpo) noexcept -> void {
    try {
        corpo();
    } catch (...) {
    }
}

template <class R, class F>
auto Protegido(R falha, F&& corpo) noexcept -> R {
    try {
        return corpo();
    } catch (...) {
        return falha;
    }
}

}  // namespace tavro
