#include "extras/language_panel.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <string>
#include <utility>
#include <vector>

#include "extras/label_file.h"
#include "extras/language_folders.h"
#include "extras/language_text.h"
#include "form/shared_state.h"
#include "form/tform1.h"
#include "platform/cp1252.h"
#include "platform/data_folder.h"
#include "platform/files.h"
#include "platform/qt_text.h"
#include "platform/rich_text_file.h"

namespace vernik {
namespace {

constexpr int kSlots = 6;

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// Where each caption of the label file goes, in file order. A caption the
// program switches at run time is stored in its shared variable, in the
// program's byte text; the rest go straight to their control.
std::vector<std::function<void(const std::string&)>> captionTargets(TForm1& f, SharedState& s) {
    auto menu = [](QMenu* m) { return [m](const std::string& t) { m->setTitle(fromUtf8(t)); }; };
    auto item = [](QAction* a) { return [a](const std::string& t) { a->setText(fromUtf8(t)); }; };
    auto box = [](QLineEdit* b) { return [b](const std::string& t) { b->setText(fromUtf8(t)); }; };
    auto text = [](QLabel* l) { return [l](const std::string& t) { l->setText(fromUtf8(t)); }; };
    auto button = [](QPushButton* b) {
        return [b](const std::string& t) { b->setText(fromUtf8(t)); };
    };
    auto shared = [](std::string& variable) {
        return [&variable](const std::string& t) { variable = cp1252FromUtf8Lossy(t); };
    };
    WorkspaceState& ws = s.workspace;
    FontState& fonts = s.fonts;
    return {
        // 1: the main menu
        menu(f.Arkiv1), menu(f.Redigera1), menu(f.Lex1), menu(f.Options), menu(f.LexAdd),
        menu(f.Bruk1), item(f.OmVernik11), item(f.Lang1), menu(f.Andraprogram1), item(f.Musskrift0),
        item(f.Spsp1),
        // 2: the boxes of the lookup
        box(f.Edit1), box(f.Edit2), box(f.EditPAlt1), box(f.EditPAlt2), box(f.EditPAlt3),
        // 3: the pop-up menu of the output box
        item(f.GetUtfil2), item(f.SaveUtfil2), item(f.PrintUtfil2), item(f.Rensa1), item(f.Findp2),
        // 4: buttons and labels of the window
        shared(ws.CaptionShowLexicon), shared(ws.CaptionCloseLexicon),
        shared(ws.CaptionAddComments), shared(ws.CaptionReplaceComments), text(f.Label1),
        text(f.Label13), shared(ws.CaptionPage), shared(ws.CaptionLine),
        // 5: "Arkiv"
        item(f.Nytt1), item(f.GetUtfil1), item(f.GetOfUtfil1), item(f.Hack1), item(f.Spara1),
        item(f.SaveUtfil1), item(f.SaveOfUtfil1), item(f.PrintUtfil1), item(f.Exit1),
        // 6: "Redigera"
        item(f.Cut1), item(f.Copy1), item(f.Paste1), item(f.Mark1), item(f.Find2), item(f.Byt1),
        // 7: "Lexikonval"
        item(f.Lex1Val), item(f.Lex2Val), shared(ws.CaptionCloseLexicon2),
        shared(ws.CaptionOpenLexicon2),
        // 8: "Options"
        item(f.aborttags1), item(f.abortradslut1), item(f.addradslut1), item(f.Bias1),
        item(f.Flytta1), item(f.Textwidth1), item(f.Font1), item(f.Startv1), item(f.NyIni1),
        shared(fonts.CaptionOwnToSpecial), shared(fonts.CaptionOwnFromSpecial),
        shared(fonts.CaptionForeignToSpecial), shared(fonts.CaptionForeignFromSpecial),
        item(f.Bytes1), item(f.Bytes2), item(f.Cyr1), item(f.Bildbort1),
        // 9: "Lexikonhantering"
        item(f.LexAdd1), item(f.Lexsub1), item(f.Lexsub2), item(f.Lexomv1), item(f.Insortering1),
        item(f.Textkontroll1), item(f.NyOrd1), item(f.Rknaord1),
        // 10: "Bruksanvisningar"
        item(f.Bruks), item(f.AddBruks), item(f.Alfabet1), item(f.CD), item(f.Format1),
        item(f.MusskriftAnv), item(f.Bruksp1), item(f.BrukOrdlist1), item(f.LangBruk),
        // 11: "Andra program"
        item(f.Anteckningar1), item(f.WordPad1), item(f.Word1),
        // 12: the language panel
        button(f.ButtonPLang1), button(f.ButtonPLang2), button(f.ButtonPLang3),
        text(f.LabelPLang7)};
}

// Whether a control shows the first of its two captions.
bool shows(const QString& shown, const std::string& caption) {
    return shown == fromBytes(caption);
}

}  // namespace

LanguagePanel::LanguagePanel(TForm1& form, SharedState& state, std::function<bool(int)> guard)
    : QObject(&form), form_(form), state_(state), guard_(std::move(guard)) {
    connect(form_.Lang1, &QAction::triggered, this, &LanguagePanel::Lang1Click);
    connect(form_.ButtonPLang1, &QPushButton::clicked, this, &LanguagePanel::ButtonPLang1Click);
    connect(form_.ButtonPLang2, &QPushButton::clicked, this, &LanguagePanel::ButtonPLang2Click);
    connect(form_.ButtonPLang3, &QPushButton::clicked, this, &LanguagePanel::ButtonPLang3Click);
    for (int slot = 0; slot < kSlots; ++slot) {
        form_.LabelPLang[slot]->installEventFilter(this);
        form_.ImagePLang[slot]->installEventFilter(this);
    }
}

std::filesystem::path LanguagePanel::root() const {
    return languageRoot(state_.workspace.StartFolder, findDataFolder(currentExecutable()));
}

void LanguagePanel::Lang1Click() {
    form_.PanelLang->show();
    form_.PanelLang->raise();
    refreshPanel();
}

void LanguagePanel::refreshPanel() {
    const std::filesystem::path languages = root();
    for (int slot = 0; slot < kSlots; ++slot) {
        form_.LabelPLang[slot]->clear();
        form_.ImagePLang[slot]->hide();
        const auto description =
            readLanguageDescription(languageFolder(languages, LangBase_ + slot + 1));
        if (!description) continue;
        form_.LabelPLang0->clear();
        form_.LabelPLang[slot]->setText(fromUtf8(description->name));
        if (!description->picture) continue;
        // A file that is not a picture shows nothing.
        const QPixmap picture(QString::fromStdString(description->picture->string()));
        if (picture.isNull()) continue;
        form_.ImagePLang[slot]->setPixmap(picture);
        form_.ImagePLang[slot]->show();
    }
    form_.ButtonPLang2->setVisible(LangBase_ > 0);
    form_.ButtonPLang3->setVisible(
        isRegularFile(languageFolder(languages, LangBase_ + kSlots + 1) / "Start.txt"));
}

void LanguagePanel::ButtonPLang1Click() {
    form_.PanelLang->hide();
    form_.RichEdit2->setFocus();
}

void LanguagePanel::ButtonPLang2Click() {
    if (LangBase_ > 0) --LangBase_;
    refreshPanel();
}

void LanguagePanel::ButtonPLang3Click() {
    ++LangBase_;
    refreshPanel();
}

bool LanguagePanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease) return false;
    for (int slot = 0; slot < kSlots; ++slot) {
        if (watched == form_.LabelPLang[slot] || watched == form_.ImagePLang[slot]) {
            if (!form_.LabelPLang[slot]->text().isEmpty()) SwitchLanguage(slot + 1);
            return true;
        }
    }
    return false;
}

void LanguagePanel::startWith(int number) {
    LangBase_ = number - 1;
    SwitchLanguage(1);
}

void LanguagePanel::SwitchLanguage(int k) {
    if (guard_ && !guard_(kFirstSwitchAction + k - 1)) return;
    LangBase_ += k - 1;
    const std::filesystem::path folder = languageFolder(root(), LangBase_ + 1);
    if (const auto labels = readLabelFile(folder / "Etikett.txt")) ApplyLabelFile(*labels);
    loadStartText(folder / "Starttext.txt");
    const std::pair<const char*, QPlainTextEdit*> manuals[] = {
        {"Bruks.txt", form_.Memo3},
        {"Lexik.txt", form_.Memo2},
        {"Alfa.txt", form_.Memo7},
        {"Sprk.txt", form_.MemoLang},
    };
    for (const auto& [file, box] : manuals) {
        if (const auto text = readLanguageText(folder / file)) box->setPlainText(fromUtf8(*text));
    }
    form_.PanelLang->hide();
}

void LanguagePanel::ApplyLabelFile(const LabelTexts& labels) {
    WorkspaceState& ws = state_.workspace;
    const bool showLexicon = shows(form_.Button1->text(), ws.CaptionShowLexicon);
    const bool addComments = shows(form_.Button2->text(), ws.CaptionAddComments);
    const bool closeLexicon2 = shows(form_.Lex2off->text(), ws.CaptionCloseLexicon2);

    const auto targets = captionTargets(form_, state_);
    for (std::size_t index = 0; index < kLabelCount; ++index) {
        if (labels.texts[index]) targets[index](*labels.texts[index]);
    }

    form_.Button1->setText(fromBytes(showLexicon ? ws.CaptionShowLexicon : ws.CaptionCloseLexicon));
    form_.Button2->setText(
        fromBytes(addComments ? ws.CaptionAddComments : ws.CaptionReplaceComments));
    form_.Lex2off->setText(
        fromBytes(closeLexicon2 ? ws.CaptionCloseLexicon2 : ws.CaptionOpenLexicon2));
    FontState& fonts = state_.fonts;
    form_.Specialalfabet1->setText(
        fromBytes(fonts.OwnSpecial ? fonts.CaptionOwnFromSpecial : fonts.CaptionOwnToSpecial));
    // Only the caption follows the language: the alphabet's state, its shift
    // box and its keyboard map stay as they are.
    fonts.ForeignSpecialCaption =
        fonts.ForeignSpecial ? fonts.CaptionForeignFromSpecial : fonts.CaptionForeignToSpecial;
    form_.Specialalfabet2->setText(fromBytes(fonts.ForeignSpecialCaption));
}

// The start text replaces the output box's content until the first key or lookup.
void LanguagePanel::loadStartText(const std::filesystem::path& file) {
    if (!isRegularFile(file)) return;
    const auto bytes = readFileBytes(file);
    if (!bytes) return;
    if (bytes->starts_with("{\\rtf")) {
        loadRichText(*form_.RichEdit2->document(), *bytes);
    } else {
        form_.RichEdit2->setPlainText(fromUtf8(languageTextAsUtf8(*bytes)));
    }
    state_.workspace.OutputBoxStarted = false;
    state_.document.DocumentChanged = false;
}

}  // namespace vernik
