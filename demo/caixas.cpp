#include "caixas.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

class Reais final : public Caixas {
public:
    void Mostra(QWidget* dono, const QString& titulo, const QString& texto, Icone icone) override {
        QMessageBox caixa(icone == Icone::Erro    ? QMessageBox::Critical
                          : icone == Icone::Aviso ? QMessageBox::Warning
                                                  : QMessageBox::NoIcon,
                          titulo, texto, QMessageBox::Ok, dono);
        caixa.exec();
    }
    QString EscolheArquivo(QWidget* dono, const QString& pastaInicial) override {
        auto* dialogo = dono != nullptr ? dono->findChild<QFileDialog*>("OpenDialog1") : nullptr;
        if (dialogo == nullptr) return {};
        dialogo->setDirectory(pastaInicial);
        if (dialogo->exec() != QDialog::Accepted || dialogo->selectedFiles().isEmpty()) return {};
        return dialogo->selectedFiles().first();
    }
};

}  // namespace

Caixas& CaixasReais() {
    static Reais reais;
    return reais;
}
