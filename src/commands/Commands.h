#pragma once
// The configuration commands of the main window, one function per button.
// Inputs are the field texts and list positions (-1: no item selected); effects
// are the request, the message boxes, the focus and the prompt windows.

#include "link/Link.h"
#include "link/PortControl.h"

#include <QCoreApplication>
#include <QString>

namespace cs {

class Commands {
    // Messages of the commands are translated under the context "Commands".
    Q_DECLARE_TR_FUNCTIONS(Commands)

public:
    Commands(Link& link, PortControl& port) : link_(link), port_(port) {}

    // Command1: Text1(0), Text1(1), Combo1(0) model, Combo1(1) polarity, Combo1(2) rate, Combo1(3) tone.
    void setPager(const QString& number, const QString& address, int model, int polarity, int rate, int tone);
    // Command4: Text4.
    void deletePager(const QString& number);
    // Command3: Text3(0) table, Text3(1) own key value, Text3(2..4) pager numbers 1..3.
    void setTable(const QString& table, const QString& key, const QString& pager1,
                  const QString& pager2, const QString& pager3);
    // Command5: Text6.
    void deleteTable(const QString& table);
    // Command19: Text11.
    void setHurryButton(const QString& number);
    // Command10: Text5.
    void deleteHurryButton(const QString& number);
    // Command2: Text2.
    void setReceiverNumber(const QString& number);
    // Command13: Combo2 text and position, Text10.
    void setReceiverFrequency(const QString& frequencyText, int position, const QString& receiver);
    // Command6.
    void initialiseReceiver();
    // Command14: Text7.
    void setTransmitterFrequency(const QString& megahertz);
    // Command11: Combo4 position.
    void setWorkMode(int position);
    // Command20: Combo3 position.
    void setInfoUnitType(int position);
    // Command7.
    void initialiseHost();
    // Command16.
    void writeRepeater();
    // Command17.
    void deleteRepeater();

private:
    Link& link_;
    PortControl& port_;
};

} // namespace cs
