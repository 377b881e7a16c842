#include "numbers/count_label.h"

#include "numbers/number_list.h"

namespace shrink {

std::string CountLabel(std::string_view list) { return "计" + CountNumbers(list) + "注"; }

std::string CountLabelWithColon(std::string_view list) {
  return "计：" + CountNumbers(list) + "注";
}

}  // namespace shrink
