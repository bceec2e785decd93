#include "ui/VoicePromptWindow.h"

namespace cs::ui {

VoicePromptWindow::VoicePromptWindow(Link& link, PortControl& port, QWidget* parent)
    : QWidget(parent, Qt::Window), link_(link), port_(port)
{
    setObjectName(QStringLiteral("form5"));
    setWindowTitle(QStringLiteral("语音提示类型设置"));
}

} // namespace cs::ui
