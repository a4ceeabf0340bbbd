#pragma once

#include <string>

#include "main/shared_state.h"
#include "main/start_text_guard.h"
#include "main/start_up.h"
#include "main/tform1.h"

namespace vernik {

// The running program: its shared state, its window and the handler groups
// connected to them.
class Program {
  public:
    explicit Program(std::string commandLineFile = {});

    SharedState state;
    TForm1 form;
    StartUp startUp{form, state};
    StartTextGuard startTextGuard{*form.RichEdit2, state.workspace};
};

}  // namespace vernik
