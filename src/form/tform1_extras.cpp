#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <tuple>
#include <utility>

#include "form/program_texts.h"
#include "form/tform1.h"
#include "platform/display_font.h"
#include "platform/qt_text.h"
#include "platform/widget_look.h"
#include "settings/settings_layout.h"

namespace vernik {
namespace {

template <typename Control>
Control* place(Control* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(left, top, width, height);
    return control;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top, int width,
              int height = 16) {
    auto* made = place(new QLabel(text, parent), name, left, top, width, height);
    made->setTextFormat(Qt::PlainText);
    return made;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top,
                    int width, int height = 25) {
    return place(new QPushButton(caption, parent), name, left, top, width, height);
}

QPlainTextEdit* pane(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* box = place(new QPlainTextEdit(parent), name, left, top, width, height);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setFont(displayFont(FontSpec{.name = "Courier New"}, 9));
    box->hide();
    return box;
}

// A manual: the text of data/manuals/`file`, bold, shown at the top left.
QPlainTextEdit* manual(QWidget* parent, const char* name, const char* file, int width, int height,
                       int pixelSize = 13) {
    auto* box = place(new QPlainTextEdit(parent), name, 2, 1, width, height);
    QString text = programText(QStringLiteral("manuals/") + QString::fromLatin1(file));
    text.replace(QStringLiteral("@VERSION@"), programVersion());
    box->setPlainText(text);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->viewport()->setCursor(Qt::PointingHandCursor);
    QFont font = displayFont(FontSpec{.name = "MS Sans Serif"});
    font.setPixelSize(pixelSize);
    font.setBold(true);
    box->setFont(font);
    box->hide();
    return box;
}

void setTitleFont(QLabel& text, int pixelSize) {
    QFont font = displayFont(FontSpec{.name = "Arial"});
    font.setPixelSize(pixelSize);
    font.setBold(true);
    text.setFont(font);
    setTextColour(text, QColor(Qt::white));
}

}  // namespace

void TForm1::createHexPanel(QWidget* client) {
    PanelHack = place(new QFrame(client), "PanelHack", 0, 0, 801, 57);
    PanelHack->setAutoFillBackground(true);
    LabelPH1 =
        label(PanelHack, "LabelPH1", QStringLiteral("Visar innehållet i diskfilen: "), 8, 5, 160);
    LabelPH2 = label(PanelHack, "LabelPH2", QString(), 170, 5, 620);
    ButtonPH4 = button(PanelHack, "ButtonPH4", QStringLiteral("Ny Fil"), 8, 27, 70);
    ButtonPH3 = button(PanelHack, "ButtonPH3", QStringLiteral("Spara som"), 82, 27, 70);
    ButtonPH5 = button(PanelHack, "ButtonPH5", QStringLiteral("KÖR"), 156, 27, 50);
    ButtonPH5->setEnabled(false);
    ButtonPH2 = button(PanelHack, "ButtonPH2", QStringLiteral("Ny Font"), 210, 27, 70);
    ButtonPH1 = button(PanelHack, "ButtonPH1", QStringLiteral("Stäng"), 284, 27, 60);
    LabelPH3 = label(PanelHack, "LabelPH3", QStringLiteral("Från bytenrx16"), 370, 31, 90);
    EditPH1 = place(new QLineEdit(QStringLiteral("0"), PanelHack), "EditPH1", 462, 28, 90, 21);
    LabelPH4 = label(PanelHack, "LabelPH4", QStringLiteral("Till bytenrx16"), 570, 31, 90);
    EditPH2 = place(new QLineEdit(QStringLiteral("20"), PanelHack), "EditPH2", 662, 28, 90, 21);
    PanelHack->hide();

    MemoHack1 = pane(client, "MemoHack1", 1, 56, 529, 409);
    MemoHack1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoHack2 = pane(client, "MemoHack2", 544, 56, 249, 425);
    MemoHack2->setReadOnly(true);
    MemoHack2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoHack2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void TForm1::createWebPanel(QWidget* client) {
    PanelInt = place(new QFrame(client), "PanelInt", RichEdit2->x(), RichEdit2->y(),
                     RichEdit2->width(), RichEdit2->height());
    PanelInt->setAutoFillBackground(true);
    Label3 = label(PanelInt, "Label3", QStringLiteral("Sök URL:"), 4, 6, 55);
    EditPInt1 = place(new QLineEdit(PanelInt), "EditPInt1", 60, 3, 420, 22);
    EditPInt1->setText(fromBytes(layoutOf(SettingsEntry::StartAddress).defaultValue));
    ButtonPInt1 = button(PanelInt, "ButtonPInt1", QStringLiteral("Sök"), 486, 2, 60);
    ButtonPInt2 = button(PanelInt, "ButtonPInt2", QStringLiteral("Stäng Browser"), 550, 2, 100);
    PanelInt->hide();
}

void TForm1::createManuals(QWidget* client) {
    constexpr int kWidth = 560;
    constexpr int kHeight = 505;
    Memo4 = manual(client, "Memo4", "omvernik.txt", 433, 350);
    Memo3 = manual(client, "Memo3", "bruks.txt", kWidth, kHeight);
    Memo2 = manual(client, "Memo2", "lexik.txt", kWidth, kHeight);
    Memo7 = manual(client, "Memo7", "alfa.txt", kWidth, kHeight);
    Memo9 = manual(client, "Memo9", "cd.txt", kWidth, kHeight);
    Memo5 = manual(client, "Memo5", "format.txt", kWidth, kHeight);
    Memo10 = manual(client, "Memo10", "musskrift.txt", kWidth, kHeight);
    Memo12 = manual(client, "Memo12", "spsp.txt", kWidth, kHeight, 19);
    MemoOrdlista1 = manual(client, "MemoOrdlista1", "ordlista.txt", kWidth, kHeight);
    MemoLang = manual(client, "MemoLang", "sprak.txt", kWidth, kHeight);
    MemoInt1 = manual(client, "MemoInt1", "internet.txt", kWidth, kHeight);
}

void TForm1::createTitlePageContent() {
    const std::pair<QLabel**, std::tuple<const char*, QString, int, int, int>> texts[] = {
        {&Label5, {"Label5", QStringLiteral("Välkommen till  Vernik"), 40, 40, 34}},
        {&Label6, {"Label6", QStringLiteral("med dubbelkomma"), 40, 90, 24}},
        {&Label7,
         {"Label7",
          QStringLiteral("Programmet för dig som skriver brev, hemsidor, uppsatser, artiklar "
                         "eller något annat"),
          40, 150, 18}},
        {&Label8, {"Label8", QStringLiteral("på utrikiska"), 40, 205, 18}},
        {&Label9, {"Label9", QStringLiteral("Klicka på START"), 40, 250, 24}},
    };
    for (const auto& [member, text] : texts) {
        const auto& [name, caption, left, top, pixelSize] = text;
        *member = label(Panel1, name, caption, left, top, 720, pixelSize + 12);
        setTitleFont(**member, pixelSize);
    }
    // The long line takes two lines on the designed width.
    Label7->setWordWrap(true);
    Label7->resize(Label7->width(), 2 * Label7->height());
    Button3 = button(Panel1, "Button3", QStringLiteral("START"), 40, 300, 140, 40);
    BitBtn1 =
        button(Panel1, "BitBtn1", QStringLiteral("Visa inte denna försättssida i fortsättningen"),
               40, 360, 330, 28);
}

}  // namespace vernik
