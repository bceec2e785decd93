#pragma once
// Form1, the main window: the port row, one group of fields and a button per
// configuration command (several groups hidden), the buttons that open the
// other windows, the test view and the exit button. It only mirrors the core's
// state and forwards clicks and keys; the operations live in Commands,
// PortControl and TestView.

#include "commands/Commands.h"
#include "link/Link.h"
#include "link/PortControl.h"
#include "link/TestView.h"
#include "shared/AppState.h"
#include "shared/Ui.h"
#include "ui/BackupWindow.h"
#include "ui/BatchWindows.h"
#include "ui/EditorWindow.h"
#include "ui/FieldWindow.h"
#include "ui/HandheldWindow.h"
#include "ui/VoicePromptWindow.h"

#include <QHash>
#include <QPointer>
#include <QSet>
#include <QWidget>
#include <cstdint>
#include <functional>

class QAbstractButton;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace cs::ui {

class MainWindow : public QWidget, public FieldWindow {
    Q_OBJECT
public:
    MainWindow(AppState& state, Link& link, PortControl& port, Commands& commands,
               TestView& testView, Ui& ui, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Outer size at start-up, in twips.
    static constexpr int WidthTwips = 8450;
    static constexpr int HeightTwips = 6100;
    // Twips to device-independent pixels (15 twips a pixel).

    // Random numbers in [0, 1) for the tips sequence (a fresh generator by default).
    void setRandomSource(std::function<double()> random) { random_ = std::move(random); }
    // Runs after the exit button closed the windows and released the port
    // (quits the application by default).
    void setQuitAction(std::function<void()> quit) { quit_ = std::move(quit); }

    // Clicks on the background since the last tips box (0..14).
    int tipsClicks() const { return tipsClicks_; }
    // The tips box of a choice 0..4: title and text.
    static QString tipsTitle(int choice);
    static QString tipsText(int choice);

    // The list position a command gets: the selected item, or the item the
    // typed text names exactly, or -1 when the text names none.
    static int listPosition(const QComboBox* list);

    // The windows opened from here, while they are open (for tests).
    BackupWindow* backupWindow() const { return backup_; }
    VoicePromptWindow* voicePromptWindow() const { return voice_; }
    HandheldWindow* handheldWindow() const { return handheld_; }
    ImportWindow* importWindow() const { return import_; }
    LearningWindow* learningWindow() const { return learning_; }
    CompareWindow* compareWindow() const { return compare_; }
    EditorWindow* editorWindow() const { return editor_; }

    // The menu bar above the designed client area, and its height: the window
    // is that much taller than designed, and every designed control that much
    // lower in the window.
    QMenuBar* menuBar() const { return menuBar_; }
    int menuHeight() const { return menuHeight_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPortRow();
    void buildVisibleGroups();
    void buildHiddenGroups();
    void buildTestGroup();
    void buildMenu();
    void load();

    void applyOuterSize();
    void placeClientArea();
    void mirrorPort(const PortStatus& status);
    void mirrorTestView();
    void backgroundClicked();
    void showTips();
    void exitProgram();

    QLabel* label(QWidget* parent, const char* name, const QString& caption, int l, int t, int w,
                  int h);
    QLineEdit* field(QWidget* parent, const char* name, int l, int t, int w, int h);
    // A field a message can send the focus to, named after its control.
    QLineEdit* field(QWidget* parent, Field name, int l, int t, int w, int h);
    QComboBox* list(QWidget* parent, const char* name, const QStringList& items, bool editable,
                    int l, int t, int w, int h);
    QPushButton* button(QWidget* parent, const char* name, const QString& caption, int l, int t,
                        int w, int h, std::function<void()> onClick);
    QGroupBox* frame(const char* name, const QString& caption, int l, int t, int w, int h);
    // Enter in `field` runs `button`; `selectAll` selects the whole text on focus.
    void enterRuns(QWidget* field, QAbstractButton* button);
    void selectOnFocus(QLineEdit* field);

    template <class Window> void openWindow(QPointer<Window>& slot);
    template <class Window, class Make> void openWindow(QPointer<Window>& slot, Make make);

    AppState& state_;
    Link& link_;
    PortControl& port_;
    Commands& commands_;
    TestView& testView_;
    Ui& ui_;
    std::function<double()> random_;
    std::function<void()> quit_;

    // Port row (object names Label9, Combo5, Command15, Label11).
    QLabel* portCaption_ = nullptr;
    QComboBox* portList_ = nullptr;
    QPushButton* portButton_ = nullptr;
    QLabel* portStatus_ = nullptr;
    // Work mode (Combo4).
    QComboBox* workModeList_ = nullptr;
    // Set pager (Text1(0), Text1(1), Combo1(0) .. Combo1(3)).
    QLineEdit* pagerNumberEdit_ = nullptr;
    QLineEdit* addressCodeEdit_ = nullptr;
    QComboBox* modelList_ = nullptr;
    QComboBox* polarityList_ = nullptr;
    QComboBox* rateList_ = nullptr;
    QComboBox* toneList_ = nullptr;
    // Set table caller (Text3(0) .. Text3(4)).
    QLineEdit* tableNumberEdit_ = nullptr;
    QLineEdit* ownKeyEdit_ = nullptr;
    QLineEdit* tablePagerEdits_[3] = {}; // pagers 1..3
    // Delete pager (Text4), delete table (Text6).
    QLineEdit* deletedPagerEdit_ = nullptr;
    QLineEdit* deletedTableEdit_ = nullptr;
    // Hidden groups: transmitter frequency (Text7), receiver frequency (Combo2)
    // and the receiver it is for (Text10), hurry buttons (Text5 deleted, Text11
    // set), receiver number (Text2), info unit type (Combo3).
    QLineEdit* transmitterFrequencyEdit_ = nullptr;
    QComboBox* receiverFrequencyList_ = nullptr;
    QLineEdit* frequencyReceiverEdit_ = nullptr;
    QLineEdit* deletedHurryButtonEdit_ = nullptr;
    QLineEdit* hurryButtonEdit_ = nullptr;
    QLineEdit* receiverNumberEdit_ = nullptr;
    QComboBox* infoUnitTypeList_ = nullptr;
    // Test view (Command8, Text8, Timer1).
    QPushButton* testButton_ = nullptr;
    QPlainTextEdit* testText_ = nullptr;
    QTimer* testTimer_ = nullptr;
    QString testTextShown_; // what the test text shows, line breaks without CR

    QHash<QObject*, QAbstractButton*> enterRuns_;
    QSet<QObject*> selectOnFocus_;

    QPointer<BackupWindow> backup_;
    QPointer<VoicePromptWindow> voice_;
    QPointer<HandheldWindow> handheld_;
    QPointer<ImportWindow> import_;
    QPointer<LearningWindow> learning_;
    QPointer<CompareWindow> compare_;
    QMenuBar* menuBar_ = nullptr;
    int menuHeight_ = 0;

    std::uint8_t tipsClicks_ = 0;
    bool pressOnBackground_ = false;
    bool exiting_ = false;
    bool typingFinishes_ = false; // the port list is ending a typed entry
    int heightTwips_ = HeightTwips;

    // The edits of the held host image, kept while the editor is closed.
    EditSession editing_{state_, link_, port_, ui_};
    QPointer<EditorWindow> editor_;
};

} // namespace cs::ui
