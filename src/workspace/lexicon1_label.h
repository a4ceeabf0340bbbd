#pragma once

namespace vernik {

class TForm1;
struct WorkspaceState;

// Decides what Lexicon1Folder holds (lexicon, list folder or word-list file),
// keeps the outcome in the workspace state and shows Lexicon1Setting in Label2
// in the colour of its kind.
void showLexicon1Kind(TForm1& form, WorkspaceState& workspace);

}  // namespace vernik
