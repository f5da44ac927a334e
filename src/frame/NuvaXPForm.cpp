// NuvaXPForm: properties and persistence, the layout pass and regions, the skin application and window commands,
// and the sizing handles.
#include "frame/NuvaXPForm.h"

#include <cctype>
#include <cmath>
#include <limits>

#include "frame/FormHost.h"
#include "frame/ThemeXArt.h"
#include "platform/WinConst.h"
#include "util/ErrorPolicy.h"

namespace plivant {

namespace {

using Border = ui::FormBorderStyle;
using State = ui::FormWindowState;

constexpr float kTitleHeight = 30;  // pixels
constexpr float kEdge = 4;
constexpr float kButtonGap = 2;
constexpr float kStripHeight = 24;
constexpr float kSeparatorTop = 345;  // twips, in a strip of 360
constexpr ui::OleColor kSeparatorColour = 0xC0C0C0;
constexpr float kFixed = ui::kFixedTwipsPerPixel;
constexpr uint32_t kTopmostFlags = win::SWP_NOSIZE | win::SWP_NOMOVE | win::SWP_NOACTIVATE | win::SWP_SHOWWINDOW;
constexpr int16_t kLastMenuLabel = 100;

// A single handed to a whole-number parameter rounds half to even.
int32_t Round(float value) {
    return static_cast<int32_t>(std::nearbyint(value));
}

int16_t Checked16(int32_t value) {
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max()) {
        throw LateBoundError("overflow");
    }
    return static_cast<int16_t>(value);
}

// Event values are 16-bit twips: a window too large for them reports the largest value rather than failing.
int16_t Saturated16(float twips) {
    const float rounded = std::nearbyint(twips);
    if (rounded > std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
    if (rounded < std::numeric_limits<int16_t>::min()) return std::numeric_limits<int16_t>::min();
    return static_cast<int16_t>(rounded);
}

// In the routines that go on after an error, a test whose own evaluation fails counts as passed.
template <typename Test>
bool TestOrTrue(Test test) {
    try {
        return test();
    } catch (...) {
        return true;
    }
}

std::string Capitals(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

int32_t Difference32(int32_t to, int32_t from) {
    const int64_t d = int64_t{to} - int64_t{from};
    if (d < std::numeric_limits<int32_t>::min() || d > std::numeric_limits<int32_t>::max()) {
        throw LateBoundError("overflow");
    }
    return static_cast<int32_t>(d);
}

ui::Font TitleFont() {
    ui::Font font;
    font.name = "Trebuchet MS";
    font.size = 9.75f;
    font.bold = true;
    return font;
}

}  // namespace

NuvaXPForm::NuvaXPForm(ui::Control& container, std::string name, platform::IProcess& process,
                       std::shared_ptr<IHostForm> parentObject)
    : ui::UserControl(container, std::move(name)),
      ThemeX1(*this, "ThemeX1"),
      TitleLeft(*this, "TitleLeft"),
      Title(*this, "Title"),
      TitleRight(*this, "TitleRight"),
      TitleIcon(*this, "TitleIcon"),
      Caption1(*this, "Caption1"),
      Minimizebutton(*this, "Minimizebutton"),
      MaximizeButton(*this, "MaximizeButton"),
      CloseButton(*this, "CloseButton"),
      Left(*this, "Left"),
      Right(*this, "Right"),
      Bottom(*this, "Bottom"),
      BottomLeft(*this, "BottomLeft"),
      BottomRight(*this, "BottomRight"),
      pICmenu(*this, "pICmenu"),
      LbMenu(pICmenu, "LbMenu"),
      Line1(pICmenu, "Line1"),
      Line2(pICmenu, "Line2"),
      PicMain(*this, "PicMain"),
      process_(process),
      parentObject_(std::move(parentObject)) {
    SetScaleMode(ui::ScaleMode::Pixels);
    ThemeX1.SetVisible(false);

    // The design pictures are the blue, active look; the middle and edge pieces are stretched to length.
    for (ui::Image* stretched : {&Title, &Left, &Right, &Bottom, &TitleIcon}) stretched->SetStretch(true);
    TitleLeft.SetPicture(ThemeXPicture(2, 0));
    Title.SetPicture(ThemeXPicture(1, 0));
    TitleRight.SetPicture(ThemeXPicture(3, 0));
    Left.SetPicture(ThemeXPicture(4, 0));
    Right.SetPicture(ThemeXPicture(5, 0));
    Bottom.SetPicture(ThemeXPicture(6, 0));
    BottomRight.SetPicture(ThemeXPicture(7, 0));
    BottomLeft.SetPicture(ThemeXPicture(8, 0));
    TitleIcon.Move(8, 8, 16, 16);

    Caption1.SetBackStyle(0);
    Caption1.SetFont(TitleFont());
    Caption1.SetForeColor(0xFFFFFF);
    Caption1.SetCaption("Velmora");

    Minimizebutton.SetButtonStyle(0);
    MaximizeButton.SetButtonStyle(1);
    CloseButton.SetButtonStyle(2);

    pICmenu.SetBorderStyle(ui::ControlBorderStyle::None);
    pICmenu.SetBackColor(ui::kMenuColour);
    pICmenu.SetVisible(false);
    pICmenu.Move(kEdge, kTitleHeight, 0, kStripHeight);
    for (ui::Line* line : {&Line1, &Line2}) {
        line->SetBorderColor(kSeparatorColour);
        line->SetEnds(0, kSeparatorTop, 0, kSeparatorTop);
    }
    PicMain.SetBorderStyle(ui::ControlBorderStyle::None);
    PicMain.SetVisible(false);

    for (ui::Control* piece :
         std::initializer_list<ui::Control*>{&Title, &TitleLeft, &TitleRight, &TitleIcon, &Caption1}) {
        piece->onMouseDown = [this](int16_t, int16_t, float, float) { TitlePiece_MouseDown(); };
    }
    Title.onDblClick = [this] { Title_DblClick(); };
    Caption1.onDblClick = [this] { Title_DblClick(); };
    TitleIcon.onDblClick = [this] { TitleIcon_DblClick(); };
    Minimizebutton.onClick = [this] { Minimizebutton_Click(); };
    MaximizeButton.onClick = [this] { MaximizeButton_Click(); };
    CloseButton.onClick = [this] { CloseButton_Click(); };
    pICmenu.onResize = [this] { pICmenu_Resize(); };
    WireHandle(Left, ui::MousePointer::SizeWE, kLeftEdge);
    WireHandle(Right, ui::MousePointer::SizeWE, kRightEdge);
    WireHandle(Bottom, ui::MousePointer::SizeNS, kBottomEdge);
    WireHandle(BottomRight, ui::MousePointer::SizeNWSE, kBottomRightEdge);
    WireHandle(BottomLeft, ui::MousePointer::SizeNESW, kBottomLeftEdge);
    PicMain.onClick = [this] { Control::Click(); };
    PicMain.onDblClick = [this] { Control::DblClick(); };
    PicMain.onMouseDown = [this](int16_t b, int16_t s, float x, float y) { Control::MouseDown(b, s, x, y); };
    PicMain.onMouseMove = [this](int16_t b, int16_t s, float x, float y) { Control::MouseMove(b, s, x, y); };

    // Initialize.
    m_TransparentEdges = false;
    Repos();
}

NuvaXPForm::~NuvaXPForm() {
    if (MyForm_) MyForm_->OnActivation(nullptr);
}

IHostForm& NuvaXPForm::ParentObject() {
    if (!parentObject_) {
        auto* form = dynamic_cast<ui::Form*>(Parent());
        if (!form) throw LateBoundError("the container is not a form");
        parentObject_ = std::make_shared<FormHost>(*form);
    }
    return *parentObject_;
}

ui::ViewLook NuvaXPForm::Look() const {
    // Between the edges the host shows, its background and its windowless controls, as under a transparent
    // control.
    ui::ViewLook look = Control::Look();
    if (Parent()) look.back = Parent()->BackColor();
    look.showsContainer = true;
    return look;
}

// ---------------------------------------------------------------------------------------------------------------
// Properties

void NuvaXPForm::SetAutoLoad(bool value) {
    m_AutoLoad = value;
    PropertyChanged("AutoLoad");
}

void NuvaXPForm::SetBackColor(ui::OleColor value) {
    PicMain.SetBackColor(value);
    PropertyChanged("BackColor");
}

bool NuvaXPForm::SetCaption(const std::string& value) {
    Caption1.SetCaption(value);
    PlaceCaption();
    if (!StopOnError([&] { ParentObject().SetCaption(value); })) return false;
    PropertyChanged("Caption");
    return true;
}

void NuvaXPForm::SetCloseActive(bool value) {
    m_CloseActive = value;
    PropertyChanged("CloseActive");
}

void NuvaXPForm::SetEnabled(bool value) {
    PicMain.SetEnabled(value);
    PropertyChanged("Enabled");
}

void NuvaXPForm::SetEnableMaximize(bool value) {
    m_EnableMaximize = value;
    MaximizeButton.SetEnabled(value);
    PropertyChanged("EnableMaximize");
}

void NuvaXPForm::SetFont(const ui::Font& value) {
    Caption1.SetFont(value);
    PropertyChanged("Font");
}

void NuvaXPForm::SetHaveChild(bool value) {
    m_HaveChild = value;
    PropertyChanged("HaveChild");
}

void NuvaXPForm::SetIcon(const ui::Bitmap& value) {
    StopOnError([&] {
        TitleIcon.SetPicture(value);
        ParentObject().SetIcon(value);
        SetShowIcon(!value.Empty());
        PropertyChanged("Icon");
    });
}

int16_t NuvaXPForm::IconTop() {
    TitleIcon.SetTop(m_IconTop);
    return m_IconTop;
}

void NuvaXPForm::SetIconTop(int16_t value) {
    m_IconTop = value;
    TitleIcon.SetTop(value);
    PropertyChanged("IconTop");
}

void NuvaXPForm::SetIpModal(int16_t value) {
    m_IpModal = value;
    PropertyChanged("IpModal");
}

void NuvaXPForm::SetMenuBackColor(ui::OleColor value) {
    pICmenu.SetBackColor(value);
    PropertyChanged("MenuBackColor");
}

void NuvaXPForm::SetPicture(const ui::Bitmap& value) {
    PicMain.SetPicture(value);
    PropertyChanged("Picture");
}

void NuvaXPForm::SetShowClose(bool value) {
    m_ShowClose = value;
    CloseButton.SetVisible(value);
    PropertyChanged("ShowClose");
}

void NuvaXPForm::SetShowIcon(bool value) {
    TitleIcon.SetVisible(value);
    Repos();
    PropertyChanged("ShowIcon");
}

void NuvaXPForm::SetShowMaximize(bool value) {
    m_ShowMaximize = value;
    MaximizeButton.SetVisible(value);
    PropertyChanged("ShowMaximize");
}

void NuvaXPForm::SetShowMinimize(bool value) {
    m_ShowMinimize = value;
    Minimizebutton.SetVisible(value);
    PropertyChanged("ShowMinimize");
}

void NuvaXPForm::SetTitleTop(int16_t value) {
    m_TitleTop = value;
    Repos();
    PropertyChanged("TitleTop");
}

void NuvaXPForm::SetColorScheme(int32_t value) {
    m_ColorScheme = value;
    Windowing().ProcessPendingMessages();
    Repos();
    Repos();
    PropertyChanged("Theme");
}

// ---------------------------------------------------------------------------------------------------------------
// Plain operations

void NuvaXPForm::ContainerCheck() {
    StopOnError([&] {
        const platform::WindowHandle container = Parent() ? Parent()->hwnd() : 0;
        for (const auto& control : ParentObject().Controls()) {
            if (control->ContainerHwnd() != container) continue;
            control->SetLeft(control->Left() + 75);
            control->SetTop(control->Top() + 450);
        }
    });
}

void NuvaXPForm::FormOnTop(platform::WindowHandle hWindow, bool bTopMost) {
    Windowing().Place(hWindow, bTopMost ? win::HWND_TOPMOST : win::HWND_NOTOPMOST, 0, 0, 0, 0, kTopmostFlags);
}

std::string NuvaXPForm::GetCompName() {
    std::string buffer(255, ' ');
    uint32_t size = static_cast<uint32_t>(buffer.size());
    process_.ComputerName(buffer.data(), &size);
    return buffer;
}

void NuvaXPForm::SetMDIPosition(int32_t iLeft, int32_t iWidth, int32_t IHeight) {
    PicMain.SetLeft(static_cast<float>(iLeft));
    PicMain.SetHeight(static_cast<float>(IHeight));
    PicMain.SetWidth(static_cast<float>(iWidth));
}

bool NuvaXPForm::ShowChild(IHostForm& IpForm) {
    return StopOnError([&] {
        IpForm.ShowAs(0, MyForm_.get());
        Windowing().Reparent(IpForm.hwnd(), PicMain.hwnd());
        m_ChildCount = Checked16(int32_t{m_ChildCount} + 1);
    });
}

void NuvaXPForm::CloseChildForm() {
    if (m_ChildCount > 0) --m_ChildCount;
}

void NuvaXPForm::TaskBarShow() {
    const platform::WindowHandle tray = Windowing().FindTopLevel("Shell_traywnd", "");
    Windowing().Place(tray, 0, 0, 0, 0, 0, win::SWP_SHOWWINDOW);
}

void NuvaXPForm::TransparentEdges() {
    m_TransparentEdges = true;
    Repos();
}

// ---------------------------------------------------------------------------------------------------------------
// Layout, regions, active look

void NuvaXPForm::EnforceMinimumSize() {
    if (HeightTwips() < kMinHeightTwips) SetSizeTwips(WidthTwips(), kMinHeightTwips);
    if (WidthTwips() < kMinWidthTwips) SetSizeTwips(kMinWidthTwips, HeightTwips());
}

void NuvaXPForm::FitTitlePieces() {
    const float W = WidthTwips() / Tx();
    TitleLeft.Move(0, 0, TitleLeft.Width(), kTitleHeight);
    Title.Move(TitleLeft.Width(), 0, W - TitleLeft.Width() - TitleRight.Width(), kTitleHeight);
    TitleRight.Move(Title.Left() + Title.Width(), 0, TitleRight.Width(), kTitleHeight);
}

void NuvaXPForm::PlaceCaption() {
    const bool icon = TitleIcon.Visible();
    const bool minimise = Minimizebutton.Visible(), maximise = MaximizeButton.Visible();
    const float afterIcon = TitleIcon.Left() + TitleIcon.Width();
    const float afterEdge = Left.Left() + Left.Width();
    float width = Minimizebutton.Left() - afterIcon - 10;
    if (!minimise) width = MaximizeButton.Left() - afterIcon - 10;
    if (!minimise && !icon) width = MaximizeButton.Left() - afterEdge - 10;
    if (!minimise && !maximise) width = CloseButton.Left() - afterIcon - 10;
    if (!minimise && !maximise && !icon) width = CloseButton.Left() - afterEdge - 10;
    // Automatic sizing keeps this width, which leaves the buttons free, and gives the label its line's height.
    const float lineHeight = toolkit().MeasureText(Caption1.Font(), Caption1.Caption()).height / Ty();
    Caption1.Move(icon ? afterIcon + 3 : afterEdge + 2.5f,
                  (Title.Height() - 13) / 2 - 9 + Caption1.Font().size + static_cast<float>(m_TitleTop), width,
                  lineHeight);
}

bool NuvaXPForm::Repos() {
    EnforceMinimumSize();
    const float W = WidthTwips() / Tx(), H = HeightTwips() / Ty();

    TitleLeft.Move(0, 0, TitleLeft.Width(), kTitleHeight);
    Title.Move(TitleLeft.Width(), 0, W - TitleLeft.Width() - TitleRight.Width(), kTitleHeight);
    pICmenu.SetTop(Title.Top() + Title.Height());
    TitleRight.Move(Title.Left() + Title.Width(), 0, TitleRight.Width(), kTitleHeight);

    BottomLeft.Move(0, H - kEdge, kEdge, kEdge);
    BottomRight.Move(W - kEdge, H - kEdge, kEdge, kEdge);
    const float sideTop = TitleLeft.Top() + TitleLeft.Height();
    Left.Move(0, sideTop, kEdge, BottomLeft.Top() - sideTop);
    const float rightTop = TitleRight.Top() + TitleRight.Height();
    Right.Move(W - kEdge, rightTop, kEdge, BottomRight.Top() - rightTop);
    Bottom.Move(BottomLeft.Width(), H - kEdge, W - BottomLeft.Width() - BottomRight.Width(), kEdge);
    pICmenu.Move(Bottom.Left(), pICmenu.Top(), Bottom.Width(), pICmenu.Height());

    // Right to left, placed whether shown or not.
    float next = Right.Left();
    for (ControlButton* button : {&CloseButton, &MaximizeButton, &Minimizebutton}) {
        next = next - button->Width() - kButtonGap;
        button->Move(next, (Title.Height() - button->Height()) / 2, button->Width(), button->Height());
    }
    TitleIcon.Move(Left.Left() + Left.Width() + 2, m_IconTop, TitleIcon.Width(), TitleIcon.Height());
    PlaceCaption();

    if (m_TransparentEdges) ReTransContainer();
    for (ControlButton* button : {&Minimizebutton, &MaximizeButton, &CloseButton}) button->RefreshControl();
    if (!SetFormActiveStyle(true)) return false;
    RaiseClientResize();
    return true;
}

void NuvaXPForm::RaiseClientResize() {
    const float strip = pICmenu.Visible() ? pICmenu.Height() * kFixed : 0;
    int16_t ClientTop = Saturated16(strip + 450);
    int16_t ClientHeight = Saturated16(HeightTwips() - 510 - strip);
    int16_t ClientWidth = Saturated16(WidthTwips() - 120);
    if (onresize) onresize(ClientTop, ClientHeight, ClientWidth);
    PicMain.SetTop(pICmenu.Visible() ? pICmenu.Height() + kTitleHeight : kTitleHeight);
}

void NuvaXPForm::ApplyRoundedTop(platform::WindowHandle window, float widthPixels, float heightPixels) {
    const int32_t W = Round(widthPixels), H = Round(heightPixels);
    const platform::Region region{{5, 0, W - 5, 1}, {3, 1, W - 3, 2}, {2, 2, W - 2, 3},
                                  {1, 3, W - 1, 4}, {1, 4, W - 1, 5}, {0, 5, W, H}};
    Windowing().ApplyRegion(window, region, true);
}

void NuvaXPForm::ReTransObj(IHostForm& IpForm) {
    SkipOnError([&] {
        if (TestOrTrue([&] { return IpForm.Height() < kMinHeightTwips; })) IpForm.SetHeight(kMinHeightTwips);
    });
    SkipOnError([&] {
        if (TestOrTrue([&] { return IpForm.Width() < kMinWidthTwips; })) IpForm.SetWidth(kMinWidthTwips);
    });
    float W = 0, H = 0;
    SkipOnError([&] { W = IpForm.Width() / Tx(); });
    SkipOnError([&] { H = IpForm.Height() / Ty(); });
    SkipOnError([&] { ApplyRoundedTop(IpForm.hwnd(), W, H); });
}

void NuvaXPForm::ReTransContainer() {
    EnforceMinimumSize();
    if (Parent()) ApplyRoundedTop(Parent()->hwnd(), WidthTwips() / Tx(), HeightTwips() / Ty());
}

bool NuvaXPForm::SetFormActiveStyle(bool ActiveForm) {
    Caption1.SetForeColor(m_ColorScheme == 2 ? (ActiveForm ? 0x000000 : 0xC0C0C0) : 0xFFFFFF);
    // The scheme goes to the theme control as a 16-bit number.
    if (m_ColorScheme < std::numeric_limits<int16_t>::min() || m_ColorScheme > std::numeric_limits<int16_t>::max()) {
        return false;
    }
    if (!ThemeX1.ChangeTheme(Left, TitleLeft, Title, TitleRight, Right, Bottom, BottomLeft, BottomRight,
                             static_cast<int16_t>(m_ColorScheme), ActiveForm)) {
        return false;
    }
    // The title's end pieces differ in width between schemes and states: the bar is re-joined so that no gap
    // opens between them.
    FitTitlePieces();
    for (ControlButton* button : {&Minimizebutton, &MaximizeButton, &CloseButton}) button->SetIsActivate(ActiveForm);
    for (ControlButton* button : {&Minimizebutton, &MaximizeButton, &CloseButton}) button->SetTheme(m_ColorScheme);
    const int16_t look = ActiveForm ? -1 : 0;
    Minimizebutton.RefreshControl(look);
    CloseButton.RefreshControl(look);
    if (MaximizeButton.Enabled()) MaximizeButton.RefreshControl(look);
    return true;
}

// ---------------------------------------------------------------------------------------------------------------
// Skin application and window commands

void NuvaXPForm::UserControl_Show() {
    // The host's own controls stay over the frame, whatever order their windows were made in.
    Windowing().Place(Control::hwnd(), win::HWND_BOTTOM, 0, 0, 0, 0,
                      win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOACTIVATE);
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
        Windowing().MoveCursor({9000, 9000});

        int16_t counter = 0;
        std::shared_ptr<IHostControl> frame;
        for (const auto& control : host.Controls()) {
            if (control->Kind() == HostControlKind::Frame) {
                control->SetTop(0);
                control->SetLeft(0);
                frame = control;
            } else if (control->Kind() == HostControlKind::Menu && Capitals(control->Tag()) == "MAINMENU") {
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
                label.SetTop(45);
                if (counter == 1) {
                    label.SetLeft(60);
                } else {
                    const LabelMenu& previous = LbMenu[counter - 1];
                    label.SetLeft(previous.Left() + previous.Width());
                }
                control->SetVisible(false);
            }
        }
        if (counter > 0 && !LbMenu.Load(kLastMenuLabel)) throw LateBoundError("label already loaded");

        if (!frame) throw LateBoundError("no frame on the host");
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
        Windowing().MoveCursor({Round((host.Left() + host.Width()) / kFixed), Round(host.Top() / kFixed)});
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
    // Without a host (the frame's container is not a form) there is nothing to show.
    if (!done && MyForm_) SkipOnError([&] { MyForm_->Show(); });
    loadingXP_ = false;
}

void NuvaXPForm::SetStyle(IHostForm& IpForm) {
    int32_t style = 0;
    SkipOnError([&] { style = Windowing().ReadLong(IpForm.hwnd(), win::GWL_STYLE); });
    SkipOnError([&] {
        for (uint32_t bit :
             {win::WS_THICKFRAME, win::WS_DLGFRAME, win::WS_CAPTION, win::WS_MINIMIZEBOX, win::WS_MAXIMIZEBOX}) {
            style &= ~static_cast<int32_t>(bit);
        }
        style |= static_cast<int32_t>(win::WS_SYSMENU);
        Windowing().WriteLong(IpForm.hwnd(), win::GWL_STYLE, style);
    });
    SkipOnError([&] {
        Windowing().Place(IpForm.hwnd(), 0, Round(IpForm.Left() / kFixed), Round(IpForm.Top() / kFixed),
                          Round(IpForm.Width() / kFixed), Round(IpForm.Height() / kFixed), win::SWP_SHOWWINDOW);
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
    Windowing().Send(Parent()->hwnd(), win::WM_NCLBUTTONDOWN, win::HTCAPTION, 0);
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
        const float x = label.Left() + pICmenu.Left() + 60;
        const float y = label.Top() + pICmenu.Top() + offset + label.Height() - 80;
        MyForm_->PopupMenu(*m_MenuItems[static_cast<size_t>(Index - 1)], static_cast<float>(Round(x)),
                           static_cast<float>(Round(y)));
    });
}

void NuvaXPForm::LbMenu_Click(int Index) {
    OpenMenu(Index, 450);
}

void NuvaXPForm::LbMenu_MouseDown(int Index, int16_t Button) {
    if (Button == 1) OpenMenu(Index, 480);
}

void NuvaXPForm::pICmenu_Resize() {
    const float end = pICmenu.Width() * kFixed;
    for (ui::Line* line : {&Line1, &Line2}) {
        line->SetEnds(0, kSeparatorTop, end, kSeparatorTop);
        line->Refresh();
    }
}

// ---------------------------------------------------------------------------------------------------------------
// Sizing handles

void NuvaXPForm::WireHandle(ui::Image& handle, ui::MousePointer shape, int16_t code) {
    handle.onMouseDown = [this](int16_t, int16_t, float, float) { Edge_MouseDown(); };
    handle.onMouseMove = [this, &handle, shape, code](int16_t, int16_t, float, float) {
        Edge_MouseMove(handle, shape, code == kBottomEdge);
    };
    handle.onMouseUp = [this, code](int16_t, int16_t, float, float) { Edge_MouseUp(code); };
}

void NuvaXPForm::Edge_MouseDown() {
    if (!MyForm_) return;
    StopOnError([&] {
        if (MyForm_->BorderStyle() != Border::Sizable) return;
        if (const auto cursor = Windowing().CursorPosition()) m_DragStart = *cursor;
    });
}

void NuvaXPForm::Edge_MouseMove(ui::Image& handle, ui::MousePointer shape, bool bottom) {
    if (!MyForm_) return;
    IHostForm& host = *MyForm_;
    StopOnError([&] {
        const bool sizable = host.BorderStyle() == Border::Sizable && host.WindowState() == State::Normal;
        handle.SetMousePointer(sizable ? shape : ui::MousePointer::Default);
        if (bottom && host.WindowState() == State::Maximized) TaskBarShow();
    });
}

void NuvaXPForm::Edge_MouseUp(int16_t code) {
    if (!MyForm_) return;
    IHostForm& host = *MyForm_;
    if (!TestOrTrue([&] { return host.BorderStyle() == Border::Sizable && host.WindowState() == State::Normal; }))
        return;
    SkipOnError([&] {
        if (const auto cursor = Windowing().CursorPosition()) m_DragEnd = *cursor;
    });
    SkipOnError([&] { ResizeByEdge(host, m_DragStart, m_DragEnd, code); });
    SkipOnError([&] { SetStyle(host); });
    // SetStyle took the caption's height away; exactly that is given back, so a release without movement leaves
    // the window as it was.
    SkipOnError([&] {
        if (TestOrTrue([&] { return host.BorderStyle() != Border::None; }))
            host.SetHeight(host.Height() + kStrippedCaptionTwips);
    });
    SkipOnError([&] { SetHeight(host.Height()); });
    SkipOnError([&] { SetWidth(host.Width()); });
    SkipOnError([&] { ReTransObj(host); });
}

void NuvaXPForm::ResizeByEdge(IHostForm& form, platform::Point start, platform::Point end, int16_t code) {
    float dx = 0, dy = 0;
    SkipOnError([&] { dx = static_cast<float>(Difference32(end.x, start.x)) * Tx(); });
    SkipOnError([&] { dy = static_cast<float>(Difference32(end.y, start.y)) * Ty(); });
    float left = 0, top = 0, width = 0, height = 0;
    SkipOnError([&] { left = form.Left(); });
    SkipOnError([&] { top = form.Top(); });
    SkipOnError([&] { width = form.Width(); });
    SkipOnError([&] { height = form.Height(); });
    SkipOnError([&] {
        switch (code) {
            case kLeftEdge:
                form.Move(left + dx, top, width - dx, height);
                break;
            case kRightEdge:
                form.Move(left, top, width + dx, height);
                break;
            case kBottomEdge:
                form.Move(left, top, width, height + dy);
                break;
            case kBottomRightEdge:
                form.Move(left, top, width + dx, height + dy);
                break;
            case kBottomLeftEdge:
                form.Move(left + dx, top, width - dx, height + dy);
                break;
            default:
                break;
        }
    });
}

// ---------------------------------------------------------------------------------------------------------------
// Persistence

void NuvaXPForm::UserControl_InitProperties() {
    StopOnError([&] {
        IHostForm& parent = ParentObject();
        parent.SetBackColor(static_cast<ui::OleColor>(std::stoul(DefaultBackgroundColor())));
        m_AutoLoad = true;
        m_ShowMinimize = true;
        m_ShowMaximize = true;
        m_ShowClose = true;
        m_ShowHelp = false;
        m_EnableMaximize = true;
        m_IpModal = -1;
        m_ColorScheme = 0;
        m_TitleTop = -2;
        m_IconTop = 7;
        m_CloseActive = false;
        m_HaveChild = false;
        m_ChildCount = 0;
        m_TransparentEdges = false;
        m_DragStart = {};
        m_DragEnd = {};
        m_MenuItems.clear();
        MyForm_.reset();
        Caption1.SetCaption(parent.Caption());
        parent.SetCaption(Caption1.Caption());
        SetShowIcon(false);
        Minimizebutton.SetButtonStyle(0);
        MaximizeButton.SetButtonStyle(1);
        CloseButton.SetButtonStyle(2);
    });
}

void NuvaXPForm::UserControl_ReadProperties(const ui::PropertyBag& bag) {
    Caption1.SetCaption(bag.ReadProperty("Caption", "Velmora"));
    Caption1.SetFont(bag.ReadProperty("Font", AmbientFont()));
    m_ShowMinimize = bag.ReadProperty("ShowMinimize", true);
    m_ShowMaximize = bag.ReadProperty("ShowMaximize", true);
    m_ShowClose = bag.ReadProperty("ShowClose", true);
    m_ShowHelp = bag.ReadProperty("ShowHelp", false);
    m_EnableMaximize = bag.ReadProperty("EnableMaximize", true);
    TitleIcon.SetPicture(bag.ReadProperty("Icon", ui::Bitmap{}));
    m_AutoLoad = bag.ReadProperty("AutoLoad", false);
    TitleIcon.SetVisible(bag.ReadProperty("ShowIcon", true));
    m_IpModal = static_cast<int16_t>(bag.ReadProperty("IpModal", int32_t{-1}));
    pICmenu.SetBackColor(bag.ReadProperty("MenuBackColor", ui::kMenuColour));
    m_CloseActive = bag.ReadProperty("CloseActive", false);
    m_IconTop = bag.ReadProperty("IconTop", int16_t{7});
    TitleIcon.SetTop(m_IconTop);
    m_TitleTop = bag.ReadProperty("TitleTop", int16_t{-2});
    m_HaveChild = bag.ReadProperty("HaveChild", false);
    PicMain.SetBackColor(bag.ReadProperty("BackColor", ui::kButtonFace));
    SetPicture(bag.ReadProperty("Picture", ui::Bitmap{}));
    PicMain.SetEnabled(bag.ReadProperty("Enabled", true));
    m_ColorScheme = bag.ReadProperty("Theme", int32_t{0});
    MaximizeButton.SetEnabled(m_EnableMaximize);
    Repos();
}

void NuvaXPForm::UserControl_WriteProperties(ui::PropertyBag& bag) {
    bag.WriteProperty("Caption", Caption1.Caption(), "Velmora");
    bag.WriteProperty("Font", Caption1.Font(), AmbientFont());
    bag.WriteProperty("ShowMinimize", m_ShowMinimize, true);
    bag.WriteProperty("ShowMaximize", m_ShowMaximize, true);
    bag.WriteProperty("ShowClose", m_ShowClose, true);
    bag.WriteProperty("ShowHelp", m_ShowHelp, false);
    bag.WriteProperty("EnableMaximize", m_EnableMaximize, true);
    bag.WriteProperty("AutoLoad", m_AutoLoad, false);
    bag.WriteProperty("ShowIcon", TitleIcon.Visible(), true);
    bag.WriteProperty("Icon", TitleIcon.Picture(), ui::Bitmap{});
    bag.WriteProperty("IpModal", int32_t{m_IpModal}, int32_t{-1});
    bag.WriteProperty("MenuBackColor", pICmenu.BackColor(), ui::kMenuColour);
    bag.WriteProperty("CloseActive", m_CloseActive, false);
    bag.WriteProperty("IconTop", IconTop(), int16_t{7});
    bag.WriteProperty("TitleTop", m_TitleTop, int16_t{-2});
    bag.WriteProperty("HaveChild", m_HaveChild, false);
    bag.WriteProperty("BackColor", PicMain.BackColor(), ui::kButtonFace);
    bag.WriteProperty("Picture", PicMain.Picture(), ui::Bitmap{});
    bag.WriteProperty("Enabled", PicMain.Enabled(), true);
    bag.WriteProperty("Theme", m_ColorScheme, int32_t{0});
}

}  // namespace plivant
