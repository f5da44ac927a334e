// A scripted host form for the frame's tests: its members hold plain values, every call is recorded, and any
// member can be told to fail the way a late-bound member that the object lacks does.
#pragma once
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "frame/HostForm.h"

namespace plivant::test {

// Members named in the set fail with LateBoundError.
class Failing {
public:
    std::set<std::string> failing;

protected:
    void Check(const std::string& member) const {
        if (failing.count(member)) throw LateBoundError("scripted failure of " + member);
    }
};

class ScriptedMenu final : public IHostControl, public Failing {
public:
    ScriptedMenu(std::string name_, std::string tag_, std::string caption_, bool enabled_ = true)
        : name(std::move(name_)), tag(std::move(tag_)), caption(std::move(caption_)), enabled(enabled_) {}
    HostControlKind Kind() const override { return HostControlKind::Menu; }
    std::string Tag() const override { return Check("Tag"), tag; }
    std::string Caption() const override { return Check("Caption"), caption; }
    bool Enabled() const override { return Check("Enabled"), enabled; }
    void SetVisible(bool value) override {
        Check("Visible");
        visible = value;
    }

    std::string name, tag, caption;
    bool enabled = true;
    bool visible = true;
};

// A control with a place and a container, or without a container when containerHwnd is empty.
class ScriptedControl final : public IHostControl, public Failing {
public:
    ScriptedControl(float left_, float top_, std::function<platform::WindowHandle()> container_)
        : left(left_), top(top_), container(std::move(container_)) {}
    HostControlKind Kind() const override { return HostControlKind::Other; }
    float Left() const override { return Check("Left"), left; }
    void SetLeft(float value) override {
        Check("Left");
        left = value;
    }
    float Top() const override { return Check("Top"), top; }
    void SetTop(float value) override {
        Check("Top");
        top = value;
    }
    platform::WindowHandle ContainerHwnd() const override {
        if (!container) throw LateBoundError("no container");
        return container();
    }

    float left, top;
    std::function<platform::WindowHandle()> container;
};

class ScriptedHost final : public IHostForm, public Failing {
public:
    struct Popup {
        IHostControl* menu;
        float x, y;
    };

    explicit ScriptedHost(std::function<platform::WindowHandle()> window_) : window(std::move(window_)) {}

    std::string Caption() const override { return Check("Caption"), caption; }
    void SetCaption(const std::string& value) override {
        Check("Caption");
        caption = value;
    }
    void SetIcon(const ui::Bitmap& value) override {
        Check("Icon");
        icon = value;
    }
    void SetBackColor(ui::OleColor value) override {
        Check("BackColor");
        backColor = value;
    }
    float Left() const override { return Check("Left"), left; }
    void SetLeft(float value) override {
        Check("Left");
        left = value;
    }
    float Top() const override { return Check("Top"), top; }
    void SetTop(float value) override {
        Check("Top");
        top = value;
    }
    float Width() const override { return Check("Width"), width; }
    void SetWidth(float value) override {
        Check("Width");
        width = value;
    }
    float Height() const override { return Check("Height"), height; }
    void SetHeight(float value) override {
        Check("Height");
        height = value;
    }
    void Move(float l, float t, float w, float h) override {
        Check("Move");
        calls.push_back("Move");
        if (w < 0 || h < 0) throw LateBoundError("invalid size");
        left = l;
        top = t;
        width = w;
        height = h;
    }
    ui::FormBorderStyle BorderStyle() const override {
        return Check("BorderStyle"), static_cast<ui::FormBorderStyle>(borderStyle);
    }
    bool MinButton() const override { return Check("MinButton"), minButton; }
    bool MaxButton() const override { return Check("MaxButton"), maxButton; }
    ui::FormWindowState WindowState() const override {
        return Check("WindowState"), static_cast<ui::FormWindowState>(windowState);
    }
    void SetWindowState(ui::FormWindowState value) override {
        Check("WindowState");
        windowState = static_cast<int16_t>(value);
    }
    bool Visible() const override { return Check("Visible"), visible; }
    void SetVisible(bool value) override {
        Check("Visible");
        calls.push_back(value ? "Visible=True" : "Visible=False");
        visible = value;
    }
    void Show() override {
        Check("Show");
        calls.push_back("Show");
        visible = true;
    }
    void ShowAs(int16_t modal, IHostForm* owner) override {
        Check("Show");
        calls.push_back("Show " + std::to_string(modal) + (owner == this ? " self" : owner ? " owner" : " none"));
        visible = true;
    }
    void Unload() override {
        Check("Unload");
        calls.push_back("Unload");
    }
    void PopupMenu(IHostControl& menu, float x, float y) override {
        Check("PopupMenu");
        popups.push_back({&menu, x, y});
    }
    platform::WindowHandle hwnd() const override { return Check("hwnd"), window(); }
    std::vector<std::shared_ptr<IHostControl>> Controls() override {
        Check("Controls");
        return controls;
    }
    void OnActivation(std::function<void(bool)> handler) override { activation = std::move(handler); }

    std::string caption = "frmHost";
    ui::Bitmap icon;
    ui::OleColor backColor = ui::kButtonFace;
    float left = 1500, top = 1200, width = 7000, height = 5000;
    int16_t borderStyle = 2;  // the documented values, so that tables can list them
    bool minButton = true, maxButton = true;
    int16_t windowState = 0;
    bool visible = true;
    std::function<platform::WindowHandle()> window;
    std::vector<std::shared_ptr<IHostControl>> controls;
    std::function<void(bool)> activation;
    std::vector<std::string> calls;
    std::vector<Popup> popups;
};

}  // namespace plivant::test
