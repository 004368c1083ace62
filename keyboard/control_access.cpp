#include "keyboard/control_access.h"

#include "shell/properties.h"

namespace keyboard {

using shell::kCheckedProperty;
using shell::kNoElement;
using shell::kTextProperty;
using shell::MainWindow;

Text ReadBoxText(shell::ControlId box) {
  return shell::GetControlProperty(MainWindow, box, kTextProperty, kNoElement).text;
}

void WriteBoxText(shell::ControlId box, const char *text) {
  shell::SetControlProperty(MainWindow, box, kTextProperty, kNoElement, {.text = text});
}

bool IsBoxChecked(shell::ControlId box) {
  return shell::GetControlProperty(MainWindow, box, kCheckedProperty, kNoElement).integer != 0;
}

void SetBoxChecked(shell::ControlId box, bool checked) {
  shell::SetControlProperty(MainWindow, box, kCheckedProperty, kNoElement,
                            {.integer = checked ? 1 : 0});
}

}  // namespace keyboard
