#include "view/child_controls.h"

#include "view/resource.h"

namespace {

// The reading order: lane 0's buttons and box, lane 1's, the search's buttons and 実行, then the
// pattern box.
const ChildControl kChildControls[] = {
    {IDC_LANE0_BACK, false, "←", 200, 0, 25, 20},
    {IDC_LANE0_FORWARD, false, "→", 230, 0, 25, 20},
    {IDC_LANE0_SEED_UP, false, "↑", 300, 0, 20, 20},
    {IDC_LANE0_SEED_DOWN, false, "↓", 325, 0, 20, 20},
    {IDC_LANE0_POSITION, true, "", 380, 0, 40, 22},
    {IDC_LANE0_JUMP, false, "移動", 424, 1, 40, 20},
    {IDC_LANE1_BACK, false, "←", 200, 92, 25, 20},
    {IDC_LANE1_FORWARD, false, "→", 230, 92, 25, 20},
    {IDC_LANE1_SEED_UP, false, "↑", 300, 92, 20, 20},
    {IDC_LANE1_SEED_DOWN, false, "↓", 325, 92, 20, 20},
    {IDC_LANE1_POSITION, true, "", 380, 92, 40, 22},
    {IDC_LANE1_JUMP, false, "移動", 424, 93, 40, 20},
    {IDC_SEARCH, false, "検索", 460, 292, 40, 20},
    {IDC_RESULTS, false, "一覧", 505, 292, 40, 20},
    {IDM_ADVANCE, false, "実行", 550, 292, 40, 20},
    {IDC_MARK_EDIT, true, "", 500, 450, 200, 22},
};

}  // namespace

std::span<const ChildControl> child_controls() {
    return kChildControls;
}
