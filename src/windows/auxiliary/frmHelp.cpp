// frmHelp: the help text and the box that shows it.
#include "windows/auxiliary/frmHelp.h"

#include <algorithm>

#include "state/UiStrings.h"
#include "util/ErrorPolicy.h"
#include "util/Text.h"
#include "windows/shared/ProgramFacts.h"

namespace plivant {

namespace {

constexpr const char* kIndent = "   ";
constexpr const char* kLineEnd = "\r\n";
constexpr size_t kDotsBeyondHeading = 8;
constexpr float kWidth = 5745, kHeight = 4560;

void AppendItem(std::string& text, const char* number, const std::string& item) {
    bool first = true;
    for (const std::string& piece : text::SplitAt(item, '|')) {
        text += first ? number : kIndent;
        text += piece;
        text += kLineEnd;
        first = false;
    }
}

}  // namespace

std::string HelpText(platform::ICodePage& codePage, const std::string& heading, const std::string& item1,
                     const std::string& item2, const std::string& closing) {
    std::string text = kLineEnd;
    text += std::string(kIndent) + "..: " + heading + " :.." + kLineEnd;
    const std::u16string units = codePage.ToUtf16(platform::Page::Process, heading);
    const auto characters =
        std::count_if(units.begin(), units.end(), [](char16_t u) { return u < 0xDC00 || u > 0xDFFF; });
    text += kIndent + std::string(kDotsBeyondHeading + static_cast<size_t>(characters), '.') + kLineEnd;
    text += kLineEnd;
    AppendItem(text, "1. ", item1);
    text += std::string(kIndent) + kLineEnd;
    AppendItem(text, "2. ", item2);
    text += std::string(kIndent) + kLineEnd;
    text += kIndent + closing + " " + facts::kMaker + kLineEnd;
    return text;
}

frmHelp::frmHelp(ui::Toolkit& toolkit, platform::Platform& platform)
    : FramedForm(toolkit, platform.process, "frmHelp", "Help", kWidth, kHeight),
      txtHelp(*this, "txtHelp"),
      registry_(platform.registry),
      codePage_(platform.codePage) {
    txtHelp.SetMultiLine(true);
    txtHelp.SetScrollBars(ui::ScrollBars::Vertical);
    ui::Font arial;
    arial.name = "Arial";
    arial.size = 9.75f;
    txtHelp.SetFont(arial);
    txtHelp.Move(165, 570, 5415, 3825);
    MakeDisplayOnly(txtHelp);
}

void frmHelp::Form_Load() {
    HideSizeButtons();
    SkipOnError([&] { NuvaXPForm1.SetCaption(LoadUiString(registry_, UiString::Help)); });
    SkipOnError([&] {
        txtHelp.SetText(HelpText(codePage_, LoadUiString(registry_, UiString::HelpHeading),
                                 LoadUiString(registry_, UiString::HelpParagraph1),
                                 LoadUiString(registry_, UiString::HelpParagraph2),
                                 LoadUiString(registry_, UiString::DevelopedBy)));
    });
    PlaceOverOwner();
}

}  // namespace plivant
