#include "tests/native/fakes/fake_toolkit.h"

#include "keyboard/text.h"
#include "shell/fatal_error.h"
#include "shell/properties.h"

namespace fakes {
namespace {

ToolkitState state;

Call PropertyRead(shell::ControlId box, std::int32_t property) {
  return {"GetControlProperty", {shell::MainWindow, box, property, shell::kNoElement}};
}

Call PropertyWrite(shell::ControlId box, std::int32_t property, std::int32_t integer,
                   const std::string &text) {
  return {
      "SetControlProperty", {shell::MainWindow, box, property, shell::kNoElement, integer}, text};
}

}  // namespace

ToolkitState &Toolkit() {
  return state;
}
void ResetToolkit() {
  state = {};
}

FatalError::FatalError(std::int32_t code, const std::string &message)
    : std::runtime_error(message), code(code) {}

Call TextRead(shell::ControlId box) {
  return PropertyRead(box, shell::kTextProperty);
}
Call TextWrite(shell::ControlId box, const std::string &text) {
  return PropertyWrite(box, shell::kTextProperty, 0, text);
}
Call CheckedRead(shell::ControlId box) {
  return PropertyRead(box, shell::kCheckedProperty);
}
Call CheckedWrite(shell::ControlId box, bool checked) {
  return PropertyWrite(box, shell::kCheckedProperty, checked ? 1 : 0, "");
}

}  // namespace fakes

namespace shell {

PropertyValue GetControlProperty(WindowId window, ControlId control, std::int32_t property,
                                 std::int32_t element) {
  fakes::CallLog().push_back({"GetControlProperty", {window, control, property, element}});
  PropertyValue value;
  if (property == kTextProperty) {
    const auto &texts = fakes::Toolkit().texts;
    const auto text = texts.find(control);
    if (text != texts.end() && !text->second.empty()) {
      value.text = keyboard::CopyText(text->second.data(), text->second.size());
    }
  } else if (property == kCheckedProperty) {
    const auto &checked = fakes::Toolkit().checked;
    const auto box = checked.find(control);
    value.integer = box != checked.end() && box->second ? 1 : 0;
  }
  return value;
}

void SetControlProperty(WindowId window, ControlId control, std::int32_t property,
                        std::int32_t element, const PropertyInput &value) {
  const std::string text = value.text ? value.text : "";
  fakes::CallLog().push_back(
      {"SetControlProperty", {window, control, property, element, value.integer}, text});
  if (property == kTextProperty) {
    fakes::Toolkit().texts[control] = text;
  } else if (property == kCheckedProperty) {
    fakes::Toolkit().checked[control] = value.integer != 0;
  }
}

void ReportRuntimeError(std::int32_t code, const char *message) {
  fakes::CallLog().push_back({"ReportRuntimeError", {code}, message});
  throw fakes::FatalError(code, message);
}

}  // namespace shell
