#pragma once
// Window Form6 "手持呼叫器设置": the place a voice info unit names for handheld
// calls by table number (Frame1) and by pager number (Frame2), each written
// with its own button.

#include "link/Link.h"
#include "link/PortControl.h"
#include "shared/Ui.h"

#include <QComboBox>
#include <QWidget>

namespace cs::ui {

class HandheldWindow : public QWidget {
    Q_OBJECT
public:
    HandheldWindow(Link& link, PortControl& port, Ui& ui, QWidget* parent = nullptr);

    void writeByTable(); // Command1 click
    void writeByPager(); // Command2 click

private:
    Link& link_;
    PortControl& port_;
    Ui& ui_;
    // Combo1, Combo2.
    QComboBox* byTableList_;
    QComboBox* byPagerList_;
};

} // namespace cs::ui
