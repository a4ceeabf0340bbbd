#include "main/program.h"

#include <QLineEdit>
#include <cstdlib>
#include <utility>

#include "platform/line_box_focus.h"
#include "platform/qt_translations.h"
#include "settings/settings_search.h"

namespace vernik {

Program::Program(std::string commandLineFile, std::unique_ptr<Dialogs> dialogs)
    : dialogs(dialogs ? std::move(dialogs) : std::make_unique<PlatformDialogs>()) {
    state.workspace.CommandLineFile = std::move(commandLineFile);
    state.settings.SystemSettingsFolders =
        systemSettingsFolders(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    documentFiles.setLanguageSwitch([this](int slot) { languagePanel.SwitchLanguage(slot); });
    startUp.setLanguageLoader([this](int number) { languagePanel.startWith(number); });
    startUp.setMouseWritingStart([this] { mouseWriting.startUp(); });
    writing.setSaveCommand([this] { documentFiles.Spara1Click(); });
    settingsStore.setDocumentOpener([this](const std::string& path, bool richText) {
        return documentFiles.openStartDocument(path, richText);
    });
    settingsStore.setCharacterTableOffer([this] { fontPanel.offerCharacterTable(); });
    spelledSpeech.setOtherSoundStop([this] { mediaDisplay.closeSound(); });
    lexiconChoice.setCharacterTableOffer([this] { fontPanel.offerCharacterTable(); });
    for (QLineEdit* box : form.findChildren<QLineEdit*>()) selectAllOnFocus(*box);
    // Without the catalogue the standard dialogs speak the platform's language.
    static const bool translated = installSwedishQtTranslations(qtTranslationsFolder());
    (void)translated;
}

}  // namespace vernik
