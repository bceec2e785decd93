#include "ui/BackupWindow.h"

namespace cs::ui {

BackupWindow::BackupWindow(Link& link, PortControl& port, QWidget* parent)
    : QWidget(parent, Qt::Window), link_(link), port_(port)
{
    setObjectName(QStringLiteral("form3"));
    setWindowTitle(QStringLiteral("读取"));
}

} // namespace cs::ui
