// What the Wine tests of the toolkit share: the real ports and toolkit, the program's own message loop, keys
// typed through the system's input, and pictures of what a window paints.
#pragma once
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WineSupport.h"
#include "platform/win32/Win32Platform.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/win32/Win32Toolkit.h"

namespace plivant::wine {

inline HWND H(platform::WindowHandle h) {
    return reinterpret_cast<HWND>(h);
}

class ToolkitTest : public testing::Test {
protected:
    // Types a key through the system's input, with a modifier key held, and lets the program take it.
    void Press(WORD key, WORD modifier = 0);

    platform::win32::Win32Windowing windowing;
    platform::win32::Win32Shell shell;
    ui::win32::Win32Toolkit toolkit{windowing, shell};
};

// A dialog of the toolkit's controls one under the other (a picture box holds one of them, cmdBrowse is a picture
// button); clicks are recorded; Show puts it in front.
class DialogTest : public ToolkitTest {
protected:
    DialogTest();
    void Show() {
        form.Show();
        SetForegroundWindow(H(form.hwnd()));
        Pump();
    }
    ui::Form form{toolkit, "frmDialog"};
    ui::TextBox txtPath{form, "txtPath"};
    ui::ComboBox cboDrive{form, "cboDrive"};
    ui::PictureBox picBox{form, "picBox"};
    ui::TextBox txtInner{picBox, "txtInner"};
    ui::ListBox vList{form, "vList"};
    ui::TextBox txtNotes{form, "txtNotes"};
    ui::Image imgAbout{form, "imgAbout"};
    ui::CommandButton cmdOK{form, "cmdOK"}, cmdCancel{form, "cmdCancel"}, cmdBrowse{form, "cmdBrowse"};
    // Creation order, which Tab follows.
    const std::vector<ui::Control*> order{&txtPath,  &cboDrive, &txtInner,  &vList,    &txtNotes,
                                          &imgAbout, &cmdOK,    &cmdCancel, &cmdBrowse};
    std::string clicked;
};

}  // namespace plivant::wine
