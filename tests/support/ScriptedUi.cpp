#include "support/ScriptedUi.h"

namespace cs::test {

int ScriptedUi::messageBox(const QString& text, int style, const QString& title)
{
    const Message m{text, style, title};
    messages.append(m);
    events << "box:" + text;
    if (onMessage)
        onMessage(m);
    return answers.isEmpty() ? cs::AnswerOk : answers.takeFirst();
}

} // namespace cs::test
