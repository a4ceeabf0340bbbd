#pragma once

#include "document/document_state.h"
#include "extras/extras_state.h"
#include "maintenance/maintenance_state.h"
#include "media/media_state.h"
#include "settings/font_state.h"
#include "settings/settings_state.h"
#include "workspace/workspace_state.h"

namespace vernik {

// Everything the program remembers between events, one part per owning
// subsystem. The program creates one; each window test creates its own.
struct SharedState {
    WorkspaceState workspace;
    DocumentState document;
    SettingsState settings;
    FontState fonts;
    MaintenanceState maintenance;
    MediaState media;
    ExtrasState extras;
};

}  // namespace vernik
