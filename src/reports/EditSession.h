#pragma once
// An editing session over the host image held by the data backup window
// (HostImage, read from a unit or opened from a file): the rows the editor's
// grids show, in the lists' words; the edits of ImageEdits.h, undone and
// redone through ImageEditor.h, which also knows whether the image was changed
// since it was last read, opened or saved; saving it, and downloading it with
// the read-back check. The editor window is a face over it and shows its
// outcomes.
//
// The session follows the image's life in the data backup window through
// ImageWatch: a read or an opened file starts a new history (after a question
// when there are unsaved edits), a save there marks it saved.

#include "link/Link.h"
#include "link/PortControl.h"
#include "memory/DataBackup.h"
#include "memory/Transfers.h"
#include "shared/Ui.h"

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace cs {

class ImageEdits;
class ImageEditor;
class Vocabulary;

// A pager number's row: empty for an absent pager. A list value the record
// holds no word for (an unknown type letter or tone) is none.
struct PagerGridRow {
    int number = 0;
    bool present = false;
    QString address; // seven digits, a nibble above 9 as its hex letter
    std::optional<int> model, polarity, rate, tone;
};

// A table record's row: its caller's code and the values set table takes, an
// empty text for a slot or key that is not set.
struct TableGridRow {
    int index = 0;
    QString feature; // six hex digits
    int number = 0;
    std::array<QString, 3> pagers;
    QString key;
};

// The settings the editor shows, one row each, in this order; the voice
// settings from NumberPronunciation on in the order of ImageEdits' VoiceSetting.
enum class Setting {
    WorkMode,
    InfoUnitType,
    TransmitterFrequency,
    NumberPronunciation,
    CallOriginator,
    KeyPrompt1,
    KeyPrompt2,
    KeyPrompt3,
    HandheldByTable,
    HandheldByPager,
};
constexpr int SettingCount = int(Setting::HandheldByPager) + 1;

struct SettingGridRow {
    Setting setting = Setting::WorkMode;
    QString caption;
    // The list the value is chosen from; none for the transmitter frequency.
    const Vocabulary* list = nullptr;
    // The value's position in the list; none when not set or set without a word.
    std::optional<int> code;
    bool notSet = false; // the unit holds no value (0xFF, or the frequency's flag off)
    // The value may be set back to "not set" (the list then ends in that item).
    bool clearable = false;
    QString text; // the value as the grid shows it
    // The text a typed edit starts from: the transmitter frequency when set.
    QString typed;
};

class EditSession : public QObject, public ImageWatch {
    Q_OBJECT
public:
    EditSession(AppState& state, Link& link, PortControl& port, Ui& ui);
    ~EditSession() override;

    static constexpr int PagerRows = 254; // the numbers a pager can be set to

    // A host image has been read or opened: there is something to edit.
    bool hasImage() const { return state_.HostImageLoaded; }
    const Buffer& image() const { return state_.HostImage; }

    PagerGridRow pagerRow(int number) const;
    int tableRows() const;
    TableGridRow tableRow(int k) const;
    SettingGridRow settingRow(Setting setting) const;
    // The text of "not set" in the settings' lists.
    static QString notSetText();
    // What the editor says while there is no image to edit.
    static QString noImageText();

    // The values a pager edit starts from: the row's, and for an absent pager
    // or a value without a word, the main window's list defaults.
    struct PagerValues {
        QString address;
        int model, polarity, rate, tone;
    };
    PagerValues pagerValues(int number) const;

    // Edits. Each runs through ImageEdits with the window's checks and
    // messages; one that changes cells is one step to undo.
    Outcome setPager(int number, const PagerValues& values);
    Outcome deletePager(int number);
    Outcome setTableNumber(int k, const QString& number);
    Outcome setTablePager(int k, int slot, const QString& pager); // slot 0..2
    Outcome setTableKey(int k, const QString& key);
    Outcome deleteTable(int k);
    // Always refused, saying why: a caller's code comes only from a key press.
    static Outcome addTable();
    // A list setting by position; none sets it back to "not set" (the
    // transmitter frequency: to the factory default).
    Outcome setSetting(Setting setting, std::optional<int> code);
    // MHz as typed; empty: the factory default.
    Outcome setTransmitterFrequency(const QString& megahertz);

    bool canUndo() const;
    bool canRedo() const;
    void undo();
    void redo();
    // The image differs from what was last read, opened or saved.
    bool modified() const;
    // The file the image was last opened from or saved to; empty after a read.
    QString fileName() const { return fileName_; }

    // Saves to the session's file, or (asking for a name when there is none,
    // or when `askName`) to a new one. Stopped without a message when the
    // dialog is cancelled.
    Outcome save(bool askName);
    // The image into the host unit, read back and compared.
    Outcome download(const TransferControl& control = {});
    // Asks before unsaved edits go out of reach (closing the editor); true to go on.
    bool mayClose();
    // Asks before the program ends with unsaved edits; true to go on (and no
    // other question is asked after it).
    bool mayExit();

    // ImageWatch: the data backup window's read, open and save.
    bool mayReplace() override;
    void replaced(const QString& fileName) override;
    void saved(const QString& fileName) override;

signals:
    // The image, the history or the saved state changed.
    void changed();

private:
    Outcome edit(const std::function<Outcome(ImageEdits&)>& change);
    // The image is the editor's: not replaced behind the session.
    bool current() const;
    // Starts the history anew when the image was replaced behind the session.
    void follow();
    void restart(const QString& fileName);

    AppState& state_;
    Link& link_;
    PortControl& port_;
    Ui& ui_;
    std::unique_ptr<ImageEditor> editor_; // its image is HostImage while current()
    QString fileName_;
    bool leaving_ = false; // the program is ending and the user let the edits go
};

} // namespace cs
