#pragma once
// The learning prompt windows Form2 and Form4: a title and one label on a light
// grey ground, shown while a command waits for a key press at a caller. They
// have no behaviour of their own; WidgetUi shows and hides them.

#include <QFontMetrics>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace cs::ui {

class PromptWindow : public QWidget {
    Q_OBJECT
public:
    // Client size in twips (15 twips a pixel).
    PromptWindow(const QString& name, const QString& title, const QString& text, int widthTwips,
                 int heightTwips, QWidget* parent = nullptr);

    // "请按呼叫器的服务键！" for table callers and repeaters.
    static PromptWindow* createForm2(QWidget* parent = nullptr);
    // "Form4" for hurry buttons.
    static PromptWindow* createForm4(QWidget* parent = nullptr);

    QLabel* label() const { return words_; }

    // The lines of a prompt text in `width` pixels, broken at blanks only; a
    // line break eats the blanks in front of the next word.
    static QStringList wrapAtBlanks(const QString& text, const QFontMetrics& metrics, int width);

    // Shows the window without blocking, centred over `owner` (over the screen
    // without one), and paints it now, handling no input.
    void showNow(const QWidget* owner = nullptr);

private:
    QLabel* words_;
};

} // namespace cs::ui
