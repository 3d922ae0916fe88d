#include "oplist/operation_list.h"
#include "ui/control_properties.h"

namespace orvalek {

void appendOperation(ControlProperties& controls) {
  // Read in this order, list first; every box text is taken unchanged.
  const Text list = controls.text(ControlId::编辑框_操作组合);
  const Text x = controls.text(ControlId::编辑框_X);
  const Text y = controls.text(ControlId::编辑框_Y);
  const Text hours = controls.text(ControlId::编辑框_时);
  const Text minutes = controls.text(ControlId::编辑框_分);
  const Text seconds = controls.text(ControlId::编辑框_秒);
  const Text clickKind = controls.text(ControlId::编辑框_操作类型);
  // Glued to whatever the list ends with: a last line typed without a line
  // break is continued, not closed.
  controls.setText(ControlId::编辑框_操作组合, joinTexts({list, x, ",", y, ",", hours, ",", minutes,
                                                          ",", seconds, ",", clickKind, "\r\n"}));
}

}  // namespace orvalek
