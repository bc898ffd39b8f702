#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "view/controller.h"
#include "view/drawing.h"
#include "win32/handles.h"
#include "win32/plan_window.h"
#include "win32/record_window.h"
#include "win32/results_window.h"
#include "win32/run_marker_file.h"
#include "win32/session_files.h"
#include "win32/tool_window.h"

// Posted at the end of the start-up: what went wrong is said once the window is up.
constexpr UINT kShowStartUpMessage = WM_APP + 1;

// The program's main window: the one object its procedure, its tool windows and its dialogs
// reach, through the window's GWLP_USERDATA. It owns the tables, the controller, the files it
// keeps, the tool windows and every handle it makes. It is told by the controller after every
// change, and shows the change in everything that shows the session: the client area, the
// menus, the title, the pattern box and the tool windows. The tool windows and dialogs include
// this header, and this one theirs, on purpose: they are its parts, which reach the controller
// and one another through it, while a change reaches them only through the controller's word.
class MainWindow final : public ControllerView {
public:
    // Registers the class "template", creates and shows the window, with the session file to
    // open (none when empty); nullptr when either fails. The object takes the place of the one
    // before it.
    static MainWindow* open(HINSTANCE instance, int showCommand, const std::wstring& fileToOpen);
    // The program's window, the last opened; nullptr before the first.
    static MainWindow* current();

    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow() override;

    HINSTANCE instance() const { return instance_; }
    HWND window() const { return window_; }
    HWND mark_edit() const { return markEdit_; }
    HWND position_edit(int lane) const { return positionEdits_[lane]; }
    int dpi() const { return dpi_; }
    HFONT font(DrawFont font) const;
    HPEN pen(DrawPen pen) const;

    const Tables& tables() const { return *tables_; }
    Controller* controller() { return controller_.get(); }
    const Controller* controller() const { return controller_.get(); }
    SessionFiles& files() { return files_; }
    ToolWindows& tools() { return tools_; }
    RunMarkerFile& run_marker() { return runMarker_; }
    ResultsWindow& results() { return results_; }
    PlanWindow& plan() { return plan_; }
    RecordWindow& record() { return record_; }

    void show(const Controller& controller) override;
    void keep_roster(const Roster& roster) override;

    // One message as the message loop handles it: a key of the program's becomes its command,
    // Tab and Enter move and act as in a dialog, any other message is translated and
    // dispatched.
    void process_message(MSG& message);

    // A menu item's, a button's or a key's command.
    void command(int id);
    // The 条件 items that need a unit, 起きたこと, 実行, 元に戻す and やり直し, each grey while it
    // cannot act.
    void enable_items();

private:
    MainWindow(HINSTANCE instance, HWND window);
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    bool create_contents(const std::wstring& fileToOpen);
    void make_drawing_objects(int dpi);
    void create_child_controls();
    void follow_dpi(int dpi, const RECT& suggested);
    LRESULT enter_command() const;
    void paint();
    void run_command(int id);
    void jump(int lane);
    void click(int lane, LPARAM point);
    // The pattern box's text in Shift-JIS, as far as it is read and a character more.
    std::string pattern_box_text() const;
    void read_pattern_box();

    HINSTANCE instance_;
    HWND window_;
    HWND markEdit_ = nullptr;
    std::array<HWND, kLaneCount> positionEdits_{};
    HWND focusedControl_ = nullptr;  // has the focus, or had it when the window went inactive
    AcceleratorTable accelerators_;
    int dpi_ = kBaseDpi;  // the fonts' and pens'
    Font normalFont_;
    Font underlineFont_;
    Pen blackPen_;
    Pen predictPen_;
    std::unique_ptr<Tables> tables_;
    std::unique_ptr<Controller> controller_;
    std::unique_ptr<DrawList> drawing_;
    ToolWindows tools_;
    SessionFiles files_;
    RunMarkerFile runMarker_;
    ResultsWindow results_;
    PlanWindow plan_;
    RecordWindow record_;
};

// The message loop, the program's window's while it stands; returns the exit code of the quit
// message.
int run_message_loop();

// The entry's work: open the window and run the loop (0 when the window cannot be opened).
int run_program(HINSTANCE instance, int showCommand, const std::wstring& fileToOpen);
