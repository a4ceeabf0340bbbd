#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

#include "form/start_text.h"
#include "form/tform1.h"
#include "platform/display_font.h"
#include "platform/widget_look.h"

namespace vernik {
namespace {

constexpr int kLabelHeight = 13;

template <typename Control>
Control* place(Control* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(left, top, width, height);
    return control;
}

QLineEdit* makeBox(QWidget* parent, const char* name, int left, int top, int width, int height) {
    return place(new QLineEdit(parent), name, left, top, width, height);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                  int width) {
    auto* label = place(new QLabel(text, parent), name, left, top, width, kLabelHeight);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, int left,
                        int top, int width, int height) {
    return place(new QPushButton(caption, parent), name, left, top, width, height);
}

void makeBold(QWidget& widget) {
    QFont font = widget.font();
    font.setBold(true);
    widget.setFont(font);
}

// An overlay box lies over an alternative box and shows a new-word alternative.
QLineEdit* makeOverlayBox(QWidget* parent, const char* name, int top) {
    QLineEdit* box = makeBox(parent, name, 16, top, 220, 21);
    setGround(*box, look::tooltipBackground());
    setTextColour(*box, look::pureRed());
    box->hide();
    return box;
}

// A one-line box with white bold text on red, for the program's messages.
QLineEdit* makeRedBox(QWidget* parent, const char* name, int left, int top, int width, int height) {
    QLineEdit* box = makeBox(parent, name, left, top, width, height);
    setGround(*box, look::pureRed());
    setTextColour(*box, Qt::white);
    box->setReadOnly(true);
    box->hide();
    return box;
}

}  // namespace

void TForm1::createAlternativeFrame(QWidget* client) {
    PanelAlt1 = place(new QFrame(client), "PanelAlt1", 1, 0, 253, 95);
    PanelAlt1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    setGround(*PanelAlt1, look::activeCaptionGradient());

    EditPAlt1 = makeBox(PanelAlt1, "EditPAlt1", 16, 13, 220, 21);
    EditPAlt2 = makeBox(PanelAlt1, "EditPAlt2", 16, 32, 220, 21);
    EditPAlt3 = makeBox(PanelAlt1, "EditPAlt3", 16, 54, 220, 21);
    for (QLineEdit* box : {EditPAlt1, EditPAlt2, EditPAlt3}) {
        box->setText(QStringLiteral("Utordruta"));
        setGround(*box, look::windowBackground());
        makeBold(*box);
    }
    EditPAlt4 = makeOverlayBox(PanelAlt1, "EditPAlt4", 13);
    EditPAlt5 = makeOverlayBox(PanelAlt1, "EditPAlt5", 32);
    EditPAlt6 = makeOverlayBox(PanelAlt1, "EditPAlt6", 54);

    LabelPAlt1 = makeLabel(PanelAlt1, "LabelPAlt1", QStringLiteral("Återgå"), 16, 0, 220);
    LabelPAlt2 =
        makeLabel(PanelAlt1, "LabelPAlt2", QStringLiteral("Flera Alternativ"), 16, 79, 220);
    LabelPAlt3 = makeLabel(PanelAlt1, "LabelPAlt3", QString(), 16, 79, 220);
    for (QLabel* label : {LabelPAlt1, LabelPAlt2, LabelPAlt3}) label->hide();
}

void TForm1::createLookupRow(QWidget* client) {
    Edit1 = makeBox(client, "Edit1", 1, 96, 120, 21);
    Edit1->setText(QStringLiteral("Inordruta"));
    Edit2 = makeBox(client, "Edit2", 125, 96, 128, 21);
    Edit2->setText(QStringLiteral("Uppslagsord"));

    Label1 = makeLabel(client, "Label1", QStringLiteral("Lex1:"), 255, 85, 27);
    Label1->adjustSize();
    Label2 = makeLabel(client, "Label2", QString(), 282, 85, 215);
    Label13 = makeLabel(client, "Label13", QStringLiteral("Lex2:"), 255, 100, 27);
    Label13->adjustSize();
    Label14 = makeLabel(client, "Label14", QString(), 282, 100, 215);
    // The sans-serif font here is wider than the one the row was laid out
    // for: keep the folder names clear of "Lex1:" and "Lex2:".
    for (QLabel* label : {Label2, Label14}) label->setIndent(3);
    Label22 = makeLabel(client, "Label22", QString(), 500, 85, 190);
    Label15 = makeLabel(client, "Label15", QString(), 500, 100, 190);

    Button1 = makeButton(client, "Button1", QStringLiteral("Visa Lexikon"), 696, 90, 83, 25);
}

void TForm1::createTextAreas(QWidget* client) {
    RichEdit3 = place(new QTextEdit(client), "RichEdit3", 270, 5, 465, 80);
    RichEdit3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichEdit3->setAcceptRichText(false);

    RichEdit2 = place(new QTextEdit(client), "RichEdit2", 1, 118, 780, 400);
    RichEdit2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit2->setAcceptRichText(false);
    QFont outputFont = displayFont(FontSpec{.name = "MS Sans Serif", .bold = true});
    outputFont.setPixelSize(13);
    RichEdit2->setFont(outputFont);
    RichEdit2->setPlainText(startText());
}

void TForm1::createHiddenControls(QWidget* client) {
    Edit5 = makeRedBox(client, "Edit5", 125, 96, 300, 21);

    Memo1 = place(new QPlainTextEdit(client), "Memo1", 270, 5, 481, 80);
    Memo1->hide();

    Edit3 = makeRedBox(client, "Edit3", 272, 8, 409, 24);
    QFont messageFont = displayFont(FontSpec{.name = "MS Sans Serif", .bold = true});
    messageFont.setPixelSize(13);
    Edit3->setFont(messageFont);

    Button2 = makeButton(client, "Button2", QString(), 600, 62, 130, 22);
    Button4 = makeButton(client, "Button4", QStringLiteral("Återgå"), 5, 1, 75, 22);
    Button5 = makeButton(client, "Button5", QStringLiteral("Långa rader"), 85, 1, 90, 22);
    for (QPushButton* button : {Button2, Button4, Button5}) button->hide();

    // The title page covers the whole window; start-up sizes it to the screen.
    Panel1 = place(new QFrame(client), "Panel1", 0, 0, kDesignWidth, kDesignHeight);
    setGround(*Panel1, QColor(0x00, 0x00, 0xFF));
    Panel1->hide();

    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(1000);
    Timer3->setSingleShot(true);
}

}  // namespace vernik
