#include "document/edit_commands.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include "document/selection_lookup_pause.h"
#include "form/shared_state.h"
#include "form/tform1.h"
#include "platform/dialogs.h"
#include "platform/find_replace_dialog.h"
#include "platform/output_box.h"

#include "platform/box_code_page.h"
#include "platform/qt_text.h"

namespace vernik {
namespace {

// The box's own bytes on the clipboard, beside the text other programs read.
const QString kBytesFormat = QStringLiteral("application/x-vernik-bytes");

constexpr auto kCaseSensitive = QTextDocument::FindCaseSensitively;

}  // namespace

EditCommands::EditCommands(TForm1& form, SharedState& state, Dialogs& dialogs, OutputBox& outputBox)
    : QObject(&form),
      form_(form),
      state_(state),
      dialogs_(dialogs),
      outputBox_(outputBox),
      find_(std::make_unique<FindReplaceDialog>(FindReplaceDialog::Kind::Find, &form)),
      replace_(std::make_unique<FindReplaceDialog>(FindReplaceDialog::Kind::Replace, &form)) {
    const std::pair<QAction*, void (EditCommands::*)()> commands[] = {
        {form_.Find2, &EditCommands::Find2Click}, {form_.Findp2, &EditCommands::Find2Click},
        {form_.Byt1, &EditCommands::Byt1Click},   {form_.Cut1, &EditCommands::Cut1Click},
        {form_.Copy1, &EditCommands::Copy1Click}, {form_.Paste1, &EditCommands::Paste1Click},
        {form_.Mark1, &EditCommands::Mark1Click},
    };
    for (const auto& [action, handler] : commands)
        connect(action, &QAction::triggered, this, handler);
    connect(form_.PanelFindEnd, &QPushButton::clicked, this, &EditCommands::PanelFindEndClick);
    connect(find_.get(), &FindReplaceDialog::findNextClicked, this,
            [this] { findNext(*find_, true); });
    connect(replace_.get(), &FindReplaceDialog::findNextClicked, this,
            [this] { findNext(*replace_, false); });
    connect(replace_.get(), &FindReplaceDialog::replaceClicked, this, &EditCommands::replaceFirst);
    connect(replace_.get(), &FindReplaceDialog::replaceAllClicked, this,
            &EditCommands::replaceEvery);
    form_.RichEdit2->installEventFilter(this);
}

EditCommands::~EditCommands() = default;

void EditCommands::closeLexicon2() {
    if (state_.workspace.Lexicon2Open) form_.Lex2off->trigger();
}

void EditCommands::showDialog(FindReplaceDialog& dialog) {
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

void EditCommands::Find2Click() {
    closeLexicon2();
    form_.Byt1->setEnabled(true);
    showDialog(*find_);
}

void EditCommands::Byt1Click() {
    closeLexicon2();
    showDialog(*replace_);
}

// From just after the selection, or from the start when nothing is selected
// (not from the caret).
void EditCommands::findNext(const FindReplaceDialog& dialog, bool showEnd) {
    const int from = outputBox_.selectionLength() > 0
                         ? outputBox_.selectionStart() + outputBox_.selectionLength()
                         : 0;
    const QTextCursor found =
        form_.RichEdit2->document()->find(dialog.findText(), from, kCaseSensitive);
    if (found.isNull()) {
        if (showEnd) {
            form_.PanelFindEnd->show();
            form_.PanelFindEnd->raise();
        }
        return;
    }
    form_.RichEdit2->setFocus();
    outputBox_.select(found.selectionStart(), found.selectionEnd() - found.selectionStart());
}

void EditCommands::PanelFindEndClick() {
    form_.PanelFindEnd->hide();
    find_->close();
}

// Always the first occurrence in the text, whatever is selected.
void EditCommands::replaceFirst() {
    const QString text = replace_->findText();
    const QTextCursor found = form_.RichEdit2->document()->find(text, 0, kCaseSensitive);
    if (found.isNull()) {
        notFound(text);
        return;
    }
    const SelectionLookupPause pause(state_.workspace);
    outputBox_.select(found.selectionStart(), found.selectionEnd() - found.selectionStart());
    outputBox_.insert(boxBytes(*form_.RichEdit2, replace_->replaceText()));
}

// Every occurrence from the start of the text; a replacement is not searched again.
void EditCommands::replaceEvery() {
    const QString text = replace_->findText();
    const QString replacement =
        boxText(*form_.RichEdit2, boxBytes(*form_.RichEdit2, replace_->replaceText()));
    QTextDocument& document = *form_.RichEdit2->document();
    const SelectionLookupPause pause(state_.workspace);
    int replaced = 0;
    QTextCursor edit(&document);
    edit.beginEditBlock();
    for (QTextCursor found = document.find(text, 0, kCaseSensitive); !found.isNull();
         found = document.find(text, found.position(), kCaseSensitive)) {
        found.insertText(replacement);
        ++replaced;
    }
    edit.endEditBlock();
    if (replaced == 0) notFound(text);
}

void EditCommands::notFound(const QString& text) {
    dialogs_.message(replace_.get(),
                     QStringLiteral("Could not find \"") + text + QStringLiteral("\" in Memo1."));
}

void EditCommands::Copy1Click() {
    if (outputBox_.selectionLength() == 0) return;
    const std::string bytes = outputBox_.selectedText();
    auto* data = new QMimeData;
    data->setData(kBytesFormat, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    data->setText(boxText(*form_.RichEdit2, bytes));
    QGuiApplication::clipboard()->setMimeData(data);
}

void EditCommands::Cut1Click() {
    if (outputBox_.selectionLength() == 0) return;
    const SelectionLookupPause pause(state_.workspace);
    Copy1Click();
    outputBox_.deleteSelection();
}

// The program's own bytes as they were; text from elsewhere as the bytes of
// its characters, without those the box's code page lacks.
void EditCommands::Paste1Click() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data) return;
    std::string bytes;
    std::size_t dropped = 0;
    if (data->hasFormat(kBytesFormat)) {
        bytes = data->data(kBytesFormat).toStdString();
    } else if (data->hasText()) {
        QString text = data->text();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        bytes = boxBytes(*form_.RichEdit2, text);
        const qsizetype kept = boxText(*form_.RichEdit2, bytes).toUcs4().size();
        dropped = static_cast<std::size_t>(std::max<qsizetype>(text.toUcs4().size() - kept, 0));
    }
    const SelectionLookupPause pause(state_.workspace);
    if (!bytes.empty()) outputBox_.insert(bytes);
    if (dropped > 0) {
        dialogs_.message(&form_, QStringLiteral("%1 tecken i urklippet finns inte i Utfilrutans "
                                                "teckensätt och klistrades inte in.")
                                     .arg(dropped));
    }
}

void EditCommands::Mark1Click() {
    const SelectionLookupPause pause(state_.workspace);
    form_.RichEdit2->selectAll();
}

bool EditCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched != form_.RichEdit2) return false;
    const auto type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
    auto& key = *static_cast<QKeyEvent*>(event);
    const std::pair<QKeySequence::StandardKey, void (EditCommands::*)()> keys[] = {
        {QKeySequence::Cut, &EditCommands::Cut1Click},
        {QKeySequence::Copy, &EditCommands::Copy1Click},
        {QKeySequence::Paste, &EditCommands::Paste1Click},
        {QKeySequence::SelectAll, &EditCommands::Mark1Click},
    };
    for (const auto& [sequence, handler] : keys) {
        if (!key.matches(sequence)) continue;
        // Claimed here, so no menu shortcut takes it; handled on the press.
        if (type == QEvent::KeyPress) (this->*handler)();
        event->accept();
        return true;
    }
    return false;
}

}  // namespace vernik
