#include "ui/BackupWindow.h"
#include "reports/ReportView.h"
#include "reports/Reports.h"
#include "ui/EnterKey.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QStyleOptionButton>

#include <algorithm>

namespace cs::ui {

namespace {

// The window's texts, translated under the context "BackupWindow".
struct BackupText {
    Q_DECLARE_TR_FUNCTIONS(BackupWindow)
};

// A label that reports clicks (press and release over it).
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            emit clicked();
        QLabel::mouseReleaseEvent(event);
    }
};

// Latin characters half as wide as CJK ones, so the dump columns line up
// under the heading.
QFont monospaceFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans Mono CJK SC"),
                      QStringLiteral("WenQuanYi Zen Hei Mono"), QStringLiteral("Sarasa Mono SC"),
                      QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPixelSize(12);
    return font;
}

// A label at least as high as a line of its face, around its designed middle:
// in a 12 px high label the top and foot of Chinese characters are cut off.
void lineHigh(QLabel* label)
{
    QRect r = label->geometry();
    const int middle2 = 2 * r.top() + r.height(); // twice the middle, exact
    r.setHeight(std::max(r.height(), label->fontMetrics().height()));
    r.moveTop((middle2 - r.height()) / 2);
    label->setGeometry(r);
}

// Text1 as designed, and the window's client area it was designed in: its
// margins to the right and bottom edges stay when the user resizes the window.
const QRect Text1Design = twipRect(120, 2640, 5655, 3495);
const QSize FullClientDesign = BackupWindow::outerSize(true) - QSize(8, 31);

} // namespace

void WrapButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(captionRect(), CaptionFlags, text());
}

BackupWindow::BackupWindow(Link& link, PortControl& port, Ui& ui, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , link_(link)
    , port_(port)
    , ui_(ui)
    , backup_(link, port, view_, ui)
{
    setObjectName(QStringLiteral("form3"));
    setWindowTitle(BackupText::tr("读取"));
    build();
    view_.restoreDesign();
    connect(&view_, &BackupView::changed, this, &BackupWindow::applyView);
    applyView();
}

void BackupWindow::build()
{
    QFont font = this->font();
    font.setPixelSize(12); // the design's 9 pt captions
    setFont(font);

    const auto button = [](QPushButton* b, const char* name, QRect geometry) {
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(geometry);
        return b;
    };
    const auto label = [](QLabel* l, const char* name, const QString& text, QPoint at) {
        l->setObjectName(QString::fromLatin1(name));
        l->setText(text);
        l->move(at);
        l->adjustSize();
        return l;
    };

    readHostButton_ = button(new QPushButton(BackupText::tr("读取主机"), this), "Command1",
                             twipRect(360, 240, 975, 495));
    saveButton_ = button(new QPushButton(BackupText::tr("保存文件"), this), "Command6",
                         twipRect(1800, 240, 975, 495));
    openButton_ = button(new QPushButton(BackupText::tr("打开文件"), this), "Command7",
                         twipRect(3240, 240, 975, 495));
    downloadButton_ = button(new QPushButton(BackupText::tr("下发主机"), this), "Command8",
                             twipRect(4680, 240, 975, 495));
    showReportButton_ = button(new QPushButton(BackupText::tr("按类型显示"), this), "Command5",
                               twipRect(4200, 1200, 1095, 495));
    // Designed at left 5400, its right edge 2 px beyond the window's: moved left to lie inside.
    dumpButton_ = button(new WrapButton(BackupText::tr("内存排列"), this), "Command4",
                         twipRect(5355, 1080, 495, 615));
    readBuiltInButton_ = button(new QPushButton(BackupText::tr("读取内置接收机"), this), "Command2",
                                twipRect(4320, 3480, 1455, 495));
    readExternalButton_ = button(new QPushButton(BackupText::tr("读取外置接收机"), this),
                                 "Command3", twipRect(4440, 3120, 1455, 495));

    auto* label5 = new ClickLabel(this);
    reportCaption_ = label(label5, "Label5", BackupText::tr("请选择显示的项目"), {});
    reportCaption_->setGeometry(twipRect(2040, 1080, 1440, 180));
    hostStatus_ = label(new QLabel(this), "Label6", view_.label6,
                        twipRect(480, 1200, 0, 0).topLeft());
    progressCaption_ = label(new QLabel(this), "Label1", view_.label1,
                             twipRect(240, 1750, 0, 0).topLeft());
    receiverStatus_ = label(new QLabel(this), "Label7", view_.label7,
                            twipRect(5520, 2520, 0, 0).topLeft());

    dumpHeading_ = label(new QLabel(this), "Label2",
                         QStringLiteral("  00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F"), {});
    dumpHeading_->setGeometry(twipRect(720, 2400, 4410, 180));
    dumpHeading_->setFont(monospaceFont());
    pagerHeading_ = label(
        new QLabel(this), "Label3",
        BackupText::tr("传呼号     地址码       极性      机型      速率     音调"), {});
    pagerHeading_->setGeometry(twipRect(240, 2400, 3615, 195));
    tableHeading_ = label(new QLabel(this), "Label4",
                          BackupText::tr("餐桌号    特征码   传呼号1  传呼号2  传呼号3  自设键值"),
                          {});
    tableHeading_->setGeometry(twipRect(120, 2400, 4860, 180));
    // The report headings are spaced for the report's own face, in which a
    // space is as wide as a digit: with it they stand over their columns.
    pagerHeading_->setFont(monospaceFont());
    tableHeading_->setFont(monospaceFont());
    // The headings keep their place; a face wider than the design's must not
    // cut off their last words.
    for (QLabel* heading : {dumpHeading_, pagerHeading_, tableHeading_})
        heading->resize(std::max(heading->width(), heading->sizeHint().width()), heading->height());
    for (QLabel* low : {reportCaption_, dumpHeading_, pagerHeading_, tableHeading_})
        lineHigh(low);

    // Below the file and download buttons, clear of the labels under them.
    verifyCheck_ = new QCheckBox(BackupText::tr("下发后读回校验"), this);
    verifyCheck_->setObjectName(QStringLiteral("Check1"));
    verifyCheck_->setGeometry(twipRect(3240, 765, 2535, 255));

    reportKindList_ = new QComboBox(this);
    reportKindList_->setObjectName(QStringLiteral("Combo1"));
    reportKindList_->setEditable(true);
    reportKindList_->setInsertPolicy(QComboBox::NoInsert);
    reportKindList_->addItems(reportKindCaptions());
    reportKindList_->setGeometry(twipRect(1920, 1320, 1815, 300));

    progressBar_ = new QProgressBar(this);
    progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar_->setTextVisible(false);
    progressBar_->setGeometry(twipRect(600, 1950, 4695, 255));
    // Label1 stands right above the bar. The line height of a CJK face makes
    // its box taller than designed; it ends where the bar begins, or the bar
    // would cover the foot of its text.
    progressCaption_->move(
        progressCaption_->x(),
        std::min(progressCaption_->y(), progressBar_->y() - progressCaption_->height()));

    reportText_ = new QPlainTextEdit(this);
    reportText_->setObjectName(QStringLiteral("Text1"));
    reportText_->setReadOnly(true);
    reportText_->setLineWrapMode(QPlainTextEdit::NoWrap);
    reportText_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    reportText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    reportText_->setFont(monospaceFont());
    reportText_->setGeometry(twipRect(120, 2640, 5655, 3495));

    connect(readHostButton_, &QPushButton::clicked, this, [this] { backup_.readHost(); });
    connect(readBuiltInButton_, &QPushButton::clicked, this,
            [this] { backup_.readBuiltInReceiver(); });
    connect(readExternalButton_, &QPushButton::clicked, this,
            [this] { backup_.readExternalReceiver(); });
    connect(dumpButton_, &QPushButton::clicked, this, [this] { backup_.memoryDump(); });
    connect(showReportButton_, &QPushButton::clicked, this, &BackupWindow::showReportByType);
    connect(saveButton_, &QPushButton::clicked, this, [this] { backup_.saveFile(); });
    connect(openButton_, &QPushButton::clicked, this, [this] { backup_.openFile(); });
    connect(downloadButton_, &QPushButton::clicked, this, [this] { backup_.download(); });
    connect(verifyCheck_, &QCheckBox::toggled, this, [this](bool on) { backup_.verify = on; });
    connect(label5, &ClickLabel::clicked, this, [this] { backup_.label5Click(); });
    connect(reportKindList_, &QComboBox::currentIndexChanged, this,
            [this](int index) { view_.combo1Index = index; });

    // Tab follows the window from top to bottom, the report kind before its button.
    QWidget* chain[] = {readHostButton_,   saveButton_,  openButton_,
                        downloadButton_,   verifyCheck_, reportKindList_,
                        showReportButton_, dumpButton_,  reportText_};
    for (size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    enterPressesButtons(this);
}

void BackupWindow::showReportByType()
{
    // Text typed into the list that is not one of its items selects nothing.
    int position = reportKindList_->currentIndex();
    if (position >= 0 && reportKindList_->currentText() != reportKindList_->itemText(position))
        position = -1;
    showReport(view_, link_.state(), ui_, reportKindAt(position));
}

void BackupWindow::applyView()
{
    const auto setLabel = [](QLabel* l, const QString& text, bool visible) {
        if (l->text() != text) {
            l->setText(text);
            l->adjustSize();
        }
        l->setVisible(visible);
    };
    setLabel(progressCaption_, view_.label1, view_.label1Visible);
    setLabel(hostStatus_, view_.label6, view_.label6Visible);
    setLabel(receiverStatus_, view_.label7, view_.label7Visible);
    readBuiltInButton_->setVisible(false); // the receiver reads stay hidden for the whole run
    readExternalButton_->setVisible(false);
    dumpButton_->setVisible(view_.command4Visible);

    progressBar_->setRange(view_.progressMinimum, view_.progressMaximum);
    progressBar_->setValue(view_.progressValue);
    progressBar_->setVisible(view_.progressVisible);

    // The dump or report is set only when it changed: progress updates come often.
    if (view_.text1 != shownText_) {
        shownText_ = view_.text1;
        reportText_->setPlainText(shownText_);
    }
    if (reportKindList_->currentIndex() != view_.combo1Index) {
        const QSignalBlocker block(reportKindList_);
        reportKindList_->setCurrentIndex(view_.combo1Index);
    }
    applySize();
    layoutReportArea();
}

QSize BackupWindow::outerSize(bool full)
{
    return QSize(px(5985), px(full ? 6800 : 2750));
}

QSize BackupWindow::clientSize(bool full) const
{
    return clientSizeFor(*this, outerSize(full));
}

void BackupWindow::applySize()
{
    if (appliedSizeSettings_ == view_.sizeSettings)
        return;
    appliedSizeSettings_ = view_.sizeSettings;
    // Smaller than compact, the buttons and the progress bar would be cut off.
    setMinimumSize(clientSize(false));
    const QSize client = clientSize(view_.fullSize);
    if (size() != client)
        resize(client);
}

// Text1 keeps its designed margins to the window's right and bottom edges. It
// and the headings above it show only when the window has room for all of the
// text area: not in the compact size, where they lie below the window's edge.
void BackupWindow::layoutReportArea()
{
    const QRect text1(Text1Design.topLeft(), size() - (FullClientDesign - Text1Design.size()));
    const bool room = text1.height() >= reportText_->minimumSizeHint().height();
    reportText_->setGeometry(text1);
    reportText_->setVisible(room);
    dumpHeading_->setVisible(room && view_.label2Visible);
    pagerHeading_->setVisible(room && view_.label3Visible);
    tableHeading_->setVisible(room && view_.label4Visible);
}

void BackupWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutReportArea();
}

void BackupWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        view_.restoreDesign();
        backup_.load();
    }
    QWidget::showEvent(event);
}

} // namespace cs::ui

#include "BackupWindow.moc"
