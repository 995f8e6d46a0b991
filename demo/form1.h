// The demonstration window: one button per record of each layout, sending
// the sample data through the library.
#pragma once

#include <QDialog>
#include <cstdint>

class QAbstractButton;
class QGroupBox;
class QLineEdit;
class QMenu;
class QAction;
class QFileDialog;
class Caixas;

class TForm1 : public QDialog {
    Q_OBJECT

public:
    explicit TForm1(Caixas& caixas, QWidget* pai = nullptr);
    ~TForm1() override;

    // The result handler every record button uses.
    void Trata_VIZorudude_Int(QAbstractButton* sender, std::int32_t resultado);
    QMenu* Menu() const { return PopupMenu1; }
    QFileDialog* Dialogo() const { return OpenDialog1; }

protected:
    void showEvent(QShowEvent* e) override;

private slots:
    void Reg10BtnClick();
    void Reg20BtnClick();
    void Reg30BtnClick();
    void Reg40BtnClick();
    void Reg50BtnClick();
    void Reg60BtnClick();
    void Reg90BtnClick();
    void Reg10_CAT9807Click();
    void Reg20_CAT9807Click();
    void Reg21_CAT9807Click();
    void Reg22_CAT9807Click();
    void Reg90_CAT9807Click();
    void Sequencia10_20_30_40_50_60_90Click();
    void BitBtn1Click();
    void BitBtn2Click();

private:
    void Registro10(QAbstractButton* botao, QGroupBox* outroGrupo);
    void Habilita(QGroupBox* grupo, bool habilitado);
    QString Procura();

    Caixas& caixas_;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QGroupBox* GroupBox2;
    QGroupBox* GroupBox3;
    QAbstractButton *Reg10Btn, *Reg20Btn, *Reg30Btn, *Reg40Btn, *Reg50Btn, *Reg60Btn, *Reg90Btn;
    QAbstractButton *Reg10_CAT9807, *Reg20_CAT9807, *Reg21_CAT9807, *Reg22_CAT9807, *Reg90_CAT9807;
    QMenu* PopupMenu1;
    QFileDialog* OpenDialog1;
};
