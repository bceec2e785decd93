#pragma once
// The list positions of the main window's pager and work mode lists from what
// a user types outside the window: the item's own text ("数字新型", "正",
// "2400", "音调2", "多键模式"), its position in the list, or an ASCII word for
// a shell ("new", "normal", "tone2", "multi"). Case and blanks around do not
// matter. The tone is typed 1..4 (or 音调1..音调4): its list positions 0..3
// would read as other tones.

#include <QString>
#include <QStringList>

namespace cs {

// List positions, -1 when the text names no item.
int modelChoice(const QString& text);      // Combo1(0): 0 数字标准 .. 3 英文
int polarityChoice(const QString& text);   // Combo1(1): 0 反, 1 正
int rateChoice(const QString& text);       // Combo1(2): 0 512, 1 1200, 2 2400
int toneChoice(const QString& text);       // Combo1(3): 0 音调1 .. 3 音调4
int workModeChoice(const QString& text);   // Combo4:    0 单键模式1, 1 多键模式, 2 单键模式0

// The main window's selections when it opens.
constexpr int DefaultModel = 0, DefaultPolarity = 0, DefaultRate = 1, DefaultTone = 0;

// Every text each list takes, for help texts and completion.
QStringList modelWords();
QStringList polarityWords();
QStringList rateWords();
QStringList toneWords();
QStringList workModeWords();

} // namespace cs
