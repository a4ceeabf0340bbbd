#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "document/print_layout.h"
#include "platform/dialogs.h"

class QLineEdit;
class QPrinter;

namespace vernik {

class OutputBox;
class TForm1;
struct SharedState;

// The text-area panel and printing: the output box shaped like the printed
// text area, the fit checks against the printer's page, and line-exact prints
// of the output box's display lines.
class TextArea : public QObject {
    Q_OBJECT

  public:
    TextArea(TForm1& form, SharedState& state, Dialogs& dialogs, OutputBox& outputBox);
    ~TextArea() override;

    void Textwidth1Click();  // "Textyta"
    void ButtonPW1Click();   // "OK"
    void ButtonPW2Click();   // "Avbryt"
    void EditPW1Change();
    void EditPW2Change();
    void EditPW3Change();
    void EditPW4Change();
    void EditPW5Change();
    void PrintUtfil1Click();  // "Skriv ut Utfil"
    void PrintUtfil2Click();  // the same in the output box's pop-up menu

    // The printer the prints go to; created when first needed.
    QPrinter& printer();

  private:
    TextAreaTexts fieldTexts() const;
    std::optional<TextAreaValues> readFields();
    PageSize pageSize();
    PrintScale scale() const;
    int fontHeight() const;
    void horizontalCheck(QLineEdit& field);
    void verticalCheck();
    bool printsOverlay() const;
    std::vector<QString> printedLines() const;
    void print(const TextAreaValues& area, int linesPerPage, const std::vector<QString>& texts,
               PageRange pages);

    TForm1& form_;
    SharedState& state_;
    Dialogs& dialogs_;
    OutputBox& outputBox_;
    std::unique_ptr<QPrinter> printer_;
    int largestPageCount_ = 0;  // the most pages a print has offered in this run
};

}  // namespace vernik
