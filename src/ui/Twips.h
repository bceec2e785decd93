#pragma once
// Window geometry is designed in twips (1/1440 inch): 15 twips are one pixel at
// 96 dots per inch.

#include <QMargins>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace cs::ui {

inline int px(int twips) { return qRound(twips / 15.0); }

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

} // namespace cs::ui
