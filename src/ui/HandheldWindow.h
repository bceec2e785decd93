#pragma once
// Window Form6 (placeholder until its controls are built).

#include "link/Link.h"
#include "link/PortControl.h"

#include <QWidget>

namespace cs::ui {

class HandheldWindow : public QWidget {
    Q_OBJECT
public:
    HandheldWindow(Link& link, PortControl& port, QWidget* parent = nullptr);

private:
    Link& link_;
    PortControl& port_;
};

} // namespace cs::ui
