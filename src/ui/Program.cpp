#include "ui/Program.h"
#include "callsetup/Version.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace cs::ui {

void Program::chooseFont(QApplication& app)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& family :
         {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")}) {
        if (installed.contains(family)) {
            app.setFont(QFont(family, 9));
            return;
        }
    }
    QFont font = app.font();
    font.setPointSize(9);
    app.setFont(font);
}

bool Program::prepare(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("callsetup"));
    QApplication::setApplicationVersion(QString::fromLatin1(cs::version));
    chooseFont(app);
    return true;
}

Program::Program(QApplication& app)
    : prepared_(prepare(app))
    , portControl_(state_, line_)
    , link_(state_, line_, waiter_, ui_)
    , commands_(link_, portControl_)
    , testView_(state_, line_, portControl_)
    , window_(state_, link_, portControl_, commands_, testView_, ui_)
{
}

Program::~Program() = default;

void Program::show()
{
    window_.show();
}

} // namespace cs::ui
