// The toolkit tests' shared helpers.
#include "ToolkitTesting.h"

#include <vector>

#include "platform/win32/Handles.h"

namespace plivant::wine {

void ToolkitTest::Press(WORD key, WORD modifier) {
    std::vector<INPUT> input;
    const auto add = [&](WORD vk, DWORD flags) {
        INPUT one{};
        one.type = INPUT_KEYBOARD;
        one.ki.wVk = vk;
        one.ki.dwFlags = flags;
        input.push_back(one);
    };
    if (modifier) add(modifier, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (modifier) add(modifier, KEYEVENTF_KEYUP);
    ASSERT_EQ(SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT)), input.size());
    Pump();
}

ui::Bitmap PrintClient(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    platform::win32::WindowDc screen(window);
    platform::win32::UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    platform::win32::UniqueBitmap target(CreateCompatibleBitmap(screen.get(), r.right, r.bottom));
    platform::win32::SelectGuard selected(memory.get(), target.get());
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()), PRF_CLIENT);
    return ui::win32::ReadBitmap(memory.get(), r.right, r.bottom);
}

bool Contains(const ui::Bitmap& shot, const ui::Bitmap& picture) {
    for (int y = 0; y + picture.Height() <= shot.Height(); ++y) {
        for (int x = 0; x + picture.Width() <= shot.Width(); ++x) {
            bool same = true;
            for (int py = 0; same && py < picture.Height(); ++py) {
                for (int px = 0; same && px < picture.Width(); ++px)
                    same = shot.At(x + px, y + py) == picture.At(px, py);
            }
            if (same) return true;
        }
    }
    return false;
}

}  // namespace plivant::wine
