// NuvaXPForm: the skinned window frame every window of the program carries. It strips its host's own caption
// and borders and draws in their place a title bar of pictures with icon, caption and caption buttons, edges and
// corners that resize the host, an optional menu strip that mirrors the host's menus, and a client area; the
// look follows a colour scheme and the host's active state.
#pragma once
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "frame/IHostForm.h"
#include "frame/ThemeX.h"
#include "platform/Process.h"
#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/UserControl.h"
#include "widgets/ControlButton.h"
#include "widgets/LabelMenu.h"

namespace plivant {

class NuvaXPForm : public ui::UserControl {
public:
    // The background a host window takes when a new frame is placed on it, and the same colour as text.
    static constexpr ui::OleColor kDefaultBackground = 0xD8E9EC;
    static constexpr const char* kDefaultBackgroundColor = "14215660";
    // The height of the standard caption and borders that SetStyle takes from a window, and that the skin
    // application and the edge release give back, so that the two cancel exactly.
    static constexpr float kStrippedCaptionTwips = 375;
    static constexpr float kMinWidthTwips = 1695;
    static constexpr float kMinHeightTwips = 615;
    // The title's font in a new frame.
    static ui::Font TitleFont();

    // The host form is reached through parentObject; without one, through the toolkit form that contains the
    // control.
    NuvaXPForm(ui::Control& container, const char* name, platform::IProcess& process,
               std::shared_ptr<IHostForm> parentObject = nullptr);
    static constexpr std::string_view kTypeName = "NuvaXPForm";
    std::string_view TypeName() const override { return kTypeName; }
    ~NuvaXPForm() override;

    // Properties.
    bool AutoLoad() const { return m_AutoLoad; }
    void SetAutoLoad(bool value);
    ui::OleColor BackColor() const { return PicMain.BackColor(); }
    void SetBackColor(ui::OleColor value);
    const std::string& Caption() const { return Caption1.Caption(); }
    // False when the host refused its caption.
    bool SetCaption(const std::string& value);
    bool CloseActive() const { return m_CloseActive; }
    void SetCloseActive(bool value);
    bool Enabled() const { return PicMain.Enabled(); }
    void SetEnabled(bool value);
    bool EnableMaximize() const { return m_EnableMaximize; }
    void SetEnableMaximize(bool value);
    const ui::Font& Font() const { return Caption1.Font(); }
    void SetFont(const ui::Font& value);
    bool HaveChild() const { return m_HaveChild; }
    void SetHaveChild(bool value);
    const ui::Bitmap& Icon() const { return TitleIcon.Picture(); }
    // An empty bitmap is no picture: the icon is hidden.
    void SetIcon(const ui::Bitmap& value);
    // Reading also moves the title icon back to this top.
    int16_t IconTop();
    void SetIconTop(int16_t value);
    int16_t IpModal() const { return m_IpModal; }
    void SetIpModal(int16_t value);
    ui::OleColor MenuBackColor() const { return pICmenu.BackColor(); }
    void SetMenuBackColor(ui::OleColor value);
    const ui::Bitmap& Picture() const { return PicMain.Picture(); }
    void SetPicture(const ui::Bitmap& value);
    bool ShowClose() const { return m_ShowClose; }
    void SetShowClose(bool value);
    bool ShowIcon() const { return TitleIcon.Visible(); }
    void SetShowIcon(bool value);
    bool ShowMaximize() const { return m_ShowMaximize; }
    void SetShowMaximize(bool value);
    bool ShowMinimize() const { return m_ShowMinimize; }
    void SetShowMinimize(bool value);
    int16_t TitleTop() const { return m_TitleTop; }
    void SetTitleTop(int16_t value);
    int32_t ColorScheme() const { return m_ColorScheme; }
    void SetColorScheme(int32_t value);
    bool ShowHelp() const { return m_ShowHelp; }
    // The client area's window, not the control's.
    platform::WindowHandle hwnd() const { return PicMain.hwnd(); }

    // Operations.
    void ContainerCheck();
    std::string DefaultBackgroundColor() const { return kDefaultBackgroundColor; }
    void FormOnTop(platform::WindowHandle hWindow, bool bTopMost);
    std::string GetCompName();
    // Applies the skin to the host; at the first failure shows the host plainly and ends.
    void LoadXP(int16_t Modal = 0, IHostForm* OwnerForm = nullptr);
    // While the skin fits the host to the frame: the host's size then changes for the frame's own reasons, and ends
    // at the frame's.
    bool ApplyingSkin() const { return fittingHost_; }
    void MaxBtnClick() { MaximizeButton_Click(); }
    // The layout pass; false when the colour scheme has no pictures (the pass stops there).
    bool Repos();
    void ReTransObj(IHostForm& IpForm);
    void SetMDIPosition(int32_t iLeft, int32_t iWidth, int32_t IHeight);
    void SetStyle(IHostForm& IpForm);
    // False at the first step that failed.
    bool ShowChild(IHostForm& IpForm);
    int16_t NChildForm() const { return m_ChildCount; }
    void CloseChildForm();
    void TaskBarShow();
    void TransparentEdges();
    // Repaints for the active or inactive state; false when the scheme has no pictures.
    bool SetFormActiveStyle(bool ActiveForm);

    // State the routines share, for those who look.
    IHostForm* MyForm() const { return MyForm_.get(); }
    int16_t MenuCount() const { return static_cast<int16_t>(m_MenuItems.size()); }
    bool TransparentEdgesSet() const { return m_TransparentEdges; }
    platform::Point DragStart() const { return m_DragStart; }
    platform::Point DragEnd() const { return m_DragEnd; }

    // Events. Click, DblClick, MouseDown and MouseMove of the client area arrive through the control's own
    // onClick, onDblClick, onMouseDown and onMouseMove.
    ui::Handler<void(int16_t& ClientTop, int16_t& ClientHeight, int16_t& ClientWidth)> onresize;
    ui::Handler<void()> onCloseForm;

    // Children, in painting order.
    ThemeX ThemeX1;
    ui::Image TitleLeft, Title, TitleRight, TitleIcon;
    ui::Label Caption1;
    ControlButton Minimizebutton, MaximizeButton, CloseButton;
    ui::Image Left, Right, Bottom, BottomLeft, BottomRight;
    ui::PictureBox pICmenu;
    ui::ControlArray<LabelMenu> LbMenu;
    ui::Line Line1, Line2;
    ui::PictureBox PicMain;

    ui::ViewLook Look() const override;

    // The design-time events (see ui::UserControl).
    void InitProperties() { UserControl_InitProperties(); }
    void ReadProperties(const ui::PropertyBag& bag) { UserControl_ReadProperties(bag); }
    void WriteProperties(ui::PropertyBag& bag) { UserControl_WriteProperties(bag); }

protected:
    void UserControl_InitProperties();
    void UserControl_ReadProperties(const ui::PropertyBag& bag);
    void UserControl_WriteProperties(ui::PropertyBag& bag);
    void UserControl_Resize() override { Repos(); }
    void Rescaled() override;
    void UserControl_Show() override;
    void BeforeUnrealize() override;

private:
    // Edge codes of the sizing handles.
    enum Edge : int16_t { kLeftEdge = 0, kRightEdge = 1, kBottomEdge = 3, kBottomRightEdge = 4, kBottomLeftEdge = 5 };

    IHostForm& ParentObject();
    platform::IWindowing& Windowing() { return toolkit().Windowing(); }
    // Twips per pixel of the screen.
    float Tx() const { return TwipsPerPixelX(); }
    float Ty() const { return TwipsPerPixelY(); }
    // A measure of the design in whole pixels of the screen's scale.
    float Px(float design) const { return std::round(design * Scale()); }
    // Draws the pictures of the pieces for the screen's scale.
    void DrawPieces();
    void EnforceMinimumSize();
    void FitTitlePieces();
    void PlaceCaption();
    void RaiseClientResize();
    void ReTransContainer();
    void ApplyRoundedTop(platform::WindowHandle window, float widthPixels, float heightPixels);
    void FitToHost();

    void TitlePiece_MouseDown();
    void Title_DblClick();
    void TitleIcon_DblClick();
    void Minimizebutton_Click();
    void MaximizeButton_Click();
    void CloseButton_Click();
    void LbMenu_Click(int Index);
    void LbMenu_MouseDown(int Index, int16_t Button);
    void OpenMenu(int Index, float offset);
    void pICmenu_Resize();
    void Edge_MouseDown();
    void Edge_MouseMove(ui::Image& handle, ui::MousePointer shape, bool bottom);
    void Edge_MouseUp(int16_t code);
    void ResizeByEdge(IHostForm& form, platform::Point start, platform::Point end, int16_t code);
    void WireHandle(ui::Image& handle, ui::MousePointer shape, int16_t code);

    platform::IProcess& process_;
    std::shared_ptr<IHostForm> parentObject_;
    std::shared_ptr<IHostForm> MyForm_;
    bool loadingXP_ = false;
    bool fittingHost_ = false;

    bool m_AutoLoad = true;
    bool m_ShowMinimize = true;
    bool m_ShowMaximize = true;
    bool m_ShowClose = true;
    bool m_ShowHelp = false;
    bool m_EnableMaximize = true;
    int16_t m_IpModal = -1;
    int32_t m_ColorScheme = 0;
    int16_t m_TitleTop = -2;
    int16_t m_IconTop = 7;
    bool m_CloseActive = false;
    bool m_HaveChild = false;
    int16_t m_ChildCount = 0;
    bool m_TransparentEdges = false;
    platform::Point m_DragStart{};
    platform::Point m_DragEnd{};
    std::vector<std::shared_ptr<IHostControl>> m_MenuItems;
};

}  // namespace plivant
