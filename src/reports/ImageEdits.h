#pragma once
// Edits of a host memory image held in the program (read from a unit or opened
// from a backup file), made without a unit. Each edit takes the inputs of the
// window command it mirrors, checks them with that command's checks and
// messages, and writes exactly the cells the host unit writes for the same
// command, encoded as the unit stores them; no other cell changes and no port
// is used. A pager set here leaves the same five bytes as the same pager set
// sent to a unit.
//
//   edit                 cells (MemoryLayout.h)
//   pager set / delete   the 5 bytes of the pager's record (delete: all 0xFF)
//   table fields         bytes 5..7 (pagers) and 8 (own key) of its record
//   table number         bytes 3..4 of its record; the caller's code stays
//   table delete         the records from it on move up one place, the last
//                        one becomes 0xFF; TableCount one less
//   work mode            8166 (list position)
//   info unit type       2046 (0xFF digital, 0x00 voice)
//   transmitter          8185..8187 and the flag 8188 = 1; cleared: flag 0xFF
//   voice settings       2024..2030, one cell each (0xFF: not set); only a
//                        voice info unit takes them, as the unit does
//
// An edit ends Done (its values are in the image) or Refused with the message
// and field of its first problem, the image unchanged. A table cannot be added
// (its caller's code comes only from a key press). Table records from the 83rd
// on lie over the settings cells: an edit that would change a cell both hold is
// refused with a message naming both.

#include "reports/VoicePrompts.h"
#include "shared/AppState.h"
#include "shared/Outcome.h"
#include "shared/Vocabulary.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace cs {

// A table's pager slots and own key value as the table set fields take them
// (an empty text: not set). A field that is not given stays as it is.
struct TableChange {
    std::optional<std::array<QString, 3>> pagers;
    std::optional<QString> key;
};

// The voice settings an edit changes one by one (form5's five and Form6's two).
enum class VoiceSetting {
    NumberPronunciation,
    CallOriginator,
    KeyPrompt1,
    KeyPrompt2,
    KeyPrompt3,
    HandheldByTable,
    HandheldByPager,
};

// The settings that can be set one by one by name (the command line's `set`):
// the voice settings and the info unit type take a word of their list, the
// voice settings that the windows can leave empty also "none" (not set); the
// transmitter frequency takes MHz, or "default" to clear it.
struct SettingInfo {
    const char* name; // "key1"
    const char* help; // what it is, English, translated under the context "cli"
    const Vocabulary* words = nullptr;
    std::optional<VoiceSetting> voice;
    bool unsettable = false;
};
const QList<SettingInfo>& editableSettings();
const SettingInfo* editableSetting(const QString& name);
// The word for "not set" and the transmitter's word for its factory default.
inline QString notSetWord()
{
    return QStringLiteral("none");
}
inline QString factoryDefaultWord()
{
    return QStringLiteral("default");
}

class ImageEdits {
public:
    // Edits `image` (cells 0..8191) in place.
    explicit ImageEdits(Buffer& image)
        : image_(image)
    {
    }

    // Command1 and Command4.
    Outcome setPager(const QString& number, const QString& address, int model, int polarity,
                     int rate, int tone);
    Outcome deletePager(const QString& number);

    // The table now numbered `table`: its pagers and own key value.
    Outcome editTable(const QString& table, const TableChange& fields);
    // Gives the table numbered `table` the number `number`; its caller stays.
    Outcome renumberTable(const QString& table, const QString& number);
    // Command5.
    Outcome deleteTable(const QString& table);
    // The same by record index k (0 .. TableCount-1), for a record the caller
    // has found by its caller's code.
    Outcome editTableAt(int k, const TableChange& fields);
    Outcome renumberTableAt(int k, const QString& number);
    Outcome deleteTableAt(int k);
    // The refusal of a table that the image does not hold.
    static Outcome noSuchTable();

    // Command11, Command20 (list positions) and Command14 (MHz as typed; an
    // empty text clears the setting to the factory default).
    Outcome setWorkMode(int position);
    Outcome setInfoUnitType(int position);
    Outcome setTransmitterFrequency(const QString& megahertz);

    // form5 as a whole (the five cells its request carries).
    Outcome setCallerPrompts(const CallerPromptChoices& choices);
    // One voice setting: a list position, or none for "not set" where the
    // window can send that (originator, key prompts).
    Outcome setVoiceSetting(VoiceSetting setting, std::optional<int> position);

    // A setting of editableSettings() from its typed value; a word that is not
    // in its list gets the window's failure message, the list's words in `detail`.
    Outcome setSetting(const SettingInfo& setting, const QString& value);

    const Buffer& image() const { return image_; }
    // Takes the whole image a checked document gave (BackupDocument.h).
    void replace(const Buffer& image) { image_ = image; }

    // The record index of the first table numbered `number`; -1 for none.
    int tableIndex(int number) const;

private:
    struct Write {
        int cell;
        std::uint8_t value;
    };
    // Writes when no changed cell is both a table record's and a setting's.
    Outcome commit(const QList<Write>& writes);
    // Voice settings: refused as the unit refuses them for a digital info unit.
    Outcome voiceCells(int cell, const QList<std::uint8_t>& values);

    Buffer& image_;
};

} // namespace cs
