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
    // Combo1 .. Combo5, Check1, Check2.
    QComboBox* languageList_;
    QComboBox* originatorList_;
    QComboBox* key1List_;
    QComboBox* key2List_;
    QComboBox* key3List_;
    QCheckBox* sendKey2Check_;
    QCheckBox* sendKey3Check_;
};

} // namespace cs::ui
