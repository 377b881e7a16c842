// The forms of the two base-intersection windows. The twins hold the same
// controls under the same names: four inputs 编辑框1-4 (bases A-D), the
// result 编辑框5, its count 标签1, "交集" 按钮1 and "全部清空" 按钮2; they
// differ in captions and sizes.
#pragma once

#include <QSize>

#include "app/form_table.h"
#include "app/top_level_window.h"

namespace shrink::gui {

inline constexpr WindowSpec kLastThreeIntersectSpec{"☆_岚珂_☆后三交集工具V1.0", QSize(662, 454),
                                                    true};

// Base D sits in 分组框5, the result in 分组框4.
inline constexpr ControlSpec kLastThreeIntersectForm[] = {
    {ControlKind::kGroupBox, "分组框1", "", 8, 0, 216, 208, "输入大底A组"},
    {ControlKind::kInputBox, "编辑框1", "分组框1", 8, 16, 200, 184, "", "输入大底A组"},
    {ControlKind::kGroupBox, "分组框2", "", 224, 0, 216, 208, "输入大底B组"},
    {ControlKind::kInputBox, "编辑框2", "分组框2", 8, 16, 200, 184, "", "输入大底B组"},
    {ControlKind::kGroupBox, "分组框3", "", 8, 208, 216, 208, "输入大底C组"},
    {ControlKind::kInputBox, "编辑框3", "分组框3", 8, 16, 200, 184, "", "输入大底C组"},
    {ControlKind::kGroupBox, "分组框5", "", 224, 208, 216, 208, "输入大底D组"},
    {ControlKind::kInputBox, "编辑框4", "分组框5", 8, 16, 200, 184, "", "输入大底D组"},
    {ControlKind::kGroupBox, "分组框4", "", 440, 0, 208, 416, "结果显示区"},
    {ControlKind::kToolResultBox, "编辑框5", "分组框4", 8, 16, 192, 360, "", "交集结果"},
    {ControlKind::kButton, "按钮1", "分组框4", 8, 384, 64, 24, "交集"},
    {ControlKind::kLabel, "标签1", "分组框4", 72, 384, 64, 24},
    {ControlKind::kButton, "按钮2", "分组框4", 136, 384, 64, 24, "全部清空"},
};

inline constexpr WindowSpec kLastTwoIntersectSpec{"☆_岚珂_☆后二交集工具V1.0", QSize(646, 382),
                                                  true};

inline constexpr ControlSpec kLastTwoIntersectForm[] = {
    {ControlKind::kGroupBox, "分组框1", "", 8, 0, 208, 176, "输入后二大底A组"},
    {ControlKind::kInputBox, "编辑框1", "分组框1", 8, 16, 192, 152, "", "输入后二大底A组"},
    {ControlKind::kGroupBox, "分组框2", "", 216, 0, 208, 176, "输入后二大底B组"},
    {ControlKind::kInputBox, "编辑框2", "分组框2", 8, 16, 192, 152, "", "输入后二大底B组"},
    {ControlKind::kGroupBox, "分组框3", "", 8, 176, 208, 168, "输入后二大底C组"},
    {ControlKind::kInputBox, "编辑框3", "分组框3", 8, 16, 192, 144, "", "输入后二大底C组"},
    {ControlKind::kGroupBox, "分组框4", "", 216, 176, 208, 168, "输入后二大底D组"},
    {ControlKind::kInputBox, "编辑框4", "分组框4", 8, 16, 192, 144, "", "输入后二大底D组"},
    {ControlKind::kGroupBox, "分组框5", "", 424, 0, 208, 344, "结果显示区"},
    {ControlKind::kToolResultBox, "编辑框5", "分组框5", 8, 16, 192, 296, "", "交集结果"},
    {ControlKind::kButton, "按钮1", "分组框5", 8, 316, 64, 24, "交集"},
    {ControlKind::kLabel, "标签1", "分组框5", 72, 320, 56, 16},
    {ControlKind::kButton, "按钮2", "分组框5", 136, 316, 64, 24, "全部清空"},
};

}  // namespace shrink::gui
