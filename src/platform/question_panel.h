#pragma once

class QPushButton;
class QWidget;

namespace vernik {

// Makes a panel that asks a question behave like a dialog while it is shown:
// it takes the keyboard focus on `defaultButton`; Enter presses the focused
// button of the panel (the default one unless another was chosen), Escape
// presses `cancelButton`, and no key reaches the window behind the panel.
void askAsQuestion(QWidget& panel, QPushButton& defaultButton, QPushButton& cancelButton);

}  // namespace vernik
