// The count texts shown beside a result: "计1000注" in the main window and the
// intersection windows, "计：1000注" in the last-three and last-two tool.
#pragma once

#include <string>
#include <string_view>

namespace shrink {

// "计" + CountNumbers(list) + "注".
[[nodiscard]] std::string CountLabel(std::string_view list);

// "计：" + CountNumbers(list) + "注", with the full-width colon.
[[nodiscard]] std::string CountLabelWithColon(std::string_view list);

}  // namespace shrink
