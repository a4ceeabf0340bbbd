#include "main/program.h"

#include <utility>

namespace vernik {

Program::Program(std::string commandLineFile, std::unique_ptr<Dialogs> dialogs)
    : dialogs(dialogs ? std::move(dialogs) : std::make_unique<PlatformDialogs>()) {
    state.workspace.CommandLineFile = std::move(commandLineFile);
}

}  // namespace vernik
