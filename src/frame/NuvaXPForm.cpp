// NuvaXPForm: the frame control's model: its pieces, properties, plain operations and persistence. The layout
// is in NuvaXPFormLayout, the skin application and window commands in NuvaXPFormCommands, the sizing handles in
// NuvaXPFormEdges.
#include "frame/NuvaXPForm.h"

#include "art/ThemeXArt.h"
#include "frame/NuvaXPFormParts.h"
#include "frame/ToolkitHostForm.h"
#include "util/ErrorPolicy.h"

namespace plivant {

using namespace nuvaxp;

ui::Font NuvaXPForm::TitleFont() {
    return {.name = "Trebuchet MS", .size = 9.75f, .bold = true};
}

NuvaXPForm::NuvaXPForm(ui::Control& container, const char* name, platform::IProcess& process,
                       std::shared_ptr<IHostForm> parentObject)
    : ui::UserControl(container, name),
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
    DrawPieces();

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
    pICmenu.Move(Px(kEdge), Px(kTitleHeight), 0, Px(kStripHeight));
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
        ui::Form* form = ui::AsForm(Parent());
        if (!form) throw LateBoundError("the container is not a form");
        parentObject_ = std::make_shared<ToolkitHostForm>(*form);
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

void NuvaXPForm::DrawPieces() {
    const double scale = Scale();
    ui::Image* pieces[] = {&Title, &TitleLeft, &TitleRight, &Left, &Right, &Bottom, &BottomRight, &BottomLeft};
    for (int i = 0; i < 8; ++i) pieces[i]->SetPicture(ThemeXPicture(i + 1, 0, scale));
    TitleIcon.Move(Px(kIconDesignLeft), Px(kIconDesignTop), Px(kIconSize), Px(kIconSize));
}

void NuvaXPForm::Rescaled() {
    ThemeX1.DrawPictures();
    DrawPieces();
    pICmenu.Move(Px(kEdge), Px(kTitleHeight), pICmenu.Width(), Px(kStripHeight));
    Repos();
    if (MyForm_) ReTransObj(*MyForm_);  // the host's region, rounded at the new scale
}

int16_t NuvaXPForm::IconTop() {
    TitleIcon.SetTop(Px(m_IconTop));
    return m_IconTop;
}

void NuvaXPForm::SetIconTop(int16_t value) {
    m_IconTop = value;
    TitleIcon.SetTop(Px(value));
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
            control->SetLeft(control->Left() + kClientLeftTwips);
            control->SetTop(control->Top() + kClientTopTwips);
        }
    });
}

void NuvaXPForm::FormOnTop(platform::WindowHandle hWindow, bool bTopMost) {
    Windowing().Place(hWindow, bTopMost ? win::kHwndTopmost : win::kHwndNoTopmost, 0, 0, 0, 0, kTopmostFlags);
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
    // Only shown: the taskbar keeps its place, its size and its place among the windows, which are the system's.
    const platform::WindowHandle tray = Windowing().FindTopLevel("Shell_traywnd", "");
    Windowing().Place(
        tray, 0, 0, 0, 0, 0,
        win::kSwpShowWindow | win::kSwpNoMove | win::kSwpNoSize | win::kSwpNoZOrder | win::kSwpNoActivate);
}

void NuvaXPForm::TransparentEdges() {
    m_TransparentEdges = true;
    Repos();
}

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
    TitleIcon.SetTop(Px(m_IconTop));
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
