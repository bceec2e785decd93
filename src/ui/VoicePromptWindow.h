#pragma once
// Window form5 "语音提示类型设置": number pronunciation, call originator and the
// prompts of the three caller keys; Command1 "写入" forwards them to the core.

#include "link/Link.h"
#include "link/PortControl.h"
#include "reports/VoicePrompts.h"
#include "shared/Ui.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace cs::ui {

// A list as the operations read it: the shown text, and the selected position
// only while the text is that item's (typed text selects nothing).
ListChoice listChoice(const QComboBox& combo);

class VoicePromptWindow : public QWidget {
    Q_OBJECT
public:
    VoicePromptWindow(Link& link, PortControl& port, Ui& ui, QWidget* parent = nullptr);

    // Command1 click.
    void write();

private:
    Link& link_;
    PortControl& port_;
    Ui& ui_;
    QComboBox* combo1_;
    QComboBox* combo2_;
    QComboBox* combo3_;
    QComboBox* combo4_;
    QComboBox* combo5_;
    QCheckBox* check1_;
    QCheckBox* check2_;
};

} // namespace cs::ui
