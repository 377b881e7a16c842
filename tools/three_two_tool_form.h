// The form of the last-three and last-two tool: the last-three input 编辑框1
// and the last-two input 编辑框2, each with its live count below it, and the
// result 编辑框3 with the two buttons and the result's count.
#pragma once

#include <QSize>

#include "app/form_table.h"
#include "app/top_level_window.h"

namespace shrink::gui {

// Its title bar has no minimise button, unlike the intersection windows.
inline constexpr WindowSpec kThreeTwoToolSpec{"☆_岚珂_☆后三后二交集工具 + 提取后三后两位号工具V1.0",
                                              QSize(471, 485), false};

// The inputs empty on a double-click and the result copies (list and result
// kinds), as the group captions tell the user.
inline constexpr ControlSpec kThreeTwoToolForm[] = {
    {ControlKind::kGroupBox, "分组框1", "", 8, 0, 448, 160,
     "输入后三----------------------------------------(双击号码框清空)---"},
    {ControlKind::kListBox, "编辑框1", "分组框1", 8, 16, 432, 120, "", "输入后三"},
    {ControlKind::kLabel, "标签1", "分组框1", 360, 136, 80, 16},
    {ControlKind::kGroupBox, "分组框2", "", 8, 160, 448, 96,
     "输入后二----------------------------------------(双击号码框清空)---"},
    {ControlKind::kListBox, "编辑框2", "分组框2", 8, 16, 432, 56, "", "输入后二"},
    {ControlKind::kLabel, "标签2", "分组框2", 360, 72, 80, 16},
    {ControlKind::kGroupBox, "分组框3", "", 8, 256, 448, 192,
     "结果显示----------------------------------------(双击结果框复制)---"},
    {ControlKind::kResultBox, "编辑框3", "分组框3", 8, 16, 432, 144, "", "结果显示"},
    {ControlKind::kButton, "按钮1", "分组框3", 8, 164, 112, 24, "后三后二交集"},
    {ControlKind::kButton, "按钮2", "分组框3", 136, 164, 120, 24, "提取后三后两位号码"},
    {ControlKind::kLabel, "标签3", "分组框3", 360, 168, 80, 16},
};

}  // namespace shrink::gui
