// A press of GO: the main window's typed text looked up and run with the
// Mini window's text as the input, and the history shown anew. The GO
// button, Enter in the input box, a history-menu item and Enter in the Mini
// window for a command with "%s" all press it.
#pragma once

#include "jump/go_action.h"
#include "jump/history.h"
#include "ui/main_window_view.h"
#include "ui/mini_window_view.h"

namespace vyr {

class GoButton {
 public:
  GoButton(GoAction& go, const History& history, MainWindowView& main, MiniWindowView& mini)
      : go_(go), history_(history), main_(main), mini_(mini) {}

  void Press() {
    go_.Go(main_.InputText(), mini_.InputText());
    main_.ShowHistory(history_.Entries());
  }

 private:
  GoAction& go_;
  const History& history_;
  MainWindowView& main_;
  MiniWindowView& mini_;
};

}  // namespace vyr
