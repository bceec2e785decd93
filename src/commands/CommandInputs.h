#pragma once
// The checks of every command's inputs, one pure function each: field texts and
// list positions in, the checked values or the first problem out (the message
// the windows show for it and the field the focus goes to). No port and no
// state: the commands call them before they build a request, the command line
// before it opens the port, the batch runs and learning for every row, and the
// offline edits of a backup for every value.

#include "shared/Outcome.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>

namespace cs {

// The first problem of a command's inputs: its box and the field the focus goes to.
struct InputProblem {
    Message message;
    Field field = Field::None;

    // The refusal a command returns for it: nothing was sent.
    Outcome outcome() const { return Outcome::refused(message, field); }
};

// Checked values, or the first problem.
template <class T> class Checked {
public:
    Checked(T value)
        : value_(std::move(value))
    {
    }
    Checked(InputProblem problem)
        : problem_(std::move(problem))
    {
    }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return *value_; }
    const T* operator->() const { return &*value_; }
    const T& operator*() const { return *value_; }
    const InputProblem& problem() const { return problem_; }

private:
    std::optional<T> value_;
    InputProblem problem_;
};

// The value of an optional table field that is left empty ("not set").
constexpr int NotSet = 0xFF;

// Set pager: Text1(0) number 1..254, Text1(1) address code of up to seven
// digits, and the positions of the model, polarity, rate and tone lists.
struct PagerInputs {
    int number = 0;
    QByteArray addressDigits; // seven values 0..9, right-aligned
    int typeCode = 0;         // 0..11, from model and rate
    int model = 0, polarity = 0, rate = 0, tone = 0;
};
Checked<PagerInputs> checkPager(const QString& number, const QString& address, int model,
                                int polarity, int rate, int tone);

// Delete pager: Text4, a pager number 1..254.
Checked<int> checkDeletedPager(const QString& number);

// Set table: Text3(0) table 1..65535, Text3(1) own key value 00..99 or empty,
// Text3(2..4) pager numbers 1..255 or empty. Empty optional fields are NotSet.
struct TableInputs {
    int table = 0;
    int key = NotSet;
    std::array<int, 3> pagers{NotSet, NotSet, NotSet};
};
Checked<TableInputs> checkTable(const QString& table, const QString& key, const QString& pager1,
                                const QString& pager2, const QString& pager3);

// The table number field of set table (1..65535), for a field of another window
// that takes a table number with the same messages (the learning window's).
Checked<int> checkTableNumber(const QString& table, Field field = Field::TableNumber);

// Table learning: the first and the last table, first <= last.
Checked<std::pair<int, int>> checkTableRange(const QString& first, const QString& last);

// Delete table: Text6, a table number 1..65535 (the delete command's own words).
Checked<int> checkDeletedTable(const QString& table);

// Set or delete hurry button: a number 1..9 in `field`.
Checked<int> checkHurryButton(const QString& number, Field field);

// Set receiver number: Text2, 1..80.
Checked<int> checkReceiverNumber(const QString& number);

// Receiver frequency: the Combo2 text and its position 0..7, and Text10, one
// receiver 1..80 or empty for all.
struct ReceiverFrequencyInputs {
    int position = 0;
    std::optional<int> receiver;
};
Checked<ReceiverFrequencyInputs> checkReceiverFrequency(const QString& text, int position,
                                                        const QString& receiver);

// Transmitter frequency: Text7 in MHz, its value N in 100 Hz units. An empty
// field is not a frequency: it asks to clear the setting, which the caller decides.
Checked<std::uint32_t> checkTransmitterFrequency(const QString& megahertz);

// Work mode: the Combo4 position 0..2.
Checked<int> checkWorkMode(int position);

// Info unit type: the Combo3 position, 0 digital, 1 voice.
Checked<int> checkInfoUnitType(int position);

} // namespace cs
