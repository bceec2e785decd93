#include "ui/HandheldWindow.h"

namespace cs::ui {

HandheldWindow::HandheldWindow(Link& link, PortControl& port, QWidget* parent)
    : QWidget(parent, Qt::Window), link_(link), port_(port)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("手持呼叫器设置"));
}

} // namespace cs::ui
