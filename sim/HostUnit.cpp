#include "sim/HostUnit.h"
#include "link/RequestCodes.h"

#include <algorithm>

namespace cs::sim {

namespace {

using Reply = std::optional<QByteArray>;

std::uint8_t at(const QByteArray& p, int i)
{
    return std::uint8_t(p[i]);
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

QByteArray featureBytes(std::uint32_t code)
{
    return bytes({int(code >> 16) & 0xFF, int(code >> 8) & 0xFF, int(code) & 0xFF});
}

// Pager type code (position in the request's table) -> model*16 + rate.
constexpr std::uint8_t TypeValues[12] = {0x21, 0x11, 0x01, 0x20, 0x10, 0x00,
                                         0x31, 0x30, 0x22, 0x12, 0x02, 0x32};
// Capital letter by model (数字标准, 数字新型, 中文字符, 英文) and rate (512, 1200, 2400).
constexpr char Letters[4][3] = {{'M', 'U', 'I'}, {'B', 'Q', 'D'}, {'H', 'K', 'C'}, {'F', 'E', 'J'}};

} // namespace

HostUnit::HostUnit()
{
    erase();
}

void HostUnit::erase()
{
    memory.fill(0xFF);
    receiverMemory.fill(0xFF);
    externalReceiverMemory.fill(0xFF);
    repeater.clear();
    hurryButtons.clear();
    lastLearned.reset();
}

bool HostUnit::listensForKey(std::uint8_t code, int payloadLength)
{
    return (code == SetTableCode && (payloadLength == 7 || payloadLength == 0))
        || (code == DeleteTableCode && payloadLength == 0)
        || (code == SetHurryButtonCode && payloadLength == 1);
}

std::optional<std::uint8_t> HostUnit::pagerTypeLetter(int typeCode, bool positive)
{
    if (typeCode < 0 || typeCode > 11)
        return std::nullopt;
    const std::uint8_t value = TypeValues[typeCode];
    const std::uint8_t capital = std::uint8_t(Letters[value >> 4][value & 0x0F]);
    return positive ? std::uint8_t(capital + 0x20) : capital;
}

Reply HostUnit::answer(std::uint8_t code, const QByteArray& p, bool keyPressed)
{
    const int n = int(p.size());
    if (listensForKey(code, n) && !keyPressed)
        return std::nullopt; // nobody pressed: the unit gives up without a word
    switch (code) {
    case SetPagerCode: return n == 13 ? setPager(p) : Reply();
    case SetReceiverNumberCode:
        if (n != 1 || at(p, 0) < 1 || at(p, 0) > 80)
            return std::nullopt;
        receiverMemory[cells::ReceiverNumber] = at(p, 0);
        return QByteArray();
    case SetTableCode:
        if (n == 7)
            return setTable(p);
        return n == 0 ? repeaterWrite() : Reply();
    case DeletePagerCode: return n == 1 ? deletePager(p) : Reply();
    case DeleteTableCode:
        if (n == 2)
            return deleteTable(p);
        return n == 0 ? repeaterDelete() : Reply();
    case InitialiseReceiverCode:
        if (n != 0)
            return std::nullopt;
        receiverMemory.fill(0xFF);
        return QByteArray();
    case InitialiseHostCode:
        if (n != 0)
            return std::nullopt;
        memory.fill(0xFF);
        hurryButtons.clear();
        return QByteArray();
    case ReceiverFrequencyCode: return receiverFrequency(p);
    case TransmitterFrequencyCode:
        if (n == 3) {
            std::copy(p.begin(), p.end(), memory.begin() + cells::TransmitterFrequency);
            memory[cells::TransmitterFlag] = 1;
            return QByteArray();
        }
        if (n == 0) {
            memory[cells::TransmitterFlag] = 0xFF;
            return QByteArray();
        }
        return std::nullopt;
    case ReadHostCode:
    case ReadReceiverCode: return readBlock(code, p);
    case SetHurryButtonCode:
        if (n != 1 || at(p, 0) < 1 || at(p, 0) > 9)
            return std::nullopt;
        hurryButtons.insert(at(p, 0));
        return bytes({at(p, 0), int(hurryButtons.size())});
    case DeleteHurryButtonCode:
        if (n != 1 || at(p, 0) < 1 || at(p, 0) > 9)
            return std::nullopt;
        hurryButtons.erase(at(p, 0));
        return QByteArray();
    case InfoUnitTypeCode:
    case WorkModeCode:
        if (n != 1)
            return std::nullopt;
        memory[code == InfoUnitTypeCode ? cells::InfoUnitType : cells::WorkMode] = at(p, 0);
        return QByteArray();
    case CallerPromptCode: return n == 5 ? voiceSetting(cells::VoicePrompts, p) : Reply();
    case HandheldByTableCode:
    case HandheldByPagerCode:
        return n == 1 ? voiceSetting(
                   code == HandheldByTableCode ? cells::HandheldByTable : cells::HandheldByPager, p)
                      : Reply();
    case WriteBlockCode: return writeBlock(p);
    default: return std::nullopt;
    }
}

// 01, n=13: number hundreds, number rest, type tens, type units, polarity,
// 7 address digits, tone.
Reply HostUnit::setPager(const QByteArray& p)
{
    if (at(p, 0) > 2 || at(p, 1) > 99 || at(p, 2) > 1 || at(p, 3) > 9 || at(p, 4) > 1
        || at(p, 12) > 3)
        return std::nullopt;
    const int number = at(p, 0) * 100 + at(p, 1);
    const auto letter = pagerTypeLetter(at(p, 2) * 10 + at(p, 3), at(p, 4) == 1);
    if (number < 1 || number > 254 || !letter)
        return std::nullopt;
    for (int i = 5; i < 12; ++i)
        if (at(p, i) > 9)
            return std::nullopt;
    auto* record = memory.data() + cells::PagerRecordSize * (number - 1);
    record[0] = *letter;
    record[1] = std::uint8_t(at(p, 5) << 4 | at(p, 6));
    record[2] = std::uint8_t(at(p, 7) << 4 | at(p, 8));
    record[3] = std::uint8_t(at(p, 9) << 4 | at(p, 10));
    record[4] = std::uint8_t(at(p, 11) << 4 | at(p, 12));
    return QByteArray();
}

// 04, n=1: the pager number as one byte. Status 1: no such pager.
Reply HostUnit::deletePager(const QByteArray& p)
{
    const int number = at(p, 0);
    if (number < 1)
        return bytes({1});
    auto* record = memory.data() + cells::PagerRecordSize * (number - 1);
    if (record[0] == 0x00 || record[0] == 0xFF)
        return bytes({1});
    std::fill(record, record + cells::PagerRecordSize, 0xFF);
    return QByteArray();
}

// 03, n=7: 00, table hi, lo, pager 1..3, own key value. Answers with the
// learned feature code, or with no data when the table area is full.
Reply HostUnit::setTable(const QByteArray& p)
{
    const int table = at(p, 1) << 8 | at(p, 2);
    const int key = at(p, 6);
    if (at(p, 0) != 0 || table == 0 || (key > 99 && key != 0xFF))
        return std::nullopt;
    const int count = std::min(tableCount(), MaxTables);
    int k = findTable(table);
    if (memoryFull || (k < 0 && count >= MaxTables))
        return QByteArray();
    const std::uint32_t code = pressedCaller ? *pressedCaller & 0xFFFFFF
                                             : nextFeatureCode++ & 0xFFFFFF;
    lastLearned = code;
    if (k < 0) {
        k = count;
        setTableCount(count + 1);
    }
    const QByteArray record = featureBytes(code) + p.mid(1, 6);
    std::copy(record.begin(), record.end(),
              memory.begin() + cells::Tables + cells::TableRecordSize * k);
    return featureBytes(code);
}

// 07, n=2: table hi, lo. Status 2: no such table.
Reply HostUnit::deleteTable(const QByteArray& p)
{
    const int k = findTable(at(p, 0) << 8 | at(p, 1));
    if (k < 0)
        return bytes({2});
    const int count = std::min(tableCount(), MaxTables);
    auto* area = memory.data() + cells::Tables;
    const int size = cells::TableRecordSize;
    std::copy(area + size * (k + 1), area + size * count, area + size * k);
    std::fill(area + size * (count - 1), area + size * count, 0xFF);
    setTableCount(count - 1);
    return QByteArray();
}

std::uint32_t HostUnit::heardCaller() const
{
    if (pressedCaller)
        return *pressedCaller & 0xFFFFFF;
    // No caller learned yet: the pressed one is new to the unit.
    return lastLearned ? *lastLearned : nextFeatureCode & 0xFFFFFF;
}

Reply HostUnit::repeaterWrite()
{
    const std::uint32_t code = heardCaller();
    if (repeaterHolds(code))
        return featureBytes(code);
    if (memoryFull || repeater.size() / 3 >= repeaterCapacity)
        return QByteArray();
    repeater.append(featureBytes(code));
    return featureBytes(code);
}

// Status 0: the repeater is empty; 1: the pressed caller is not in it.
Reply HostUnit::repeaterDelete()
{
    if (repeater.isEmpty())
        return bytes({0});
    const QByteArray code = featureBytes(heardCaller());
    for (qsizetype i = 0; i + 3 <= repeater.size(); i += 3) {
        if (repeater.mid(i, 3) == code) {
            repeater.remove(i, 3);
            return QByteArray();
        }
    }
    return bytes({1});
}

// 0A, n=1: position 0..7; n=2: position and receiver number 1..80.
Reply HostUnit::receiverFrequency(const QByteArray& p)
{
    if ((p.size() != 1 && p.size() != 2) || at(p, 0) > 7)
        return std::nullopt;
    if (p.size() == 2 && (at(p, 1) < 1 || at(p, 1) > 80))
        return std::nullopt;
    receiverMemory[cells::ReceiverFrequency] = at(p, 0);
    return QByteArray();
}

// 0D, n=1: host block 0..63. 0E, n=1: built-in receiver block 0..1; n=2 with
// a second byte 01: the external receiver's.
Reply HostUnit::readBlock(std::uint8_t code, const QByteArray& p) const
{
    if (p.isEmpty())
        return std::nullopt;
    const int b = at(p, 0);
    const std::uint8_t* source = nullptr;
    if (code == 0x0D && p.size() == 1 && b <= 63)
        source = memory.data();
    else if (code == 0x0E && p.size() == 1 && b <= 1)
        source = receiverMemory.data();
    else if (code == 0x0E && p.size() == 2 && at(p, 1) == 0x01 && b <= 1)
        source = externalReceiverMemory.data();
    if (!source)
        return std::nullopt;
    return QByteArray(reinterpret_cast<const char*>(source) + 128 * b, 128);
}

// 18, n=129: block number and 128 bytes. Acknowledged with the block number.
Reply HostUnit::writeBlock(const QByteArray& p)
{
    if (p.size() != 129 || at(p, 0) > 63)
        return std::nullopt;
    const int b = at(p, 0);
    std::copy(p.begin() + 1, p.end(), memory.begin() + 128 * b);
    return bytes({b});
}

// Voice prompt settings: only a voice info unit takes them; a digital one
// refuses with one data byte.
Reply HostUnit::voiceSetting(int cell, const QByteArray& p)
{
    if (memory[cells::InfoUnitType] != 0)
        return bytes({1});
    std::copy(p.begin(), p.end(), memory.begin() + cell);
    return QByteArray();
}

bool HostUnit::loadImage(const QByteArray& image)
{
    if (image.size() != qsizetype(memory.size()))
        return false;
    std::copy(image.begin(), image.end(), memory.begin());
    return true;
}

QByteArray HostUnit::image() const
{
    return QByteArray(reinterpret_cast<const char*>(memory.data()), qsizetype(memory.size()));
}

QByteArray HostUnit::pagerRecord(int number) const
{
    if (number < 1 || number > 255)
        return {};
    return image().mid(cells::PagerRecordSize * (number - 1), cells::PagerRecordSize);
}

int HostUnit::tableCount() const
{
    const int count = memory[cells::TableCount] << 8 | memory[cells::TableCount + 1];
    return count > TableCountLimit ? 0 : count;
}

void HostUnit::setTableCount(int count)
{
    memory[cells::TableCount] = std::uint8_t(count >> 8);
    memory[cells::TableCount + 1] = std::uint8_t(count);
}

QByteArray HostUnit::tableRecord(int k) const
{
    if (k < 0 || k >= TableCountLimit)
        return {};
    return image().mid(cells::Tables + cells::TableRecordSize * k, cells::TableRecordSize);
}

// Only the records the unit keeps (below the settings) are searched.
int HostUnit::findTable(int tableNumber) const
{
    const int count = std::min(tableCount(), MaxTables);
    for (int k = 0; k < count; ++k) {
        const int base = cells::Tables + cells::TableRecordSize * k;
        if ((memory[base + 3] << 8 | memory[base + 4]) == tableNumber)
            return k;
    }
    return -1;
}

bool HostUnit::repeaterHolds(std::uint32_t featureCode) const
{
    const QByteArray code = featureBytes(featureCode & 0xFFFFFF);
    for (qsizetype i = 0; i + 3 <= repeater.size(); i += 3)
        if (repeater.mid(i, 3) == code)
            return true;
    return false;
}

} // namespace cs::sim
