#include "reports/BackupDocument.h"
#include "commands/CommandInputs.h"
#include "reports/ImageEdits.h"
#include "reports/Reports.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <cmath>
#include <functional>

namespace cs {

namespace {

using namespace layout;

// The reader's own messages, translated under the context "Edits".
struct DocText {
    Q_DECLARE_TR_FUNCTIONS(Edits)
};

QString member(const QString& path, const char* key)
{
    return path.isEmpty() ? QString::fromLatin1(key) : path + QLatin1Char('.') + QLatin1String(key);
}

QString item(const QString& path, qsizetype i)
{
    return path + QStringLiteral("[%1]").arg(i);
}

// A list value as the document gives it: the word (null: none) and the code.
struct Coded {
    bool hasWord = false;
    std::optional<QString> word; // empty when the word is null
    std::optional<int> code;
};

// Settings that tell a list position from the cell's value.
using CodeToPosition = int (*)(int code);
int sameCode(int code)
{
    return code;
}
int infoUnitPosition(int code)
{
    return code == 0 ? 1 : code == layout::NotSet ? 0 : -1;
}

class Reader {
public:
    explicit Reader(const Buffer& base)
        : image(base)
        , edits(image)
    {
    }

    bool ok() const { return !refused_; }
    const Outcome& outcome() const { return outcome_; }
    const QString& path() const { return path_; }

    bool refuse(const QString& path, Outcome o)
    {
        if (!refused_) {
            refused_ = true;
            path_ = path;
            if (!path.isEmpty())
                o.message.text = path + QStringLiteral(": ") + o.message.text;
            outcome_ = o;
        }
        return false;
    }
    bool refuse(const QString& path, const QString& text)
    {
        return refuse(path, Outcome::refused(stopMessage(text)));
    }
    bool applied(const QString& path, const Outcome& o) { return o.done() || refuse(path, o); }

    // ---- JSON shapes

    bool keys(const QJsonObject& o, const QString& path, const QStringList& known)
    {
        for (auto it = o.begin(); it != o.end(); ++it)
            if (!known.contains(it.key()))
                return refuse(path.isEmpty() ? it.key() : path + QLatin1Char('.') + it.key(),
                              DocText::tr("未知的键“%1”").arg(it.key()));
        return true;
    }
    bool object(const QJsonValue& v, const QString& path, QJsonObject& out)
    {
        if (!v.isObject())
            return refuse(path, DocText::tr("应为JSON对象"));
        out = v.toObject();
        return true;
    }
    bool array(const QJsonValue& v, const QString& path, QJsonArray& out)
    {
        if (!v.isArray())
            return refuse(path, DocText::tr("应为JSON列表"));
        out = v.toArray();
        return true;
    }
    // A whole number lo..hi; `text` is the window's message for a value out of range.
    bool whole(const QJsonValue& v, const QString& path, int lo, int hi, int& out,
               const QString& text = QString())
    {
        const double d = v.toDouble();
        if (!v.isDouble() || d != std::floor(d))
            return refuse(path, DocText::tr("应为整数"));
        if (d < lo || d > hi)
            return refuse(path,
                          text.isEmpty() ? DocText::tr("应在%1到%2之间").arg(lo).arg(hi) : text);
        out = int(d);
        return true;
    }
    // A whole number 0..255 or null (none).
    bool slot(const QJsonValue& v, const QString& path, std::optional<int>& out)
    {
        if (v.isNull()) {
            out.reset();
            return true;
        }
        int value = 0;
        if (!whole(v, path, 0, 255, value))
            return false;
        out = value;
        return true;
    }
    bool boolean(const QJsonValue& v, const QString& path, bool& out)
    {
        if (!v.isBool())
            return refuse(path, DocText::tr("应为true或false"));
        out = v.toBool();
        return true;
    }
    // Members given for information: their type only.
    bool number(const QJsonObject& o, const QString& path, const char* key)
    {
        int ignored = 0;
        return !o.contains(QLatin1String(key))
            || whole(o.value(QLatin1String(key)), member(path, key), -1, 1 << 24, ignored);
    }
    bool coded(const QJsonValue& v, const QString& path, Coded& out, const QStringList& more = {})
    {
        if (v.isString()) {
            out.hasWord = true;
            out.word = v.toString();
            return true;
        }
        QJsonObject o;
        if (!v.isObject())
            return refuse(path, DocText::tr("应为列表中的词或JSON对象"));
        o = v.toObject();
        if (!keys(o, path, QStringList{QStringLiteral("code"), QStringLiteral("word")} + more))
            return false;
        if (o.contains(QStringLiteral("word"))) {
            const QJsonValue w = o.value(QStringLiteral("word"));
            if (!w.isNull() && !w.isString())
                return refuse(member(path, "word"), DocText::tr("应为列表中的词或null"));
            out.hasWord = true;
            if (w.isString())
                out.word = w.toString();
        }
        if (o.contains(QStringLiteral("code"))) {
            int code = 0;
            if (!whole(o.value(QStringLiteral("code")), member(path, "code"), 0, 255, code))
                return false;
            out.code = code;
        }
        return true;
    }

    // The list position of a word; -1, with the list's words in `detail`, for
    // a word it does not hold.
    int position(const Vocabulary& words, const QString& word, QString& detail)
    {
        if (const auto code = words.codeOf(word))
            return *code;
        detail = DocText::tr("“%1”不是列表中的词：%2")
                     .arg(word, words.exportWords().join(QStringLiteral(", ")));
        return -1;
    }

    // One setting. `current`: the position the image holds (-1: none, not set
    // or set without a word); `cell`: the cell's value. `edit` takes a position,
    // -1 for none the list holds, or nothing for "not set" where `unsettable`.
    bool setting(const QJsonValue& v, const QString& path, const Vocabulary& words, int current,
                 int cell, bool unsettable, CodeToPosition toPosition,
                 const std::function<Outcome(std::optional<int>)>& edit,
                 const QStringList& more = {})
    {
        Coded c;
        if (!coded(v, path, c, more))
            return false;
        if (c.word) {
            QString detail;
            const int p = position(words, *c.word, detail);
            if (p == current && p >= 0)
                return true;
            Outcome o = edit(p);
            o.detail = detail;
            return applied(path, o);
        }
        if (c.code) {
            if (*c.code == cell)
                return true;
            if (*c.code == layout::NotSet && unsettable)
                return applied(path, edit(std::nullopt));
            return applied(path, edit(toPosition(*c.code)));
        }
        if (!c.hasWord || current < 0)
            return true; // nothing given, or no word as the image has none
        return applied(path, unsettable ? edit(std::nullopt) : edit(-1));
    }

    bool pagers(const QJsonValue& v, const QString& path);
    bool pager(const QJsonObject& o, const QString& path);
    bool tables(const QJsonValue& v, const QString& path);
    bool settings(const QJsonObject& doc);
    bool transmitter(const QJsonValue& v, const QString& path);

    Buffer image;
    ImageEdits edits;

private:
    bool refused_ = false;
    Outcome outcome_;
    QString path_;
};

bool Reader::pagers(const QJsonValue& v, const QString& path)
{
    QJsonArray list;
    if (!array(v, path, list))
        return false;
    for (qsizetype i = 0; i < list.size(); ++i) {
        QJsonObject o;
        if (!object(list[i], item(path, i), o) || !pager(o, item(path, i)))
            return false;
    }
    return true;
}

bool Reader::pager(const QJsonObject& o, const QString& path)
{
    static const QStringList known = {"number",   "address", "typeLetter", "model",
                                      "polarity", "rate",    "tone",       "delete"};
    if (!keys(o, path, known))
        return false;
    const QString numberMessage = QCoreApplication::translate("Commands",
                                                              "传呼号必须为1-254的数字！");
    int n = 0;
    if (!o.contains(QStringLiteral("number")))
        return refuse(member(path, "number"), numberMessage);
    if (!whole(o.value(QStringLiteral("number")), member(path, "number"), 1, PagerCount, n,
               numberMessage)
        || !number(o, path, "typeLetter"))
        return false;
    const auto current = HostMemory(image).pager(n);
    bool remove = false;
    if (o.contains(QStringLiteral("delete"))
        && !boolean(o.value(QStringLiteral("delete")), member(path, "delete"), remove))
        return false;
    if (remove)
        return !current || applied(path, edits.deletePager(QString::number(n)));

    // Each list: its position; none the image names, or a word the list does
    // not hold (both refused by the pager's checks when the pager changes).
    constexpr int Unknown = -1, NotAWord = -2;
    QString address = current ? addressText(*current) : QString();
    int model = current ? (current->type ? int(current->type->model) : Unknown) : DefaultModel;
    int rate = current ? (current->type ? int(current->type->rate) : Unknown) : DefaultRate;
    int polarity = current ? int(current->polarity) : DefaultPolarity;
    int tone = current ? current->tone.value_or(Unknown) : DefaultTone;
    QString detail;
    if (o.contains(QStringLiteral("address"))) {
        const QJsonValue a = o.value(QStringLiteral("address"));
        if (!a.isString())
            return refuse(member(path, "address"),
                          QCoreApplication::translate("Commands", "地址码应为7位数字！"));
        address = a.toString();
    }
    const struct {
        const char* key;
        const Vocabulary& words;
        int& value;
    } lists[] = {{"model", pagerModels(), model},
                 {"polarity", pagerPolarities(), polarity},
                 {"rate", pagerRates(), rate},
                 {"tone", pagerTones(), tone}};
    for (const auto& list : lists) {
        if (!o.contains(QLatin1String(list.key)))
            continue;
        const QJsonValue value = o.value(QLatin1String(list.key));
        Coded c;
        if (!value.isNull() && !coded(value, member(path, list.key), c))
            return false;
        list.value = c.word ? position(list.words, *c.word, detail) : Unknown;
        if (c.word && list.value < 0)
            list.value = NotAWord;
    }
    if (current && address == addressText(*current)
        && model == (current->type ? int(current->type->model) : Unknown)
        && rate == (current->type ? int(current->type->rate) : Unknown)
        && polarity == int(current->polarity) && tone == current->tone.value_or(Unknown))
        return true;
    Outcome out = edits.setPager(QString::number(n), address, model, polarity, rate, tone);
    out.detail = detail;
    return applied(path, out);
}

bool Reader::tables(const QJsonValue& v, const QString& path)
{
    QJsonObject o;
    if (!object(v, path, o)
        || !keys(o, path,
                 {QStringLiteral("count"), QStringLiteral("storedCount"), QStringLiteral("tables")})
        || !number(o, path, "count") || !number(o, path, "storedCount"))
        return false;
    if (!o.contains(QStringLiteral("tables")))
        return true;
    const QString listPath = member(path, "tables");
    QJsonArray list;
    if (!array(o.value(QStringLiteral("tables")), listPath, list))
        return false;

    // Each entry finds its record before anything changes: by the caller's
    // code, else by the table number.
    const HostMemory host(image);
    const int count = host.tableCount().count();
    std::vector<bool> taken(size_t(count), false);
    struct Entry {
        int k;
        QJsonObject o;
        QString path;
    };
    QList<Entry> entries;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString p = item(listPath, i);
        QJsonObject e;
        if (!object(list[i], p, e) || !keys(e, p, {"table", "feature", "pagers", "key", "delete"}))
            return false;
        int table = -1;
        if (e.contains(QStringLiteral("table"))
            && !whole(e.value(QStringLiteral("table")), member(p, "table"), 0, 65535, table))
            return false;
        QString feature;
        if (e.contains(QStringLiteral("feature"))) {
            const QJsonValue f = e.value(QStringLiteral("feature"));
            feature = f.toString().toUpper();
            if (!f.isString() || feature.size() != 6
                || QByteArray::fromHex(feature.toLatin1()).toHex().toUpper() != feature.toLatin1())
                return refuse(member(p, "feature"), DocText::tr("应为六个十六进制数字"));
        }
        if (feature.isEmpty() && table < 0)
            return refuse(p, DocText::tr("餐桌应有“feature”或“table”"));
        int found = -1;
        for (int k = 0; k < count; ++k) {
            if (taken[size_t(k)])
                continue;
            const TableRecord r = host.table(k);
            const bool codeMatches = feature.isEmpty() || featureText(r) == feature;
            if (codeMatches && (feature.isEmpty() ? r.tableNumber == table : true)) {
                if (found < 0 || r.tableNumber == table)
                    found = k;
                if (r.tableNumber == table)
                    break;
            }
        }
        if (found < 0)
            return refuse(p, ImageEdits::noSuchTable());
        taken[size_t(found)] = true;
        entries.append({found, e, p});
    }

    QList<int> deleted;
    for (const Entry& e : entries) {
        const TableRecord r = host.table(e.k);
        bool remove = false;
        if (e.o.contains(QStringLiteral("delete"))
            && !boolean(e.o.value(QStringLiteral("delete")), member(e.path, "delete"), remove))
            return false;
        if (remove) {
            deleted.append(e.k);
            continue;
        }
        TableChange fields;
        if (e.o.contains(QStringLiteral("pagers"))) {
            const QString p = member(e.path, "pagers");
            QJsonArray slotValues;
            if (!array(e.o.value(QStringLiteral("pagers")), p, slotValues))
                return false;
            if (slotValues.size() != 3)
                return refuse(p, DocText::tr("应为三个传呼号（null：无）"));
            std::array<QString, 3> texts;
            bool changed = false;
            for (int i = 0; i < 3; ++i) {
                std::optional<int> value;
                if (!slot(slotValues[i], item(p, i), value))
                    return false;
                texts[size_t(i)] = value ? QString::number(*value) : QString();
                changed = changed || value != std::optional<int>(r.pagers[size_t(i)]);
            }
            if (changed)
                fields.pagers = texts;
        }
        if (e.o.contains(QStringLiteral("key"))) {
            std::optional<int> value;
            if (!slot(e.o.value(QStringLiteral("key")), member(e.path, "key"), value))
                return false;
            if (value != std::optional<int>(r.keyValue))
                fields.key = value ? QString::number(*value) : QString();
        }
        if ((fields.pagers || fields.key) && !applied(e.path, edits.editTableAt(e.k, fields)))
            return false;
        const int table = e.o.value(QStringLiteral("table")).toInt(r.tableNumber);
        if (table != r.tableNumber
            && !applied(member(e.path, "table"),
                        edits.renumberTableAt(e.k, QString::number(table))))
            return false;
    }
    // Deleted from the last record on, so that the others keep their places.
    std::sort(deleted.begin(), deleted.end(), std::greater<int>());
    for (int k : deleted)
        if (!applied(listPath, edits.deleteTableAt(k)))
            return false;
    return true;
}

bool Reader::transmitter(const QJsonValue& v, const QString& path)
{
    QJsonObject o;
    if (!object(v, path, o) || !keys(o, path, {"megahertz", "factoryDefault", "flag", "units"})
        || !number(o, path, "flag") || !number(o, path, "units"))
        return false;
    const HostMemory host(image);
    if (!o.contains(QStringLiteral("factoryDefault")) && !o.contains(QStringLiteral("megahertz")))
        return true;
    bool factory = false;
    if (o.contains(QStringLiteral("factoryDefault"))
        && !boolean(o.value(QStringLiteral("factoryDefault")), member(path, "factoryDefault"),
                    factory))
        return false;
    if (factory)
        return !host.transmitterFrequencySet()
            || applied(path, edits.setTransmitterFrequency(QString()));
    const QString mhzPath = member(path, "megahertz");
    if (!o.contains(QStringLiteral("megahertz")))
        return host.transmitterFrequencySet()
            || refuse(mhzPath, checkTransmitterFrequency(QString()).problem().outcome());
    const QJsonValue mhz = o.value(QStringLiteral("megahertz"));
    if (!mhz.isDouble())
        return refuse(mhzPath, checkTransmitterFrequency(QStringLiteral("x")).problem().outcome());
    const double value = mhz.toDouble();
    // Three cells hold at most 1677.7215 MHz; a value beyond is no cell's.
    if (host.transmitterFrequencySet() && value >= 0 && value < 2000
        && std::llround(value * 10000) == host.transmitterFrequencyUnits())
        return true;
    // The value as it would be typed: fixed point, without trailing zeros.
    QString text = QString::number(value, 'f', 6);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return applied(mhzPath, edits.setTransmitterFrequency(text));
}

bool Reader::settings(const QJsonObject& doc)
{
    const auto voice = [this](VoiceSetting s) {
        return [this, s](std::optional<int> p) { return edits.setVoiceSetting(s, p); };
    };
    const auto position = [](const CodeSetting& s) { return s.hasWord() ? int(s.code) : -1; };
    const HostMemory host(image);
    if (doc.contains(QStringLiteral("mode"))
        && !setting(doc.value(QStringLiteral("mode")), QStringLiteral("mode"), workModes(),
                    int(host.workMode()), host.cell(WorkModeCell), false, sameCode,
                    [this](std::optional<int> p) { return edits.setWorkMode(p.value_or(-1)); }))
        return false;
    if (doc.contains(QStringLiteral("transmitter"))
        && !transmitter(doc.value(QStringLiteral("transmitter")), QStringLiteral("transmitter")))
        return false;
    if (doc.contains(QStringLiteral("language"))) {
        const auto p = host.numberPronunciation();
        if (!setting(doc.value(QStringLiteral("language")), QStringLiteral("language"),
                     numberLanguages(), p ? int(*p) : -1, host.cell(NumberPronunciationCell), false,
                     sameCode, voice(VoiceSetting::NumberPronunciation)))
            return false;
    }
    if (doc.contains(QStringLiteral("originator"))
        && !setting(doc.value(QStringLiteral("originator")), QStringLiteral("originator"),
                    callOriginators(), position(host.callOriginator()),
                    host.cell(CallOriginatorCell), true, sameCode,
                    voice(VoiceSetting::CallOriginator)))
        return false;
    if (doc.contains(QStringLiteral("keys"))) {
        QJsonArray keys;
        if (!array(doc.value(QStringLiteral("keys")), QStringLiteral("keys"), keys))
            return false;
        for (qsizetype i = 0; i < keys.size(); ++i) {
            const QString p = item(QStringLiteral("keys"), i);
            int key = int(i) + 1;
            const QJsonObject o = keys[i].toObject();
            if (o.contains(QStringLiteral("key"))
                && !whole(o.value(QStringLiteral("key")), member(p, "key"), 1, KeyCount, key))
                return false;
            if (key > KeyCount)
                return refuse(p, DocText::tr("应在%1到%2之间").arg(1).arg(KeyCount));
            const VoiceSetting s = VoiceSetting(int(VoiceSetting::KeyPrompt1) + key - 1);
            if (!setting(keys[i], p, keyPrompts(), position(host.keyPrompt(key)),
                         host.cell(KeyPromptCell + key - 1), true, sameCode, voice(s),
                         {QStringLiteral("key")}))
                return false;
        }
    }
    if (doc.contains(QStringLiteral("handheld"))) {
        const QString path = QStringLiteral("handheld");
        QJsonObject o;
        if (!object(doc.value(path), path, o)
            || !keys(o, path, {QStringLiteral("byTable"), QStringLiteral("byPager")}))
            return false;
        if (o.contains(QStringLiteral("byTable"))
            && !setting(o.value(QStringLiteral("byTable")), member(path, "byTable"),
                        handheldPlaces(), position(host.handheldByTable()),
                        host.cell(HandheldByTableCell), false, sameCode,
                        voice(VoiceSetting::HandheldByTable)))
            return false;
        if (o.contains(QStringLiteral("byPager"))
            && !setting(o.value(QStringLiteral("byPager")), member(path, "byPager"),
                        handheldPlaces(), position(host.handheldByPager()),
                        host.cell(HandheldByPagerCell), false, sameCode,
                        voice(VoiceSetting::HandheldByPager)))
            return false;
    }
    return true;
}

} // namespace

AppliedDocument applyDocument(const QByteArray& json, const Buffer& base)
{
    AppliedDocument result;
    Reader reader(base);
    QJsonParseError error;
    const QJsonDocument parsed = QJsonDocument::fromJson(json, &error);
    const QJsonObject doc = parsed.object();
    if (error.error != QJsonParseError::NoError)
        reader.refuse(QString(),
                      DocText::tr("不是JSON文档：%1（第%2个字节）")
                          .arg(error.errorString())
                          .arg(error.offset));
    else if (!parsed.isObject())
        reader.refuse(QString(), DocText::tr("应为JSON对象"));
    else if (reader.keys(doc, QString(),
                         {"$schema", "version", "pagers", "tables", "mode", "transmitter",
                          "infounit", "language", "originator", "keys", "handheld"})) {
        int version = DocumentVersion;
        if (doc.contains(QStringLiteral("version"))
            && reader.whole(doc.value(QStringLiteral("version")), QStringLiteral("version"), 0,
                            1 << 30, version)
            && version != DocumentVersion)
            reader.refuse(QStringLiteral("version"),
                          DocText::tr("文档格式版本%1不受支持，本程序读取版本%2")
                              .arg(version)
                              .arg(DocumentVersion));
        // The voice settings need a voice info unit, as the unit does: a
        // change to a voice unit comes before them, one to a digital unit
        // after them. The tables come before the settings: deleting a table
        // can free the settings cells.
        const auto infoUnit = [&](bool toVoice) {
            if (!reader.ok() || !doc.contains(QStringLiteral("infounit")))
                return;
            const QJsonValue v = doc.value(QStringLiteral("infounit"));
            const QString word = v.isObject()
                ? v.toObject().value(QStringLiteral("word")).toString()
                : v.toString();
            if ((infoUnitTypes().codeOf(word) == int(InfoUnitType::Voice)) != toVoice)
                return;
            reader.setting(v, QStringLiteral("infounit"), infoUnitTypes(),
                           int(HostMemory(reader.image).infoUnitType()),
                           reader.image[InfoUnitTypeCell], false, infoUnitPosition,
                           [&reader](std::optional<int> p) {
                               return reader.edits.setInfoUnitType(p.value_or(-1));
                           });
        };
        infoUnit(true);
        if (reader.ok() && doc.contains(QStringLiteral("tables")))
            reader.tables(doc.value(QStringLiteral("tables")), QStringLiteral("tables"));
        if (reader.ok() && doc.contains(QStringLiteral("pagers")))
            reader.pagers(doc.value(QStringLiteral("pagers")), QStringLiteral("pagers"));
        if (reader.ok())
            reader.settings(doc);
        infoUnit(false);
    }
    if (!reader.ok()) {
        result.outcome = reader.outcome();
        result.path = reader.path();
        result.image = base;
        return result;
    }
    result.outcome = Outcome::success();
    result.image = reader.image;
    return result;
}

QByteArray documentSchema()
{
    QFile file(QStringLiteral(":/callsetup/callsetup-backup.schema.json"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace cs
