#pragma once
// The main window over the in-process simulated host unit, with ScriptedUi as
// its Ui, a chosen random source for the tips and a counted exit.

#include "commands/Commands.h"
#include "link/TestView.h"
#include "support/Rig.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace cs::test {

class WindowFixture : public ::testing::Test {
protected:
    Rig rig;
    cs::Commands commands{rig.link, rig.portControl};
    cs::TestView testView{rig.state, rig.port, rig.portControl};
    double nextRandom = 0.0;
    int quits = 0;

    ~WindowFixture() override
    {
        window_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Built on first use, so a test can prepare the state it loads from.
    cs::ui::MainWindow& window()
    {
        if (!window_) {
            window_ = std::make_unique<cs::ui::MainWindow>(rig.state, rig.link, rig.portControl, commands,
                                                           testView, rig.ui);
            window_->setRandomSource([this] { return nextRandom; });
            window_->setQuitAction([this] { ++quits; });
        }
        return *window_;
    }

    // Shown and active, so focus and shortcuts work.
    cs::ui::MainWindow& shown()
    {
        cs::ui::MainWindow& w = window();
        w.show();
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        return w;
    }

    template <class T = QWidget>
    T* find(const QString& name)
    {
        T* w = window().findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QLineEdit* edit(const QString& name) { return find<QLineEdit>(name); }
    QComboBox* combo(const QString& name) { return find<QComboBox>(name); }
    QPushButton* push(const QString& name) { return find<QPushButton>(name); }
    QString labelText(const QString& name) { return find<QLabel>(name)->text(); }

    // A point of the window's own background (no control under it).
    QPoint background() { return QPoint(4, 4); }
    void clickBackground(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(&window(), Qt::LeftButton, {}, background());
    }

private:
    std::unique_ptr<cs::ui::MainWindow> window_;
};

inline std::string str(const QString& s) { return s.toStdString(); }

} // namespace cs::test
