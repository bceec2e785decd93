#include "commands/Choices.h"

#include <QList>

namespace cs {

namespace {

// The words for each item of a list, position by position.
using Items = QList<QStringList>;

const Items& models()
{
    static const Items items = {
        {QStringLiteral("数字标准"), QStringLiteral("0"), QStringLiteral("standard")},
        {QStringLiteral("数字新型"), QStringLiteral("1"), QStringLiteral("new")},
        {QStringLiteral("中文字符"), QStringLiteral("2"), QStringLiteral("chinese")},
        {QStringLiteral("英文"), QStringLiteral("3"), QStringLiteral("english")},
    };
    return items;
}

const Items& polarities()
{
    static const Items items = {
        {QStringLiteral("反"), QStringLiteral("0"), QStringLiteral("reverse")},
        {QStringLiteral("正"), QStringLiteral("1"), QStringLiteral("normal")},
    };
    return items;
}

const Items& rates()
{
    static const Items items = {
        {QStringLiteral("512"), QStringLiteral("0")},
        {QStringLiteral("1200"), QStringLiteral("1")},
        {QStringLiteral("2400"), QStringLiteral("2")},
    };
    return items;
}

const Items& tones()
{
    static const Items items = {
        {QStringLiteral("音调1"), QStringLiteral("1"), QStringLiteral("tone1")},
        {QStringLiteral("音调2"), QStringLiteral("2"), QStringLiteral("tone2")},
        {QStringLiteral("音调3"), QStringLiteral("3"), QStringLiteral("tone3")},
        {QStringLiteral("音调4"), QStringLiteral("4"), QStringLiteral("tone4")},
    };
    return items;
}

const Items& workModes()
{
    static const Items items = {
        {QStringLiteral("单键模式1"), QStringLiteral("0"), QStringLiteral("single1")},
        {QStringLiteral("多键模式"), QStringLiteral("1"), QStringLiteral("multi")},
        {QStringLiteral("单键模式0"), QStringLiteral("2"), QStringLiteral("single0")},
    };
    return items;
}

int choice(const Items& items, const QString& text)
{
    const QString t = text.trimmed();
    for (int i = 0; i < items.size(); ++i)
        if (items[i].contains(t, Qt::CaseInsensitive))
            return i;
    return -1;
}

QStringList words(const Items& items)
{
    QStringList out;
    for (const QStringList& item : items)
        out << item;
    return out;
}

} // namespace

int modelChoice(const QString& text) { return choice(models(), text); }
int polarityChoice(const QString& text) { return choice(polarities(), text); }
int rateChoice(const QString& text) { return choice(rates(), text); }
int toneChoice(const QString& text) { return choice(tones(), text); }
int workModeChoice(const QString& text) { return choice(workModes(), text); }

QStringList modelWords() { return words(models()); }
QStringList polarityWords() { return words(polarities()); }
QStringList rateWords() { return words(rates()); }
QStringList toneWords() { return words(tones()); }
QStringList workModeWords() { return words(workModes()); }

} // namespace cs
