// What the window asks of the user: message boxes and the file dialog. The
// program uses the real ones; the tests put a recorder in their place, so
// that no box blocks a test.
#pragma once

#include <QString>

class QWidget;

class Caixas {
public:
    enum class Icone { Nenhum, Erro, Aviso };
    virtual ~Caixas() = default;
    // A modal box with a single OK button.
    virtual void Mostra(QWidget* dono, const QString& titulo, const QString& texto, Icone icone) = 0;
    // The file-open dialog: the chosen file's full path, or empty when cancelled.
    virtual QString EscolheArquivo(QWidget* dono, const QString& pastaInicial) = 0;
};

// The real boxes and dialog.
Caixas& CaixasReais();
