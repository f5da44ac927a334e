// A window of the program drawn inside the skinned frame: the settings its frame is stored with, the window
// following the frame's size, and its place over the window that opened it.
#pragma once
#include <string>

#include "frame/NuvaXPForm.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/PropertyBag.h"

namespace plivant {

// The frame's title font in the program's windows.
ui::Font FrameCaptionFont();

// A box that only shows its text: locked, so that nothing edits it (Delete, Paste, Cut, Undo, its context menu), and
// every character typed into it discarded except Ctrl+C, which copies.
void MakeDisplayOnly(ui::TextBox& box);

// The settings every window of the program stores its frame with: the caption, the title font, the program's icon
// as the title bar shows it at the scale, maximising disabled and AutoLoad on.
ui::PropertyBag FrameDesign(const std::string& caption, const ui::Font& font, double scale);
// That icon alone.
ui::Bitmap FrameIcon(double scale);

class FramedForm : public ui::Form {
public:
    NuvaXPForm NuvaXPForm1;

protected:
    // The frame is stored with the caption, the title font, the program's icon, its minimise and maximise buttons
    // hidden, maximising disabled and AutoLoad on; frame and window start at width × height twips.
    FramedForm(ui::Toolkit& toolkit, platform::IProcess& process, const char* name, const std::string& caption,
               float width, float height);

    // The window takes the width and then the height of its frame.
    void Form_Resize() override;
    // The title bar's icon drawn again at the new scale.
    void Rescaled() override;
    // Hides the frame's maximise and then its minimise button, each step skipped on failure. Restoring the stored
    // settings leaves the buttons as designed: only this, run at load, takes them off the title bar.
    void HideSizeButtons();
    // Centred over the owner, kept on the owner's monitor; on the screen when there is none.
    void PlaceOverOwner();
};

}  // namespace plivant
