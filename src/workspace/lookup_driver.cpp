#include "workspace/lookup_driver.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>

#include "form/shared_state.h"
#include "form/tform1.h"
#include "lexicon/letter_files.h"
#include "lexicon/letters.h"
#include "media/media_display.h"
#include "media/media_word.h"
#include "platform/box_code_page.h"
#include "platform/display_font.h"
#include "platform/line_box_focus.h"
#include "platform/qt_text.h"
#include "platform/widget_look.h"
#include "workspace/alt_boxes.h"
#include "workspace/alt_paging.h"
#include "workspace/lexicon_choice.h"
#include "workspace/lexicon_lookup.h"
#include "workspace/lexicon_view.h"
#include "workspace/list_search.h"
#include "workspace/lookup_word.h"

namespace vernik {
namespace {

constexpr QRect kCommentBoxPlace(270, 5, 465, 80);
constexpr QRect kCommentBoxEnlarged(5, 5, 790, 570);

QString joinLines(const QWidget& box, const std::vector<std::string>& lines) {
    QStringList texts;
    texts.reserve(static_cast<int>(lines.size()));
    for (const auto& line : lines) texts << boxText(box, line);
    return texts.join(u'\n');
}

}  // namespace

LookupDriver::LookupDriver(TForm1& form, SharedState& state, LexiconChoice& choice,
                           MediaDisplay& media)
    : QObject(&form), form_(form), state_(state), choice_(choice), media_(media) {
    connect(form_.Edit1, &QLineEdit::textChanged, this, &LookupDriver::Edit1Change);
    connect(form_.Button1, &QPushButton::clicked, this, &LookupDriver::Button1Click);
    connect(form_.Button4, &QPushButton::clicked, this, &LookupDriver::Button4Click);
    connect(form_.Button5, &QPushButton::clicked, this, &LookupDriver::Button5Click);
    connect(form_.Timer3, &QTimer::timeout, this, &LookupDriver::Timer3Timer);
    for (QWidget* box : {static_cast<QWidget*>(form_.Edit1), static_cast<QWidget*>(form_.Edit2)}) {
        box->setMouseTracking(true);
        box->installEventFilter(this);
    }
    form_.Memo1->viewport()->installEventFilter(this);
    form_.RichEdit3->viewport()->installEventFilter(this);
}

bool LookupDriver::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == form_.Edit1 && type == QEvent::KeyPress) {
        // Typing in the input box looks up in Lexicon1.
        state_.workspace.ActiveLexiconFolder = state_.workspace.Lexicon1Folder;
    } else if ((watched == form_.Edit1 || watched == form_.Edit2) && type == QEvent::MouseMove) {
        focusFromPointer(*static_cast<QLineEdit*>(watched));
    } else if (watched == form_.Memo1->viewport() && type == QEvent::MouseButtonDblClick) {
        Memo1DblClick();
        return true;
    } else if (watched == form_.RichEdit3->viewport() && type == QEvent::MouseButtonPress) {
        media_.PanelBildHide();
        if (!state_.media.WholeFileComment) form_.RichEdit3->setGeometry(kCommentBoxPlace);
    } else if (watched == form_.RichEdit3->viewport() && type == QEvent::Wheel) {
        media_.PanelBildHide();
        enlargeCommentBox();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void LookupDriver::Edit1Change() {
    auto& ws = state_.workspace;
    media_.resetForLookup();
    // Mouse writing makes way for the comment box; its strip brings it back.
    form_.PanelMus->hide();
    form_.Memo11->hide();
    ws.SupplementSuffix.clear();
    ws.AltBase = 0;
    resetView();

    if (!state_.fonts.KeyboardShiftOn && !form_.Edit1->text().isEmpty()) {
        if (!ws.OutputBoxStarted) {
            form_.RichEdit2->clear();
            ws.OutputBoxStarted = true;
            state_.document.DocumentChanged = false;
        }
        const LookupWord word =
            analyseLookupWord(boxBytes(*form_.Edit1, form_.Edit1->text()),
                              {.foreignSpecial = state_.fonts.ForeignSpecial,
                               .shift = static_cast<unsigned char>(state_.fonts.SpecialShift)});
        ws.InOrd = word.word;
        ws.CapitalInitial = word.capital;
        ws.WordEnd = word.end;
        ws.LookupInitial = std::string(1, word.initial);
        if (!ws.InOrd.empty()) {
            if (listMode()) {
                if (ws.InOrd.size() > 2) {
                    form_.RichEdit3->clear();
                    if (ws.Lexicon1IsList) {
                        ws.ListFileName = letterFileName(ws.Lexicon1Folder, "", ws.LookupInitial[0],
                                                         LetterKind::List)
                                              .string();
                    }
                    if (ws.ListFileName.size() > 1) runListSearch();
                }
            } else {
                lookUpInLexicon();
            }
            state_.media.MediaWord = lookupMediaWord(ws.InOrd);
            if (state_.media.LexiconLookup) media_.runMediaLookup();
        }
    }
    const char batch = state_.maintenance.BatchOp;
    if (batch != 'k' && batch != 'w') form_.Edit3->hide();
}

// The word list of Lexicon1 is searched instead of a lexicon.
bool LookupDriver::listMode() const {
    const auto& ws = state_.workspace;
    return ws.ActiveLexiconFolder == ws.Lexicon1Folder && !ws.Lexicon1IsLexicon;
}

void LookupDriver::resetView() {
    auto& fonts = state_.fonts;
    const auto& ws = state_.workspace;
    if (fonts.XdvngMode) {
        if (ws.ActiveLexiconFolder == ws.Lexicon1Folder) {
            for (QWidget* box :
                 {static_cast<QWidget*>(form_.Edit1), static_cast<QWidget*>(form_.Edit2),
                  static_cast<QWidget*>(form_.RichEdit3)}) {
                box->setFont(displayFont(fonts.MainFont));
            }
            for (QLineEdit* box : {form_.EditPAlt1, form_.EditPAlt2, form_.EditPAlt3}) {
                box->setFont(displayFont(fonts.ScriptFont));
            }
        }
        if (ws.ActiveLexiconFolder == ws.Lexicon2Folder) {
            form_.Edit1->setFont(displayFont(fonts.ScriptFont));
            form_.RichEdit3->setFont(displayFont(fonts.MainFont));
            for (QLineEdit* box : {form_.EditPAlt1, form_.EditPAlt2, form_.EditPAlt3}) {
                box->setFont(displayFont(fonts.MainFont));
            }
        }
    }
    setGround(*form_.EditPAlt2, look::windowBackground());
    setGround(*form_.EditPAlt3, look::windowBackground());
    form_.RichEdit3->setLineWrapMode(QTextEdit::WidgetWidth);
    form_.RichEdit3->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setGround(*form_.RichEdit3, look::windowBackground());
    form_.RichEdit3->resize(kCommentBoxPlace.width(), form_.RichEdit3->height());
    form_.Button4->hide();
    form_.Button5->hide();
    form_.LabelPAlt3->hide();
    state_.workspace.PhraseFollows = false;
    state_.workspace.WheelChoice = 1;
    state_.media.WholeFileComment = false;
}

void LookupDriver::lookUpInLexicon() {
    auto& ws = state_.workspace;
    ws.LexiconView = false;
    form_.Button1->setText(fromBytes(ws.CaptionShowLexicon));
    ws.ShowPreviousLines = false;

    const LexiconLookupOutcome outcome = lookUpInLexicons({.folder = ws.ActiveLexiconFolder,
                                                           .word = ws.InOrd,
                                                           .letter = ws.LookupInitial[0],
                                                           .rank = &ws.CollationRank},
                                                          ws.Alt);
    ws.AltFileName = outcome.altFileName;
    ws.ComFileName = outcome.comFileName;
    ws.SupplementSuffix.clear();
    ws.AltBase = 0;
    ws.PhraseFollows = outcome.phraseFollows;
    ws.HasComments = outcome.hasComments;
    showLookup(outcome);
}

void LookupDriver::showLookup(const LexiconLookupOutcome& outcome) {
    const auto& ws = state_.workspace;
    form_.Button2->hide();
    if (!outcome.altFileFound) {
        form_.Timer3->start();
    } else {
        form_.Edit5->hide();
        form_.LabelPAlt3->hide();
        if (ws.ActiveLexiconFolder == ws.Lexicon1Folder) {
            setGround(*form_.PanelAlt1, look::activeCaptionGradient());
        }
        if (ws.ActiveLexiconFolder == ws.Lexicon2Folder) setGround(*form_.PanelAlt1, Qt::blue);
        form_.Edit2->setText(boxText(*form_.Edit2, ws.Alt.slot(1)));
        showAltWindow(form_, lookupWindow(ws.Alt, outcome.shownLines));
    }
    showComments(outcome.comments, outcome.commentsReplace);
    if (ws.PhraseFollows) setGround(*form_.PanelAlt1, Qt::yellow);
    colourHeadwordBox();
}

// Yellow says that the headword shown is not the word typed.
void LookupDriver::colourHeadwordBox() {
    const QString typed = u'.' + form_.Edit1->text();
    const QString headword = form_.Edit2->text();
    const bool differs = headword != typed && headword + u' ' != typed;
    setGround(*form_.Edit2, differs ? QColor(Qt::yellow) : look::windowBackground());
}

void LookupDriver::showComments(const std::vector<std::string>& lines, bool replace) {
    if (replace) form_.RichEdit3->clear();
    if (!lines.empty()) form_.RichEdit3->append(joinLines(*form_.RichEdit3, lines));
}

void LookupDriver::runListSearch() {
    auto& ws = state_.workspace;
    ws.SelectionLookupOn = false;
    const ListSearchOutcome outcome = searchList(ws.ListFileName, ws.InOrd, ws.ShowPreviousLines);
    if (outcome.fileFound) {
        form_.Button2->hide();
        setGround(*form_.RichEdit3, look::windowBackground());
        form_.Memo1->hide();
        ws.ListPrevious1.clear();
        ws.ListPrevious2.clear();
        state_.media.LexiconLookup = false;
        form_.Button1->setText(ws.ShowPreviousLines ? QStringLiteral("Stäng Förrad")
                                                    : QStringLiteral("Visa Förrad"));
        if (outcome.hits > 0) {
            state_.media.ListFolder = std::filesystem::path(ws.ListFileName).parent_path().string();
            state_.media.MediaWord = withoutBlanksAndDots(ws.InOrd);
            state_.media.SavedMediaWord = state_.media.MediaWord;
            if (ws.InOrd.starts_with('.')) {
                media_.useSlideShowSpeed();
                media_.runMediaLookup();
            }
        }
        showComments(outcome.lines, false);
    }
    ws.SelectionLookupOn = true;
}

void LookupDriver::Button1Click() {
    auto& ws = state_.workspace;
    if (listMode()) {
        form_.RichEdit3->clear();
        ws.ShowPreviousLines = form_.Button1->text() == QStringLiteral("Visa Förrad");
        if (ws.InOrd.size() > 2 && ws.ListFileName.size() > 1) runListSearch();
        return;
    }
    if (ws.LexiconView) {
        ws.LexiconView = false;
        form_.Memo1->hide();
        form_.Button1->setText(fromBytes(ws.CaptionShowLexicon));
        return;
    }
    ws.LexiconView = true;
    form_.Button1->setText(fromBytes(ws.CaptionCloseLexicon));
    showLexiconView();
}

void LookupDriver::showLexiconView() {
    auto& ws = state_.workspace;
    const std::string headword = boxBytes(*form_.Edit2, form_.Edit2->text());
    // The letter as it stands in the headword, upper-cased but not folded.
    const char letter = headword.size() > 1 ? upperCaseAscii(headword[1]) : '\0';
    const auto found = findLetterFile(ws.ActiveLexiconFolder, "", letter, LetterKind::Alt);
    ws.AltFileName =
        (found ? *found : letterFileName(ws.ActiveLexiconFolder, "", letter, LetterKind::Alt))
            .string();
    if (!found) return;
    form_.Memo1->setPlainText(joinLines(*form_.Memo1, lexiconViewLines(*found, headword)));
    form_.Memo1->show();
    form_.Memo1->raise();
}

void LookupDriver::Memo1DblClick() {
    form_.Memo1->hide();
}

void LookupDriver::Timer3Timer() {
    form_.Timer3->stop();
    const auto& ws = state_.workspace;
    if (ws.ActiveLexiconFolder == ws.Lexicon2Folder) {
        choice_.Lex2ValClick();
    } else {
        choice_.Lex1ValClick();
    }
}

void LookupDriver::enlargeCommentBox() {
    QRect place = kCommentBoxEnlarged;
    if (state_.media.WholeFileComment) {
        place.moveTop(25);
        form_.Button4->show();
        form_.Button5->show();
    }
    form_.RichEdit3->setGeometry(place);
    form_.RichEdit3->raise();
}

void LookupDriver::restoreCommentBox() {
    form_.RichEdit3->setGeometry(kCommentBoxPlace);
    form_.Button4->hide();
    form_.Button5->hide();
}

void LookupDriver::Button4Click() {
    form_.RichEdit3->setLineWrapMode(QTextEdit::WidgetWidth);
    form_.RichEdit3->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    restoreCommentBox();
}

void LookupDriver::Button5Click() {
    form_.RichEdit3->setLineWrapMode(QTextEdit::NoWrap);
    form_.RichEdit3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    form_.RichEdit3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

}  // namespace vernik
