// The window's texts are Unicode; the library's are Windows-1252.
#pragma once

#include <QByteArray>
#include <QString>

#include "utf8.h"

inline QByteArray Para1252(const QString& s) {
    std::string r;
    const QByteArray u = s.toUtf8();
    if (!tavro::ConverteDeUtf8(std::string_view(u.constData(), static_cast<std::size_t>(u.size())), r)) {
        // Characters the code page cannot hold become "?", as Windows does.
        r.clear();
        for (QChar c : s) {
            std::string um;
            const QByteArray b = QString(c).toUtf8();
            r += tavro::ConverteDeUtf8(std::string_view(b.constData(), static_cast<std::size_t>(b.size())), um) ? um : "?";
        }
    }
    return QByteArray(r.data(), static_cast<qsizetype>(r.size()));
}

inline QString De1252(const char* s) { return QString::fromStdString(tavro::ConverteParaUtf8(s != nullptr ? s : "")); }
