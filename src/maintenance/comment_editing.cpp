#include "maintenance/comment_editing.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include "form/shared_state.h"
#include "form/tform1.h"
#include "maintenance/comment_rewrite.h"
#include "maintenance/comment_target.h"
#include "platform/box_code_page.h"
#include "platform/qt_text.h"
#include "platform/widget_look.h"
#include "settings/message_bar.h"

namespace vernik {
namespace {

// The paragraphs of the box, as the bytes it shows.
std::vector<std::string> boxLines(const QTextEdit& box) {
    std::vector<std::string> lines;
    for (const QString& line : box.toPlainText().split(u'\n')) lines.push_back(boxBytes(box, line));
    return lines;
}

}  // namespace

CommentEditing::CommentEditing(TForm1& form, SharedState& state)
    : QObject(&form), form_(form), state_(state) {
    form_.RichEdit3->installEventFilter(this);
    connect(form_.Button2, &QPushButton::clicked, this, &CommentEditing::Button2Click);
}

bool CommentEditing::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_.RichEdit3 && event->type() == QEvent::KeyRelease) RichEdit3KeyUp();
    return QObject::eventFilter(watched, event);
}

// The target is looked for at every offer, so the caption says what a click
// will do to the com file as it is now.
void CommentEditing::RichEdit3KeyUp() {
    const auto& ws = state_.workspace;
    if (form_.Button1->text() != fromBytes(ws.CaptionShowLexicon)) return;
    if (state_.media.WholeFileComment) return;
    const char letter = ws.LookupInitial.empty() ? '\0' : ws.LookupInitial[0];
    const CommentTarget target =
        commentTarget(ws.ActiveLexiconFolder, letter, boxBytes(*form_.Edit2, form_.Edit2->text()));
    form_.Button2->setText(fromBytes(ws.CaptionAddComments));
    if (target.hasComments) {
        form_.Button2->setText(fromBytes(ws.CaptionReplaceComments));
        // Existing comments will be overwritten.
        setGround(*form_.RichEdit3, QColor(255, 255, 0));
    }
    form_.Button2->show();
}

void CommentEditing::Button2Click() {
    const auto& ws = state_.workspace;
    const char letter = ws.LookupInitial.empty() ? '\0' : ws.LookupInitial[0];
    const CommentTarget target =
        commentTarget(ws.ActiveLexiconFolder, letter, boxBytes(*form_.Edit2, form_.Edit2->text()));
    const CommentEdit edit = form_.Button2->text() == fromBytes(ws.CaptionReplaceComments)
                                 ? CommentEdit::Replace
                                 : CommentEdit::Insert;
    const CommentFileResult result = writeCommentBlock(
        target.comFile, target.headword, commentBoxLines(boxLines(*form_.RichEdit3)), edit);
    const std::string text = commentOutcomeText(result);
    if (!text.empty()) showInMessageBar(form_, fromBytes(text));
}

}  // namespace vernik
