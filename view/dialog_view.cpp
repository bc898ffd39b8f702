#include "view/dialog_view.h"

#include <algorithm>
#include <stdexcept>

#include "view/number_boxes.h"

const ControlView& control_in(const DialogView& view, int id) {
    const auto found =
        std::find_if(view.begin(), view.end(), [id](const ControlView& c) { return c.id == id; });
    if (found == view.end()) {
        throw std::logic_error("no control " + std::to_string(id) + " in the dialog's view");
    }
    return *found;
}

int first_figure_out_of_range(const DialogView& shown) {
    for (const ControlView& control : shown) {
        const bool number =
            control.kind == ControlKind::kNumberBox || control.kind == ControlKind::kFigureList;
        if (number && read_number(control.text, NumberRule::kFigure).box != NumberBox::kNumber) {
            return control.id;
        }
    }
    return 0;
}
