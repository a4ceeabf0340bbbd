#pragma once

#include <QMainWindow>
#include <array>

#include "form/font_controls.h"

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTextEdit;
class QTimer;
class QWebEngineView;

namespace vernik {

// The main window: a container of the program's controls under the names the
// handlers use. It holds no behaviour; handler groups get a reference to it
// and to the shared state and connect to the controls.
class TForm1 : public QMainWindow {
    Q_OBJECT

  public:
    explicit TForm1(QWidget* parent = nullptr);

    // Size the window was laid out for.
    static constexpr int kDesignWidth = 812;
    static constexpr int kDesignHeight = 506;

    // The frame of the alternative boxes and what it holds.
    QFrame* PanelAlt1 = nullptr;
    QLineEdit* EditPAlt1 = nullptr;  // alternative boxes 1-3
    QLineEdit* EditPAlt2 = nullptr;
    QLineEdit* EditPAlt3 = nullptr;
    QLineEdit* EditPAlt4 = nullptr;  // overlays of boxes 1-3 for new-word alternatives
    QLineEdit* EditPAlt5 = nullptr;
    QLineEdit* EditPAlt6 = nullptr;
    QLabel* LabelPAlt1 = nullptr;  // "Återgå": page back
    QLabel* LabelPAlt2 = nullptr;  // "Flera Alternativ": page forward
    QLabel* LabelPAlt3 = nullptr;  // the lexicon that a change goes to

    // Lookup row and lexicon labels.
    QLineEdit* Edit1 = nullptr;      // input box
    QLineEdit* Edit2 = nullptr;      // headword box
    QLineEdit* Edit5 = nullptr;      // status box, over the headword box
    QLabel* Label1 = nullptr;        // "Lex1:"
    QLabel* Label2 = nullptr;        // Lexicon1 setting
    QLabel* Label13 = nullptr;       // "Lex2:"
    QLabel* Label14 = nullptr;       // Lexicon2 folder
    QLabel* Label22 = nullptr;       // page and line of the selection
    QLabel* Label15 = nullptr;       // output file name
    QPushButton* Button1 = nullptr;  // "Visa Lexikon"
    QPushButton* Button2 = nullptr;  // comment editing
    QPushButton* Button4 = nullptr;  // "Återgå" of the enlarged comment box
    QPushButton* Button5 = nullptr;  // "Långa rader"

    // Text areas.
    QTextEdit* RichEdit3 = nullptr;   // comment box
    QPlainTextEdit* Memo1 = nullptr;  // the "Visa Lexikon" view, over the comment box
    QTextEdit* RichEdit2 = nullptr;   // output box
    QLineEdit* Edit3 = nullptr;       // message bar

    // The lexicon choice panels: the path of a file in the lexicon's folder.
    QFrame* PanelLex1 = nullptr;
    QLabel* LabelPLex1 = nullptr;
    QLabel* LabelPLex2 = nullptr;
    QLineEdit* EditPLex1 = nullptr;
    QPushButton* ButtonPLex1 = nullptr;  // "Browse"
    QPushButton* ButtonPLex2 = nullptr;  // "OK"
    QPushButton* ButtonPLex3 = nullptr;  // "Avbryt"
    QFrame* PanelLex2 = nullptr;
    QLabel* LabelP2Lex1 = nullptr;
    QLabel* LabelP2Lex2 = nullptr;
    QLineEdit* EditP2Lex1 = nullptr;
    QPushButton* ButtonP2Lex1 = nullptr;
    QPushButton* ButtonP2Lex2 = nullptr;
    QPushButton* ButtonP2Lex3 = nullptr;

    // The question about unsaved changes.
    QFrame* PanelExit = nullptr;
    QLabel* LabelPExit1 = nullptr;        // its title
    QLabel* LabelPExit2 = nullptr;        // "Vill du spara ändringarna i Utfilrutan?"
    QLabel* ImagePExit = nullptr;         // the warning sign
    QPushButton* ButtonPExit1 = nullptr;  // "Ja"
    QPushButton* ButtonPExit2 = nullptr;  // "Nej"
    QPushButton* ButtonPExit3 = nullptr;  // "Avbryt"

    // The language panel: six slots of language folders, each a name and a picture.
    QFrame* PanelLang = nullptr;
    QLabel* LabelPLang0 = nullptr;  // "Det finns inga olika språk ...", cleared when one is found
    std::array<QLabel*, 6> LabelPLang{};  // LabelPLang1..LabelPLang6, the names
    std::array<QLabel*, 6> ImagePLang{};  // ImagePLang1..ImagePLang6, the pictures
    QLabel* LabelPLang7 = nullptr;        // "Språk för etiketter och bruksanvisningar"
    QPushButton* ButtonPLang1 = nullptr;  // "Stäng"
    QPushButton* ButtonPLang2 = nullptr;  // "Flera språk", back by one
    QPushButton* ButtonPLang3 = nullptr;  // "Flera språk", forward by one

    QFrame* Panel1 = nullptr;  // title page
    QTimer* Timer3 = nullptr;  // missing letter file: opens the lexicon choice

    // Pictures and sounds of headwords.
    QFrame* PanelBild = nullptr;              // the picture panel, top right
    QLabel* ImagePBild1 = nullptr;            // its picture, stretched to the panel
    QFrame* MediaPlayer1 = nullptr;           // the sound's Play and Stop buttons
    QPushButton* MediaPlayer1Play = nullptr;  // plays the sound again
    QPushButton* MediaPlayer1Stop = nullptr;
    QTimer* Timer5 = nullptr;  // hides the picture panel
    QTimer* Timer6 = nullptr;  // steps through a picture series

    // Mouse writing: 128 character cells around the middle box, written by
    // moving the pointer out onto a cell and back inward.
    QFrame* PanelMus = nullptr;
    std::array<QLabel*, 128> EditMusT{};  // EditMusT001..EditMusT128, the cells
    QLabel* LabelMusTv = nullptr;         // left reset band
    QLabel* LabelMusTh = nullptr;         // right reset band
    QLabel* EditMusT0000 = nullptr;       // middle box
    QLabel* EditMusT000a = nullptr;       // active box: the active character; writes a blank
    QLabel* EditMusT000b = nullptr;       // writes a line break
    QLabel* EditMusT000c = nullptr;       // deletes one character
    QLabel* LabelMusSh = nullptr;         // shift boxes: the other half of the codes
    QLabel* LabelMusSh2 = nullptr;
    QPushButton* Button6 = nullptr;      // "Stäng"
    QPushButton* Button7 = nullptr;      // "Font"
    QPushButton* Button8 = nullptr;      // "Hex" / "Tecken"
    QPushButton* ButtonPMus4 = nullptr;  // "Stor" / "Liten"
    QPushButton* ButtonPMus5 = nullptr;  // "Max"
    QLabel* Label17 = nullptr;           // the strip that shows the hidden panel again
    QPlainTextEdit* Memo11 = nullptr;    // over the output box for multibyte character sets
    // Spelled speech: the speech box, whose text is read aloud, and its buttons.
    QFrame* PanelSp = nullptr;          // a click on its frame reads the alternatives
    QLineEdit* EditPSp1 = nullptr;      // the speech box
    QPushButton* ButtonPSp2 = nullptr;  // "Nästa": the next word
    QPushButton* ButtonPSp3 = nullptr;  // "Auto": word after word to the end
    QPushButton* ButtonPSp1 = nullptr;  // "Stäng"
    QTimer* Timer7 = nullptr;           // the pause between words while reading on

    // Main menu.
    QMenu* Arkiv1 = nullptr;
    QAction* Nytt1 = nullptr;
    QAction* GetUtfil1 = nullptr;
    QAction* GetOfUtfil1 = nullptr;
    QAction* Hack1 = nullptr;
    QAction* Spara1 = nullptr;
    QAction* SaveUtfil1 = nullptr;
    QAction* SaveOfUtfil1 = nullptr;
    QAction* PrintUtfil1 = nullptr;
    QAction* Exit1 = nullptr;

    QMenu* Redigera1 = nullptr;
    QAction* Cut1 = nullptr;
    QAction* Copy1 = nullptr;
    QAction* Paste1 = nullptr;
    QAction* Mark1 = nullptr;
    QAction* Find2 = nullptr;
    QAction* Byt1 = nullptr;

    QMenu* Lex1 = nullptr;
    QAction* Lex1Val = nullptr;
    QAction* Lex2Val = nullptr;
    QAction* Lex2off = nullptr;

    QMenu* Options = nullptr;
    QAction* aborttags1 = nullptr;
    QAction* abortradslut1 = nullptr;
    QAction* addradslut1 = nullptr;
    QAction* Bias1 = nullptr;
    QAction* Flytta1 = nullptr;
    QAction* Textwidth1 = nullptr;
    QAction* Font1 = nullptr;
    QAction* Startv1 = nullptr;
    QAction* NyIni1 = nullptr;
    QAction* Specialalfabet1 = nullptr;
    QAction* Specialalfabet2 = nullptr;
    QAction* Bytes1 = nullptr;
    QAction* Bytes2 = nullptr;
    QAction* Cyr1 = nullptr;
    QAction* Bildbort1 = nullptr;

    QMenu* LexAdd = nullptr;
    QAction* LexAdd1 = nullptr;
    QAction* Lexsub1 = nullptr;
    QAction* Lexsub2 = nullptr;
    QAction* Nyalistord1 = nullptr;
    QAction* Lexomv1 = nullptr;
    QAction* LexList1 = nullptr;
    QAction* Insortering1 = nullptr;
    QAction* Textkontroll1 = nullptr;
    QAction* Nyord2 = nullptr;
    QAction* NyOrd1 = nullptr;
    QAction* Rknaord1 = nullptr;

    QMenu* Bruk1 = nullptr;
    QAction* OmVernik11 = nullptr;
    QAction* Bruks = nullptr;
    QAction* AddBruks = nullptr;
    QAction* Alfabet1 = nullptr;
    QAction* CD = nullptr;
    QAction* Format1 = nullptr;
    QAction* MusskriftAnv = nullptr;
    QAction* Bruksp1 = nullptr;
    QAction* BrukOrdlist1 = nullptr;
    QAction* LangBruk = nullptr;
    QAction* Internet2 = nullptr;

    // Commands on the menu bar itself.
    QAction* Lang1 = nullptr;
    QMenu* Andraprogram1 = nullptr;
    QAction* Anteckningar1 = nullptr;
    QAction* WordPad1 = nullptr;
    QAction* Word1 = nullptr;
    QAction* Musskrift0 = nullptr;
    QAction* Spsp1 = nullptr;
    QAction* Internet1 = nullptr;

    // Pop-up menu of the output box.
    QMenu* PopupMenu1 = nullptr;
    QAction* GetUtfil2 = nullptr;
    QAction* SaveUtfil2 = nullptr;
    QAction* PrintUtfil2 = nullptr;
    QAction* Rensa1 = nullptr;
    QAction* Findp2 = nullptr;

    // The start-values panel "Startvärden" and the print-settings panel
    // "Utskriftsinställning": a Mod box and a value box for each entry of the
    // settings file.
    QFrame* PanelIni = nullptr;
    QLineEdit* EditPIni1 = nullptr;  // Lexikon1Mapp
    QLineEdit* EditPIni2 = nullptr;
    QLineEdit* EditPIni3 = nullptr;  // Lexikon2Mapp
    QLineEdit* EditPIni4 = nullptr;
    QLineEdit* EditPIni5 = nullptr;  // Hämta Utfil
    QLineEdit* EditPIni6 = nullptr;
    QLineEdit* EditPIni7 = nullptr;  // Spara Utfil
    QLineEdit* EditPIni8 = nullptr;
    QLineEdit* EditPIni9 = nullptr;  // Försättssida
    QLineEdit* EditPIni10 = nullptr;
    QLineEdit* EditPIni11 = nullptr;  // Fontnamn
    QLineEdit* EditPIni12 = nullptr;
    QLineEdit* EditPIni13 = nullptr;  // Fontstorlek
    QLineEdit* EditPIni14 = nullptr;
    QLineEdit* EditPIni15 = nullptr;  // Fontfärg
    QLineEdit* EditPIni16 = nullptr;
    QLineEdit* EditPIni17 = nullptr;  // Fontstil
    QLineEdit* EditPIni18 = nullptr;
    QLineEdit* EditPIni19 = nullptr;  // Skärmtexthöjd (hidden)
    QLineEdit* EditPIni20 = nullptr;
    QLineEdit* EditPIni21 = nullptr;  // StartUtfil
    QLineEdit* EditPIni22 = nullptr;
    QLineEdit* EditPIni23 = nullptr;  // Charset (hidden, not in the file)
    QLineEdit* EditPIni24 = nullptr;
    QLineEdit* EditPIni25 = nullptr;  // StartURL
    QLineEdit* EditPIni26 = nullptr;
    QLabel* LabelPIni18 = nullptr;       // the settings file's name
    QPushButton* ButtonPIni1 = nullptr;  // "OK"
    QPushButton* ButtonPIni2 = nullptr;  // "Avbryt"
    QPushButton* ButtonPIni3 = nullptr;  // "Utskriftsintällning"
    QFrame* PanelIniU = nullptr;
    QLineEdit* EditPPIni1 = nullptr;  // SkalaHor
    QLineEdit* EditPPIni2 = nullptr;
    QLineEdit* EditPPIni3 = nullptr;  // SkalaVert
    QLineEdit* EditPPIni4 = nullptr;
    QLineEdit* EditPPIni5 = nullptr;  // Textbredd i pixels
    QLineEdit* EditPPIni6 = nullptr;
    QLineEdit* EditPPIni7 = nullptr;  // V marginal i pixels
    QLineEdit* EditPPIni8 = nullptr;
    QLineEdit* EditPPIni9 = nullptr;  // Övre marginal i pixels
    QLineEdit* EditPPIni10 = nullptr;
    QLineEdit* EditPPIni11 = nullptr;  // Radavstånd
    QLineEdit* EditPPIni12 = nullptr;
    QLineEdit* EditPPIni13 = nullptr;  // Radantal
    QLineEdit* EditPPIni14 = nullptr;
    QLineEdit* EditPPIni15 = nullptr;  // Sidnummer
    QLineEdit* EditPPIni16 = nullptr;
    QLineEdit* EditPPIni17 = nullptr;  // Bytes per rad
    QLineEdit* EditPPIni18 = nullptr;
    QPushButton* ButtonPPIni1 = nullptr;  // "OK"
    QPushButton* ButtonPPIni2 = nullptr;  // "Avbryt"

    // The text-area panel "Textyta": the output box shaped like the printed
    // text area, and the print layout.
    QFrame* PanelWidth1 = nullptr;
    QLineEdit* EditPW1 = nullptr;      // "Textbredd i pixels"
    QLineEdit* EditPW2 = nullptr;      // "V marg i pixels"
    QLineEdit* EditPW3 = nullptr;      // "Övre marg i pixels"
    QLineEdit* EditPW5 = nullptr;      // "Radavstånd"
    QLineEdit* EditPW4 = nullptr;      // "Antal rader"
    QCheckBox* CheckBoxPW1 = nullptr;  // "Sidnr mitt under"
    QLineEdit* EditPW6 = nullptr;      // "Textrutehöjd i pixels"
    QLabel* LabelPW1 = nullptr;
    QLabel* LabelPW2 = nullptr;
    QLabel* LabelPW3 = nullptr;
    QLabel* LabelPW5 = nullptr;
    QLabel* LabelPW4 = nullptr;
    QLabel* LabelPW6 = nullptr;
    QPushButton* ButtonPW1 = nullptr;  // "OK"
    QPushButton* ButtonPW2 = nullptr;  // "Avbryt"

    // The batch panel of the lexicon menu's folder operations: three rows of
    // a prompt, a path box and "Bläddra"; and the progress bar of a run.
    QFrame* PanelSam1 = nullptr;
    QLabel* LabelPSam1 = nullptr;  // rows: first folder or file, second folder, destination
    QLineEdit* EditPSam1 = nullptr;
    QPushButton* ButtonPSam1 = nullptr;
    QLabel* LabelPSam2 = nullptr;
    QLineEdit* EditPSam2 = nullptr;
    QPushButton* ButtonPSam2 = nullptr;
    QLabel* LabelPSam3 = nullptr;
    QLineEdit* EditPSam3 = nullptr;
    QPushButton* ButtonPSam3 = nullptr;
    QLabel* LabelPSam4 = nullptr;        // the title
    QLabel* LabelPSam5 = nullptr;        // the warning to clear new words first
    QPushButton* ButtonPSam4 = nullptr;  // "Kör"
    QPushButton* ButtonPSam5 = nullptr;  // "Avbryt"
    QPushButton* ButtonPSam6 = nullptr;  // "Undantagna"
    QPushButton* ButtonPSam7 = nullptr;  // "Markera Nyord"
    QLabel* LabelPSam7 = nullptr;        // "Nyordsmarkering": marking is on
    QProgressBar* ProgressBar1 = nullptr;

    // "Undantagna": the ten words the lexicon reversal leaves out.
    QFrame* PanelUndan = nullptr;
    std::array<QLineEdit*, 10> EditPUnd{};  // EditPUnd1 to EditPUnd10
    QPushButton* ButtonPUnd1 = nullptr;     // "OK"
    // The text check "Textkontroll" and the new-word mark removal "Rensa nyord".
    QFrame* PanelTxtKontr = nullptr;
    QLabel* LabelTx1 = nullptr;
    QLabel* LabelTx2 = nullptr;
    QLabel* LabelTx3 = nullptr;        // "InfilNamn"
    QLineEdit* EditTx1 = nullptr;      // the file to check
    QPushButton* ButtonTx1 = nullptr;  // "Avstå"
    QPushButton* ButtonTx2 = nullptr;  // "KÖR"
    QPushButton* ButtonTx3 = nullptr;  // "Bläddra"
    QFrame* PanelNyord = nullptr;
    QLabel* LabelPNyord1 = nullptr;
    QLabel* LabelPNyord2 = nullptr;
    QLineEdit* EditPNyord1 = nullptr;      // the lexicon folder
    QPushButton* ButtonPNyord1 = nullptr;  // "Bläddra"
    QPushButton* ButtonPNyord2 = nullptr;  // "Avstå"
    QPushButton* ButtonPNyord3 = nullptr;  // "KÖR"
    QCheckBox* CheckBoxPNyord1 = nullptr;  // "Även kommentarer"
    QCheckBox* CheckBoxPNyord2 = nullptr;  // "Enbart kommentarer"
    // Fonts, the character table, special alphabets, keyboard shift, moving ÅÄÖ.
    FontControls Fonts;
    // The hex view of a disk file: the panel and its two panes.
    QFrame* PanelHack = nullptr;
    QLabel* LabelPH1 = nullptr;           // "Visar innehållet i diskfilen: "
    QLabel* LabelPH2 = nullptr;           // the file shown
    QPushButton* ButtonPH4 = nullptr;     // "Ny Fil"
    QPushButton* ButtonPH3 = nullptr;     // "Spara som"
    QPushButton* ButtonPH5 = nullptr;     // "KÖR"
    QPushButton* ButtonPH2 = nullptr;     // "Ny Font"
    QPushButton* ButtonPH1 = nullptr;     // "Stäng"
    QLabel* LabelPH3 = nullptr;           // "Från bytenrx16"
    QLineEdit* EditPH1 = nullptr;         // first line shown
    QLabel* LabelPH4 = nullptr;           // "Till bytenrx16"
    QLineEdit* EditPH2 = nullptr;         // line at which showing stops
    QPlainTextEdit* MemoHack1 = nullptr;  // hexadecimal pane
    QPlainTextEdit* MemoHack2 = nullptr;  // character pane

    // The web panel, laid over the output box; its browser is made on first use.
    QFrame* PanelInt = nullptr;
    QLabel* Label3 = nullptr;            // "Sök URL:"
    QLineEdit* EditPInt1 = nullptr;      // the address
    QPushButton* ButtonPInt1 = nullptr;  // "Sök"
    QPushButton* ButtonPInt2 = nullptr;  // "Stäng Browser"
    QWebEngineView* WebBrowser1 = nullptr;

    // The manuals, one box per subject, closed by a click.
    QPlainTextEdit* Memo4 = nullptr;          // "Om Vernik"
    QPlainTextEdit* Memo3 = nullptr;          // "Bruksanvisning"
    QPlainTextEdit* Memo2 = nullptr;          // "Lexikonhantering"
    QPlainTextEdit* Memo7 = nullptr;          // "Alfabet"
    QPlainTextEdit* Memo9 = nullptr;          // "Vernik på CD"
    QPlainTextEdit* Memo5 = nullptr;          // "Om textformatering"
    QPlainTextEdit* Memo10 = nullptr;         // "Musskrift"
    QPlainTextEdit* Memo12 = nullptr;         // "Spelled speech"
    QPlainTextEdit* MemoOrdlista1 = nullptr;  // "Ordlista "
    QPlainTextEdit* MemoLang = nullptr;       // "Språk"
    QPlainTextEdit* MemoInt1 = nullptr;       // "Internet"

    // What the title page Panel1 holds.
    QLabel* Label5 = nullptr;  // "Välkommen till  Vernik"
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;        // "Klicka på START"
    QPushButton* Button3 = nullptr;  // "START"
    QPushButton* BitBtn1 = nullptr;  // "Visa inte denna försättssida i fortsättningen"
    // "Bytes till siffror", "Unicode till VernikCyr" and the end of a search.
    QFrame* PanelBD = nullptr;
    QLabel* LabelPBD2 = nullptr;    // the output file's name
    QLineEdit* EditPBD1 = nullptr;  // "Antal bytes per rad: "
    QProgressBar* ProgressBarPBD = nullptr;
    QPushButton* ButtonPBD1 = nullptr;  // "OK"
    QPushButton* ButtonPBD2 = nullptr;  // "Avbryt"
    QFrame* PanelUni1 = nullptr;
    QLabel* LabelPUni1 = nullptr;  // what the conversion does, or that there is no file
    QLabel* LabelPUni2 = nullptr;
    QLabel* LabelPUni3 = nullptr;
    QLabel* LabelPUni4 = nullptr;
    QLabel* LabelPUni5 = nullptr;
    QLabel* LabelPUni6 = nullptr;         // the result file
    QPushButton* ButtonPUni1 = nullptr;   // "KÖR"
    QPushButton* ButtonPUni2 = nullptr;   // "Avstå"
    QPushButton* PanelFindEnd = nullptr;  // clicked: the search is over

  private:
    void createLexiconToolPanels(QWidget* client);
    void createAlternativeFrame(QWidget* client);
    void createLookupRow(QWidget* client);
    void createTextAreas(QWidget* client);
    void createHiddenControls(QWidget* client);
    void createLexiconChoicePanels(QWidget* client);
    void createExitPanel(QWidget* client);
    void createLanguagePanel(QWidget* client);
    void createSettingsPanels(QWidget* client);
    void createTextAreaPanel(QWidget* client);
    void createMediaControls(QWidget* client);
    void createMouseWritingPanel(QWidget* client);
    void createSpeechPanel(QWidget* client);
    void createBatchPanel(QWidget* client);
    void createExcludedWordsPanel(QWidget* client);
    void createHexPanel(QWidget* client);
    void createWebPanel(QWidget* client);
    void createManuals(QWidget* client);
    void createTitlePageContent();
    void createTransformPanels(QWidget* client);

    void createFileMenu();
    void createEditMenu();
    void createLexiconChoiceMenu();
    void createOptionsMenu();
    void createLexiconMenu();
    void createManualsMenu();
    void createMenuBarCommands();
    void createOutputBoxPopup();
};

}  // namespace vernik
