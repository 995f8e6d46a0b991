// Demo_Tavrolib: produces a file of either layout with fixed sample data, one
// button per record type.
#include <QApplication>

#include "caixas.h"
#include "form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Demo_Tavrolib");
    TForm1 form(CaixasReais());
    form.show();
    return app.exec();
}
