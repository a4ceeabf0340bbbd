#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTextEdit>

#include "form/tform1.h"

namespace vernik {
namespace {

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& title) {
    QMenu* menu = bar->addMenu(title);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

template <typename Container>
QAction* addItem(Container* container, const char* name, const QString& caption) {
    QAction* item = container->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

}  // namespace

void TForm1::createFileMenu() {
    Arkiv1 = addMenu(menuBar(), "Arkiv1", QStringLiteral("Arkiv"));
    Nytt1 = addItem(Arkiv1, "Nytt1", QStringLiteral("Nytt"));
    GetUtfil1 = addItem(Arkiv1, "GetUtfil1", QStringLiteral("Hämta Utfil"));
    GetOfUtfil1 = addItem(Arkiv1, "GetOfUtfil1", QStringLiteral("Hämta oformaterad Utfil"));
    Hack1 = addItem(Arkiv1, "Hack1", QStringLiteral("Visa Hackerbild"));
    Hack1->setEnabled(false);  // until a document has been opened or saved
    Spara1 = addItem(Arkiv1, "Spara1", QStringLiteral("Spara  Utfil        Ctrl-S"));
    SaveUtfil1 = addItem(Arkiv1, "SaveUtfil1", QStringLiteral("Spara utfil som"));
    SaveOfUtfil1 = addItem(Arkiv1, "SaveOfUtfil1", QStringLiteral("Spara oformaterad Utfil som"));
    PrintUtfil1 = addItem(Arkiv1, "PrintUtfil1", QStringLiteral("Skriv ut Utfil"));
    Exit1 = addItem(Arkiv1, "Exit1", QStringLiteral("Exit"));
}

void TForm1::createEditMenu() {
    Redigera1 = addMenu(menuBar(), "Redigera1", QStringLiteral("Redigera"));
    Cut1 = addItem(Redigera1, "Cut1", QStringLiteral("Klipp ut"));
    Copy1 = addItem(Redigera1, "Copy1", QStringLiteral("Kopiera"));
    Paste1 = addItem(Redigera1, "Paste1", QStringLiteral("Klistra in"));
    Mark1 = addItem(Redigera1, "Mark1", QStringLiteral("Markera allt"));
    Find2 = addItem(Redigera1, "Find2", QStringLiteral("Sök i Utfilruta"));
    Byt1 = addItem(Redigera1, "Byt1", QStringLiteral("Byt ut i Utfilruta"));
    Byt1->setEnabled(false);  // until a search has been made
}

void TForm1::createLexiconChoiceMenu() {
    Lex1 = addMenu(menuBar(), "Lex1", QStringLiteral("Lexikonval"));
    Lex1Val = addItem(Lex1, "Lex1Val", QStringLiteral("Lexikon1"));
    Lex2Val = addItem(Lex1, "Lex2Val", QStringLiteral("Lexikon2"));
    Lex2off = addItem(Lex1, "Lex2off", QStringLiteral("Stäng Lexikon2"));
}

void TForm1::createOptionsMenu() {
    Options = addMenu(menuBar(), "Options", QStringLiteral("Options"));
    aborttags1 = addItem(Options, "aborttags1", QStringLiteral("Ta bort html-tags"));
    abortradslut1 = addItem(Options, "abortradslut1", QStringLiteral("Ta bort radslut"));
    addradslut1 = addItem(Options, "addradslut1", QStringLiteral("Lägg in radslut"));
    Bias1 = addItem(Options, "Bias1", QStringLiteral("Teckenförskjutning"));
    Flytta1 = addItem(Options, "Flytta1", QStringLiteral("Flytta ÅÄÖ"));
    Textwidth1 = addItem(Options, "Textwidth1", QStringLiteral("Textyta"));
    Font1 = addItem(Options, "Font1", QStringLiteral("Font"));
    Startv1 = addItem(Options, "Startv1", QStringLiteral("Startvärden"));
    NyIni1 = addItem(Options, "NyIni1", QStringLiteral("Ny Ini-fil"));
    Specialalfabet1 =
        addItem(Options, "Specialalfabet1", QStringLiteral("Eget Latinskt till Special"));
    Specialalfabet2 =
        addItem(Options, "Specialalfabet2", QStringLiteral("Främmande Latinskt till Special"));
    Bytes1 = addItem(Options, "Bytes1", QStringLiteral("Bytes till siffror"));
    Bytes2 = addItem(Options, "Bytes2", QStringLiteral("Siffror till bytes"));
    Cyr1 = addItem(Options, "Cyr1", QStringLiteral("Unicode till VernikCyr"));
    Bildbort1 = addItem(Options, "Bildbort1", QStringLiteral("Dölj bild"));
}

void TForm1::createLexiconMenu() {
    LexAdd = addMenu(menuBar(), "LexAdd", QStringLiteral("Lexikonhantering"));
    LexAdd1 = addItem(LexAdd, "LexAdd1", QStringLiteral("Addera lexikon"));
    Lexsub1 = addItem(LexAdd, "Lexsub1", QStringLiteral("Lexikonskillnad"));
    Lexsub2 = addItem(LexAdd, "Lexsub2", QStringLiteral("Inte i huvudlexikon"));
    Nyalistord1 = addItem(LexAdd, "Nyalistord1", QStringLiteral("Nya listord"));
    Lexomv1 = addItem(LexAdd, "Lexomv1", QStringLiteral("Lexikonomvändning"));
    LexList1 = addItem(LexAdd, "LexList1", QStringLiteral("Lexikon till lista"));
    Insortering1 = addItem(LexAdd, "Insortering1", QStringLiteral("Insortering"));
    Textkontroll1 = addItem(LexAdd, "Textkontroll1", QStringLiteral("Textkontroll"));
    Nyord2 = addItem(LexAdd, "Nyord2", QStringLiteral("Nyord i Lexikon1"));
    NyOrd1 = addItem(LexAdd, "NyOrd1", QStringLiteral("Rensa nyord"));
    Rknaord1 = addItem(LexAdd, "Rknaord1", QStringLiteral("Räkna ord i Lexikon1"));
}

void TForm1::createManualsMenu() {
    Bruk1 = addMenu(menuBar(), "Bruk1", QStringLiteral("Bruksanvisningar"));
    OmVernik11 = addItem(Bruk1, "OmVernik11", QStringLiteral("Om Vernik"));
    Bruk1->addSeparator();
    Bruks = addItem(Bruk1, "Bruks", QStringLiteral("Bruksanvisning"));
    AddBruks = addItem(Bruk1, "AddBruks", QStringLiteral("Lexikonhantering"));
    Alfabet1 = addItem(Bruk1, "Alfabet1", QStringLiteral("Alfabet"));
    CD = addItem(Bruk1, "CD", QStringLiteral("Vernik på CD"));
    Format1 = addItem(Bruk1, "Format1", QStringLiteral("Om textformatering"));
    MusskriftAnv = addItem(Bruk1, "MusskriftAnv", QStringLiteral("Musskrift"));
    Bruksp1 = addItem(Bruk1, "Bruksp1", QStringLiteral("Spelled speech"));
    BrukOrdlist1 = addItem(Bruk1, "BrukOrdlist1", QStringLiteral("Ordlista "));
    LangBruk = addItem(Bruk1, "LangBruk", QStringLiteral("Språk"));
    Internet2 = addItem(Bruk1, "Internet2", QStringLiteral("Internet"));
}

void TForm1::createMenuBarCommands() {
    Lang1 = addItem(menuBar(), "Lang1", QStringLiteral("Språk"));
    Andraprogram1 = addMenu(menuBar(), "Andraprogram1", QStringLiteral("Andra program"));
    Anteckningar1 = addItem(Andraprogram1, "Anteckningar1", QStringLiteral("Anteckningar"));
    WordPad1 = addItem(Andraprogram1, "WordPad1", QStringLiteral("WordPad"));
    Word1 = addItem(Andraprogram1, "Word1", QStringLiteral("Word dokument"));
    Musskrift0 = addItem(menuBar(), "Musskrift0", QStringLiteral("Musskrift"));
    Spsp1 = addItem(menuBar(), "Spsp1", QStringLiteral("Spelled speech"));
    Internet1 = addItem(menuBar(), "Internet1", QStringLiteral("Internet"));
}

void TForm1::createOutputBoxPopup() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    GetUtfil2 = addItem(PopupMenu1, "GetUtfil2", QStringLiteral("Hämta Utfil"));
    SaveUtfil2 = addItem(PopupMenu1, "SaveUtfil2", QStringLiteral("Spara Utfil"));
    PrintUtfil2 = addItem(PopupMenu1, "PrintUtfil2", QStringLiteral("Skriv ut Utfil"));
    Rensa1 = addItem(PopupMenu1, "Rensa1", QStringLiteral("Rensa"));
    Findp2 = addItem(PopupMenu1, "Findp2", QStringLiteral("Sök i Utfilruta"));

    // The output box shows this menu instead of the editor's own.
    RichEdit2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RichEdit2, &QWidget::customContextMenuRequested, PopupMenu1, [this](const QPoint& at) {
        PopupMenu1->popup(RichEdit2->viewport()->mapToGlobal(at));
    });
}

}  // namespace vernik
