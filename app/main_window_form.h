// The form of the main window: the last-three panel 分组框1 on the left, the
// last-two panel 分组框2 in the middle, the tool buttons down the right edge
// and the hint line along the bottom.
#pragma once

#include <QSize>

#include "app/form_table.h"
#include "app/top_level_window.h"

namespace shrink::gui {

// The caption ends with the QQ number users are asked to add; the window has
// a minimise button and is 740 x 548 pixels outside.
inline constexpr WindowSpec kMainWindowSpec{"需要计划平台的加QQ：20240607", QSize(740, 548), true};

inline constexpr ControlSpec kMainWindowForm[] = {
    {ControlKind::kGroupBox, "分组框1", "", 8, 0, 424, 496, "后三缩水条件栏"},
    {ControlKind::kGroupBox, "分组框2", "", 432, 0, 264, 496, "后二缩水条件栏"},
    {ControlKind::kButton, "按钮5", "", 696, 6, 32, 80, "后三交集工具"},
    {ControlKind::kButton, "按钮6", "", 696, 86, 32, 80, "后二交集工具"},
    {ControlKind::kButton, "按钮7", "", 696, 166, 32, 80, "后二后三交际工具"},
    {ControlKind::kButton, "按钮8", "", 696, 248, 32, 80, "有待增加"},
    {ControlKind::kLabel, "标签41", "", 8, 496, 424, 24, "提示：后三缩水条件中的（胆组）---输入格式为：123456=123"},
    // Last-three conditions, nine rows 24 pixels apart.
    {ControlKind::kLabel, "标签1", "分组框1", 8, 16, 48, 24, "定胆码"},
    {ControlKind::kDigitBox, "编辑框1", "分组框1", 56, 16, 72, 24, "", "定胆码"},
    {ControlKind::kLabel, "标签10", "分组框1", 136, 16, 56, 24, "通杀码"},
    {ControlKind::kDigitBox, "编辑框2", "分组框1", 192, 16, 72, 24, "", "通杀码"},
    {ControlKind::kLabel, "标签2", "分组框1", 8, 40, 48, 24, "定百位"},
    {ControlKind::kDigitBox, "编辑框3", "分组框1", 56, 40, 72, 24, "", "定百位"},
    {ControlKind::kLabel, "标签11", "分组框1", 136, 40, 56, 24, "杀百位"},
    {ControlKind::kDigitBox, "编辑框4", "分组框1", 192, 40, 72, 24, "", "杀百位"},
    {ControlKind::kLabel, "标签3", "分组框1", 8, 64, 48, 24, "定十位"},
    {ControlKind::kDigitBox, "编辑框5", "分组框1", 56, 64, 72, 24, "", "定十位"},
    {ControlKind::kLabel, "标签12", "分组框1", 136, 64, 56, 24, "杀十位"},
    {ControlKind::kDigitBox, "编辑框6", "分组框1", 192, 64, 72, 24, "", "杀十位"},
    {ControlKind::kLabel, "标签4", "分组框1", 8, 88, 48, 24, "定个位"},
    {ControlKind::kDigitBox, "编辑框7", "分组框1", 56, 88, 72, 24, "", "定个位"},
    {ControlKind::kLabel, "标签13", "分组框1", 136, 88, 56, 24, "杀个位"},
    {ControlKind::kDigitBox, "编辑框8", "分组框1", 192, 88, 72, 24, "", "杀个位"},
    {ControlKind::kLabel, "标签5", "分组框1", 8, 112, 48, 24, "定合尾"},
    {ControlKind::kDigitBox, "编辑框9", "分组框1", 56, 112, 72, 24, "", "定合尾"},
    {ControlKind::kLabel, "标签14", "分组框1", 136, 112, 56, 24, "杀合尾"},
    {ControlKind::kDigitBox, "编辑框10", "分组框1", 192, 112, 72, 24, "", "杀合尾"},
    {ControlKind::kLabel, "标签6", "分组框1", 8, 136, 48, 24, "定跨度"},
    {ControlKind::kDigitBox, "编辑框11", "分组框1", 56, 136, 72, 24, "", "定跨度"},
    {ControlKind::kLabel, "标签15", "分组框1", 136, 136, 56, 24, "杀跨度"},
    {ControlKind::kDigitBox, "编辑框12", "分组框1", 192, 136, 72, 24, "", "杀跨度"},
    {ControlKind::kLabel, "标签7", "分组框1", 8, 160, 48, 24, "定两码合"},
    {ControlKind::kDigitBox, "编辑框13", "分组框1", 56, 160, 72, 24, "", "定两码合"},
    {ControlKind::kLabel, "标签16", "分组框1", 136, 160, 56, 24, "杀两码合"},
    {ControlKind::kDigitBox, "编辑框14", "分组框1", 192, 160, 72, 24, "", "杀两码合"},
    {ControlKind::kLabel, "标签8", "分组框1", 8, 184, 48, 24, "定两码差"},
    {ControlKind::kDigitBox, "编辑框15", "分组框1", 56, 184, 72, 24, "", "定两码差"},
    {ControlKind::kLabel, "标签17", "分组框1", 136, 184, 56, 24, "杀两码差"},
    {ControlKind::kDigitBox, "编辑框17", "分组框1", 192, 184, 72, 24, "", "杀两码差"},
    {ControlKind::kLabel, "标签9", "分组框1", 8, 208, 48, 24, "保留合差"},
    {ControlKind::kDigitBox, "编辑框16", "分组框1", 56, 208, 72, 24, "", "保留合差"},
    {ControlKind::kLabel, "标签18", "分组框1", 136, 208, 56, 24, "删除合差"},
    {ControlKind::kDigitBox, "编辑框18", "分组框1", 192, 208, 72, 24, "", "删除合差"},
    // Bold groups ① to ⑥ under the vertical caption 胆组, and the sum-span codes.
    {ControlKind::kLabel, "标签37", "分组框1", 264, 16, 24, 144, "\r\n\r\n\r\n\r\n\r\n胆\r\n组"},
    {ControlKind::kLabel, "标签26", "分组框1", 288, 16, 16, 24, "①"},
    {ControlKind::kLabel, "标签32", "分组框1", 288, 40, 16, 24, "②"},
    {ControlKind::kLabel, "标签33", "分组框1", 288, 64, 16, 24, "③"},
    {ControlKind::kLabel, "标签34", "分组框1", 288, 88, 16, 24, "④"},
    {ControlKind::kLabel, "标签35", "分组框1", 288, 112, 16, 24, "⑤"},
    {ControlKind::kLabel, "标签36", "分组框1", 288, 136, 16, 24, "⑥"},
    {ControlKind::kBoldGroupBox, "编辑框35", "分组框1", 304, 16, 112, 24, "", "胆组①"},
    {ControlKind::kBoldGroupBox, "编辑框36", "分组框1", 304, 40, 112, 24, "", "胆组②"},
    {ControlKind::kBoldGroupBox, "编辑框37", "分组框1", 304, 64, 112, 24, "", "胆组③"},
    {ControlKind::kBoldGroupBox, "编辑框38", "分组框1", 304, 88, 112, 24, "", "胆组④"},
    {ControlKind::kBoldGroupBox, "编辑框39", "分组框1", 304, 112, 112, 24, "", "胆组⑤"},
    {ControlKind::kBoldGroupBox, "编辑框40", "分组框1", 304, 136, 112, 24, "", "胆组⑥"},
    {ControlKind::kLabel, "标签38", "分组框1", 264, 162, 40, 56, "\r\n保留\r\n合跨\r\n组合"},
    {ControlKind::kListBox, "编辑框41", "分组框1", 304, 160, 112, 72, "", "保留合跨组合"},
    // Typed last-three bases and two-digit codes, each caption over a pair of boxes.
    {ControlKind::kLabel, "标签39", "分组框1", 8, 232, 208, 16, "保留直选大底      删除直选大底"},
    {ControlKind::kListBox, "编辑框42", "分组框1", 8, 248, 104, 120, "", "保留直选大底"},
    {ControlKind::kListBox, "编辑框43", "分组框1", 112, 248, 104, 120, "", "删除直选大底"},
    {ControlKind::kLabel, "标签40", "分组框1", 8, 368, 208, 16, "保留后三两码     删除后三两码"},
    {ControlKind::kListBox, "编辑框44", "分组框1", 8, 384, 104, 104, "", "保留后三两码"},
    {ControlKind::kListBox, "编辑框45", "分组框1", 112, 384, 104, 104, "", "删除后三两码"},
    {ControlKind::kGroupBox, "分组框4", "分组框1", 216, 232, 208, 264, "结果显示区"},
    {ControlKind::kResultBox, "编辑框46", "分组框4", 8, 16, 192, 216, "", "后三结果"},
    {ControlKind::kButton, "按钮3", "分组框4", 8, 236, 64, 24, "缩水"},
    {ControlKind::kCountBox, "编辑框47", "分组框4", 72, 236, 64, 24, "", "后三注数"},
    {ControlKind::kButton, "按钮4", "分组框4", 136, 236, 64, 24, "清空"},
    // Last-two conditions, five rows.
    {ControlKind::kLabel, "标签19", "分组框2", 8, 16, 48, 24, "保留胆码"},
    {ControlKind::kDigitBox, "编辑框19", "分组框2", 56, 16, 72, 24, "", "保留胆码"},
    {ControlKind::kLabel, "标签27", "分组框2", 136, 16, 48, 24, "删除胆码"},
    {ControlKind::kDigitBox, "编辑框20", "分组框2", 184, 16, 72, 24, "", "删除胆码"},
    {ControlKind::kLabel, "标签20", "分组框2", 8, 40, 48, 24, "保留十位"},
    {ControlKind::kDigitBox, "编辑框21", "分组框2", 56, 40, 72, 24, "", "保留十位"},
    {ControlKind::kLabel, "标签28", "分组框2", 136, 40, 48, 24, "删除十位"},
    {ControlKind::kDigitBox, "编辑框22", "分组框2", 184, 40, 72, 24, "", "删除十位"},
    {ControlKind::kLabel, "标签21", "分组框2", 8, 64, 48, 24, "保留个位"},
    {ControlKind::kDigitBox, "编辑框23", "分组框2", 56, 64, 72, 24, "", "保留个位"},
    {ControlKind::kLabel, "标签29", "分组框2", 136, 64, 48, 24, "删除个位"},
    {ControlKind::kDigitBox, "编辑框24", "分组框2", 184, 64, 72, 24, "", "删除个位"},
    {ControlKind::kLabel, "标签22", "分组框2", 8, 88, 48, 24, "保留合尾"},
    {ControlKind::kDigitBox, "编辑框25", "分组框2", 56, 88, 72, 24, "", "保留合尾"},
    {ControlKind::kLabel, "标签30", "分组框2", 136, 88, 48, 24, "删除合尾"},
    {ControlKind::kDigitBox, "编辑框26", "分组框2", 184, 88, 72, 24, "", "删除合尾"},
    {ControlKind::kLabel, "标签23", "分组框2", 8, 112, 48, 24, "保留跨度"},
    {ControlKind::kDigitBox, "编辑框27", "分组框2", 56, 112, 72, 24, "", "保留跨度"},
    {ControlKind::kLabel, "标签31", "分组框2", 136, 112, 48, 24, "删除跨度"},
    {ControlKind::kDigitBox, "编辑框28", "分组框2", 184, 112, 72, 24, "", "删除跨度"},
    // Typed last-two numbers, direct and in either digit order.
    {ControlKind::kLabel, "标签24", "分组框2", 8, 136, 248, 16, "保留直选单式          删除直选单式"},
    {ControlKind::kListBox, "编辑框29", "分组框2", 8, 152, 124, 88, "", "保留直选单式"},
    {ControlKind::kListBox, "编辑框30", "分组框2", 132, 152, 124, 88, "", "删除直选单式"},
    {ControlKind::kLabel, "标签25", "分组框2", 8, 240, 248, 16, "保留组选单式         删除组选单式"},
    {ControlKind::kListBox, "编辑框31", "分组框2", 8, 256, 124, 72, "", "保留组选单式"},
    {ControlKind::kListBox, "编辑框32", "分组框2", 132, 256, 124, 72, "", "删除组选单式"},
    {ControlKind::kGroupBox, "分组框3", "分组框2", 0, 328, 264, 168, "结果显示区"},
    {ControlKind::kResultBox, "编辑框33", "分组框3", 8, 16, 248, 120, "", "后二结果"},
    {ControlKind::kButton, "按钮1", "分组框3", 8, 140, 72, 24, "缩水"},
    {ControlKind::kCountBox, "编辑框34", "分组框3", 88, 140, 80, 24, "", "后二注数"},
    {ControlKind::kButton, "按钮2", "分组框3", 184, 140, 72, 24, "全部清空"},
};

}  // namespace shrink::gui
