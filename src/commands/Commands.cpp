#include "commands/Commands.h"
// Placeholder bodies; the commands are filled in one by one.
namespace cs {
void Commands::setPager(const QString&, const QString&, int, int, int, int) {}
void Commands::deletePager(const QString&) {}
void Commands::setTable(const QString&, const QString&, const QString&, const QString&, const QString&) {}
void Commands::deleteTable(const QString&) {}
void Commands::setHurryButton(const QString&) {}
void Commands::deleteHurryButton(const QString&) {}
void Commands::setReceiverNumber(const QString&) {}
void Commands::setReceiverFrequency(const QString&, int, const QString&) {}
void Commands::initialiseReceiver() {}
void Commands::setTransmitterFrequency(const QString&) {}
void Commands::setWorkMode(int) {}
void Commands::setInfoUnitType(int) {}
void Commands::initialiseHost() {}
void Commands::writeRepeater() {}
void Commands::deleteRepeater() {}
}
