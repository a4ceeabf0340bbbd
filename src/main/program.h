#pragma once

#include <memory>
#include <string>

#include "document/document_files.h"
#include "document/edit_commands.h"
#include "document/text_area.h"
#include "document/text_transformations.h"
#include "extras/extras_window.h"
#include "extras/language_panel.h"
#include "form/shared_state.h"
#include "form/tform1.h"
#include "main/start_up.h"
#include "maintenance/batch_panel.h"
#include "maintenance/change_mode.h"
#include "maintenance/comment_editing.h"
#include "maintenance/lexicon_tools.h"
#include "maintenance/word_list_runs.h"
#include "media/media_display.h"
#include "media/mouse_writing_panel.h"
#include "media/spelled_speech.h"
#include "media/waiting_sound_player.h"
#include "platform/dialogs.h"
#include "platform/output_box.h"
#include "settings/font_panel.h"
#include "settings/settings_panels.h"
#include "settings/settings_store.h"
#include "settings/special_alphabet_keys.h"
#include "workspace/lexicon_choice.h"
#include "workspace/lookup_driver.h"
#include "workspace/output_box_writing.h"
#include "workspace/reading_mode.h"

namespace vernik {

// The running program: its shared state, its window and the handler groups
// connected to them.
class Program {
  public:
    // The platform's own dialogs unless `dialogs` gives others (tests script them).
    explicit Program(std::string commandLineFile = {}, std::unique_ptr<Dialogs> dialogs = nullptr);

    std::unique_ptr<Dialogs> dialogs;
    SharedState state;
    TForm1 form;
    SettingsStore settingsStore{form, state, *dialogs};
    StartUp startUp{form, state, settingsStore};
    LexiconChoice lexiconChoice{form, state, *dialogs};
    MediaDisplay mediaDisplay{form, state};
    LookupDriver lookupDriver{form, state, lexiconChoice, mediaDisplay};
    OutputBox& outputBox = *new OutputBox(*form.RichEdit2);  // owned by the output box
    OutputBoxWriting writing{form, state, outputBox};
    ReadingMode readingMode{form, state, outputBox};
    ChangeMode changeMode{form, state};
    BatchPanel batchPanel{form, state, *dialogs, [this] { lexiconChoice.Lex2offClick(); }};
    WordListRuns wordListRuns{form, state, *dialogs, outputBox, batchPanel};
    CommentEditing commentEditing{form, state};
    LexiconTools lexiconTools{form, state, *dialogs, outputBox, lexiconChoice};
    SettingsPanels settingsPanels{form, state, *dialogs, settingsStore};
    DocumentFiles documentFiles{form, state, *dialogs, settingsStore};
    TextArea textArea{form, state, *dialogs, outputBox};
    FontPanel fontPanel{form, state, *dialogs};
    SpecialAlphabetKeys specialAlphabetKeys{form, state, outputBox};
    ExtrasWindow extras{form, state, *dialogs};
    LanguagePanel languagePanel{form, state,
                                [this](int action) { return documentFiles.passesGuard(action); }};
    EditCommands editCommands{form, state, *dialogs, outputBox};
    TextTransformations transformations{form, state, *dialogs, outputBox};
    MouseWritingPanel mouseWriting{
        form, state, outputBox,
        [this](QWidget& sender, char key) { return specialAlphabetKeys.FormKeyPress(sender, key); },
        [this](char key) { return writing.RichEdit2KeyPress(key); }};
    WaitingSoundPlayer speechPlayer;
    SpelledSpeech spelledSpeech{form, state, outputBox, speechPlayer};
};

}  // namespace vernik
