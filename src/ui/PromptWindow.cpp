#include "ui/PromptWindow.h"
#include "commands/CommandPattern.h"
#include "shared/Outcome.h"
#include "ui/Twips.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QScreen>

namespace cs::ui {

namespace {

// The prompt windows' texts, translated under the context "PromptWindow".
struct PromptText {
    Q_DECLARE_TR_FUNCTIONS(PromptWindow)
};

// A label that breaks its lines at blanks only, as the prompt texts are laid
// out: the run of blanks in the middle pushes the second sentence onto its own
// line instead of splitting it between two characters.
class BlankWrapLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        const QFontMetrics metrics(font());
        const QStringList lines = PromptWindow::wrapAtBlanks(text(), metrics,
                                                             contentsRect().width());
        const int height = metrics.lineSpacing() * int(lines.size());
        int y = contentsRect().top() + (contentsRect().height() - height) / 2;
        for (const QString& line : lines) {
            painter.drawText(contentsRect().left(), y + metrics.ascent(), line);
            y += metrics.lineSpacing();
        }
    }
};

// The label face: 宋体, else another Simplified Chinese face.
QFont promptFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                      QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSize(9);
    return font;
}

} // namespace

PromptWindow::PromptWindow(const QString& name, const QString& title, const QString& text,
                           int widthTwips, int heightTwips, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(name);
    setWindowTitle(title);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
    setPalette(pal);
    setAutoFillBackground(true);
    setFixedSize(px(widthTwips), px(heightTwips));

    words_ = new BlankWrapLabel(text, this);
    words_->setObjectName(QStringLiteral("Label1"));
    words_->setFont(promptFont());
    words_->setGeometry(px(120), px(60), px(widthTwips - 240), px(heightTwips - 120));
}

PromptWindow* PromptWindow::createForm2(QWidget* parent)
{
    return new PromptWindow(QStringLiteral("Form2"), promptWords(Prompt::CallerKey),
                            PromptText::tr("   请按呼叫器的服务键!     ……4秒钟后自动返回……"), 3030,
                            930, parent);
}

PromptWindow* PromptWindow::createForm4(QWidget* parent)
{
    return new PromptWindow(QStringLiteral("Form4"), QStringLiteral("Form4"),
                            PromptText::tr(" 请按催菜器的任意键加#键     ……4秒钟后自动返回……"),
                            3255, 930, parent);
}

QStringList PromptWindow::wrapAtBlanks(const QString& text, const QFontMetrics& metrics, int width)
{
    // Words with the blanks in front of them.
    QStringList words;
    QString word;
    for (QChar c : text) {
        if (c == QLatin1Char(' ') && !word.isEmpty() && word.back() != QLatin1Char(' ')) {
            words << word;
            word.clear();
        }
        word += c;
    }
    if (!word.isEmpty())
        words << word;

    QStringList lines;
    QString line;
    for (const QString& w : words) {
        const QString longer = line + w;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines << line;
            line = w.trimmed();
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

void PromptWindow::showNow(const QWidget* owner)
{
    // Centred over the window the command runs from, like its message boxes.
    QRect area = owner ? owner->frameGeometry() : QRect();
    if (area.isEmpty())
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
    // Its frame is known only once shown: taken as wide as the owner's.
    const QSize border = owner ? owner->frameGeometry().size() - owner->size() : QSize();
    QRect frame(QPoint(), size() + border);
    frame.moveCenter(area.center());
    move(frame.topLeft());
    show();
    raise();
    // Paint now: the command goes on to wait right after this. Only paint
    // requests are delivered here, no input and no timers.
    repaint();
    QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
    QCoreApplication::sendPostedEvents(this, QEvent::UpdateLater);
}

} // namespace cs::ui
