// 餐厅无线呼叫系统设置程序: the setup tool an installer runs beside the host
// unit. The program (state, serial line, operations, main window) is built by
// Program; it ends with its exit button.

#include "ui/Program.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    cs::ui::Program program(app);
    program.show();
    return app.exec();
}
