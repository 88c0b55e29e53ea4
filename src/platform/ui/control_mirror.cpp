#include "platform/ui/control_mirror.h"

#include "platform/ui/choice_controls.h"
#include "platform/ui/text_box.h"

void MirrorText(TextBox& box, std::function<void(const std::string&)> store) {
    store(box.Text());
    box.Change = [&box, store = std::move(store), then = std::move(box.Change)] {
        store(box.Text());
        if (then) then();
    };
}

void MirrorValue(CheckBox& box, std::function<void(int)> store) {
    store(box.Value());
    box.Click = [&box, store = std::move(store), then = std::move(box.Click)] {
        store(box.Value());
        if (then) then();
    };
}
