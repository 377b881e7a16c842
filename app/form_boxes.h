// The engine's Boxes over a built form: box N is the form's edit box named
// "编辑框N", read and written through control_text.h.
#pragma once

#include <QHash>
#include <string>
#include <string_view>

#include "filters/boxes.h"

class QWidget;

namespace shrink::gui {

class FormBoxes : public shrink::Boxes {
 public:
  // Indexes the edit boxes among `form`'s children; the form must outlive
  // this object and keep its boxes.
  explicit FormBoxes(const QWidget* form);

  std::string Text(int box) const override;
  void SetText(int box, std::string_view text) override;

 private:
  // A run naming a box the form lacks is a fault in a table; it stops the
  // program rather than run on with a wrong result.
  QWidget* Box(int box) const;

  QHash<int, QWidget*> boxes_;
};

}  // namespace shrink::gui
