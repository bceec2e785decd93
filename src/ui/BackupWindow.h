#pragma once
// Window form3 (placeholder until its controls are built).

#include "link/Link.h"
#include "link/PortControl.h"

#include <QWidget>

namespace cs::ui {

class BackupWindow : public QWidget {
    Q_OBJECT
public:
    BackupWindow(Link& link, PortControl& port, QWidget* parent = nullptr);

private:
    Link& link_;
    PortControl& port_;
};

} // namespace cs::ui
