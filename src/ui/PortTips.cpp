#include "ui/PortTips.h"
#include "link/PortNames.h"

#include <QComboBox>
#include <QEvent>

namespace cs::ui {

namespace {

void renewTips(QComboBox* ports)
{
    for (int i = 0; i < ports->count(); ++i) {
        const int number = portNumberOf(ports->itemText(i));
        ports->setItemData(i, number > 0 ? portDevice(number) : QString(), Qt::ToolTipRole);
    }
}

class TipRenewer : public QObject {
public:
    explicit TipRenewer(QComboBox* ports) : QObject(ports), ports_(ports) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        const bool opening = type == QEvent::MouseButtonPress || type == QEvent::KeyPress;
        if (watched == ports_ && (opening || type == QEvent::ToolTip))
            renewTips(ports_);
        return false;
    }

private:
    QComboBox* ports_;
};

} // namespace

void attachPortTips(QComboBox* ports)
{
    renewTips(ports);
    ports->installEventFilter(new TipRenewer(ports));
}

} // namespace cs::ui
