#include "shared/Outcome.h"

#include <QCoreApplication>

namespace cs {

QString titleText(Title title)
{
    switch (title) {
    case Title::Ok: return QStringLiteral("OK");
    case Title::Error: return QCoreApplication::translate("Titles", "错误");
    case Title::Attention: return QCoreApplication::translate("Titles", "注意");
    case Title::StrongAttention: return QCoreApplication::translate("Titles", "注意！！");
    case Title::Err: return QStringLiteral("ERR");
    }
    return {};
}

QString controlName(Field field)
{
    switch (field) {
    case Field::None: break;
    case Field::PagerNumber: return QStringLiteral("Text1_0");
    case Field::AddressCode: return QStringLiteral("Text1_1");
    case Field::DeletedPager: return QStringLiteral("Text4");
    case Field::TableNumber: return QStringLiteral("Text3_0");
    case Field::OwnKey: return QStringLiteral("Text3_1");
    case Field::TablePager1: return QStringLiteral("Text3_2");
    case Field::TablePager2: return QStringLiteral("Text3_3");
    case Field::TablePager3: return QStringLiteral("Text3_4");
    case Field::DeletedTable: return QStringLiteral("Text6");
    case Field::HurryButton: return QStringLiteral("Text11");
    case Field::DeletedHurryButton: return QStringLiteral("Text5");
    case Field::ReceiverNumber: return QStringLiteral("Text2");
    case Field::TransmitterFrequency: return QStringLiteral("Text7");
    case Field::RepeaterWrite: return QStringLiteral("Command16");
    case Field::RepeaterDelete: return QStringLiteral("Command17");
    case Field::LastTable: return QStringLiteral("LastTable");
    }
    return {};
}

QString promptWords(Prompt prompt)
{
    switch (prompt) {
    case Prompt::CallerKey:
        return QCoreApplication::translate("PromptWindow", "请按呼叫器的服务键！");
    case Prompt::HurryButtonKey:
        return QCoreApplication::translate("PromptWindow", "请按催菜器的任意键加#键");
    }
    return {};
}

} // namespace cs
