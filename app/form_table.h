// A window's form as data: one row per control, in creation order. The form
// builder (form_builder.h) turns a table into widgets; windows then find their
// controls by object name, and tests walk the same table.
#pragma once

namespace shrink::gui {

// What a row creates, and with it every setting that comes with the kind.
//
// | kind            | widget          | input                              | double-click   |
// |-----------------|-----------------|------------------------------------|----------------|
// | kGroupBox       | QGroupBox       | framed container with a caption    |                |
// | kLabel          | QLabel          | plain text; "\r\n" starts a line   |                |
// | kButton         | WrappingButton  | caption wraps to fit the button    |                |
// | kDigitBox       | QLineEdit       | keys 0-9 and "-" only, 10 chars    | empties it     |
// | kBoldGroupBox   | QLineEdit       | any text, 32767 chars, told        | empties it     |
// | kListBox        | TextBox         | any text, Enter starts a line      | empties it     |
// | kResultBox      | TextBox         | read-only                          | copies it      |
// | kCountBox       | QLineEdit       | read-only, centred                 |                |
// | kInputBox       | TextBox         | any text, Enter starts a line      |                |
// | kToolResultBox  | TextBox         | read-only                          |                |
//
// Every multi-line box wraps its lines at the box width and keeps a vertical
// scroll bar; Tab moves on to the next control rather than typing a tab, so
// the keyboard can walk the form (pasted tabs still arrive). Emptying by
// double-click can be undone with Ctrl+Z in that box. A paste that would take
// a multi-line box past its limits is refused with a message (box_limits.h).
// The kind is also set as the widget's "boxKind" property, which the themed
// look styles.
enum class ControlKind {
  kGroupBox,
  kLabel,
  kButton,
  kDigitBox,
  kBoldGroupBox,
  kListBox,
  kResultBox,
  kCountBox,
  kInputBox,
  kToolResultBox,
};

// One control. Positions are in pixels relative to the parent's top-left.
// Texts are UTF-8 and follow the toolkit's "\r\n" convention (control_text.h).
struct ControlSpec {
  ControlKind kind;
  const char* name;    // object name, unique on the form: "编辑框46", "按钮3"
  const char* parent;  // object name of an earlier row, or "" for the window
  int x;
  int y;
  int width;
  int height;
  const char* text = "";
  // What a screen reader calls the control when it has no text of its own:
  // the words of the label beside or above a box.
  const char* accessible_name = "";
};

}  // namespace shrink::gui
