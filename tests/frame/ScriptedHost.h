// A scripted host form for the frame's tests: its members hold plain values, its calls are recorded, and any
// member can be told to fail the way a late-bound member that the object lacks does.
#pragma once
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "frame/IHostForm.h"

namespace plivant::test {

class ScriptedMenu final : public IHostControl {
public:
    ScriptedMenu(std::string tag_, std::string caption_, bool enabled_ = true)
        : tag(std::move(tag_)), caption(std::move(caption_)), enabled(enabled_) {}
    HostControlKind Kind() const override { return HostControlKind::Menu; }
    std::string Tag() const override { return tag; }
    std::string Caption() const override { return caption; }
    bool Enabled() const override { return enabled; }
    void SetVisible(bool value) override { visible = value; }

    std::string tag, caption;
    bool enabled, visible = true;
};

class ScriptedHost final : public IHostForm {
public:
    struct Popup {
        IHostControl* menu;
        float x, y;
    };

    explicit ScriptedHost(std::function<platform::WindowHandle()> window_) : window(std::move(window_)) {}

    std::string Caption() const override { return Get("Caption", caption); }
    void SetCaption(const std::string& value) override { Put("Caption", caption, value); }
    void SetIcon(const ui::Bitmap& value) override { Put("Icon", icon, value); }
    void SetBackColor(ui::OleColor value) override { Put("BackColor", backColor, value); }
    float Left() const override { return Get("Left", left); }
    void SetLeft(float value) override { Put("Left", left, value); }
    float Top() const override { return Get("Top", top); }
    void SetTop(float value) override { Put("Top", top, value); }
    float Width() const override { return Get("Width", width); }
    void SetWidth(float value) override { Put("Width", width, value); }
    float Height() const override { return Get("Height", height); }
    void SetHeight(float value) override { Put("Height", height, value); }
    void Move(float l, float t, float w, float h) override {
        Record("Move");
        if (w < 0 || h < 0) throw LateBoundError("invalid size");
        left = l, top = t, width = w, height = h;
    }
    ui::FormBorderStyle BorderStyle() const override {
        return static_cast<ui::FormBorderStyle>(Get("BorderStyle", borderStyle));
    }
    bool MinButton() const override { return Get("MinButton", minButton); }
    bool MaxButton() const override { return Get("MaxButton", maxButton); }
    ui::FormWindowState WindowState() const override {
        return static_cast<ui::FormWindowState>(Get("WindowState", windowState));
    }
    void SetWindowState(ui::FormWindowState value) override {
        Put("WindowState", windowState, static_cast<int16_t>(value));
    }
    bool Visible() const override { return Get("Visible", visible); }
    void SetVisible(bool value) override {
        Record(value ? "Visible=True" : "Visible=False", "Visible");
        visible = value;
    }
    void Show() override { Record("Show"), visible = true; }
    void ShowAs(int16_t modal, IHostForm* owner) override {
        Record("Show " + std::to_string(modal) + (owner == this ? " self" : owner ? " owner" : " none"), "Show");
        visible = true;
    }
    void Unload() override { Record("Unload"); }
    void PopupMenu(IHostControl& menu, float x, float y) override { popups.push_back({&menu, x, y}); }
    platform::WindowHandle hwnd() const override { return Get("hwnd", window)(); }
    std::vector<std::shared_ptr<IHostControl>> Controls() override { return controls; }
    void OnActivation(ui::Handler<void(bool)> handler) override { activation = handler; }

    std::set<std::string> failing;  // members that fail with LateBoundError
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
    ui::Handler<void(bool)> activation;
    std::vector<std::string> calls;
    std::vector<Popup> popups;

private:
    void Check(const std::string& member) const {
        if (failing.count(member)) throw LateBoundError("scripted failure of " + member);
    }
    template <typename T>
    T Get(const char* member, const T& value) const {
        Check(member);
        return value;
    }
    template <typename T>
    void Put(const char* member, T& field, const T& value) {
        Check(member);
        field = value;
    }
    void Record(const std::string& call, const std::string& member = "") {
        Check(member.empty() ? call : member);
        calls.push_back(call);
    }
};

}  // namespace plivant::test
