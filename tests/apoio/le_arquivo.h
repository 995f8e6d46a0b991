// The content of a file from byte `desde` on (the whole file by default), for
// tests that compare files byte for byte (empty when it cannot be read).
#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace tavro::teste {

inline std::string LeArquivo(const std::filesystem::path& p, std::size_t desde = 0) {
    std::ifstream f(p, std::ios::binary);
    if (desde != 0) f.seekg(static_cast<std::streamoff>(desde));
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

}  // namespace tavro::teste
