#pragma once
// Window geometry is designed in twips (1/1440 inch): 15 twips are one pixel at
// 96 dots per inch.

#include <QComboBox>
#include <QMargins>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace cs::ui {

inline int px(int twips)
{
    return qRound(twips / 15.0);
}

inline QRect twipRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

// The client size of a window whose outer size (frame included) is designed.
// The frame is the one the window system draws, but at least the frame the
// design assumed (4 px borders and a 27 px title bar), so that what lies beyond
// the designed height stays out of view also where windows have no frame.
inline QSize clientSizeFor(const QWidget& window, QSize outer)
{
    QMargins frame;
    if (const QWindow* handle = window.windowHandle())
        frame = handle->frameMargins();
    const int width = std::max(frame.left() + frame.right(), 8);
    const int height = std::max(frame.top() + frame.bottom(), 31);
    return outer - QSize(width, height);
}

// How much wider the lists must be to show their longest item whole (the
// unit's words in English carry the spoken word beside them: "Kitchen (厨房)").
template <class... Lists> int missingWidth(Lists*... lists)
{
    int missing = 0;
    for (QComboBox* list : {lists...}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        missing = std::max(missing, list->sizeHint().width() - list->width());
    }
    return missing;
}

// Moves the children of `parent` that start at or right of `x` by `dx` and
// widens `parent` by it: a column grown by `dx` keeps its neighbours clear.
inline void pushRight(QWidget* parent, int x, int dx)
{
    if (dx <= 0)
        return;
    for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->x() >= x)
            w->move(w->x() + dx, w->y());
    parent->resize(parent->width() + dx, parent->height());
}

} // namespace cs::ui
