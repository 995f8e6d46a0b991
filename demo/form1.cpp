#include "form1.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "amostra.h"
#include "caixas.h"
#include "tavrolib/tavrolib.h"
#include "texto1252.h"

using namespace tavro::amostra;

namespace {

constexpr int kLargura = 797, kAltura = 564;

// The library's own messages (start-up failures, failed writes) go to the
// same boxes as the window's.
Caixas* caixasDaBiblioteca = nullptr;
QWidget* donoDaBiblioteca = nullptr;
void TAVRO_CALL MensagemDaBiblioteca(const char* texto) {
    if (caixasDaBiblioteca != nullptr)
        caixasDaBiblioteca->Mostra(donoDaBiblioteca, "Tavrolib", De1252(texto), Caixas::Icone::Aviso);
}

// The decorative side panel: a drawn invoice over the blue of the state's flag.
QPixmap Painel(int largura, int altura) {
    QPixmap p(largura, altura);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fundo(0, 0, 0, altura);
    fundo.setColorAt(0, QColor(0x12, 0x3f, 0x8c));
    fundo.setColorAt(1, QColor(0x07, 0x1f, 0x4d));
    g.fillRect(p.rect(), fundo);
    for (int i = 0; i < 13; ++i) {  // the flag's stripes, faintly
        g.fillRect(0, 20 + i * 40, largura, 14, QColor(255, 255, 255, i % 2 == 0 ? 18 : 8));
    }
    const QRectF nota(22, 70, largura - 44, 300);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0, 0, 0, 70));
    g.drawRoundedRect(nota.translated(5, 6), 6, 6);
    g.setBrush(QColor(0xfb, 0xfa, 0xf4));
    g.drawRoundedRect(nota, 6, 6);
    g.setBrush(QColor(0xc8, 0x10, 0x2e));
    g.drawRect(QRectF(nota.left(), nota.top() + 12, nota.width(), 26));
    g.setPen(Qt::white);
    QFont f = g.font();
    f.setBold(true);
    f.setPointSize(9);
    g.setFont(f);
    g.drawText(QRectF(nota.left(), nota.top() + 12, nota.width(), 26), Qt::AlignCenter, "NOTA FISCAL");
    g.setPen(QPen(QColor(0x9a, 0xa5, 0xb8), 2));
    for (int i = 0; i < 9; ++i) {
        const qreal y = nota.top() + 60 + i * 24;
        g.drawLine(QPointF(nota.left() + 14, y), QPointF(nota.right() - (i % 3 == 2 ? 60 : 14), y));
    }
    g.setPen(QPen(QColor(0x12, 0x3f, 0x8c), 2));
    g.drawLine(QPointF(nota.left() + 14, nota.bottom() - 22), QPointF(nota.right() - 14, nota.bottom() - 22));
    g.setPen(Qt::white);
    f.setPointSize(13);
    g.setFont(f);
    g.drawText(QRectF(0, 400, largura, 30), Qt::AlignCenter, "Nota Fiscal");
    g.drawText(QRectF(0, 428, largura, 30), Qt::AlignCenter, "Paulista");
    f.setBold(false);
    f.setPointSize(8);
    g.setFont(f);
    g.drawText(QRectF(0, 470, largura, 20), Qt::AlignCenter, "CAT 102/07  \xC2\xB7  CAT 98/07");
    return p;
}

QAbstractButton* Botao(const char* nome, const QString& texto, bool negrito) {
    auto* b = new QPushButton(texto);
    b->setObjectName(nome);
    if (negrito) {
        QFont f = b->font();
        f.setBold(true);
        b->setFont(f);
    }
    return b;
}

}  // namespace

TForm1::TForm1(Caixas& caixas, QWidget* pai) : QDialog(pai), caixas_(caixas) {
    setObjectName("Form1");
    setWindowTitle("Demo_Tavrolib - libtavrolib.so");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    setFixedSize(kLargura, kAltura);
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* tabExterna = new QTabWidget;
    tabExterna->setObjectName("PageControl1");
    auto* paginaExterna = new QWidget;
    paginaExterna->setObjectName("TabSheet1");
    tabExterna->addTab(paginaExterna, "Nota Fiscal Paulista");

    // Top panel: the two folders.
    auto* painelTopo = new QFrame;
    painelTopo->setObjectName("Panel1");
    painelTopo->setFrameShape(QFrame::StyledPanel);
    auto* grade = new QGridLayout(painelTopo);
    auto* rotulo1 = new QLabel("Diretorio de Saída");
    rotulo1->setObjectName("Label1");
    auto* rotulo2 = new QLabel("Diretório de Entrada:");
    rotulo2->setObjectName("Label2");
    Edit1 = new QLineEdit;
    Edit1->setObjectName("Edit1");
    Edit2 = new QLineEdit;
    Edit2->setObjectName("Edit2");
    auto* bitBtn1 = new QToolButton;
    bitBtn1->setObjectName("BitBtn1");
    bitBtn1->setText("...");
    bitBtn1->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    auto* bitBtn2 = new QToolButton;
    bitBtn2->setObjectName("BitBtn2");
    bitBtn2->setText("...");
    bitBtn2->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    auto* aviso = new QLabel("O diretório de entrada deve conter os arquivos CFOP.res e NCM.res");
    aviso->setObjectName("Label3");
    aviso->setStyleSheet("color: red;");
    grade->addWidget(rotulo1, 0, 0);
    grade->addWidget(Edit1, 0, 1);
    grade->addWidget(bitBtn1, 0, 2);
    grade->addWidget(rotulo2, 1, 0);
    grade->addWidget(Edit2, 1, 1);
    grade->addWidget(bitBtn2, 1, 2);
    grade->addWidget(aviso, 2, 0, 1, 3);

    // Inner tab: the two layouts' buttons, the legend and "Sair".
    auto* tabInterna = new QTabWidget;
    tabInterna->setObjectName("PageControl2");
    auto* paginaInterna = new QWidget;
    paginaInterna->setObjectName("TabSheet2");
    tabInterna->addTab(paginaInterna, "Nota Fiscal Paulista");

    GroupBox2 = new QGroupBox("CAT 102/07");
    GroupBox2->setObjectName("GroupBox2");
    auto* g2 = new QVBoxLayout(GroupBox2);
    Reg10Btn = Botao("Reg10Btn", "Registro 10", true);
    Reg20Btn = Botao("Reg20Btn", "Registro 20", false);
    Reg30Btn = Botao("Reg30Btn", "Registro 30", false);
    Reg40Btn = Botao("Reg40Btn", "Registro 40", false);
    Reg50Btn = Botao("Reg50Btn", "Registro 50", false);
    Reg60Btn = Botao("Reg60Btn", "Registro 60", false);
    Reg90Btn = Botao("Reg90Btn", "Registro 90", true);
    for (auto* b : {Reg10Btn, Reg20Btn, Reg30Btn, Reg40Btn, Reg50Btn, Reg60Btn, Reg90Btn}) g2->addWidget(b);

    GroupBox3 = new QGroupBox("CAT 98/07");
    GroupBox3->setObjectName("GroupBox3");
    auto* g3 = new QVBoxLayout(GroupBox3);
    Reg10_CAT9807 = Botao("Reg10_CAT9807", "Registro 10", true);
    Reg20_CAT9807 = Botao("Reg20_CAT9807", "Registro 20", false);
    Reg21_CAT9807 = Botao("Reg21_CAT9807", "Registro 21", false);
    Reg22_CAT9807 = Botao("Reg22_CAT9807", "Registro 22", false);
    Reg90_CAT9807 = Botao("Reg90_CAT9807", "Registro 90", true);
    for (auto* b : {Reg10_CAT9807, Reg20_CAT9807, Reg21_CAT9807, Reg22_CAT9807, Reg90_CAT9807}) g3->addWidget(b);
    g3->addStretch();

    auto* legenda = new QGroupBox("Legenda:");
    legenda->setObjectName("GroupBox1");
    auto* gl = new QVBoxLayout(legenda);
    auto* l1 = new QLabel("Negrito: Abertura ou enceramento");
    l1->setObjectName("Label4");
    auto* l2 = new QLabel("do arquivo digital");
    l2->setObjectName("Label5");
    gl->addWidget(l1);
    gl->addWidget(l2);
    auto* sairBtn = Botao("SairBtn", "Sair", false);

    auto* direita = new QVBoxLayout;
    direita->addWidget(legenda);
    direita->addStretch();
    direita->addWidget(sairBtn);
    auto* interna = new QHBoxLayout(paginaInterna);
    interna->addWidget(GroupBox2);
    interna->addWidget(GroupBox3);
    interna->addLayout(direita);

    auto* externa = new QVBoxLayout(paginaExterna);
    externa->addWidget(painelTopo);
    externa->addWidget(tabInterna, 1);

    auto* painelLado = new QLabel;
    painelLado->setObjectName("Panel2");
    painelLado->setFixedWidth(180);
    painelLado->setPixmap(Painel(180, kAltura - 16));
    auto* tudo = new QHBoxLayout(this);
    tudo->setContentsMargins(8, 8, 8, 8);
    tudo->addWidget(tabExterna, 1);
    tudo->addWidget(painelLado);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    auto* sequencia = PopupMenu1->addAction("Sequencia (10,20,30,40,50,60,90)");
    sequencia->setObjectName("Sequencia203040506090");
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupMenu1->exec(mapToGlobal(p)); });

    OpenDialog1 = new QFileDialog(this, "Selecione..");
    OpenDialog1->setObjectName("OpenDialog1");
    OpenDialog1->setNameFilters({"Todos os arquivos (*.*)", "Arquivos de Texto (*.txt)"});
    OpenDialog1->setDefaultSuffix("txt");
    OpenDialog1->setFileMode(QFileDialog::ExistingFile);

    connect(Reg10Btn, &QAbstractButton::clicked, this, &TForm1::Reg10BtnClick);
    connect(Reg20Btn, &QAbstractButton::clicked, this, &TForm1::Reg20BtnClick);
    connect(Reg30Btn, &QAbstractButton::clicked, this, &TForm1::Reg30BtnClick);
    connect(Reg40Btn, &QAbstractButton::clicked, this, &TForm1::Reg40BtnClick);
    connect(Reg50Btn, &QAbstractButton::clicked, this, &TForm1::Reg50BtnClick);
    connect(Reg60Btn, &QAbstractButton::clicked, this, &TForm1::Reg60BtnClick);
    connect(Reg90Btn, &QAbstractButton::clicked, this, &TForm1::Reg90BtnClick);
    connect(Reg10_CAT9807, &QAbstractButton::clicked, this, &TForm1::Reg10_CAT9807Click);
    connect(Reg20_CAT9807, &QAbstractButton::clicked, this, &TForm1::Reg20_CAT9807Click);
    connect(Reg21_CAT9807, &QAbstractButton::clicked, this, &TForm1::Reg21_CAT9807Click);
    connect(Reg22_CAT9807, &QAbstractButton::clicked, this, &TForm1::Reg22_CAT9807Click);
    connect(Reg90_CAT9807, &QAbstractButton::clicked, this, &TForm1::Reg90_CAT9807Click);
    connect(sequencia, &QAction::triggered, this, &TForm1::Sequencia10_20_30_40_50_60_90Click);
    connect(bitBtn1, &QAbstractButton::clicked, this, &TForm1::BitBtn1Click);
    connect(bitBtn2, &QAbstractButton::clicked, this, &TForm1::BitBtn2Click);
    connect(sairBtn, &QAbstractButton::clicked, this, &QWidget::close);

    caixasDaBiblioteca = &caixas_;
    donoDaBiblioteca = this;
    DefineTratadorMensagem(MensagemDaBiblioteca);
}

TForm1::~TForm1() {
    if (caixasDaBiblioteca == &caixas_) {
        DefineTratadorMensagem(nullptr);
        caixasDaBiblioteca = nullptr;
        donoDaBiblioteca = nullptr;
    }
}

void TForm1::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // The output folder: the user's home, a folder one can write to; the input
    // folder: the program's, where the build puts cfop.res and ncm.res.
    if (Edit1->text().isEmpty()) Edit1->setText(QDir::homePath());
    if (Edit2->text().isEmpty()) Edit2->setText(QDir::toNativeSeparators(QApplication::applicationDirPath()));
    if (const QScreen* tela = screen()) move(tela->availableGeometry().center() - rect().center());
}

void TForm1::Trata_VIZorudude_Int(QAbstractButton* sender, std::int32_t resultado) {
    if (resultado == 0) return;
    if (resultado == -1)
        caixas_.Mostra(this, windowTitle(),
                       "Erro na chamada do " + sender->text() + ", verifique o erro em " + Edit1->text(),
                       Caixas::Icone::Nenhum);
    else
        caixas_.Mostra(this, windowTitle(), "Retorno desconhecido", Caixas::Icone::Nenhum);
}

void TForm1::Habilita(QGroupBox* grupo, bool habilitado) {
    for (auto* b : grupo->findChildren<QAbstractButton*>()) b->setEnabled(habilitado);
}

void TForm1::Registro10(QAbstractButton* botao, QGroupBox* outroGrupo) {
    if (Inicia_NF_Paulista(Para1252(Edit1->text()).constData(), Para1252(Edit2->text()).constData()) == -1)
        caixas_.Mostra(this, "Atenção", "Erro durante chamada da função Inicia_VIZorudude.", Caixas::Icone::Erro);
    const std::int32_t r = Chama(Registro10_CAT10207, Amostra10());
    Trata_VIZorudude_Int(botao, r);
    if (r == 0) Habilita(outroGrupo, false);
}

void TForm1::Reg10BtnClick() { Registro10(Reg10Btn, GroupBox3); }
void TForm1::Reg10_CAT9807Click() { Registro10(Reg10_CAT9807, GroupBox2); }
void TForm1::Reg20BtnClick() { Trata_VIZorudude_Int(Reg20Btn, Chama(Registro20_CAT10207, Amostra20_102())); }
void TForm1::Reg30BtnClick() { Trata_VIZorudude_Int(Reg30Btn, Chama(Registro30_CAT10207, Amostra30())); }
void TForm1::Reg40BtnClick() { Trata_VIZorudude_Int(Reg40Btn, Chama(Registro40_CAT10207, Amostra40())); }
void TForm1::Reg50BtnClick() { Trata_VIZorudude_Int(Reg50Btn, Chama(Registro50_CAT10207, Amostra50())); }
void TForm1::Reg60BtnClick() { Trata_VIZorudude_Int(Reg60Btn, Chama(Registro60_CAT10207, Amostra60())); }
void TForm1::Reg20_CAT9807Click() { Trata_VIZorudude_Int(Reg20_CAT9807, Chama(Registro20_CAT9807, Amostra20_98())); }
void TForm1::Reg21_CAT9807Click() { Trata_VIZorudude_Int(Reg21_CAT9807, Chama(Registro21_CAT9807, Amostra21())); }
void TForm1::Reg22_CAT9807Click() { Trata_VIZorudude_Int(Reg22_CAT9807, Chama(Registro22_CAT9807, Amostra22())); }

void TForm1::Reg90BtnClick() {
    Trata_VIZorudude_Int(Reg90Btn, Registro90_CAT10207());
    Finaliza_NF_Paulista();
    Habilita(GroupBox3, true);
    caixas_.Mostra(this, windowTitle(), "Verifique os arquivo de saída em " + Edit1->text(), Caixas::Icone::Nenhum);
}

void TForm1::Reg90_CAT9807Click() {
    Trata_VIZorudude_Int(Reg90_CAT9807, Registro90_CAT9807());
    Finaliza_NF_Paulista();
    Habilita(GroupBox2, true);
}

// Clicks 10, 20, 30, 40, 60 and 90 through their handlers; 50 is not
// clicked, although the caption names it.
void TForm1::Sequencia10_20_30_40_50_60_90Click() {
    for (auto* b : {Reg10Btn, Reg20Btn, Reg30Btn, Reg40Btn, Reg60Btn, Reg90Btn}) b->click();
}

QString TForm1::Procura() { return caixas_.EscolheArquivo(this, QApplication::applicationDirPath()); }

void TForm1::BitBtn1Click() {
    if (const QString f = Procura(); !f.isEmpty()) Edit1->setText(f);
}

void TForm1::BitBtn2Click() {
    if (const QString f = Procura(); !f.isEmpty()) Edit2->setText(f);
}
