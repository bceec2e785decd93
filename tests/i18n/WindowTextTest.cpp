// Every window in Chinese and in English: each caption shown fits its control
// (wide and high enough, not covered by another control, not cut by the window's
// edge) and the English windows speak English.

#include "reports/ReportView.h"
#include "shared/Language.h"
#include "support/CaptionCheck.h"
#include "support/Form1Rig.h"
#include "ui/BackupWindow.h"
#include "ui/HandheldWindow.h"
#include "ui/Program.h"
#include "ui/PromptWindow.h"
#include "ui/VoicePromptWindow.h"

#include <QtWidgets>
#include <gtest/gtest.h>

using cs::Language;

namespace {

void speak(Language language)
{
    ASSERT_TRUE(cs::installLanguage(*qApp, language));
    ASSERT_TRUE(cs::installQtLanguage(*qApp, language));
}

} // namespace

// The main window, the data backup window through its operations and every
// state its labels take, the voice prompt windows and the prompt windows.
TEST(WindowText, EveryCaptionFitsInBothLanguages)
{
    cs::ui::Program::chooseFont(*qApp);
    for (const Language language : {Language::Chinese, Language::English}) {
        const bool english = language == Language::English;
        SCOPED_TRACE(english ? "English" : "Chinese");
        speak(language);
        cs::test::Form1Rig rig;
        cs::ui::VoicePromptWindow form5(rig.link, rig.portControl, rig.ui);
        cs::ui::HandheldWindow form6(rig.link, rig.portControl, rig.ui);
        std::unique_ptr<QWidget> form2(cs::ui::PromptWindow::createForm2());
        std::unique_ptr<QWidget> form4(cs::ui::PromptWindow::createForm4());
        QStringList found;
        for (QWidget* window : QWidgetList{&rig.window, &form5, &form6, form2.get(), form4.get()}) {
            window->show();
            found << cs::test::captionMisfits(window, english);
        }

        cs::ui::BackupWindow form3(rig.link, rig.portControl, rig.ui);
        form3.show();
        // Checked at each change, right after the window has mirrored it.
        QObject::connect(&form3.view(), &cs::BackupView::changed, &form3,
                         [&] { found << cs::test::captionMisfits(&form3, english); });
        const auto settle = [&] { QCoreApplication::processEvents(); };
        for (int i = 0; i < cs::DataBackup::RevealClicks; ++i)
            form3.backup().label5Click();
        form3.backup().readHost();
        settle();
        auto* kinds = form3.findChild<QComboBox*>("Combo1");
        for (int kind = 0; kind < kinds->count(); ++kind) {
            kinds->setCurrentIndex(kind);
            cs::showReport(form3.view(), rig.state, rig.ui, cs::reportKindAt(kind));
            settle();
        }
        // A checked download whose check fails, a read that breaks off, then both
        // as they end well.
        form3.findChild<QCheckBox*>("Check1")->setChecked(true);
        rig.port.line.faults.corruptBlock = 3;
        form3.backup().download();
        rig.port.line.faults = {};
        rig.port.line.faults.silentFromBlock = 5;
        form3.backup().readHost();
        settle();
        rig.port.line.faults = {};
        form3.findChild<QCheckBox*>("Check1")->setChecked(false);
        form3.backup().readHost();
        form3.backup().memoryDump();
        form3.backup().download();
        settle();
        // The compare window (the import and learning windows are checked in the window walk).
        cs::ui::CompareWindow compare(rig.ui);
        compare.show();
        found << cs::test::captionMisfits(&compare, english);
        found.removeDuplicates();
        EXPECT_TRUE(found.isEmpty()) << qPrintable(found.join('\n'));
        // The read and the download ran to their end.
        EXPECT_TRUE(rig.state.HostImageLoaded);
        EXPECT_EQ(rig.ui.messages.value(rig.ui.messages.size() - 1).title, cs::Title::Ok);
    }
}
