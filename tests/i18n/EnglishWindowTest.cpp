// The main window in English: every caption shown is English and fits its
// control (its text is no wider than the room the control gives it).

#include "shared/Language.h"
#include "ui/Program.h"

#include <QtWidgets>
#include <gtest/gtest.h>

TEST(EnglishWindow, CaptionsAreEnglishAndFit)
{
    QApplication& app = *qApp;
    ASSERT_TRUE(cs::installLanguage(app, cs::Language::English));
    cs::ui::Program program(app);
    QWidget& window = program.mainWindow();
    const QRegularExpression chinese(QStringLiteral("\\p{Han}"));
    int checked = 0;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        // Labels and buttons have a text, frames a title, lists their items.
        QStringList texts{w->property("text").toString().remove(QLatin1Char('&'))
                          + w->property("title").toString()};
        QRect room = w->contentsRect();
        if (auto* button = qobject_cast<QPushButton*>(w)) {
            QStyleOptionButton option;
            option.initFrom(button);
            room = w->style()->subElementRect(QStyle::SE_PushButtonContents, &option, w);
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(list);
            room = w->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                              QStyle::SC_ComboBoxEditField, w);
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        }
        if (!w->isVisibleTo(&window) || texts.join("").isEmpty())
            continue;
        ++checked;
        for (const QString& text : texts) {
            EXPECT_FALSE(text.contains(chinese)) << qPrintable(text);
            EXPECT_LE(w->fontMetrics().horizontalAdvance(text), room.width()) << qPrintable(text);
        }
    }
    EXPECT_GE(checked, 37);   // the labels, frames, buttons and lists the window shows
}
