#pragma once

#include "workspace/workspace_state.h"

namespace vernik {

// Switches the lookup of selections in the output box off while it lives, so
// that the program's own edits and selections start no lookup, and then puts
// back what it was.
class SelectionLookupPause {
  public:
    explicit SelectionLookupPause(WorkspaceState& ws) : ws_(ws), was_(ws.SelectionLookupOn) {
        ws_.SelectionLookupOn = false;
    }
    ~SelectionLookupPause() { ws_.SelectionLookupOn = was_; }
    SelectionLookupPause(const SelectionLookupPause&) = delete;
    SelectionLookupPause& operator=(const SelectionLookupPause&) = delete;

  private:
    WorkspaceState& ws_;
    bool was_;
};

}  // namespace vernik
