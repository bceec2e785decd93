#pragma once
// Window form5 (placeholder until its controls are built).

#include "link/Link.h"
#include "link/PortControl.h"

#include <QWidget>

namespace cs::ui {

class VoicePromptWindow : public QWidget {
    Q_OBJECT
public:
    VoicePromptWindow(Link& link, PortControl& port, QWidget* parent = nullptr);

private:
    Link& link_;
    PortControl& port_;
};

} // namespace cs::ui
