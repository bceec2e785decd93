#pragma once
// The configuration commands of the main window, one function per button.
// Inputs are the field texts and list positions (-1: no item selected); effects
// are the request and the prompt windows. Each returns what happened: its
// ending, the message the windows show for it and the field the focus goes to.

#include "commands/CommandPattern.h"
#include "link/Link.h"
#include "link/PortControl.h"

#include <QCoreApplication>
#include <QString>

namespace cs {

class Commands {
    // Messages of the commands are translated under the context "Commands".
    Q_DECLARE_TR_FUNCTIONS(Commands)

public:
    Commands(Link& link, PortControl& port)
        : link_(link)
        , port_(port)
    {
    }

    // Command1: Text1(0), Text1(1), Combo1(0) model, Combo1(1) polarity, Combo1(2) rate, Combo1(3)
    // tone.
    Outcome setPager(const QString& number, const QString& address, int model, int polarity,
                     int rate, int tone);
    // The set pager request for these inputs, after the command's own checks.
    static Built pagerRequest(const QString& number, const QString& address, int model,
                              int polarity, int rate, int tone);
    // Command4: Text4.
    Outcome deletePager(const QString& number);
    // Command3: Text3(0) table, Text3(1) own key value, Text3(2..4) pager numbers 1..3.
    Outcome setTable(const QString& table, const QString& key, const QString& pager1,
                     const QString& pager2, const QString& pager3);
    // Command3 as a step of learning many tables: a wait without a key press
    // ends with no message (the caller asks again).
    Outcome learnTable(const QString& table, const QString& key, const QString& pager1,
                       const QString& pager2, const QString& pager3);
    // Command5: Text6.
    Outcome deleteTable(const QString& table);
    // Command19: Text11.
    Outcome setHurryButton(const QString& number);
    // Command10: Text5.
    Outcome deleteHurryButton(const QString& number);
    // Command2: Text2.
    Outcome setReceiverNumber(const QString& number);
    // Command13: Combo2 text and position, Text10.
    Outcome setReceiverFrequency(const QString& frequencyText, int position,
                                 const QString& receiver);
    // Command6.
    Outcome initialiseReceiver();
    // Command14: Text7.
    Outcome setTransmitterFrequency(const QString& megahertz);
    // Command11: Combo4 position.
    Outcome setWorkMode(int position);
    // Command20: Combo3 position.
    Outcome setInfoUnitType(int position);
    // Command7.
    Outcome initialiseHost();
    // Command16.
    Outcome writeRepeater();
    // Command17.
    Outcome deleteRepeater();

    // The payload of the last accepted reply (RxBuffer[3 .. 2+m]); after a
    // learned table, the code of the caller the unit heard.
    QByteArray replyPayload() const;

private:
    Outcome runSetTable(const QString& table, const QString& key, const QString& pager1,
                        const QString& pager2, const QString& pager3, bool reportTimeout);
    Link& link_;
    PortControl& port_;
};

} // namespace cs
