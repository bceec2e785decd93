#pragma once
// Whether the captions a window shows fit: every label, button, frame title,
// check box and list item is wide and high enough for its text, lies inside the
// window or frame that holds it, is not covered by another control, and (in
// English) speaks English. Used offscreen and in real windows under Xvfb.

#include "ui/BackupWindow.h"
#include "ui/PromptWindow.h"

#include <QtWidgets>
#include <gtest/gtest.h>

namespace cs::test {

// A caption as its control lays it out: the text, the room it is drawn in and
// Qt's alignment and wrapping flags.
struct Caption {
    QString text;
    QRect room;
    int flags = Qt::AlignLeft | Qt::AlignVCenter;
};

inline QList<Caption> captionsOf(QWidget* w)
{
    const auto plain = [](QString text) { return text.remove(QLatin1Char('&')); };
    if (auto* button = qobject_cast<cs::ui::WrapButton*>(w))
        return {{button->text(), button->captionRect(), cs::ui::WrapButton::CaptionFlags}};
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room = w->style()->subElementRect(QStyle::SE_PushButtonContents, &option, w);
        return {{plain(button->text()), room, Qt::AlignCenter}};
    }
    if (auto* box = qobject_cast<QCheckBox*>(w)) {
        QStyleOptionButton option;
        option.initFrom(box);
        return {{box->text(), w->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, w)}};
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        const int wrap = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
        // A label with a buddy shows its mnemonic underlined, without the '&'.
        const QString text = label->buddy() ? plain(label->text()) : label->text();
        return {{text, label->contentsRect(), int(label->alignment()) | wrap}};
    }
    if (auto* frame = qobject_cast<QGroupBox*>(w)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        QRect room = w->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                QStyle::SC_GroupBoxLabel, w);
        room.setRight(w->rect().right());
        return {{plain(frame->title()), room}};
    }
    QList<Caption> items;
    if (auto* bar = qobject_cast<QMenuBar*>(w))
        for (QAction* action : bar->actions())
            items.append({plain(action->text()), bar->actionGeometry(action), Qt::AlignCenter});
    if (auto* list = qobject_cast<QComboBox*>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = list->isEditable();
        const QRect room = w->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, w);
        for (int i = 0; i < list->count(); ++i)
            items.append({list->itemText(i), room});
    }
    return items;
}

// Where screenshots go: $CALLSETUP_ARTIFACTS, else the working folder.
inline QString artifact(const QString& name)
{
    const QString artifacts = qEnvironmentVariable("CALLSETUP_ARTIFACTS", QDir::currentPath());
    QDir().mkpath(artifacts);
    return QDir(artifacts).filePath(name);
}

// Han characters in an English text are allowed only as the unit's own word
// beside its English meaning: "Kitchen (厨房)".
inline bool speaksEnglish(QString text)
{
    static const QRegularExpression spokenWord(QStringLiteral("(?<=[A-Za-z.] )\\([^()]*\\)"));
    static const QRegularExpression han(QStringLiteral("\\p{Han}"));
    return !text.remove(spokenWord).contains(han);
}

// Everything wrong with the captions `window` shows now, one line each.
inline QStringList captionMisfits(QWidget* window, bool english)
{
    QStringList found;
    const auto report = [&](QWidget* w, const QString& what, const QString& text) {
        found << QStringLiteral("%1/%2 \"%3\": %4")
                     .arg(window->objectName(), w->objectName(), text, what);
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        // Cut by the edge of the window or frame that holds it (wholly outside is out of view).
        const QRect parentRect = w->parentWidget()->rect();
        if (parentRect.intersects(w->geometry()) && !parentRect.contains(w->geometry()))
            report(w, "cut by its container's edge", QString());
        const QFontMetrics metrics = w->fontMetrics();
        auto* prompt = qobject_cast<cs::ui::PromptWindow*>(window);
        for (const Caption& c : captionsOf(w)) {
            if (c.text.isEmpty())
                continue;
            if (english && !speaksEnglish(c.text))
                report(w, "not English", c.text);
            if (prompt && w == prompt->label()) {
                // Its own line breaking, at blanks only.
                const QStringList lines = cs::ui::PromptWindow::wrapAtBlanks(c.text, metrics,
                                                                             c.room.width());
                for (const QString& line : lines)
                    if (metrics.horizontalAdvance(line) > c.room.width())
                        report(w, "too long", line);
                if (metrics.lineSpacing() * lines.size() > c.room.height())
                    report(w, "too many lines", c.text);
                continue;
            }
            const QRect needed = metrics.boundingRect(c.room, c.flags, c.text);
            if (needed.width() > c.room.width()
                || ((c.flags & Qt::TextWordWrap) && needed.height() > c.room.height()))
                report(w, "too long", c.text);
            // The ink of a single line stays inside the control's height, and
            // no other control of the same container covers it.
            QRect ink = needed;
            if (!(c.flags & Qt::TextWordWrap)) {
                ink = metrics.tightBoundingRect(c.text);
                ink.translate(needed.left(), needed.top() + metrics.ascent());
                if (ink.top() < 0 || ink.bottom() > w->rect().bottom())
                    report(w, "cut at the top or bottom", c.text);
            }
            const QRect inParent = ink.translated(w->pos());
            for (QWidget* sibling :
                 w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (sibling != w && sibling->isVisibleTo(window)
                    && sibling->geometry().intersects(inParent))
                    report(w, "covered by " + sibling->objectName(), c.text);
        }
    }
    return found;
}

// For EXPECT_TRUE: the misfits, one a line.
inline ::testing::AssertionResult captionsFit(QWidget* window, bool english)
{
    const QStringList found = captionMisfits(window, english);
    if (found.isEmpty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << qPrintable(found.join(QLatin1Char('\n')));
}

} // namespace cs::test
