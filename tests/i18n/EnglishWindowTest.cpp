// The main window in English: every caption shown is English and fits its
// control (its text is no wider than the room the control gives it).

#include "shared/Language.h"
#include "ui/Program.h"

#include <QtWidgets>
#include <gtest/gtest.h>

namespace {

// The caption of a shown control and the room it has; an empty caption when
// the control shows none.
std::pair<QString, int> captionAndRoom(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w))
        return {label->text(), label->contentsRect().width()};
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room = w->style()->subElementRect(QStyle::SE_PushButtonContents, &option, w);
        return {button->text().remove(QLatin1Char('&')), room.width()};
    }
    if (auto* box = qobject_cast<QGroupBox*>(w))   // the title starts one indent in
        return {box->title(), box->width() - 2 * box->style()->pixelMetric(QStyle::PM_LayoutLeftMargin)};
    return {};
}

} // namespace

TEST(EnglishWindow, CaptionsAreEnglishAndFit)
{
    auto& app = *qobject_cast<QApplication*>(QCoreApplication::instance());
    ASSERT_TRUE(cs::installLanguage(app, cs::Language::English));
    cs::ui::Program program(app);
    QWidget& window = program.mainWindow();
    program.show();
    const QRegularExpression chinese(QStringLiteral("\\p{Han}"));
    EXPECT_FALSE(window.windowTitle().contains(chinese));
    int checked = 0;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        QStringList texts;
        int room = 0;
        if (auto* list = qobject_cast<QComboBox*>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(list);
            option.editable = list->isEditable();
            room = w->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                              QStyle::SC_ComboBoxEditField, w).width();
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        } else {
            const auto [text, width] = captionAndRoom(w);
            texts << text;
            room = width;
        }
        if (!w->isVisibleTo(&window) || texts.join(QString()).isEmpty())
            continue;
        ++checked;
        for (const QString& text : texts) {
            EXPECT_FALSE(text.contains(chinese)) << text.toStdString();
            EXPECT_LE(w->fontMetrics().horizontalAdvance(text), room) << text.toStdString();
        }
    }
    EXPECT_GE(checked, 37);   // the controls the window shows
}
