// frmHelp: a short help text built at load from translatable pieces of the language table.
#pragma once
#include <string>

#include "platform/Platform.h"
#include "ui/Controls.h"
#include "windows/shared/FramedForm.h"

namespace plivant {

// The help text: an empty line; "   ..: " heading " :.."; three blanks and 8 + its length in characters of the process
// code page (not bytes: a heading in another script takes several bytes a character) full stops; an empty
// line; the first item split at every "|" as "1. " and then three blanks before each further piece; a line of three
// blanks; the second item the same way with "2. "; a line of three blanks; three blanks, the closing words and
// " " and the maker's name. Every line ends in CR LF.
std::string HelpText(platform::ICodePage& codePage, const std::string& heading, const std::string& item1,
                     const std::string& item2, const std::string& closing);

class frmHelp : public FramedForm {
public:
    frmHelp(ui::Toolkit& toolkit, platform::Platform& platform);

    ui::TextBox txtHelp;

protected:
    void Form_Load() override;

private:
    platform::IRegistry& registry_;
    platform::ICodePage& codePage_;
};

}  // namespace plivant
