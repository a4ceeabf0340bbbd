#include "maintenance/change_mode.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include "form/shared_state.h"
#include "form/tform1.h"
#include "maintenance/lexicon_change.h"
#include "platform/box_code_page.h"
#include "platform/qt_text.h"
#include "platform/widget_look.h"

namespace vernik {
namespace {

const QColor kLexicon1ChangeColour(0, 128, 0);
const QColor kLexicon2ChangeColour(255, 0, 255);
constexpr int kHeadwordBoxWidth = 128;

}  // namespace

ChangeMode::ChangeMode(TForm1& form, SharedState& state)
    : QObject(&form), form_(form), state_(state) {
    form_.PanelAlt1->installEventFilter(this);
    form_.Edit1->installEventFilter(this);
}

bool ChangeMode::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == form_.PanelAlt1) PanelAlt1DblClick();
        if (watched == form_.Edit1) Edit1DblClick();
    }
    return QObject::eventFilter(watched, event);
}

void ChangeMode::PanelAlt1DblClick() {
    const auto& ws = state_.workspace;
    form_.LabelPAlt2->hide();
    form_.LabelPAlt3->show();
    form_.EditPAlt1->show();
    form_.EditPAlt4->hide();
    const bool headwordExists = u'.' + form_.Edit1->text() == form_.Edit2->text();
    for (QLineEdit* box : {form_.EditPAlt2, form_.EditPAlt3}) box->setVisible(!headwordExists);
    if (headwordExists) {
        for (QLineEdit* box :
             {form_.EditPAlt2, form_.EditPAlt3, form_.EditPAlt5, form_.EditPAlt6}) {
            box->clear();
        }
    }
    state_.maintenance.ChangeMode = true;
    // Both tests run: with one folder for both lexicons the frame ends fuchsia.
    if (ws.ActiveLexiconFolder == ws.Lexicon1Folder) {
        setGround(*form_.PanelAlt1, kLexicon1ChangeColour);
        form_.LabelPAlt3->setText(form_.Label2->text());
    }
    if (ws.ActiveLexiconFolder == ws.Lexicon2Folder) {
        setGround(*form_.PanelAlt1, kLexicon2ChangeColour);
        form_.LabelPAlt3->setText(form_.Label14->text());
    }
}

void ChangeMode::Edit1DblClick() {
    auto& ws = state_.workspace;
    auto& maintenance = state_.maintenance;
    maintenance.ChangeMode = false;
    const std::string alt1 = boxBytes(*form_.EditPAlt1, form_.EditPAlt1->text());
    const std::string alt2 = boxBytes(*form_.EditPAlt2, form_.EditPAlt2->text());
    const std::string alt3 = boxBytes(*form_.EditPAlt3, form_.EditPAlt3->text());
    const ChangeResult result =
        commitLetterFileChange(ws.AltFileName, {.word = ws.InOrd,
                                                .alt1 = alt1,
                                                .alt2 = alt2,
                                                .alt3 = alt3,
                                                .markNewWords = maintenance.MarkNewWords,
                                                .batchOp = maintenance.BatchOp,
                                                .rank = &ws.CollationRank});
    maintenance.BakFileName = result.backupFile.string();
    showOutcome(result);
    form_.LabelPAlt3->hide();
    restoreFrameColour();
}

// The status box reports the outcome; the boxes show what the change left.
void ChangeMode::showOutcome(const ChangeResult& result) {
    const auto status = changeStatusText(result);
    form_.Edit5->setText(status ? fromBytes(*status) : QString());
    form_.Edit5->setVisible(status.has_value());
    if (status) form_.Edit5->raise();
    if (!result.ok()) return;

    const RewriteResult& rewrite = result.rewrite;
    form_.Edit2->resize(kHeadwordBoxWidth, form_.Edit2->height());
    if (rewrite.headwordBox) form_.Edit2->setText(boxText(*form_.Edit2, *rewrite.headwordBox));
    form_.EditPAlt1->setText(boxText(*form_.EditPAlt1, rewrite.alt1));
    form_.EditPAlt2->setText(boxText(*form_.EditPAlt2, rewrite.alt2));
    form_.EditPAlt3->setText(boxText(*form_.EditPAlt3, rewrite.alt3));
    if (rewrite.outcome == RewriteOutcome::ExistingHeadword) {
        for (QLineEdit* box :
             {form_.EditPAlt2, form_.EditPAlt3, form_.EditPAlt5, form_.EditPAlt6}) {
            box->clear();
            box->hide();
        }
        form_.LabelPAlt1->hide();
        form_.LabelPAlt2->hide();
    }
}

void ChangeMode::restoreFrameColour() {
    const auto& ws = state_.workspace;
    if (ws.ActiveLexiconFolder == ws.Lexicon1Folder) {
        setGround(*form_.PanelAlt1, look::activeCaptionGradient());
    }
    if (ws.ActiveLexiconFolder == ws.Lexicon2Folder) setGround(*form_.PanelAlt1, Qt::blue);
}

}  // namespace vernik
