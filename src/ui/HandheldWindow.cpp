#include "ui/HandheldWindow.h"
#include "reports/MemoryLayout.h"
#include "reports/VoicePrompts.h"
#include "ui/EnterKey.h"
#include "ui/Twips.h"
#include "ui/VoicePromptWindow.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace cs::ui {

namespace {

// The window's texts, translated under the context "HandheldWindow".
struct HandheldText {
    Q_DECLARE_TR_FUNCTIONS(HandheldWindow)
};

// One frame: the place list, the rest of the sentence and the write button.
QComboBox* frame(QWidget* parent, const char* frameName, const QString& caption, int top,
                 const char* comboName, int selected, const char* labelName, const char* buttonName,
                 QPushButton** button)
{
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(QString::fromLatin1(frameName));
    box->setGeometry(px(240), px(top), px(5775), px(1095));

    auto* combo = new QComboBox(box);
    combo->setObjectName(QString::fromLatin1(comboName));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(handheldPlaces().listTexts());
    combo->setCurrentIndex(selected);
    combo->setGeometry(px(240), px(480), px(1335), px(315));

    auto* label = new QLabel(HandheldText::tr("找您取（去）**桌"), box);
    label->setObjectName(QString::fromLatin1(labelName));
    label->setGeometry(px(1680), px(525), px(2175), px(255));

    *button = new QPushButton(HandheldText::tr("写入"), box);
    (*button)->setObjectName(QString::fromLatin1(buttonName));
    (*button)->setGeometry(px(4320), px(405), px(1215), px(495));
    return combo;
}

} // namespace

HandheldWindow::HandheldWindow(Link& link, PortControl& port, Ui& ui, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , link_(link)
    , port_(port)
    , ui_(ui)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(HandheldText::tr("手持呼叫器设置"));
    resize(px(6255), px(2880));

    QPushButton* command1 = nullptr;
    QPushButton* command2 = nullptr;
    byTableList_ = frame(this, "Frame1", HandheldText::tr("餐桌号方式"), 240, "Combo1", 0, "Label3",
                         "Command1", &command1);
    byPagerList_ = frame(this, "Frame2", HandheldText::tr("传呼号方式"), 1500, "Combo2", 1,
                         "Label1", "Command2", &command2);
    connect(command1, &QPushButton::clicked, this, &HandheldWindow::writeByTable);
    connect(command2, &QPushButton::clicked, this, &HandheldWindow::writeByPager);
    enterPressesButtons(this);

    // The place lists grow where a language's words are longer than the design's.
    const int dx = missingWidth(byTableList_, byPagerList_);
    if (dx > 0) {
        for (QComboBox* list : {byTableList_, byPagerList_}) {
            QWidget* box = list->parentWidget();
            const int right = list->geometry().right() + 1;
            list->resize(list->width() + dx, list->height());
            pushRight(box, right, dx);
        }
        resize(width() + dx, height());
    }
}

void HandheldWindow::writeByTable()
{
    present(ui_,
            VoicePrompts(link_, port_).writeHandheldByTable(listChoice(*byTableList_).position));
}

void HandheldWindow::writeByPager()
{
    present(ui_,
            VoicePrompts(link_, port_).writeHandheldByPager(listChoice(*byPagerList_).position));
}

} // namespace cs::ui
