#include "calc/module1.h"
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    calc::Module1 module;
    ui::Form1 form1(module);
    form1.show();
    return QApplication::exec();
}
