#include "ui/MainWindow.h"
#include "ui/Twips.h"

#include "callsetup/Version.h"
#include "link/PortNames.h"
#include "reports/BatchFiles.h"
#include "shared/Vocabulary.h"
#include "ui/BackupWindow.h"
#include "ui/EnterKey.h"
#include "ui/HandheldWindow.h"
#include "ui/PortTips.h"
#include "ui/VoicePromptWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

namespace cs::ui {

namespace {

// The window's texts, translated under the context "MainWindow".
struct MainText {
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};

constexpr int TipsClicks = 15;
constexpr int TimerMs = 10;

} // namespace

MainWindow::MainWindow(AppState& state, Link& link, PortControl& port, Commands& commands,
                       TestView& testView, Ui& ui, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , state_(state)
    , link_(link)
    , port_(port)
    , commands_(commands)
    , testView_(testView)
    , ui_(ui)
    , random_([] { return QRandomGenerator::global()->generateDouble(); })
    , quit_([] { QCoreApplication::quit(); })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(
        MainText::tr("餐厅无线呼叫系统设置程序 V%1").arg(QString::fromLatin1(cs::version)));

    buildPortRow();
    buildVisibleGroups();
    buildHiddenGroups();
    buildTestGroup();
    buildMenu();
    enterPressesButtons(this);

    connect(&port_, &PortControl::changed, this, &MainWindow::mirrorPort);
    connect(&testView_, &TestView::changed, this, &MainWindow::mirrorTestView);

    load();
    mirrorPort(port_.status());
    mirrorTestView();
}

// The children outlive this part of the window while QWidget destroys them:
// their signals and events must no longer reach it (a focus change or a list
// losing its popup would call into a window that is half gone).
MainWindow::~MainWindow()
{
    for (QObject* child : findChildren<QObject*>()) {
        child->removeEventFilter(this);
        child->disconnect(this);
    }
}

// ---- building blocks -------------------------------------------------------

QLabel* MainWindow::label(QWidget* parent, const char* name, const QString& caption, int l, int t,
                          int w, int h)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(px(l), px(t), px(w), px(h));
    return label;
}

QLineEdit* MainWindow::field(QWidget* parent, const char* name, int l, int t, int w, int h)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(px(l), px(t), px(w), px(h));
    return edit;
}

QLineEdit* MainWindow::field(QWidget* parent, Field name, int l, int t, int w, int h)
{
    return addField(name, field(parent, nullptr, l, t, w, h));
}

QComboBox* MainWindow::list(QWidget* parent, const char* name, const QStringList& items,
                            bool editable, int l, int t, int w, int h)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(editable);
    if (editable) {
        // Typed text stays text: Enter must not add it to the list.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
    }
    combo->addItems(items);
    combo->setGeometry(px(l), px(t), px(w), px(h));
    return combo;
}

QPushButton* MainWindow::button(QWidget* parent, const char* name, const QString& caption, int l,
                                int t, int w, int h, std::function<void()> onClick)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    button->setGeometry(px(l), px(t), px(w), px(h));
    if (onClick)
        connect(button, &QPushButton::clicked, this, [run = std::move(onClick)] { run(); });
    return button;
}

QGroupBox* MainWindow::frame(const char* name, const QString& caption, int l, int t, int w, int h)
{
    auto* box = new QGroupBox(caption, this);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(px(l), px(t), px(w), px(h));
    return box;
}

void MainWindow::enterRuns(QWidget* field, QAbstractButton* button)
{
    enterRuns_.insert(field, button);
    field->installEventFilter(this);
    // An editable list passes keys to its line edit; catch them there too.
    if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit()) {
        enterRuns_.insert(combo->lineEdit(), button);
        combo->lineEdit()->installEventFilter(this);
    }
}

void MainWindow::selectOnFocus(QLineEdit* field)
{
    selectOnFocus_.insert(field);
    field->installEventFilter(this);
}

int MainWindow::listPosition(const QComboBox* list)
{
    const int index = list->currentIndex();
    if (!list->isEditable())
        return index;
    const QString text = list->currentText();
    if (index >= 0 && list->itemText(index) == text)
        return index;
    return list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

// ---- the groups ------------------------------------------------------------

void MainWindow::buildPortRow()
{
    portCaption_ = label(this, "Label9", MainText::tr("通讯端口"), 480, 120, 1095, 255);
    portCaption_->installEventFilter(this); // double-click toggles the port
    portList_ = list(this, "Combo5", portNames(), true, 1680, 90, 855, 300);
    // Port names are Latin only. The CJK face's Latin letters are too wide to
    // show "COM1" whole in the designed width; half-width ones fit.
    QFont portFont = portList_->font();
    portFont.setFamilies({QStringLiteral("Noto Sans Mono CJK SC"),
                          QStringLiteral("WenQuanYi Zen Hei Mono"),
                          QStringLiteral("DejaVu Sans Mono")});
    portFont.setStyleHint(QFont::Monospace);
    portList_->setFont(portFont);
    connect(portList_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { port_.setPortName(text); });
    connect(portList_, &QComboBox::activated, this, [this](int index) {
        if (!typingFinishes_)
            port_.changePort(portList_->itemText(index));
    });
    portList_->installEventFilter(this); // typed text is no choice from the list
    attachPortTips(portList_);
    portButton_ = button(this, "Command15", MainText::tr("打开"), 2880, 90, 615, 300,
                         [this] { present(ui_, port_.toggle()); });
    label(this, "Label10", MainText::tr("端口状态："), 4440, 120, 1215, 255);
    portStatus_ = label(this, "Label11", MainText::tr("串口关闭"), 5760, 120, 2175, 255);
}

void MainWindow::buildVisibleGroups()
{
    // Work mode row and the data backup button.
    label(this, "Label14", MainText::tr("工作模式"), 480, 915, 975, 255);
    workModeList_ = list(this, "Combo4", workModes().listTexts(), false, 1560, 870, 1215, 300);
    button(this, "Command11", MainText::tr("写入"), 3000, 810, 735, 420,
           [this] { present(ui_, commands_.setWorkMode(listPosition(workModeList_))); });
    label(this, "Label15", MainText::tr("数据备份"), 5040, 915, 975, 255);
    button(this, "Command12", MainText::tr("打开"), 6120, 810, 735, 420, [this] {
        openWindow(backup_);
        backup_->backup().watch = &editing_;
    });

    // Set pager: labels above the fields, left to right.
    QGroupBox* frame1 = frame("Frame1", MainText::tr("设置传呼机"), 360, 1560, 7575, 975);
    struct Column {
        int left, width;
    };
    const Column pagerColumns[6] = {{120, 735},  {975, 1095}, {2190, 1215},
                                    {3525, 735}, {4380, 855}, {5355, 975}};
    const QString pagerLabels[6] = {MainText::tr("传呼号"), MainText::tr("地址码"),
                                    MainText::tr("机型"),   MainText::tr("极性"),
                                    MainText::tr("速率"),   MainText::tr("音调")};
    const QStringList pagerItems[4] = {pagerModels().listTexts(), pagerPolarities().listTexts(),
                                       pagerRates().listTexts(), pagerTones().listTexts()};
    for (int i = 0; i < 6; ++i) {
        const Column c = pagerColumns[i];
        label(frame1, QStringLiteral("Label1_%1").arg(i).toLatin1().constData(), pagerLabels[i],
              c.left, 300, c.width, 255);
    }
    pagerNumberEdit_ = field(frame1, Field::PagerNumber, pagerColumns[0].left, 570,
                             pagerColumns[0].width, 300);
    addressCodeEdit_ = field(frame1, Field::AddressCode, pagerColumns[1].left, 570,
                             pagerColumns[1].width, 300);
    QComboBox* pagerLists[4] = {};
    for (int i = 0; i < 4; ++i) {
        const Column c = pagerColumns[2 + i];
        pagerLists[i] = list(frame1, QStringLiteral("Combo1_%1").arg(i).toLatin1().constData(),
                             pagerItems[i], false, c.left, 570, c.width, 300);
    }
    modelList_ = pagerLists[0];
    polarityList_ = pagerLists[1];
    rateList_ = pagerLists[2];
    toneList_ = pagerLists[3];
    QPushButton* command1 = button(
        frame1, "Command1", MainText::tr("写入"), 6600, 450, 735, 420, [this] {
            present(ui_,
                    commands_.setPager(pagerNumberEdit_->text(), addressCodeEdit_->text(),
                                       listPosition(modelList_), listPosition(polarityList_),
                                       listPosition(rateList_), listPosition(toneList_)));
        });

    // Set table caller.
    QGroupBox* frame3 = frame("Frame3", MainText::tr("设置餐桌呼叫器"), 360, 2880, 6975, 975);
    const QString tableLabels[5] = {MainText::tr("餐桌号"), MainText::tr("自设键值"),
                                    MainText::tr("传呼号1"), MainText::tr("传呼号2"),
                                    MainText::tr("传呼号3")};
    const Field tableFields[5] = {Field::TableNumber, Field::OwnKey, Field::TablePager1,
                                  Field::TablePager2, Field::TablePager3};
    QLineEdit* tableEdits[5] = {};
    for (int i = 0; i < 5; ++i) {
        const int left = 120 + i * 1215;
        label(frame3, QStringLiteral("Label3_%1").arg(i).toLatin1().constData(), tableLabels[i],
              left, 300, 1095, 255);
        tableEdits[i] = field(frame3, tableFields[i], left, 570, 1095, 300);
    }
    tableNumberEdit_ = tableEdits[0];
    ownKeyEdit_ = tableEdits[1];
    std::copy(tableEdits + 2, tableEdits + 5, tablePagerEdits_);
    QPushButton* command3 = button(
        frame3, "Command3", MainText::tr("写入"), 6120, 450, 735, 420, [this] {
            present(ui_,
                    commands_.setTable(tableNumberEdit_->text(), ownKeyEdit_->text(),
                                       tablePagerEdits_[0]->text(), tablePagerEdits_[1]->text(),
                                       tablePagerEdits_[2]->text()));
        });

    // Delete pager, delete table.
    QGroupBox* frame4 = frame("Frame4", MainText::tr("删除传呼机"), 360, 4080, 2295, 975);
    label(frame4, "Label4", MainText::tr("传呼号"), 120, 300, 975, 255);
    deletedPagerEdit_ = field(frame4, Field::DeletedPager, 120, 570, 975, 300);
    QPushButton* command4 = button(
        frame4, "Command4", MainText::tr("删除"), 1320, 450, 735, 420,
        [this] { present(ui_, commands_.deletePager(deletedPagerEdit_->text())); });
    QGroupBox* frame6 = frame("Frame6", MainText::tr("删除餐桌呼叫器"), 3120, 4080, 2295, 975);
    label(frame6, "Label6", MainText::tr("餐桌号"), 120, 300, 975, 255);
    deletedTableEdit_ = field(frame6, Field::DeletedTable, 120, 570, 975, 300);
    QPushButton* command5 = button(
        frame6, "Command5", MainText::tr("删除"), 1320, 450, 735, 420,
        [this] { present(ui_, commands_.deleteTable(deletedTableEdit_->text())); });

    // Host buttons.
    button(this, "Command7", MainText::tr("初始化主机"), 6240, 3960, 1335, 495,
           [this] { present(ui_, commands_.initialiseHost()); });
    button(this, "Command9", MainText::tr("退出(&x)"), 6240, 4680, 1335, 495,
           [this] { exitProgram(); });

    for (QWidget* w : {pagerNumberEdit_, addressCodeEdit_})
        enterRuns(w, command1);
    for (QComboBox* c : pagerLists)
        enterRuns(c, command1);
    for (QLineEdit* t : tableEdits)
        enterRuns(t, command3);
    enterRuns(deletedPagerEdit_, command4);
    enterRuns(deletedTableEdit_, command5);
    for (QLineEdit* t : {pagerNumberEdit_, addressCodeEdit_, deletedPagerEdit_, deletedTableEdit_})
        selectOnFocus(t);
    for (QLineEdit* t : tableEdits)
        selectOnFocus(t);
}

// Groups that are part of the window but never shown: their fields and buttons
// stay wired so the operations behind them remain complete.
void MainWindow::buildHiddenGroups()
{
    QList<QWidget*> hidden;

    // Transmitter frequency row.
    hidden << label(this, "Label12", MainText::tr("发射机频率  （MHZ）"), 360, 5340, 1815, 255);
    transmitterFrequencyEdit_ = field(this, Field::TransmitterFrequency, 2220, 5295, 1095, 300);
    QPushButton* command14 = button(
        this, "Command14", MainText::tr("写入"), 3420, 5280, 735, 420, [this] {
            present(ui_, commands_.setTransmitterFrequency(transmitterFrequencyEdit_->text()));
        });
    hidden << transmitterFrequencyEdit_ << command14;

    // Receiver frequency row, with the receiver number it is meant for.
    hidden << label(this, "Label8", MainText::tr("接收器频率   （MHZ）"), 360, 5820, 1815, 255);
    receiverFrequencyList_ = list(this, "Combo2",
                                  {QStringLiteral("314.2"), QStringLiteral("314.4"),
                                   QStringLiteral("314.6"), QStringLiteral("314.8"),
                                   QStringLiteral("315.0"), QStringLiteral("315.2"),
                                   QStringLiteral("315.4"), QStringLiteral("315.6")},
                                  true, 2220, 5775, 1095, 300);
    frequencyReceiverEdit_ = field(this, "Text10", 3420, 5775, 615, 300);
    QPushButton* command13 = button(
        this, "Command13", MainText::tr("写入"), 4140, 5760, 735, 420, [this] {
            present(ui_,
                    commands_.setReceiverFrequency(receiverFrequencyList_->currentText(),
                                                   listPosition(receiverFrequencyList_),
                                                   frequencyReceiverEdit_->text()));
        });
    hidden << receiverFrequencyList_ << frequencyReceiverEdit_ << command13;

    // Initialise receiver.
    hidden << button(this, "Command6", MainText::tr("初始化接收器"), 4260, 5280, 1335, 420,
                     [this] { present(ui_, commands_.initialiseReceiver()); });

    // Info unit type.
    QGroupBox* frame9 = frame("Frame9", MainText::tr("信息机类型"), 5700, 5280, 1095, 975);
    infoUnitTypeList_ = list(frame9, "Combo3", infoUnitTypes().listTexts(), false, 120, 270, 855,
                             300);
    QPushButton* command20 = button(
        frame9, "Command20", MainText::tr("写入"), 120, 600, 855, 315,
        [this] { present(ui_, commands_.setInfoUnitType(listPosition(infoUnitTypeList_))); });
    hidden << frame9;

    // Voice prompt windows.
    QGroupBox* frame8 = frame("Frame8", MainText::tr("语音提示类型设置"), 6840, 5280, 1455, 975);
    button(frame8, "Command21", MainText::tr("Mirelo呼叫器"), 60, 240, 1335, 315,
           [this] { openWindow(voice_); });
    button(frame8, "Command22", MainText::tr("手持呼叫器"), 60, 600, 1335, 315,
           [this] { openWindow(handheld_); });
    hidden << frame8;

    // Hurry buttons and receiver number.
    struct NumberFrame {
        const char* frame;
        QString caption;
        const char* label;
        QString labelText;
        Field field;
        const char* button;
        QString buttonText;
        int left;
    };
    const NumberFrame numberFrames[3] = {
        {"Frame5", MainText::tr("删除催菜器"), "Label5", MainText::tr("催菜器号码"),
         Field::DeletedHurryButton, "Command10", MainText::tr("删除"), 360},
        {"Frame7", MainText::tr("设置催菜器"), "Label13", MainText::tr("催菜器号码"),
         Field::HurryButton, "Command19", MainText::tr("写入"), 2280},
        {"Frame2", MainText::tr("设置接收器号码"), "Label2", MainText::tr("接收器号码"),
         Field::ReceiverNumber, "Command2", MainText::tr("写入"), 4200},
    };
    QLineEdit* numberFields[3] = {};
    QPushButton* numberButtons[3] = {};
    for (int i = 0; i < 3; ++i) {
        const NumberFrame& f = numberFrames[i];
        QGroupBox* box = frame(f.frame, f.caption, f.left, 6360, 1815, 975);
        label(box, f.label, f.labelText, 120, 300, 1575, 255);
        numberFields[i] = field(box, f.field, 120, 570, 735, 300);
        numberButtons[i] = button(box, f.button, f.buttonText, 960, 480, 735, 420, {});
        hidden << box;
    }
    deletedHurryButtonEdit_ = numberFields[0];
    hurryButtonEdit_ = numberFields[1];
    receiverNumberEdit_ = numberFields[2];
    connect(numberButtons[0], &QPushButton::clicked, this,
            [this] { present(ui_, commands_.deleteHurryButton(deletedHurryButtonEdit_->text())); });
    connect(numberButtons[1], &QPushButton::clicked, this,
            [this] { present(ui_, commands_.setHurryButton(hurryButtonEdit_->text())); });
    connect(numberButtons[2], &QPushButton::clicked, this,
            [this] { present(ui_, commands_.setReceiverNumber(receiverNumberEdit_->text())); });

    // Repeater contents.
    QGroupBox* frame10 = frame("Frame10", MainText::tr("增强器内容"), 6120, 6360, 1815, 975);
    addField(Field::RepeaterWrite,
             button(frame10, nullptr, MainText::tr("写入"), 120, 360, 735, 420,
                    [this] { present(ui_, commands_.writeRepeater()); }));
    addField(Field::RepeaterDelete,
             button(frame10, nullptr, MainText::tr("删除"), 960, 360, 735, 420,
                    [this] { present(ui_, commands_.deleteRepeater()); }));
    hidden << frame10;

    for (QWidget* w : hidden)
        w->hide();

    enterRuns(transmitterFrequencyEdit_, command14);
    enterRuns(receiverFrequencyList_, command13);
    enterRuns(frequencyReceiverEdit_, command13);
    enterRuns(deletedHurryButtonEdit_, numberButtons[0]);
    enterRuns(hurryButtonEdit_, numberButtons[1]);
    enterRuns(receiverNumberEdit_, numberButtons[2]);
    enterRuns(infoUnitTypeList_, command20);
    // The hurry button field (Text11) keeps its caret where it is.
    for (QLineEdit* t : {receiverNumberEdit_, deletedHurryButtonEdit_, transmitterFrequencyEdit_})
        selectOnFocus(t);
}

// The test view: its button is hidden, its caption and text area lie below the
// window's height and come into view only while the test mode stretches it.
void MainWindow::buildTestGroup()
{
    testButton_ = button(this, "Command8", MainText::tr("测试(&t)"), 1320, 5640, 975, 255,
                         [this] { present(ui_, testView_.toggle()); });
    testButton_->hide();
    label(this, "Label7", MainText::tr("测试窗口"), 360, 5760, 975, 255);
    testText_ = new QPlainTextEdit(this);
    testText_->setObjectName(QStringLiteral("Text8"));
    testText_->setGeometry(px(360), px(6000), px(7575), px(2600));
    testText_->setLineWrapMode(QPlainTextEdit::NoWrap);
    testText_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    testText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    testText_->setFocusPolicy(Qt::ClickFocus); // out of sight: not in the tab chain
    testTimer_ = new QTimer(this);
    testTimer_->setObjectName(QStringLiteral("Timer1"));
    testTimer_->setInterval(TimerMs);
    testTimer_->setTimerType(Qt::PreciseTimer);
    connect(testTimer_, &QTimer::timeout, this, [this] {
        // An exchange owns the port while it waits; the tick leaves its bytes alone.
        if (!state_.ExchangeRunning)
            testView_.recvdata();
    });
}

// The batch work, in a menu above the designed client area.
void MainWindow::buildMenu()
{
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("MenuBar"));
    menuBar_->setNativeMenuBar(false); // part of the window on every desktop
    QMenu* batch = menuBar_->addMenu(MainText::tr("批量(&B)"));
    batch->setObjectName(QStringLiteral("BatchMenu"));
    const auto item = [&](const char* name, const QString& text, std::function<void()> run) {
        QAction* action = batch->addAction(text);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    };
    item("ImportPagers", MainText::tr("导入传呼机(&I)…"), [this] {
        openWindow(import_, [this] { return new ImportWindow(link_, commands_, ui_, this); });
    });
    item("LearnTables", MainText::tr("连续学习餐桌(&L)…"), [this] {
        openWindow(learning_, [this] { return new LearningWindow(link_, commands_, ui_, this); });
    });
    item("ExportPagers", MainText::tr("导出传呼机(&E)…"), [this] { exportPagerList(state_, ui_); });
    batch->addSeparator();
    item("CompareBackups", MainText::tr("比较两个备份(&C)…"),
         [this] { openWindow(compare_, [this] { return new CompareWindow(ui_, this); }); });
    item("EditBackup", MainText::tr("编辑主机内容(&M)…"),
         [this] { openWindow(editor_, [this] { return new EditorWindow(editing_, ui_, this); }); });
    placeClientArea();
}

// Start-up, in the order the window has always loaded.
void MainWindow::load()
{
    state_.PortIsOpen = false;

    applyOuterSize();
    if (const QScreen* s = screen()) {
        const QRect area = s->geometry();
        move(area.x() + (area.width() - px(WidthTwips)) / 2, area.y());
    }

    for (QLineEdit* t : {receiverNumberEdit_, deletedPagerEdit_, deletedHurryButtonEdit_,
                         deletedTableEdit_, transmitterFrequencyEdit_, hurryButtonEdit_})
        t->clear();

    link_.port().setRts(false);

    state_.ReplyWaitSeconds = 1.0;
    state_.ReplyRounds = 0;
    state_.ReplyOk = false;

    for (QLineEdit* t : {pagerNumberEdit_, addressCodeEdit_, tableNumberEdit_, ownKeyEdit_,
                         tablePagerEdits_[0], tablePagerEdits_[1], tablePagerEdits_[2]})
        t->clear();

    modelList_->setCurrentIndex(DefaultModel);
    polarityList_->setCurrentIndex(DefaultPolarity);
    rateList_->setCurrentIndex(DefaultRate);
    toneList_->setCurrentIndex(DefaultTone);
    workModeList_->setCurrentIndex(DefaultWorkMode);
    portList_->setCurrentIndex(0);
    port_.changePort(portList_->currentText()); // selecting "COM1" is a port change
    receiverFrequencyList_->setCurrentIndex(7);
    infoUnitTypeList_->setCurrentIndex(0);
}

// ---- geometry --------------------------------------------------------------

// The outer size (frame included) is fixed in twips, and grows by the menu bar.
void MainWindow::applyOuterSize()
{
    placeClientArea();
    setFixedSize(clientSizeFor(*this, QSize(px(WidthTwips), px(heightTwips_)))
                 + QSize(0, menuHeight_));
    menuBar_->setGeometry(0, 0, width(), menuHeight_);
}

// Every designed control keeps its place in the client area below the menu bar.
void MainWindow::placeClientArea()
{
    const int height = menuBar_->sizeHint().height();
    if (height == menuHeight_)
        return;
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w != menuBar_ && !w->isWindow())
            w->move(w->x(), w->y() + height - menuHeight_);
    menuHeight_ = height;
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    applyOuterSize();
    // The frame is known only once the window system has decorated the window.
    QTimer::singleShot(0, this, [this] { applyOuterSize(); });
}

// ---- mirrors ---------------------------------------------------------------

// The port row: the status after each change, and the button's caption after
// an open or close (a port change leaves it as it was; a failed open changes
// nothing).
void MainWindow::mirrorPort(const PortStatus& status)
{
    switch (status.state) {
    case PortState::Open:
        portStatus_->setText(MainText::tr("已打开%1").arg(status.port));
        portButton_->setText(MainText::tr("关闭"));
        break;
    case PortState::Closed:
        portStatus_->setText(MainText::tr("串口已关闭"));
        portButton_->setText(MainText::tr("打开"));
        break;
    case PortState::ChoiceChanged: portStatus_->setText(MainText::tr("串口已关闭")); break;
    case PortState::Failed: break;
    }
}

void MainWindow::mirrorTestView()
{
    testButton_->setText(testView_.caption());

    // Text8 grows a line per tick: append what is new instead of re-setting it all.
    QString text = testView_.text();
    text.remove(QLatin1Char('\r'));
    if (text != testTextShown_) {
        if (!testTextShown_.isEmpty() && text.startsWith(testTextShown_)) {
            QTextCursor cursor = testText_->textCursor();
            cursor.movePosition(QTextCursor::End);
            cursor.insertText(text.mid(testTextShown_.size()));
        } else {
            testText_->setPlainText(text);
        }
        testTextShown_ = text;
        testText_->verticalScrollBar()->setValue(testText_->verticalScrollBar()->maximum());
    }

    if (testView_.windowHeightTwips() != heightTwips_) {
        heightTwips_ = testView_.windowHeightTwips();
        applyOuterSize();
    }

    if (testView_.timerOn() && !testTimer_->isActive())
        testTimer_->start();
    else if (!testView_.timerOn() && testTimer_->isActive())
        testTimer_->stop();
}

// ---- keys, focus, clicks ---------------------------------------------------

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The port list takes typed text as it is. Leaving it or pressing Enter
    // would make the list pick the item of that name; that is no click on an
    // item, so it must not change the port.
    if (watched == portList_) {
        const bool enter = event->type() == QEvent::KeyPress
            && (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return
                || static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
        if (enter || event->type() == QEvent::FocusOut) {
            const QScopedValueRollback guard(typingFinishes_, true);
            portList_->event(event);
            return true;
        }
    }

    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (QAbstractButton* run = enterRuns_.value(watched)) {
                run->click();
                return true;
            }
        }
        break;
    }
    case QEvent::FocusIn:
        if (selectOnFocus_.contains(watched)) {
            auto* edit = static_cast<QLineEdit*>(watched);
            edit->selectAll();
            // A click places the caret after the focus arrived: select again once it has.
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
                QTimer::singleShot(0, edit, [edit] {
                    if (edit->hasFocus())
                        edit->selectAll();
                });
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (watched == portCaption_) {
            present(ui_, port_.toggle());
            return true;
        }
        break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

// Only clicks that start and end on the window's own background count for the
// tips; controls (and events they pass on, like clicks on a label) do not.
void MainWindow::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    pressOnBackground_ = event->button() == Qt::LeftButton && childAt(at) == nullptr;
    event->accept();
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const bool click = pressOnBackground_ && event->button() == Qt::LeftButton
        && rect().contains(at) && childAt(at) == nullptr;
    pressOnBackground_ = false;
    event->accept();
    if (click)
        backgroundClicked();
}

// The second press of a double-click is not a click of its own.
void MainWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    pressOnBackground_ = false;
    event->accept();
}

void MainWindow::backgroundClicked()
{
    ++tipsClicks_;
    if (tipsClicks_ >= TipsClicks) {
        tipsClicks_ = 0;
        showTips();
    }
}

QString MainWindow::tipsTitle(int choice)
{
    switch (choice) {
    case 0: return MainText::tr("提示");
    case 1: return MainText::tr("欢迎使用");
    case 2: return MainText::tr("联系方式");
    case 3:
        return MainText::tr("餐厅无线呼叫系统设置程序 %1").arg(QString::fromLatin1(cs::version));
    default: return QStringLiteral("888");
    }
}

QString MainWindow::tipsText(int choice)
{
    switch (choice) {
    case 0: return MainText::tr("注意，如果通讯不成功，请换个串口试试！");
    case 1: return MainText::tr("欢迎使用餐厅无线呼叫系统，祝您生意兴隆！");
    case 2: return MainText::tr("如需帮助，请联系您的安装服务商。");
    case 3: return QString();
    default: return MainText::tr("恭喜发财！");
    }
}

void MainWindow::showTips()
{
    const int choice = std::clamp(int(5.0 * random_()), 0, 4);
    ui_.tip(tipsText(choice), tipsTitle(choice));
}

// ---- other windows and exit ------------------------------------------------

template <class Window> void MainWindow::openWindow(QPointer<Window>& slot)
{
    openWindow(slot, [this] { return new Window(link_, port_, ui_, this); });
}

template <class Window, class Make> void MainWindow::openWindow(QPointer<Window>& slot, Make make)
{
    // A window the user closed is on its way out: open a fresh one, which loads anew.
    if (slot && !slot->isVisible()) {
        slot->deleteLater();
        slot = nullptr;
    }
    if (!slot) {
        slot = make();
        slot->setAttribute(Qt::WA_DeleteOnClose);
    }
    slot->show();
    slot->raise();
    slot->activateWindow();
}

void MainWindow::exitProgram()
{
    if (exiting_ || !editing_.mayExit())
        return;
    exiting_ = true;
    testTimer_->stop();
    Port& port = link_.port();
    if (port.isOpen())
        port.close();
    state_.PortIsOpen = false;
    port.setRts(false);
    QApplication::closeAllWindows();
    if (quit_)
        quit_();
}

// Closing the main window ends the program like the exit button, so no other
// window is left behind without it.
void MainWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (!exiting_)
        exitProgram();
    if (!exiting_)
        event->ignore(); // the user kept unsaved edits of the held image
}

} // namespace cs::ui
