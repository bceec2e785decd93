#include "shared/Vocabulary.h"

#include <QCoreApplication>

namespace cs {

namespace {

bool same(const QString& input, const char* word)
{
    return word && input.compare(QString::fromUtf8(word), Qt::CaseInsensitive) == 0;
}

} // namespace

std::optional<int> Vocabulary::codeOf(const QString& input) const
{
    const QString t = input.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    for (const Word& w : words_)
        if (same(t, w.exportWord) || same(t, w.text) || same(t, w.listText) || same(t, w.also)
            || t.compare(text(w.code), Qt::CaseInsensitive) == 0)
            return w.code;
    return std::nullopt;
}

const Word* Vocabulary::find(int code) const
{
    for (const Word& w : words_)
        if (w.code == code)
            return &w;
    return nullptr;
}

QString Vocabulary::translate(const char* source) const
{
    return translated_ ? QCoreApplication::translate("Words", source) : QString::fromUtf8(source);
}

QString Vocabulary::text(int code) const
{
    const Word* w = find(code);
    return w ? translate(w->text) : QString();
}

QString Vocabulary::listText(int code) const
{
    const Word* w = find(code);
    if (!w)
        return {};
    return translate(w->listText ? w->listText : w->text);
}

QStringList Vocabulary::listTexts() const
{
    QStringList out;
    for (const Word& w : words_)
        out << listText(w.code);
    return out;
}

QString Vocabulary::exportWord(int code) const
{
    const Word* w = find(code);
    return w ? QString::fromLatin1(w->exportWord) : QString();
}

QStringList Vocabulary::exportWords() const
{
    QStringList out;
    for (const Word& w : words_)
        out << QString::fromLatin1(w.exportWord);
    return out;
}

QStringList Vocabulary::inputWords() const
{
    QStringList out;
    for (const Word& w : words_) {
        for (const char* word : {w.exportWord, w.text, w.listText, w.also})
            if (word && !out.contains(QString::fromUtf8(word), Qt::CaseInsensitive))
                out << QString::fromUtf8(word);
    }
    return out;
}

const Vocabulary& pagerModels()
{
    static const Vocabulary v(
        "model",
        {
            {0, "standard", QT_TRANSLATE_NOOP("Words", "数字标准"), nullptr, "0"},
            {1, "new", QT_TRANSLATE_NOOP("Words", "数字新型"), nullptr, "1"},
            {2, "chinese", QT_TRANSLATE_NOOP("Words", "中文字符"), nullptr, "2"},
            {3, "english", QT_TRANSLATE_NOOP("Words", "英文"), nullptr, "3"},
        });
    return v;
}

const Vocabulary& pagerPolarities()
{
    static const Vocabulary v("polarity",
                              {
                                  {0, "reverse", QT_TRANSLATE_NOOP("Words", "反"), nullptr, "0"},
                                  {1, "normal", QT_TRANSLATE_NOOP("Words", "正"), nullptr, "1"},
                              });
    return v;
}

const Vocabulary& pagerRates()
{
    // Rates read the same in every language; their positions are taken too.
    static const Vocabulary v("rate",
                              {
                                  {0, "512", "512", nullptr, "0"},
                                  {1, "1200", "1200", nullptr, "1"},
                                  {2, "2400", "2400", nullptr, "2"},
                              },
                              false);
    return v;
}

const Vocabulary& pagerTones()
{
    // Typed as 1..4: the positions 0..3 would read as other tones.
    static const Vocabulary v("tone",
                              {
                                  {0, "tone1", QT_TRANSLATE_NOOP("Words", "音调1"), nullptr, "1"},
                                  {1, "tone2", QT_TRANSLATE_NOOP("Words", "音调2"), nullptr, "2"},
                                  {2, "tone3", QT_TRANSLATE_NOOP("Words", "音调3"), nullptr, "3"},
                                  {3, "tone4", QT_TRANSLATE_NOOP("Words", "音调4"), nullptr, "4"},
                              });
    return v;
}

const Vocabulary& workModes()
{
    static const Vocabulary v(
        "mode",
        {
            {0, "single1", QT_TRANSLATE_NOOP("Words", "单键模式1"), nullptr, "0"},
            {1, "multi", QT_TRANSLATE_NOOP("Words", "多键模式"), nullptr, "1"},
            {2, "single0", QT_TRANSLATE_NOOP("Words", "单键模式0"), nullptr, "2"},
        });
    return v;
}

const Vocabulary& infoUnitTypes()
{
    static const Vocabulary v(
        "info unit",
        {
            {0, "digital", QT_TRANSLATE_NOOP("Words", "数字机"),
             QT_TRANSLATE_NOOP("Words", "数字")},
            {1, "voice", QT_TRANSLATE_NOOP("Words", "语音机"), QT_TRANSLATE_NOOP("Words", "语音")},
        });
    return v;
}

const Vocabulary& numberLanguages()
{
    static const Vocabulary v("language",
                              {
                                  {0, "chinese", QT_TRANSLATE_NOOP("Words", "汉语"),
                                   QT_TRANSLATE_NOOP("Words", "中文发音")},
                                  {1, "english", QT_TRANSLATE_NOOP("Words", "英语"),
                                   QT_TRANSLATE_NOOP("Words", "英文发音")},
                              });
    return v;
}

const Vocabulary& callOriginators()
{
    static const Vocabulary v("originator",
                              {
                                  {0, "hao", QT_TRANSLATE_NOOP("Words", "号")},
                                  {1, "zhuo", QT_TRANSLATE_NOOP("Words", "桌")},
                                  {2, "canzhuo", QT_TRANSLATE_NOOP("Words", "餐桌")},
                                  {3, "ting", QT_TRANSLATE_NOOP("Words", "厅")},
                                  {4, "canting", QT_TRANSLATE_NOOP("Words", "餐厅")},
                                  {5, "fang", QT_TRANSLATE_NOOP("Words", "房")},
                                  {6, "baofang", QT_TRANSLATE_NOOP("Words", "包房")},
                                  {7, "chuang", QT_TRANSLATE_NOOP("Words", "床")},
                                  {8, "table", QT_TRANSLATE_NOOP("Words", "Table")},
                              });
    return v;
}

const Vocabulary& keyPrompts()
{
    static const Vocabulary v("key prompt",
                              {
                                  {0, "quxiao", QT_TRANSLATE_NOOP("Words", "取消")},
                                  {1, "fuwu", QT_TRANSLATE_NOOP("Words", "服务")},
                                  {2, "xuyaofuwu", QT_TRANSLATE_NOOP("Words", "需要服务")},
                                  {3, "diancai", QT_TRANSLATE_NOOP("Words", "点菜")},
                                  {4, "jiashui", QT_TRANSLATE_NOOP("Words", "加水")},
                                  {5, "jiushui", QT_TRANSLATE_NOOP("Words", "酒水")},
                                  {6, "chashui", QT_TRANSLATE_NOOP("Words", "茶水")},
                                  {7, "maidan", QT_TRANSLATE_NOOP("Words", "买单")},
                                  {8, "yinliao", QT_TRANSLATE_NOOP("Words", "饮料")},
                                  {9, "hujiao", QT_TRANSLATE_NOOP("Words", "呼叫")},
                                  {10, "jinji", QT_TRANSLATE_NOOP("Words", "紧急")},
                                  {11, "zhaonin", QT_TRANSLATE_NOOP("Words", "找您")},
                                  {12, "service", QT_TRANSLATE_NOOP("Words", "Service")},
                                  {13, "drink", QT_TRANSLATE_NOOP("Words", "Drink")},
                                  {14, "bill", QT_TRANSLATE_NOOP("Words", "Bill")},
                                  {15, "callsfor", QT_TRANSLATE_NOOP("Words", "Callsfor")},
                              });
    return v;
}

const Vocabulary& handheldPlaces()
{
    static const Vocabulary v("handheld place",
                              {
                                  {0, "chufang", QT_TRANSLATE_NOOP("Words", "厨房")},
                                  {1, "zongtai", QT_TRANSLATE_NOOP("Words", "总台")},
                                  {2, "fuwutai", QT_TRANSLATE_NOOP("Words", "服务台")},
                              });
    return v;
}

} // namespace cs
