// The toolkit's windows from the keyboard, typed through the system's input: focus order, default, cancel and
// focused buttons, the context menus (the Menu key on a list is used by the main window's run).
#include "ToolkitTesting.h"

namespace plivant::wine {
namespace {

class ToolkitKeyboard : public DialogTest {
protected:
    void SetUp() override { Show(); }
    // The control whose window has the focus (a combo box's edit field counts as the box).
    HWND Focused() const {
        const HWND focus = GetFocus();
        return GetParent(focus) == H(cboDrive.hwnd()) ? GetParent(focus) : focus;
    }
};

TEST_F(ToolkitKeyboard, TabFollowsTheCreationOrderAndEnterSpaceAndEscapePressTheRightButton) {
    ASSERT_EQ(Focused(), H(txtPath.hwnd()));  // shown, the form gives the focus to its first control
    for (size_t i = 1; i <= order.size(); ++i) {
        Press(VK_TAB);
        ui::Control* expected = order[i % order.size()];
        EXPECT_EQ(std::tuple(Focused(), form.ActiveControl()), std::tuple(H(expected->hwnd()), expected))
            << "Tab to " << expected->Name();
    }
    Press(VK_TAB, VK_SHIFT);
    EXPECT_EQ(Focused(), H(order.back()->hwnd())) << "Shift+Tab from the first control";
    cmdOK.SetFocus();  // activated again, the form gives the focus back to its active control
    SendMessageA(H(form.hwnd()), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(Focused(), H(cmdOK.hwnd()));
    // A multi-line box passes Enter and Escape on; a focused button takes them before the default and the cancel.
    const std::tuple<ui::Control*, WORD, const char*> cases[] = {
        {&txtNotes, VK_RETURN, "cmdOK "},      {&txtNotes, VK_ESCAPE, "cmdCancel "}, {&cboDrive, VK_RETURN, "cmdOK "},
        {&cmdCancel, VK_RETURN, "cmdCancel "}, {&imgAbout, VK_SPACE, "imgAbout "},   {&txtPath, VK_RETURN, ""}};
    for (const auto& [focus, key, expected] : cases) {
        if (!*expected) cmdOK.SetVisible(false);  // without a visible default button, Enter presses nothing
        focus->SetFocus();
        clicked.clear();
        Press(key);
        EXPECT_EQ(clicked, expected) << focus->Name() << ", key " << key;
    }
}

// Counts the popup menus shown (each is a window of the menu class) and closes each at once.
class MenuCounter {
public:
    MenuCounter() : hook_(SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId())) { count_ = 0; }
    ~MenuCounter() {
        KillTimer(nullptr, timer_);
        UnhookWindowsHookEx(hook_);
    }
    static inline int count_ = 0;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        char name[16] = {};
        GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
        if (code == HCBT_CREATEWND && std::string(name) == "#32768") ++count_;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK hook_;
    UINT_PTR timer_ = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) CALLBACK { EndMenu(); });
};

TEST_F(ToolkitKeyboard, KeyboardContextMenusAreRaisedAndARightClickOpensOnePopup) {
    ui::Menu mnuPopup(form, "mnuPopup", "Popup");
    mnuPopup.SetVisible(false);
    ui::Menu mnuItem(mnuPopup, "mnuItem", "Item");
    for (const char* row : {"X: \tC:\\One", "Y: \tC:\\Two", "Z: \tC:\\Three"}) vList.AddItem(row);
    vList.SetListIndex(2);
    std::string raised;
    vList.onContextMenu = [&](float x, float y) {
        raised = "vList row " + std::to_string(vList.ItemAt(x, y));
        form.PopupMenu(mnuPopup, x, y);
    };
    // The path box opens the window's popup when the right button goes down, as the windows do.
    txtPath.onMouseDown = [&](int16_t button, int16_t, float, float) {
        if (button == 2) form.PopupMenu(mnuPopup, 0, 0);
    };
    enum How { kRightButton, kShiftF10 };
    // The event raised, and the menus shown: the window's popup, or the text box's own menu.
    const std::tuple<ui::Control*, How, const char*, int> cases[] = {{&vList, kShiftF10, "vList row 2", 1},
                                                                     {&vList, kRightButton, "", 0},
                                                                     {&txtPath, kRightButton, "", 1},
                                                                     {&txtNotes, kShiftF10, "", 1}};
    for (const auto& [control, how, event, menus] : cases) {
        raised.clear();
        MenuCounter counter;
        const HWND w = H(control->hwnd());
        control->SetFocus();
        if (how == kShiftF10) Press(VK_F10, VK_SHIFT);
        if (how == kRightButton) {
            SendMessageA(w, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
            SendMessageA(w, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
            Pump();
        }
        EXPECT_EQ(std::tuple(raised, MenuCounter::count_), std::tuple(std::string(event), menus))
            << control->Name() << ", case " << how;
    }
}

}  // namespace
}  // namespace plivant::wine
