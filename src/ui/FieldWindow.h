#pragma once
// The fields of one window that a message can send the keyboard focus to, by
// the Field the operations name. Each field's widget carries its control's
// name ("Text1_0") as its object name, for tests and the accessibility bus.

#include "shared/Outcome.h"

#include <QPointer>
#include <QWidget>
#include <map>

namespace cs::ui {

class FieldWindow {
public:
    virtual ~FieldWindow() = default;

    // The widget of `field` in this window; nullptr when the window has none.
    QWidget* fieldWidget(Field field) const
    {
        const auto it = fields_.find(field);
        return it == fields_.end() ? nullptr : it->second.data();
    }

protected:
    // Makes `widget` this window's `field`.
    template <class Widget> Widget* addField(Field field, Widget* widget)
    {
        widget->setObjectName(controlName(field));
        fields_[field] = widget;
        return widget;
    }

private:
    std::map<Field, QPointer<QWidget>> fields_;
};

} // namespace cs::ui
