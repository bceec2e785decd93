#include "ui/BatchWindows.h"
#include "reports/BatchFiles.h"
#include "ui/EnterKey.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWindow>

namespace cs::ui {

namespace {

// The windows' texts, each under its window's context.
struct ImportText {
    Q_DECLARE_TR_FUNCTIONS(ImportWindow)
};
struct LearningText {
    Q_DECLARE_TR_FUNCTIONS(LearningWindow)
};
struct CompareText {
    Q_DECLARE_TR_FUNCTIONS(CompareWindow)
};

template <class Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QPushButton* button(const QString& caption, const char* name)
{
    auto* b = named(new QPushButton(caption), name);
    b->setAutoDefault(false);
    return b;
}

QTableWidget* table(const QStringList& headings, const char* name)
{
    auto* t = named(new QTableWidget(0, int(headings.size())), name);
    t->setHorizontalHeaderLabels(headings);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

void setRow(QTableWidget* t, int row, const QStringList& cells, const QColor& ground = {})
{
    for (int column = 0; column < cells.size() && column < t->columnCount(); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        if (ground.isValid())
            item->setBackground(ground);
        t->setItem(row, column, item);
    }
}

// The face the reports are spaced for: a blank as wide as a digit.
QFont reportFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans Mono CJK SC"),
                      QStringLiteral("WenQuanYi Zen Hei Mono"),
                      QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

} // namespace

StopPassage::StopPassage(QAbstractButton* stop)
    : passage_([button = QPointer<QAbstractButton>(stop)](QObject* receiver) {
        if (!button || !button->isEnabled())
            return false;
        // The window system's window hands the input on to the widget it is for.
        if (receiver->isWindowType())
            return receiver == button->window()->windowHandle();
        return receiver == button;
    })
{
}

// ---- pager import ----------------------------------------------------------

ImportWindow::ImportWindow(Link& link, Commands& commands, Ui& ui, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , import_(link, commands, ui)
{
    setObjectName(QStringLiteral("ImportWindow"));
    setWindowTitle(ImportText::tr("导入传呼机"));
    open_ = button(ImportText::tr("打开文件(&O)…"), "OpenFile");
    fileName_ = named(new QLabel, "FileName");
    QStringList headings{ImportText::tr("行")};
    for (int column = 0; column < 6; ++column)
        headings << pagerColumnCaption(column);
    preview_ = table(headings << ImportText::tr("问题"), "Preview");
    status_ = named(new QLabel, "Status");
    status_->setWordWrap(true);
    progress_ = named(new QProgressBar, "Progress");
    // Without a text the bar repaints only when its chunks move, not at every
    // row: a repaint between two rows would delay the next request.
    progress_->setTextVisible(false);
    write_ = button(ImportText::tr("写入(&W)"), "Write");
    stop_ = button(ImportText::tr("停止(&S)"), "Stop");

    auto* top = new QHBoxLayout;
    top->addWidget(open_);
    top->addWidget(fileName_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(progress_, 1);
    bottom->addWidget(write_);
    bottom->addWidget(stop_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(preview_, 1);
    layout->addWidget(status_);
    layout->addLayout(bottom);

    connect(open_, &QPushButton::clicked, this, [this] { import_.chooseFile(); });
    connect(write_, &QPushButton::clicked, this, &ImportWindow::write);
    connect(stop_, &QPushButton::clicked, this, [this] { import_.requestStop(); });
    connect(&import_, &PagerImport::changed, this, &ImportWindow::mirror);
    enterPressesButtons(this);
    resize(720, 480);
    mirror();
}

void ImportWindow::write()
{
    const StopPassage passage(stop_);
    import_.write();
}

void ImportWindow::mirror()
{
    const PagerImport& m = import_;
    fileName_->setText(m.fileName);
    if (status_->text() != m.status)
        status_->setText(m.status);
    if (!m.running) { // a new file, or the end of a run
        preview_->setRowCount(int(m.preview.size()));
        for (int i = 0; i < m.preview.size(); ++i) {
            const PreviewRow& row = m.preview[i];
            QStringList cells = row.cells.mid(0, 6);
            while (cells.size() < 6)
                cells << QString();
            const QString line = row.line > 0 ? QString::number(row.line) : QString();
            const QColor ground = row.problem.isEmpty() ? QColor() : QColor(255, 214, 214);
            setRow(preview_, i, QStringList{line} + cells + QStringList{row.problem}, ground);
        }
        preview_->resizeColumnsToContents();
    }
    progress_->setRange(0, std::max(1, int(m.rows().size())));
    progress_->setValue(m.done);
    open_->setEnabled(!m.running);
    write_->setEnabled(m.canWrite());
    stop_->setEnabled(m.running);
    if (m.running && !stop_->hasFocus())
        stop_->setFocus(Qt::OtherFocusReason);
    // A longer status gets its lines before the next paint; while rows go out
    // (one line each) the layout waits for the event loop, off the line's time.
    if (!m.running)
        layout()->activate();
}

// ---- table learning --------------------------------------------------------

LearningWindow::LearningWindow(Link& link, Commands& commands, Ui& ui, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , run_(link, commands, ui)
{
    setObjectName(QStringLiteral("LearningWindow"));
    setWindowTitle(LearningText::tr("连续学习餐桌"));
    auto* form = new QGridLayout;
    // The fields of the table caller group, and the last table of the run.
    const struct {
        QString caption;
        const char* label;
        Field field;
    } rows[] = {
        {LearningText::tr("第一个餐桌号(&F)"), "FirstLabel", Field::TableNumber},
        {LearningText::tr("最后一个餐桌号(&T)"), "LastLabel", Field::LastTable},
        {LearningText::tr("自设键值(&K)"), "KeyLabel", Field::OwnKey},
        {LearningText::tr("传呼号1(&1)"), "Pager1Label", Field::TablePager1},
        {LearningText::tr("传呼号2(&2)"), "Pager2Label", Field::TablePager2},
        {LearningText::tr("传呼号3(&3)"), "Pager3Label", Field::TablePager3},
    };
    QLineEdit* edits[6] = {};
    for (int i = 0; i < 6; ++i) {
        auto* label = named(new QLabel(rows[i].caption), rows[i].label);
        edits[i] = addField(rows[i].field, new QLineEdit);
        label->setBuddy(edits[i]);
        form->addWidget(label, i / 3, (i % 3) * 2);
        form->addWidget(edits[i], i / 3, (i % 3) * 2 + 1);
    }
    firstTableEdit_ = edits[0];
    lastTableEdit_ = edits[1];
    ownKeyEdit_ = edits[2];
    std::copy(edits + 3, edits + 6, pagerEdits_);
    start_ = button(LearningText::tr("开始(&B)"), "Start");
    stop_ = button(LearningText::tr("停止(&S)"), "Stop");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(start_);
    buttons->addWidget(stop_);

    // Large enough to read from a step away.
    waiting_ = named(new QLabel, "Waiting");
    QFont big = font();
    big.setPixelSize(72);
    big.setBold(true);
    waiting_->setFont(big);
    waiting_->setAlignment(Qt::AlignCenter);
    waiting_->setMinimumHeight(QFontMetrics(big).height());
    prompt_ = named(new QLabel, "Prompt");
    QFont large = font();
    large.setPixelSize(24);
    prompt_->setFont(large);
    prompt_->setAlignment(Qt::AlignCenter);
    prompt_->setMinimumHeight(2 * QFontMetrics(large).height());
    learned_ = table({LearningText::tr("餐桌号"), LearningText::tr("呼叫器编码")}, "Learned");
    status_ = named(new QLabel, "Status");
    status_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(waiting_);
    layout->addWidget(prompt_);
    layout->addWidget(learned_, 1);
    layout->addWidget(status_);

    for (QLineEdit* edit : edits)
        connect(edit, &QLineEdit::returnPressed, start_, &QPushButton::click);
    connect(start_, &QPushButton::clicked, this, &LearningWindow::start);
    connect(stop_, &QPushButton::clicked, this, [this] { run_.requestStop(); });
    connect(&run_, &LearningRun::changed, this, &LearningWindow::mirror);
    connect(&run_, &LearningRun::tableLearned, this, [] { QApplication::beep(); });
    enterPressesButtons(this);
    resize(640, 560);
    mirror();
}

void LearningWindow::start()
{
    const StopPassage passage(stop_);
    run_.start(firstTableEdit_->text(), lastTableEdit_->text(),
               {ownKeyEdit_->text(), pagerEdits_[0]->text(), pagerEdits_[1]->text(),
                pagerEdits_[2]->text()});
}

void LearningWindow::mirror()
{
    const LearningRun& m = run_;
    waiting_->setText(m.waitingText());
    QString prompt = m.table > 0 ? promptWords(Prompt::CallerKey) : QString();
    if (!m.attemptText().isEmpty())
        prompt += QLatin1Char('\n') + m.attemptText();
    prompt_->setText(prompt);
    if (m.learned.size() < learned_->rowCount())
        learned_->setRowCount(0);
    for (int i = learned_->rowCount(); i < m.learned.size(); ++i) {
        learned_->insertRow(i);
        setRow(learned_, i, {QString::number(m.learned[i].table), m.learned[i].caller});
        learned_->scrollToBottom();
    }
    status_->setText(m.status);
    for (QLineEdit* edit : {firstTableEdit_, lastTableEdit_, ownKeyEdit_, pagerEdits_[0],
                            pagerEdits_[1], pagerEdits_[2]})
        edit->setEnabled(!m.running);
    start_->setEnabled(!m.running);
    stop_->setEnabled(m.running);
    if (m.running && !stop_->hasFocus())
        stop_->setFocus(Qt::OtherFocusReason);
    layout()->activate(); // a longer status gets its lines before the next paint
}

// ---- two backups compared --------------------------------------------------

CompareWindow::CompareWindow(Ui& ui, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , ui_(ui)
{
    setObjectName(QStringLiteral("CompareWindow"));
    setWindowTitle(CompareText::tr("比较两个备份"));
    auto* files = new QGridLayout;
    const QString captions[2] = {CompareText::tr("第一个备份(&1)"),
                                 CompareText::tr("第二个备份(&2)")};
    const char* names[2][3] = {{"FirstLabel", "FirstFile", "ChooseFirst"},
                               {"SecondLabel", "SecondFile", "ChooseSecond"}};
    for (int i = 0; i < 2; ++i) {
        auto* label = named(new QLabel(captions[i]), names[i][0]);
        files_[i] = named(new QLineEdit, names[i][1]);
        label->setBuddy(files_[i]);
        QPushButton* choose = button(CompareText::tr("选择…"), names[i][2]);
        files->addWidget(label, i, 0);
        files->addWidget(files_[i], i, 1);
        files->addWidget(choose, i, 2);
        connect(choose, &QPushButton::clicked, this, [this, i] {
            const QString name = ui_.chooseOpenFile();
            if (!name.isEmpty())
                files_[i]->setText(name);
        });
        connect(files_[i], &QLineEdit::returnPressed, this, &CompareWindow::compare);
    }
    QPushButton* compare = button(CompareText::tr("比较(&C)"), "Compare");
    files->addWidget(compare, 2, 2);
    summary_ = named(new QLabel, "Summary");
    summary_->setWordWrap(true);
    differences_ = named(new QPlainTextEdit, "Differences");
    differences_->setReadOnly(true);
    differences_->setLineWrapMode(QPlainTextEdit::NoWrap);
    differences_->setFont(reportFont());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(files);
    layout->addWidget(summary_);
    layout->addWidget(differences_, 1);
    connect(compare, &QPushButton::clicked, this, &CompareWindow::compare);
    enterPressesButtons(this);
    resize(640, 480);
}

void CompareWindow::compare()
{
    const BackupComparison c = compareBackups(files_[0]->text(), files_[1]->text());
    present(ui_, c.outcome);
    summary_->setText(c.summary);
    differences_->setPlainText(c.difference.text);
}

} // namespace cs::ui
