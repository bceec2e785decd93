#include "reports/EditSession.h"
#include "memory/Backups.h"
#include "reports/ImageEditor.h"
#include "reports/ReportKinds.h"
#include "reports/Reports.h"
#include "shared/Vocabulary.h"

#include <QCoreApplication>

namespace cs {

namespace {

// The session's own texts, translated under the editor window's context.
struct EditorText {
    Q_DECLARE_TR_FUNCTIONS(EditorWindow)
};

QString reportCaption(ReportKind kind)
{
    return reportKindOf(kind)->captionText();
}

// A slot or key value as set table takes it: empty for none.
QString slotText(const std::optional<std::uint8_t>& value)
{
    return value ? QString::number(*value) : QString();
}

std::optional<int> wordCode(const CodeSetting& s)
{
    return s.hasWord() ? std::optional<int>(s.code) : std::nullopt;
}

// The text of a code the image holds but the list has no word for.
QString codeText(const CodeSetting& s)
{
    return s.set && !s.hasWord() ? EditorText::tr("代码%1").arg(s.code) : QString();
}

} // namespace

EditSession::EditSession(AppState& state, Link& link, PortControl& port, Ui& ui)
    : state_(state)
    , link_(link)
    , port_(port)
    , ui_(ui)
    , editor_(std::make_unique<ImageEditor>())
{
    editor_->load(state.HostImage);
}

EditSession::~EditSession() = default;

bool EditSession::current() const
{
    return state_.HostImage == editor_->image();
}

bool EditSession::canUndo() const
{
    return current() && editor_->canUndo();
}

bool EditSession::canRedo() const
{
    return current() && editor_->canRedo();
}

bool EditSession::modified() const
{
    return current() && editor_->modified();
}

QString EditSession::noImageText()
{
    return EditorText::tr("主机内容未读取：请先在数据备份窗口读取主机或打开备份文件。");
}

QString EditSession::notSetText()
{
    return EditorText::tr("未设置");
}

PagerGridRow EditSession::pagerRow(int number) const
{
    PagerGridRow row;
    row.number = number;
    const std::optional<PagerRecord> pager = HostMemory(state_.HostImage).pager(number);
    if (!pager)
        return row;
    row.present = true;
    row.address = addressText(*pager);
    row.polarity = int(pager->polarity);
    if (pager->type) {
        row.model = int(pager->type->model);
        row.rate = int(pager->type->rate);
    }
    row.tone = pager->tone;
    return row;
}

EditSession::PagerValues EditSession::pagerValues(int number) const
{
    const PagerGridRow row = pagerRow(number);
    return {row.address, row.model.value_or(DefaultModel), row.polarity.value_or(DefaultPolarity),
            row.rate.value_or(DefaultRate), row.tone.value_or(DefaultTone)};
}

int EditSession::tableRows() const
{
    return HostMemory(state_.HostImage).tableCount().count();
}

TableGridRow EditSession::tableRow(int k) const
{
    const TableRecord table = HostMemory(state_.HostImage).table(k);
    TableGridRow row;
    row.index = k;
    row.feature = featureText(table);
    row.number = table.tableNumber;
    for (size_t i = 0; i < 3; ++i)
        row.pagers[i] = slotText(table.pagers[i]);
    row.key = slotText(table.keyValue);
    return row;
}

SettingGridRow EditSession::settingRow(Setting setting) const
{
    const HostMemory host(state_.HostImage);
    SettingGridRow row;
    row.setting = setting;
    switch (setting) {
    case Setting::WorkMode:
        row.caption = reportCaption(ReportWorkMode);
        row.list = &workModes();
        row.code = int(host.workMode());
        break;
    case Setting::InfoUnitType:
        row.caption = reportCaption(ReportInfoUnitType);
        row.list = &infoUnitTypes();
        row.code = int(host.infoUnitType());
        break;
    case Setting::TransmitterFrequency:
        row.caption = reportCaption(ReportTransmitterFrequency);
        row.clearable = true;
        if (host.transmitterFrequencySet())
            row.typed = signedFrequency(host.transmitterFrequencyMHz()).trimmed();
        row.notSet = row.typed.isEmpty();
        row.text = !row.notSet
            ? row.typed
            : EditorText::tr("%1（出厂值）")
                  .arg(signedFrequency(DefaultTransmitterFrequencyMHz).trimmed());
        return row;
    case Setting::NumberPronunciation:
        row.caption = reportCaption(ReportNumberPronunciation);
        row.list = &numberLanguages();
        if (const auto p = host.numberPronunciation())
            row.code = int(*p);
        break;
    case Setting::CallOriginator:
        row.caption = reportCaption(ReportCallOriginator);
        row.list = &callOriginators();
        row.clearable = true;
        row.code = wordCode(host.callOriginator());
        row.text = codeText(host.callOriginator());
        break;
    case Setting::KeyPrompt1:
    case Setting::KeyPrompt2:
    case Setting::KeyPrompt3: {
        const int key = int(setting) - int(Setting::KeyPrompt1) + 1;
        row.caption = EditorText::tr("按键%1提示语").arg(key);
        row.list = &keyPrompts();
        row.clearable = true;
        row.code = wordCode(host.keyPrompt(key));
        row.text = codeText(host.keyPrompt(key));
        break;
    }
    case Setting::HandheldByTable:
    case Setting::HandheldByPager:
        const bool byTable = setting == Setting::HandheldByTable;
        row.caption = byTable ? EditorText::tr("手持呼叫器按餐桌号呼叫")
                              : EditorText::tr("手持呼叫器按传呼号呼叫");
        row.list = &handheldPlaces();
        const CodeSetting s = byTable ? host.handheldByTable() : host.handheldByPager();
        row.code = wordCode(s);
        row.text = codeText(s);
        break;
    }
    row.notSet = !row.code && row.text.isEmpty();
    if (row.code)
        row.text = row.list->listText(*row.code);
    else if (row.notSet)
        row.text = notSetText();
    return row;
}

Outcome EditSession::addTable()
{
    return Outcome::refused(stopMessage(
        EditorText::tr("餐桌不能在备份中添加：呼叫器的特征码只能由主机在按下呼叫器的服务键时得到。"
                       "请在主窗口连接主机后设置餐桌，再读取主机。")));
}

void EditSession::follow()
{
    if (!current())
        restart(QString());
}

void EditSession::restart(const QString& fileName)
{
    editor_->load(state_.HostImage);
    fileName_ = fileName;
}

Outcome EditSession::edit(const std::function<Outcome(ImageEdits&)>& change)
{
    follow();
    if (!hasImage())
        return Outcome::refused(stopMessage(noImageText()));
    const Outcome outcome = editor_->edit(QString(), change);
    if (current())
        return outcome; // refused, or the value it already held
    state_.HostImage = editor_->image();
    emit changed();
    return outcome;
}

Outcome EditSession::setPager(int number, const PagerValues& v)
{
    return edit([&](ImageEdits& e) {
        return e.setPager(QString::number(number), v.address, v.model, v.polarity, v.rate, v.tone);
    });
}

Outcome EditSession::deletePager(int number)
{
    return edit([&](ImageEdits& e) { return e.deletePager(QString::number(number)); });
}

Outcome EditSession::setTableNumber(int k, const QString& number)
{
    return edit([&](ImageEdits& e) { return e.renumberTableAt(k, number); });
}

Outcome EditSession::setTablePager(int k, int slot, const QString& pager)
{
    return edit([&](ImageEdits& e) {
        if (k < 0 || k >= tableRows())
            return ImageEdits::noSuchTable();
        std::array<QString, 3> pagers = tableRow(k).pagers;
        pagers[size_t(slot)] = pager;
        return e.editTableAt(k, {pagers, std::nullopt});
    });
}

Outcome EditSession::setTableKey(int k, const QString& key)
{
    return edit([&](ImageEdits& e) { return e.editTableAt(k, {std::nullopt, key}); });
}

Outcome EditSession::deleteTable(int k)
{
    return edit([&](ImageEdits& e) { return e.deleteTableAt(k); });
}

Outcome EditSession::setSetting(Setting setting, std::optional<int> code)
{
    return edit([&](ImageEdits& e) {
        switch (setting) {
        case Setting::WorkMode: return e.setWorkMode(code.value_or(-1));
        case Setting::InfoUnitType: return e.setInfoUnitType(code.value_or(-1));
        case Setting::TransmitterFrequency: return e.setTransmitterFrequency(QString());
        default: break;
        }
        static_assert(int(Setting::HandheldByPager) - int(Setting::NumberPronunciation)
                      == int(VoiceSetting::HandheldByPager));
        static_assert(int(Setting::KeyPrompt1) - int(Setting::NumberPronunciation)
                      == int(VoiceSetting::KeyPrompt1));
        const int voice = int(setting) - int(Setting::NumberPronunciation);
        return e.setVoiceSetting(VoiceSetting(voice), code);
    });
}

Outcome EditSession::setTransmitterFrequency(const QString& megahertz)
{
    return edit([&](ImageEdits& e) { return e.setTransmitterFrequency(megahertz.trimmed()); });
}

void EditSession::undo()
{
    follow();
    if (!canUndo())
        return;
    editor_->undo();
    state_.HostImage = editor_->image();
    emit changed();
}

void EditSession::redo()
{
    follow();
    if (!canRedo())
        return;
    editor_->redo();
    state_.HostImage = editor_->image();
    emit changed();
}

Outcome EditSession::save(bool askName)
{
    follow();
    if (Outcome saveable = checkSaveable(state_); !saveable.done())
        return saveable;
    QString name = fileName_;
    if (name.isEmpty() || askName)
        name = ui_.chooseSaveFile();
    if (name.isEmpty())
        return Outcome::stopped(); // dialog cancelled
    const Outcome outcome = saveBackup(state_, name);
    if (outcome.done())
        saved(name);
    return outcome;
}

Outcome EditSession::download(const TransferControl& control)
{
    follow();
    return downloadAndVerify(link_, port_, control);
}

bool EditSession::mayClose()
{
    follow();
    return leaving_ || !modified()
        || ui_.confirm({EditorText::tr("主机内容的修改尚未保存到文件，确定关闭编辑窗口吗？"
                                       "修改仍留在数据备份窗口的主机内容中。"),
                        Style::OkCancel, Title::Attention});
}

bool EditSession::mayExit()
{
    follow();
    leaving_ = !modified()
        || ui_.confirm({EditorText::tr("主机内容的修改尚未保存，退出后将丢失。确定退出吗？"),
                        Style::OkCancel, Title::Attention});
    return leaving_;
}

bool EditSession::mayReplace()
{
    follow();
    return !modified()
        || ui_.confirm({EditorText::tr("主机内容的修改尚未保存，读取或打开后将丢失。确定继续吗？"),
                        Style::OkCancel, Title::Attention});
}

void EditSession::replaced(const QString& fileName)
{
    restart(fileName);
    emit changed();
}

void EditSession::saved(const QString& fileName)
{
    follow();
    fileName_ = fileName;
    editor_->markSaved();
    emit changed();
}

} // namespace cs
