#include "main/program.h"

#include <utility>

namespace vernik {

Program::Program(std::string commandLineFile) {
    state.workspace.CommandLineFile = std::move(commandLineFile);
}

}  // namespace vernik
