#include "ui/window_handlers.h"

#include "ui/gbk_texts.h"

namespace orvalek {

void showHelp(platform::ProcessPort& process) {
  const Text message =
      joinTexts({texts::kHelpLine1, "\r\n", texts::kHelpLine2, "\r\n", texts::kHelpLine3});
  process.messageBox(message, texts::kHelpButton, platform::kMbOk | platform::kMbTaskModal);
}

void selectAllOnFocus(ControlProperties& controls, ControlId box) {
  controls.setSelectionStart(box, 0);
  controls.setSelectionLength(box, textByteLength(controls.text(box)));
}

}  // namespace orvalek
