// The toolkit tests' shared helpers.
#include "ToolkitTesting.h"

#include <vector>

namespace plivant::wine {

void ToolkitTest::Press(WORD key, WORD modifier) {
    std::vector<INPUT> input;
    for (auto [vk, flags] :
         {std::pair{modifier, 0ul}, {key, 0ul}, {key, KEYEVENTF_KEYUP}, {modifier, KEYEVENTF_KEYUP}}) {
        if (!vk) continue;
        input.push_back({});
        input.back().type = INPUT_KEYBOARD;
        input.back().ki.wVk = vk;
        input.back().ki.dwFlags = flags;
    }
    ASSERT_EQ(SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT)), input.size());
    Pump();
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
