// NuvaXPForm: the skin applied to the host, the title bar, the caption buttons and the menu strip.
#include "frame/NuvaXPForm.h"

#include "frame/NuvaXPFormParts.h"
#include "util/ErrorPolicy.h"
#include "util/Text.h"

namespace plivant {

using namespace nuvaxp;

void NuvaXPForm::UserControl_Show() {
    // The host's own controls stay over the frame, whatever order their windows were made in.
    Windowing().Place(Control::hwnd(), win::kHwndBottom, 0, 0, 0, 0,
                      win::kSwpNoMove | win::kSwpNoSize | win::kSwpNoActivate);
    StopOnError([&] {
        if (!Repos()) return;
        if (m_AutoLoad) LoadXP(0, nullptr);
    });
}

void NuvaXPForm::BeforeUnrealize() {
    // Labels made at run time go with the host's window, as the menus they mirror come back with a new one.
    for (int index = 1; index <= static_cast<int>(m_MenuItems.size()); ++index) LbMenu.Unload(index);
    LbMenu.Unload(kLastMenuLabel);
    m_MenuItems.clear();
    if (MyForm_) MyForm_->OnActivation(nullptr);
    MyForm_.reset();
}

void NuvaXPForm::LoadXP(int16_t Modal, IHostForm* OwnerForm) {
    // Showing the host from here raises the show step again; the skin is applied once.
    if (loadingXP_) return;
    loadingXP_ = true;
    const bool done = StopOnError([&] {
        ParentObject();
        MyForm_ = parentObject_;
        IHostForm& host = *MyForm_;
        host.OnActivation([this](bool active) { SetFormActiveStyle(active); });
        Windowing().MoveCursor({kCursorParking, kCursorParking});

        int16_t counter = 0;
        std::shared_ptr<IHostControl> frame;
        for (const auto& control : host.Controls()) {
            if (control->Kind() == HostControlKind::Frame) {
                control->SetTop(0);
                control->SetLeft(0);
                frame = control;
            } else if (control->Kind() == HostControlKind::Menu && text::EqualsIgnoreCase(control->Tag(), "MAINMENU")) {
                pICmenu.SetVisible(true);
                counter = Checked16(int32_t{counter} + 1);
                if (!LbMenu.Load(counter)) throw LateBoundError("label already loaded");
                m_MenuItems.resize(static_cast<size_t>(counter));
                m_MenuItems.back() = control;
                LabelMenu& label = LbMenu[counter];
                const int index = counter;
                label.onClick = [this, index] { LbMenu_Click(index); };
                label.onMouseDown = [this, index](int16_t button, int16_t, float, float) {
                    LbMenu_MouseDown(index, button);
                };
                label.SetCaption(control->Caption());
                label.SetBackColor(pICmenu.BackColor());
                label.SetVisible(true);
                label.SetEnabled(control->Enabled());
                label.SetTop(kLabelTop);
                if (counter == 1) {
                    label.SetLeft(kFirstLabelLeft);
                } else {
                    const LabelMenu& previous = LbMenu[counter - 1];
                    label.SetLeft(previous.Left() + previous.Width());
                }
                control->SetVisible(false);
            }
        }
        if (counter > 0 && !LbMenu.Load(kLastMenuLabel)) throw LateBoundError("label already loaded");

        if (!frame) throw LateBoundError("no frame on the host");
        fittingHost_ = true;
        host.SetWidth(frame->Width());
        host.SetHeight(frame->Height());
        if (host.BorderStyle() != Border::None) host.SetHeight(frame->Height() + kStrippedCaptionTwips);
        if (host.BorderStyle() != Border::Sizable) {
            SetShowMaximize(false);
            SetShowMinimize(false);
        }
        if (!host.MaxButton()) SetEnableMaximize(false);
        if (host.BorderStyle() == Border::FixedSingle && host.MinButton()) {
            SetShowMinimize(true);
            SetShowMaximize(true);
            SetEnableMaximize(false);
        }
        PicMain.SetVisible(m_HaveChild);
        if (host.BorderStyle() != Border::None) SetStyle(host);
        frame->SetWidth(host.Width());
        frame->SetHeight(host.Height());
        ReTransObj(host);
        fittingHost_ = false;
        Windowing().MoveCursor({Round((host.Left() + host.Width()) / Tx()), Round(host.Top() / Ty())});
        Windowing().ProcessPendingMessages();
        if (OwnerForm) {
            host.SetVisible(false);
            Windowing().ProcessPendingMessages();
            host.ShowAs(Modal, OwnerForm);
        } else if (m_IpModal == 1 || Modal == 1) {
            host.SetVisible(false);
            Windowing().ProcessPendingMessages();
            host.ShowAs(1, nullptr);
        }
    });
    fittingHost_ = false;  // as a failed step left it
    // Without a host (the frame's container is not a form) there is nothing to show.
    if (!done && MyForm_) SkipOnError([&] { MyForm_->Show(); });
    loadingXP_ = false;
}

void NuvaXPForm::SetStyle(IHostForm& IpForm) {
    int32_t style = 0;
    SkipOnError([&] { style = Windowing().ReadLong(IpForm.hwnd(), win::kGwlStyle); });
    SkipOnError([&] {
        for (uint32_t bit :
             {win::kWsThickFrame, win::kWsDlgFrame, win::kWsCaption, win::kWsMinimizeBox, win::kWsMaximizeBox}) {
            style &= ~static_cast<int32_t>(bit);
        }
        style |= static_cast<int32_t>(win::kWsSysMenu);
        Windowing().WriteLong(IpForm.hwnd(), win::kGwlStyle, style);
    });
    SkipOnError([&] {
        // A host not shown yet gets its new frame as it shows.
        const uint32_t flags = (style & static_cast<int32_t>(win::kWsVisible))
                                   ? win::kSwpShowWindow
                                   : win::kSwpFrameChanged | win::kSwpNoZOrder | win::kSwpNoActivate;
        Windowing().Place(IpForm.hwnd(), 0, Round(IpForm.Left() / Tx()), Round(IpForm.Top() / Ty()),
                          Round(IpForm.Width() / Tx()), Round(IpForm.Height() / Ty()), flags);
    });
    SkipOnError([&] {
        if (TestOrTrue([&] { return IpForm.BorderStyle() != Border::None; })) {
            IpForm.SetHeight(IpForm.Height() - kStrippedCaptionTwips);
        }
    });
}

void NuvaXPForm::TitlePiece_MouseDown() {
    if (!MyForm_ || !Parent()) return;
    Windowing().ReleaseMouseCapture();
    Windowing().Send(Parent()->hwnd(), win::kWmNcLButtonDown, win::kHtCaption, 0);
}

void NuvaXPForm::FitToHost() {
    IHostForm& host = *MyForm_;
    SkipOnError([&] { SetWidth(host.Width()); });
    SkipOnError([&] { SetHeight(host.Height()); });
}

void NuvaXPForm::Title_DblClick() {
    if (!MyForm_) return;
    IHostForm& host = *MyForm_;
    if (!TestOrTrue([&] { return host.BorderStyle() == Border::Sizable; })) return;
    if (!TestOrTrue([&] { return m_EnableMaximize && host.MaxButton(); })) return;
    const bool normal = TestOrTrue([&] { return host.WindowState() == State::Normal; });
    SkipOnError([&] { host.SetWindowState(normal ? State::Maximized : State::Normal); });
    FitToHost();
    SkipOnError([&] { ReTransObj(host); });
    SkipOnError([&] { Repos(); });
    for (ControlButton* button : {&Minimizebutton, &MaximizeButton, &CloseButton}) button->RefreshControl();
}

void NuvaXPForm::TitleIcon_DblClick() {
    if (!MyForm_) return;
    IHostForm& host = *MyForm_;
    if (!TestOrTrue([&] { return host.BorderStyle() == Border::Sizable; })) return;
    const bool normal = TestOrTrue([&] { return host.WindowState() == State::Normal; });
    SkipOnError([&] { host.SetWindowState(normal ? State::Maximized : State::Normal); });
    FitToHost();
    SkipOnError([&] { ReTransObj(host); });
}

void NuvaXPForm::Minimizebutton_Click() {
    if (!MyForm_) return;
    StopOnError([&] { MyForm_->SetWindowState(State::Minimized); });
}

void NuvaXPForm::MaximizeButton_Click() {
    if (!MyForm_) return;
    IHostForm& host = *MyForm_;
    StopOnError([&] {
        host.SetWindowState(host.WindowState() == State::Normal ? State::Maximized : State::Normal);
        Windowing().ProcessPendingMessages();
        SetWidth(host.Width());
        SetHeight(host.Height());
        ReTransObj(host);
        Repos();
    });
}

void NuvaXPForm::CloseButton_Click() {
    if (!MyForm_) return;
    StopOnError([&] {
        if (m_CloseActive) {
            process_.EndProcess();
            if (onCloseForm) onCloseForm();
        } else {
            MyForm_->Unload();
        }
    });
}

void NuvaXPForm::OpenMenu(int Index, float offset) {
    if (!MyForm_) return;
    StopOnError([&] {
        if (Index < 1 || Index > static_cast<int>(m_MenuItems.size())) throw LateBoundError("subscript out of range");
        const LabelMenu& label = LbMenu[Index];
        const float x = label.Left() + pICmenu.Left() + kMenuRight;
        const float y = label.Top() + pICmenu.Top() + offset + label.Height() - kMenuUp;
        MyForm_->PopupMenu(*m_MenuItems[static_cast<size_t>(Index - 1)], static_cast<float>(Round(x)),
                           static_cast<float>(Round(y)));
    });
}

void NuvaXPForm::LbMenu_Click(int Index) {
    OpenMenu(Index, kMenuClickOffset);
}

void NuvaXPForm::LbMenu_MouseDown(int Index, int16_t Button) {
    if (Button == 1) OpenMenu(Index, kMenuPressOffset);
}

void NuvaXPForm::pICmenu_Resize() {
    const float end = pICmenu.Width() * Tx();
    for (ui::Line* line : {&Line1, &Line2}) {
        line->SetEnds(0, kSeparatorTop, end, kSeparatorTop);
        line->Refresh();
    }
}

}  // namespace plivant
