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

    command1_ = button(new QPushButton(BackupText::tr("读取主机"), this), "Command1",
                       twipRect(360, 240, 975, 495));
    command6_ = button(new QPushButton(BackupText::tr("保存文件"), this), "Command6",
                       twipRect(1800, 240, 975, 495));
    command7_ = button(new QPushButton(BackupText::tr("打开文件"), this), "Command7",
                       twipRect(3240, 240, 975, 495));
    command8_ = button(new QPushButton(BackupText::tr("下发主机"), this), "Command8",
                       twipRect(4680, 240, 975, 495));
    command5_ = button(new QPushButton(BackupText::tr("按类型显示"), this), "Command5",
                       twipRect(4200, 1200, 1095, 495));
    // Designed at left 5400, its right edge 2 px beyond the window's: moved left to lie inside.
    command4_ = button(new WrapButton(BackupText::tr("内存排列"), this), "Command4",
                       twipRect(5355, 1080, 495, 615));
    command2_ = button(new QPushButton(BackupText::tr("读取内置接收机"), this), "Command2",
                       twipRect(4320, 3480, 1455, 495));
    command3_ = button(new QPushButton(BackupText::tr("读取外置接收机"), this), "Command3",
                       twipRect(4440, 3120, 1455, 495));

    auto* label5 = new ClickLabel(this);
    label5_ = label(label5, "Label5", BackupText::tr("请选择显示的项目"), {});
    label5_->setGeometry(twipRect(2040, 1080, 1440, 180));
    label6_ = label(new QLabel(this), "Label6", view_.label6, twipRect(480, 1200, 0, 0).topLeft());
    label1_ = label(new QLabel(this), "Label1", view_.label1, twipRect(240, 1750, 0, 0).topLeft());
    label7_ = label(new QLabel(this), "Label7", view_.label7, twipRect(5520, 2520, 0, 0).topLeft());

    label2_ = label(new QLabel(this), "Label2",
                    QStringLiteral("  00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F"), {});
    label2_->setGeometry(twipRect(720, 2400, 4410, 180));
    label2_->setFont(monospaceFont());
    label3_ = label(new QLabel(this), "Label3",
                    BackupText::tr("传呼号     地址码       极性      机型      速率     音调"),
                    {});
    label3_->setGeometry(twipRect(240, 2400, 3615, 195));
    label4_ = label(new QLabel(this), "Label4",
                    BackupText::tr("餐桌号    特征码   传呼号1  传呼号2  传呼号3  自设键值"), {});
    label4_->setGeometry(twipRect(120, 2400, 4860, 180));
    // The report headings are spaced for the report's own face, in which a
    // space is as wide as a digit: with it they stand over their columns.
    label3_->setFont(monospaceFont());
    label4_->setFont(monospaceFont());
    // The headings keep their place; a face wider than the design's must not
    // cut off their last words.
    for (QLabel* heading : {label2_, label3_, label4_})
        heading->resize(std::max(heading->width(), heading->sizeHint().width()), heading->height());
    for (QLabel* low : {label5_, label2_, label3_, label4_})
        lineHigh(low);

    // Below the file and download buttons, clear of the labels under them.
    check1_ = new QCheckBox(BackupText::tr("下发后读回校验"), this);
    check1_->setObjectName(QStringLiteral("Check1"));
    check1_->setGeometry(twipRect(3240, 765, 2535, 255));

    combo1_ = new QComboBox(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setEditable(true);
    combo1_->setInsertPolicy(QComboBox::NoInsert);
    combo1_->addItems(reportKindCaptions());
    combo1_->setGeometry(twipRect(1920, 1320, 1815, 300));

    progressBar1_ = new QProgressBar(this);
    progressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar1_->setTextVisible(false);
    progressBar1_->setGeometry(twipRect(600, 1950, 4695, 255));
    // Label1 stands right above the bar. The line height of a CJK face makes
    // its box taller than designed; it ends where the bar begins, or the bar
    // would cover the foot of its text.
    label1_->move(label1_->x(), std::min(label1_->y(), progressBar1_->y() - label1_->height()));

    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setReadOnly(true);
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setFont(monospaceFont());
    text1_->setGeometry(twipRect(120, 2640, 5655, 3495));

    connect(command1_, &QPushButton::clicked, this, [this] { backup_.readHost(); });
    connect(command2_, &QPushButton::clicked, this, [this] { backup_.readBuiltInReceiver(); });
    connect(command3_, &QPushButton::clicked, this, [this] { backup_.readExternalReceiver(); });
    connect(command4_, &QPushButton::clicked, this, [this] { backup_.memoryDump(); });
    connect(command5_, &QPushButton::clicked, this, &BackupWindow::showReportByType);
    connect(command6_, &QPushButton::clicked, this, [this] { backup_.saveFile(); });
    connect(command7_, &QPushButton::clicked, this, [this] { backup_.openFile(); });
    connect(command8_, &QPushButton::clicked, this, [this] { backup_.download(); });
    connect(check1_, &QCheckBox::toggled, this, [this](bool on) { backup_.verify = on; });
    connect(label5, &ClickLabel::clicked, this, [this] { backup_.label5Click(); });
    connect(combo1_, &QComboBox::currentIndexChanged, this,
            [this](int index) { view_.combo1Index = index; });

    // Tab follows the window from top to bottom, the report kind before its button.
    QWidget* chain[] = {command1_, command6_, command7_, command8_, check1_,
                        combo1_,   command5_, command4_, text1_};
    for (size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    enterPressesButtons(this);
}

void BackupWindow::showReportByType()
{
    // Text typed into the list that is not one of its items selects nothing.
    int position = combo1_->currentIndex();
    if (position >= 0 && combo1_->currentText() != combo1_->itemText(position))
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
    setLabel(label1_, view_.label1, view_.label1Visible);
    setLabel(label6_, view_.label6, view_.label6Visible);
    setLabel(label7_, view_.label7, view_.label7Visible);
    command2_->setVisible(false); // the receiver reads stay hidden for the whole run
    command3_->setVisible(false);
    command4_->setVisible(view_.command4Visible);

    progressBar1_->setRange(view_.progressMinimum, view_.progressMaximum);
    progressBar1_->setValue(view_.progressValue);
    progressBar1_->setVisible(view_.progressVisible);

    // The dump or report is set only when it changed: progress updates come often.
    if (view_.text1 != shownText_) {
        shownText_ = view_.text1;
        text1_->setPlainText(shownText_);
    }
    if (combo1_->currentIndex() != view_.combo1Index) {
        const QSignalBlocker block(combo1_);
        combo1_->setCurrentIndex(view_.combo1Index);
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
    const bool room = text1.height() >= text1_->minimumSizeHint().height();
    text1_->setGeometry(text1);
    text1_->setVisible(room);
    label2_->setVisible(room && view_.label2Visible);
    label3_->setVisible(room && view_.label3Visible);
    label4_->setVisible(room && view_.label4Visible);
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
