#include "ui/PortTips.h"
#include "link/PortNames.h"

#include <QComboBox>
#include <QKeyEvent>

namespace cs::ui {

namespace {

// The keys that open a combo box's list.
bool opensList(const QKeyEvent* key)
{
    const bool alt = key->modifiers() & Qt::AltModifier;
    return key->key() == Qt::Key_F4
        || (alt && (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up));
}

class TipRenewer : public QObject {
public:
    explicit TipRenewer(QComboBox* ports)
        : QObject(ports)
        , ports_(ports)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        const bool opening = type == QEvent::MouseButtonPress
            || (type == QEvent::KeyPress && opensList(static_cast<QKeyEvent*>(event)));
        if (watched == ports_ && opening)
            renewPortTips(ports_);
        return false;
    }

private:
    QComboBox* ports_;
};

} // namespace

void renewPortTips(QComboBox* ports)
{
    int highest = 0;
    for (int i = 0; i < ports->count(); ++i)
        highest = std::max(highest, portNumberOf(ports->itemText(i)));
    const QList<PortRoute> routes = portRoutes(highest);
    for (int i = 0; i < ports->count(); ++i) {
        const int number = portNumberOf(ports->itemText(i));
        ports->setItemData(i, number > 0 ? routes[number - 1].device : QString(), Qt::ToolTipRole);
    }
}

void attachPortTips(QComboBox* ports)
{
    ports->installEventFilter(new TipRenewer(ports));
}

} // namespace cs::ui
