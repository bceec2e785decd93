#include "ui/VoicePromptWindow.h"
#include "reports/MemoryLayout.h"
#include "ui/EnterKey.h"
#include "ui/Twips.h"

#include <QCoreApplication>

namespace cs::ui {

ListChoice listChoice(const QComboBox& combo)
{
    const int index = combo.currentIndex();
    const QString text = combo.currentText();
    return {text, index >= 0 && combo.itemText(index) == text ? index : -1};
}

namespace {

// The window's texts, translated under the context "VoicePromptWindow".
struct VoiceText {
    Q_DECLARE_TR_FUNCTIONS(VoicePromptWindow)
};

// Twips of the window design to pixels.

QLabel* label(QWidget* parent, const char* name, const QString& caption, int left, int top,
              int width)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(px(left), px(top), px(width), px(255));
    return l;
}

QComboBox* combo(QWidget* parent, const char* name, const QStringList& items, int selected,
                 int left, int top, int width)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(items);
    c->setCurrentIndex(selected);
    c->setGeometry(px(left), px(top), px(width), px(315));
    return c;
}

} // namespace

VoicePromptWindow::VoicePromptWindow(Link& link, PortControl& port, Ui& ui, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , link_(link)
    , port_(port)
    , ui_(ui)
{
    setObjectName(QStringLiteral("form5"));
    setWindowTitle(VoiceText::tr("语音提示类型设置"));
    resize(px(7800), px(3000));

    label(this, "Label1", VoiceText::tr("数字号码"), 240, 240, 1335);
    languageList_ = combo(this, "Combo1", numberLanguages().listTexts(), 0, 240, 600, 1335);

    label(this, "Label2", VoiceText::tr("呼叫发起人"), 1800, 240, 1215);
    originatorList_ = combo(this, "Combo2", callOriginators().listTexts(), 1, 1800, 600, 1215);

    label(this, "Label4", VoiceText::tr("按键提示语"), 3600, 240, 1815);
    label(this, "Label3", VoiceText::tr("1键："), 3240, 645, 495);
    key1List_ = combo(this, "Combo3", keyPrompts().listTexts(), 3, 3720, 600, 1815);
    label(this, "Label5", VoiceText::tr("2键："), 3240, 1125, 495);
    key2List_ = combo(this, "Combo4", keyPrompts().listTexts(), 4, 3720, 1080, 1815);
    label(this, "Label6", VoiceText::tr("3键："), 3240, 1605, 495);
    key3List_ = combo(this, "Combo5", keyPrompts().listTexts(), 7, 3720, 1560, 1815);

    sendKey2Check_ = new QCheckBox(QStringLiteral("Check2"), this);
    sendKey2Check_->setObjectName(QStringLiteral("Check1"));
    sendKey2Check_->setChecked(true);
    sendKey2Check_->setGeometry(px(5640), px(1110), px(1095), px(255));
    sendKey3Check_ = new QCheckBox(QStringLiteral("Check3"), this);
    sendKey3Check_->setObjectName(QStringLiteral("Check2"));
    sendKey3Check_->setChecked(true);
    sendKey3Check_->setGeometry(px(5640), px(1590), px(1095), px(255));

    auto* command1 = new QPushButton(VoiceText::tr("写入"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setGeometry(px(5760), px(2160), px(1215), px(495));
    connect(command1, &QPushButton::clicked, this, &VoicePromptWindow::write);
    enterPressesButtons(this);

    // The columns grow where a language's words are longer than the design's.
    for (QComboBox* column : {languageList_, originatorList_}) {
        const int dx = missingWidth(column);
        const int right = column->geometry().right() + 1;
        column->resize(column->width() + std::max(dx, 0), column->height());
        pushRight(this, right, dx);
    }
    const int keys = missingWidth(key1List_, key2List_, key3List_);
    const int right = key1List_->geometry().right() + 1;
    for (QComboBox* key : {key1List_, key2List_, key3List_})
        key->resize(key->width() + std::max(keys, 0), key->height());
    pushRight(this, right, keys);
}

void VoicePromptWindow::write()
{
    CallerPromptChoices c;
    c.pronunciation = listChoice(*languageList_).position;
    c.originator = listChoice(*originatorList_);
    c.key1 = listChoice(*key1List_);
    c.key2 = listChoice(*key2List_).position;
    c.sendKey2 = sendKey2Check_->isChecked();
    c.key3 = listChoice(*key3List_).position;
    c.sendKey3 = sendKey3Check_->isChecked();
    present(ui_, VoicePrompts(link_, port_).writeCallerPrompts(c));
}

} // namespace cs::ui
