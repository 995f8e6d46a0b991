// The demonstration window on the offscreen platform: its components, both
// layouts clicked through, the pop-up sequence and the failure paths. Boxes
// go to a recorder.
#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "caixas.h"
#include "form1.h"
#include "tavrolib/tavrolib.h"

namespace {

class Gravador : public Caixas {
public:
    struct Caixa {
        QString titulo, texto;
        Icone icone;
    };
    QList<Caixa> caixas;
    QString arquivoEscolhido;
    void Mostra(QWidget*, const QString& titulo, const QString& texto, Icone icone) override {
        caixas.append({titulo, texto, icone});
    }
    QString EscolheArquivo(QWidget*, const QString&) override { return arquivoEscolhido; }
    QStringList Textos() const {
        QStringList r;
        for (const auto& c : caixas) r << c.texto;
        return r;
    }
};

QByteArray Le(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ausente>");
}

}  // namespace

class TesteForm1 : public QObject {
    Q_OBJECT

private:
    Gravador gravador;
    QTemporaryDir pasta;
    TForm1* form = nullptr;

    template <class T = QAbstractButton>
    T* Acha(const char* nome) {
        T* w = form->findChild<T*>(nome);
        if (w == nullptr) qFatal("component not found: %s", nome);
        return w;
    }
    void Clica(std::initializer_list<const char*> nomes) {
        for (const char* n : nomes) QTest::mouseClick(Acha(n), Qt::LeftButton);
    }
    QString Saida() const { return pasta.path() + "/saida"; }
    bool Habilitados(const char* grupo) {
        for (auto* b : Acha<QGroupBox>(grupo)->findChildren<QAbstractButton*>())
            if (!b->isEnabled()) return false;
        return true;
    }
    void ComparaComFixtures(const char* leiaute) {
        const QString f = QString(TAVRO_FIXTURES) + "/" + leiaute + "/";
        QCOMPARE(Le(Saida() + "/VIZorudude.txt"), Le(f + "VIZorudude.txt"));
        QCOMPARE(Le(Saida() + "/log_VIZorudude.txt"), Le(f + "log_VIZorudude.txt"));
        QVERIFY(!QFile::exists(Saida() + "/erro_VIZorudude.txt"));
    }

private slots:
    void init() {
        QVERIFY(pasta.isValid());
        QDir(Saida()).removeRecursively();
        QDir().mkpath(Saida());
        gravador = Gravador{};
        form = new TForm1(gravador);
        form->show();
        Acha<QLineEdit>("Edit1")->setText(Saida());
        Acha<QLineEdit>("Edit2")->setText(TAVRO_DADOS);
    }
    void cleanup() {
        Finaliza_NF_Paulista();  // the library's run outlives a test that failed half way
        delete form;
        form = nullptr;
    }

    void componentes() {
        QCOMPARE(form->size(), QSize(797, 564));
        QVERIFY(form->windowTitle().contains("libtavrolib.so"));
        QCOMPARE(Acha<QTabWidget>("PageControl1")->tabText(0), QString("Nota Fiscal Paulista"));
        QCOMPARE(Acha<QTabWidget>("PageControl2")->tabText(0), QString("Nota Fiscal Paulista"));
        QCOMPARE(Acha<QLabel>("Label1")->text(), QString("Diretorio de Saída"));
        QCOMPARE(Acha<QLabel>("Label2")->text(), QString("Diretório de Entrada:"));
        QCOMPARE(Acha<QLabel>("Label3")->text(), QString("O diretório de entrada deve conter os arquivos CFOP.res e NCM.res"));
        QVERIFY(Acha<QLabel>("Label3")->styleSheet().contains("red"));
        QVERIFY(Acha("BitBtn1") && Acha("BitBtn2"));
        QCOMPARE(Acha<QGroupBox>("GroupBox2")->title(), QString("CAT 102/07"));
        QCOMPARE(Acha<QGroupBox>("GroupBox3")->title(), QString("CAT 98/07"));
        QCOMPARE(Acha<QGroupBox>("GroupBox2")->findChildren<QAbstractButton*>().size(), 7);
        QCOMPARE(Acha<QGroupBox>("GroupBox3")->findChildren<QAbstractButton*>().size(), 5);
        const struct {
            const char *nome, *texto;
            bool negrito;
        } botoes[] = {
            {"Reg10Btn", "Registro 10", true},       {"Reg20Btn", "Registro 20", false},
            {"Reg30Btn", "Registro 30", false},      {"Reg40Btn", "Registro 40", false},
            {"Reg50Btn", "Registro 50", false},      {"Reg60Btn", "Registro 60", false},
            {"Reg90Btn", "Registro 90", true},       {"Reg10_CAT9807", "Registro 10", true},
            {"Reg20_CAT9807", "Registro 20", false}, {"Reg21_CAT9807", "Registro 21", false},
            {"Reg22_CAT9807", "Registro 22", false}, {"Reg90_CAT9807", "Registro 90", true},
            {"SairBtn", "Sair", false},
        };
        for (const auto& b : botoes) {
            QCOMPARE(Acha(b.nome)->text(), QString(b.texto));
            QCOMPARE(Acha(b.nome)->font().bold(), b.negrito);
        }
        QCOMPARE(Acha<QGroupBox>("GroupBox1")->title(), QString("Legenda:"));
        QCOMPARE(Acha<QLabel>("Label4")->text(), QString("Negrito: Abertura ou enceramento"));
        QCOMPARE(Acha<QLabel>("Label5")->text(), QString("do arquivo digital"));
        QCOMPARE(Acha<QAction>("Sequencia203040506090")->text(), QString("Sequencia (10,20,30,40,50,60,90)"));
        QCOMPARE(form->Menu()->objectName(), QString("PopupMenu1"));
        QFileDialog* d = form->Dialogo();
        QCOMPARE(d->objectName(), QString("OpenDialog1"));
        QCOMPARE(d->windowTitle(), QString("Selecione.."));
        QCOMPARE(d->nameFilters(), (QStringList{"Todos os arquivos (*.*)", "Arquivos de Texto (*.txt)"}));
        QCOMPARE(d->defaultSuffix(), QString("txt"));
    }

    void pastasAoAbrir() {
        TForm1 novo(gravador);
        novo.show();
        QCOMPARE(novo.findChild<QLineEdit*>("Edit1")->text(), QDir::homePath());
        QCOMPARE(novo.findChild<QLineEdit*>("Edit2")->text(), QCoreApplication::applicationDirPath());
    }

    void execucaoCat10207() {
        Clica({"Reg10Btn"});
        QVERIFY(!Habilitados("GroupBox3"));
        QVERIFY(Habilitados("GroupBox2"));
        Clica({"Reg20Btn", "Reg30Btn", "Reg40Btn", "Reg50Btn", "Reg60Btn", "Reg90Btn"});
        QVERIFY(Habilitados("GroupBox3"));
        QCOMPARE(gravador.Textos(), QStringList{"Verifique os arquivo de saída em " + Saida()});
        ComparaComFixtures("cat10207");
    }

    void execucaoCat9807() {
        Clica({"Reg10_CAT9807"});
        QVERIFY(!Habilitados("GroupBox2"));
        Clica({"Reg20_CAT9807", "Reg21_CAT9807", "Reg22_CAT9807", "Reg90_CAT9807"});
        QVERIFY(Habilitados("GroupBox2"));
        QVERIFY(gravador.caixas.isEmpty());
        ComparaComFixtures("cat9807");
        // The picture of the window for the documentation.
        QVERIFY(form->grab().save(TAVRO_FOTO));
    }

    void sequencia() {
        Acha<QAction>("Sequencia203040506090")->trigger();
        const QList<QByteArray> linhas = Le(Saida() + "/VIZorudude.txt").mid(3).split('\n');
        QStringList tipos;
        for (const auto& l : linhas)
            if (l.size() >= 2) tipos << QString::fromLatin1(l.left(2));
        QCOMPARE(tipos, (QStringList{"10", "20", "30", "40", "60", "90"}));
        QVERIFY(linhas[5].startsWith("90|00001|00001|00001|00000|00001"));
        QCOMPARE(gravador.Textos(), QStringList{"Verifique os arquivo de saída em " + Saida()});
    }

    void segundoRegistro10() {
        Clica({"Reg10Btn", "Reg10Btn"});
        QCOMPARE(gravador.caixas.size(), 2);
        QCOMPARE(gravador.caixas[0].titulo, QString("Atenção"));
        QCOMPARE(gravador.caixas[0].texto, QString("Erro durante chamada da função Inicia_VIZorudude."));
        QVERIFY(gravador.caixas[0].icone == Caixas::Icone::Erro);
        QCOMPARE(gravador.caixas[1].texto, "Erro na chamada do Registro 10, verifique o erro em " + Saida());
    }

    void saidaInexistente() {
        const QString ausente = pasta.path() + "/nao_existe";
        Acha<QLineEdit>("Edit1")->setText(ausente);
        Clica({"Reg10_CAT9807"});
        QCOMPARE(gravador.Textos(),
                 (QStringList{"Erro. Diretório de saída informado inexistente. " + ausente + "/",
                              "Erro durante chamada da função Inicia_VIZorudude.",
                              "Erro ao tentar escrever no arquivo " + ausente + "/erro_VIZorudude.txt",
                              "Erro na chamada do Registro 10, verifique o erro em " + ausente}));
        QVERIFY(Habilitados("GroupBox2") && Habilitados("GroupBox3"));
    }

    void procurar() {
        gravador.arquivoEscolhido = "/tmp/algum/arquivo.txt";
        Clica({"BitBtn1"});
        QCOMPARE(Acha<QLineEdit>("Edit1")->text(), QString("/tmp/algum/arquivo.txt"));
        gravador.arquivoEscolhido.clear();  // cancelled: the box keeps its text
        Clica({"BitBtn2"});
        QCOMPARE(Acha<QLineEdit>("Edit2")->text(), QString(TAVRO_DADOS));
    }

    void retornoDesconhecido() {
        form->Trata_VIZorudude_Int(Acha("Reg20Btn"), 7);
        QCOMPARE(gravador.Textos(), QStringList{"Retorno desconhecido"});
    }
};

QTEST_MAIN(TesteForm1)
#include "form1_test.moc"
