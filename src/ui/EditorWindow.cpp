#include "ui/EditorWindow.h"
#include "shared/Vocabulary.h"
#include "ui/EnterKey.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace cs::ui {

namespace {

// The window's texts, translated under its context.
struct EditorText {
    Q_DECLARE_TR_FUNCTIONS(EditorWindow)
};

// The words a list cell is chosen from (none for a text cell).
constexpr int ListRole = Qt::UserRole;

enum PagerColumn { PagerNumber, Address, Model, Polarity, Rate, Tone };
enum TableColumn { Feature, TableNumber, Pager1, Pager2, Pager3, Key };
enum SettingColumn { Caption, Value };

const Vocabulary* pagerList(int column)
{
    switch (column) {
    case Model: return &pagerModels();
    case Polarity: return &pagerPolarities();
    case Rate: return &pagerRates();
    case Tone: return &pagerTones();
    default: return nullptr;
    }
}

QString listWord(const Vocabulary* list, const std::optional<int>& code)
{
    return code ? list->listText(*code) : QString();
}

// List cells edited with a list of the words; text cells with a line.
class ListDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        const QStringList words = index.data(ListRole).toStringList();
        if (words.isEmpty())
            return QStyledItemDelegate::createEditor(parent, option, index);
        auto* list = new QComboBox(parent);
        list->addItems(words);
        list->setAccessibleName(
            index.model()->headerData(index.column(), Qt::Horizontal).toString());
        return list;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        if (auto* list = qobject_cast<QComboBox*>(editor))
            list->setCurrentIndex(index.data(Qt::EditRole).toInt());
        else
            QStyledItemDelegate::setEditorData(editor, index);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override
    {
        if (auto* list = qobject_cast<QComboBox*>(editor))
            model->setData(index, list->currentIndex());
        else
            QStyledItemDelegate::setModelData(editor, model, index);
    }
};

} // namespace

// One grid over the session: its rows read from the session, each cell edit
// handed to the session's edit for it, whose outcome goes to `shown`.
class EditorModel : public QAbstractTableModel {
public:
    EditorModel(EditSession& session, EditorWindow::Grid grid,
                std::function<void(const Outcome&)> shown, QObject* parent)
        : QAbstractTableModel(parent)
        , session_(session)
        , grid_(grid)
        , shown_(std::move(shown))
    {
        rows_ = countRows();
    }

    QStringList headings() const
    {
        switch (grid_) {
        case EditorWindow::Pagers:
            return {EditorText::tr("传呼号"), EditorText::tr("地址码"), EditorText::tr("机型"),
                    EditorText::tr("极性"),   EditorText::tr("速率"),   EditorText::tr("音调")};
        case EditorWindow::Tables:
            return {EditorText::tr("特征码"),  EditorText::tr("餐桌号"),
                    EditorText::tr("传呼号1"), EditorText::tr("传呼号2"),
                    EditorText::tr("传呼号3"), EditorText::tr("自设键值")};
        case EditorWindow::Settings: break;
        }
        return {EditorText::tr("项目"), EditorText::tr("值")};
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : rows_;
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(headings().size());
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return headings().value(section);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        const bool fixed = index.column() == 0; // the pager number, the caller's code, the caption
        return QAbstractTableModel::flags(index) | (fixed ? Qt::NoItemFlags : Qt::ItemIsEditable);
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= rows_)
            return {};
        switch (grid_) {
        case EditorWindow::Pagers: return pagerData(index.row() + 1, index.column(), role);
        case EditorWindow::Tables: return tableData(index.row(), index.column(), role);
        case EditorWindow::Settings: break;
        }
        return settingData(Setting(index.row()), index.column(), role);
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
            return false;
        if (value == data(index, Qt::EditRole))
            return true; // left as it was: no edit, and nothing rewritten
        const Outcome outcome = edit(index.row(), index.column(), value);
        shown_(outcome);
        return outcome.done();
    }

    // The session changed: every cell again, the rows anew when their count changed.
    void refresh()
    {
        if (countRows() != rows_) {
            beginResetModel();
            rows_ = countRows();
            endResetModel();
        } else if (rows_ > 0) {
            emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
        }
    }

private:
    int countRows() const
    {
        if (!session_.hasImage())
            return 0;
        switch (grid_) {
        case EditorWindow::Pagers: return EditSession::PagerRows;
        case EditorWindow::Tables: return session_.tableRows();
        case EditorWindow::Settings: break;
        }
        return SettingCount;
    }

    QVariant pagerData(int number, int column, int role) const
    {
        const PagerGridRow row = session_.pagerRow(number);
        const Vocabulary* list = pagerList(column);
        const std::optional<int> codes[] = {{}, {}, row.model, row.polarity, row.rate, row.tone};
        if (role == ListRole)
            return list ? QVariant(list->listTexts()) : QVariant();
        if (role == Qt::EditRole && list)
            return codes[column].value_or(-1);
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return {};
        if (column == PagerNumber)
            return number;
        if (column == Address)
            return row.address;
        return listWord(list, codes[column]);
    }

    QVariant tableData(int k, int column, int role) const
    {
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return {};
        const TableGridRow row = session_.tableRow(k);
        switch (column) {
        case Feature: return row.feature;
        case TableNumber: return QString::number(row.number);
        case Key: return row.key;
        default: return row.pagers[size_t(column - Pager1)];
        }
    }

    QVariant settingData(Setting setting, int column, int role) const
    {
        const SettingGridRow row = session_.settingRow(setting);
        if (column == Caption)
            return role == Qt::DisplayRole ? QVariant(row.caption) : QVariant();
        if (role == ListRole && row.list) {
            QStringList words = row.list->listTexts();
            if (row.clearable)
                words << EditSession::notSetText();
            return words;
        }
        if (role == Qt::EditRole && row.list)
            return row.code                   ? *row.code
                : row.clearable && row.notSet ? row.list->size() // "not set", the last item
                                              : -1;
        if (role == Qt::EditRole)
            return row.typed;
        return role == Qt::DisplayRole ? QVariant(row.text) : QVariant();
    }

    Outcome edit(int row, int column, const QVariant& value)
    {
        switch (grid_) {
        case EditorWindow::Pagers: {
            EditSession::PagerValues v = session_.pagerValues(row + 1);
            int* codes[] = {nullptr, nullptr, &v.model, &v.polarity, &v.rate, &v.tone};
            if (column == Address)
                v.address = value.toString();
            else
                *codes[column] = value.toInt();
            return session_.setPager(row + 1, v);
        }
        case EditorWindow::Tables:
            if (column == TableNumber)
                return session_.setTableNumber(row, value.toString());
            if (column == Key)
                return session_.setTableKey(row, value.toString());
            return session_.setTablePager(row, column - Pager1, value.toString());
        case EditorWindow::Settings: break;
        }
        const Setting setting = Setting(row);
        const SettingGridRow current = session_.settingRow(setting);
        if (!current.list)
            return session_.setTransmitterFrequency(value.toString());
        const int code = value.toInt();
        return session_.setSetting(
            setting,
            code >= 0 && code < current.list->size() ? std::optional<int>(code) : std::nullopt);
    }

    EditSession& session_;
    EditorWindow::Grid grid_;
    std::function<void(const Outcome&)> shown_;
    int rows_ = 0;
};

namespace {

QPushButton* button(const QString& caption, const char* name)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

// Columns wide enough for their heading and for the widest word of their list.
void fitColumns(QTableView* view, EditorModel* model)
{
    const QFontMetrics metrics = view->fontMetrics();
    const QStringList headings = model->headings();
    for (int column = 0; column < headings.size(); ++column) {
        int width = metrics.horizontalAdvance(headings[column]) + 24;
        // The first rows show the lists' words and the widest texts.
        for (int row = 0; row < std::min(model->rowCount(), 12); ++row) {
            const QModelIndex index = model->index(row, column);
            width = std::max(width, metrics.horizontalAdvance(index.data().toString()) + 16);
            for (const QString& word : index.data(ListRole).toStringList())
                width = std::max(width, metrics.horizontalAdvance(word) + 40);
        }
        view->setColumnWidth(column, width);
    }
}

} // namespace

EditorWindow::EditorWindow(EditSession& session, Ui& ui, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , session_(session)
    , ui_(ui)
{
    setObjectName(QStringLiteral("EditorWindow"));

    source_ = new QLabel;
    source_->setObjectName(QStringLiteral("Source"));
    source_->setWordWrap(true);

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("Tabs"));
    const QString tabNames[] = {EditorText::tr("传呼机(&P)"), EditorText::tr("餐桌(&T)"),
                                EditorText::tr("设置(&E)")};
    const char* gridNames[] = {"PagerGrid", "TableGrid", "SettingGrid"};
    for (int g = Pagers; g <= Settings; ++g) {
        models_[g] = new EditorModel(
            session_, Grid(g), [this](const Outcome& o) { present(o); }, this);
        auto* view = new QTableView;
        view->setObjectName(QLatin1String(gridNames[g]));
        view->setModel(models_[g]);
        view->setItemDelegate(new ListDelegate(view)); // a delegate serves one view
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                              | QAbstractItemView::AnyKeyPressed);
        view->setTabKeyNavigation(false); // Tab leaves the grid; arrows move in it
        view->verticalHeader()->hide();
        view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 8);
        view->horizontalHeader()->setStretchLastSection(true);
        view->setAccessibleName(QString(tabNames[g]).remove(QLatin1Char('&')));
        grids_[g] = view;
        tabs_->addTab(view, tabNames[g]);
    }

    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("Progress"));
    progress_->setTextVisible(false);
    progress_->setRange(0, HostBlocks - 1);
    progress_->hide();

    undo_ = button(EditorText::tr("撤销(&U)"), "Undo");
    redo_ = button(EditorText::tr("重做(&R)"), "Redo");
    delete_ = button(EditorText::tr("删除(&D)"), "Delete");
    addTable_ = button(EditorText::tr("添加餐桌(&A)…"), "AddTable");
    save_ = button(EditorText::tr("保存(&S)"), "Save");
    saveAs_ = button(EditorText::tr("另存为(&V)…"), "SaveAs");
    download_ = button(EditorText::tr("下发主机并校验(&W)"), "Download");

    auto* edits = new QHBoxLayout;
    for (QPushButton* b : {undo_, redo_, delete_, addTable_})
        edits->addWidget(b);
    edits->addStretch(1);
    auto* files = new QHBoxLayout;
    files->addWidget(progress_, 1);
    files->addStretch(0);
    for (QPushButton* b : {save_, saveAs_, download_})
        files->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(source_);
    layout->addWidget(tabs_, 1);
    layout->addLayout(edits);
    layout->addLayout(files);

    // Window-wide keys; a cell being typed in keeps its own Ctrl+Z.
    const auto key = [this](const QList<QKeySequence>& keys, auto run) {
        auto* action = new QAction(this);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, run);
        addAction(action);
    };
    key({QKeySequence::Undo}, [this] { session_.undo(); });
    key({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
        [this] { session_.redo(); });
    key({QKeySequence::Save}, [this] { present(session_.save(false)); });
    for (QTableView* view : grids_) {
        auto* remove = new QAction(view);
        remove->setShortcut(QKeySequence::Delete);
        remove->setShortcutContext(Qt::WidgetShortcut);
        connect(remove, &QAction::triggered, this, &EditorWindow::deleteRow);
        view->addAction(remove);
    }

    connect(undo_, &QPushButton::clicked, this, [this] { session_.undo(); });
    connect(redo_, &QPushButton::clicked, this, [this] { session_.redo(); });
    connect(delete_, &QPushButton::clicked, this, &EditorWindow::deleteRow);
    connect(addTable_, &QPushButton::clicked, this, [this] { present(EditSession::addTable()); });
    connect(save_, &QPushButton::clicked, this, [this] { present(session_.save(false)); });
    connect(saveAs_, &QPushButton::clicked, this, [this] { present(session_.save(true)); });
    connect(download_, &QPushButton::clicked, this, &EditorWindow::download);
    connect(tabs_, &QTabWidget::currentChanged, this, &EditorWindow::mirror);
    connect(&session_, &EditSession::changed, this, &EditorWindow::mirror);
    enterPressesButtons(this);

    for (int g = Pagers; g <= Settings; ++g)
        fitColumns(grids_[g], models_[g]);
    resize(640, 560);
    mirror();
}

EditorWindow::~EditorWindow() = default;

void EditorWindow::present(const Outcome& outcome)
{
    // Shown once the grid has closed its cell editor: a box over an open
    // editor would take its focus and commit it a second time.
    QMetaObject::invokeMethod(
        this, [this, outcome] { cs::present(ui_, outcome); }, Qt::QueuedConnection);
}

void EditorWindow::mirror()
{
    const QString file = session_.fileName();
    QString title = EditorText::tr("编辑主机内容");
    if (!file.isEmpty())
        title += QStringLiteral(" - ") + file;
    setWindowTitle(title + QStringLiteral("[*]"));
    setWindowModified(session_.modified());
    source_->setText(!session_.hasImage() ? EditSession::noImageText()
                         : file.isEmpty() ? EditorText::tr("从主机读取的内容")
                                          : EditorText::tr("备份文件：%1").arg(file));
    for (EditorModel* model : models_)
        model->refresh();

    const bool image = session_.hasImage();
    const int tab = tabs_->currentIndex();
    undo_->setEnabled(session_.canUndo());
    redo_->setEnabled(session_.canRedo());
    delete_->setEnabled(image && tab != Settings);
    addTable_->setVisible(tab == Tables);
    for (QPushButton* b : {save_, saveAs_, download_})
        b->setEnabled(image);
}

void EditorWindow::deleteRow()
{
    const int tab = tabs_->currentIndex();
    const QModelIndex at = grids_[tab]->currentIndex();
    if (tab == Settings || !at.isValid())
        return;
    present(tab == Pagers ? session_.deletePager(at.row() + 1) : session_.deleteTable(at.row()));
}

void EditorWindow::download()
{
    TransferControl control;
    control.started = [this] {
        progress_->setValue(0);
        progress_->show();
        ui_.repaint();
    };
    control.progress = [this](int value) { progress_->setValue(value); };
    const Outcome outcome = session_.download(control);
    progress_->hide();
    cs::present(ui_, outcome);
}

void EditorWindow::showEvent(QShowEvent* event)
{
    mirror();
    QWidget::showEvent(event);
}

void EditorWindow::closeEvent(QCloseEvent* event)
{
    if (session_.mayClose())
        event->accept();
    else
        event->ignore();
}

} // namespace cs::ui
