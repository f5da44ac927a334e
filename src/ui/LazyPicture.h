// A picture that is drawn when it is first asked for, which is when it is first painted: a window that ends before
// it paints, or a popup menu never opened, never draws it.
#pragma once
#include <utility>

#include "ui/Bitmap.h"
#include "ui/Handler.h"

namespace plivant::ui {

class LazyPicture {
public:
    const Bitmap& Get() const {
        if (draw_) {
            picture_ = draw_();
            draw_ = nullptr;
        }
        return picture_;
    }
    void Set(const Bitmap& value) {
        draw_ = nullptr;
        picture_ = value;
    }
    void Set(Handler<Bitmap()> draw) {
        picture_ = Bitmap();
        draw_ = draw;
    }

private:
    mutable Bitmap picture_;
    mutable Handler<Bitmap()> draw_;
};

}  // namespace plivant::ui
