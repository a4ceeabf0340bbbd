#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "form/tform1.h"
#include "platform/widget_look.h"

namespace vernik {
namespace {

// The controls of one lexicon choice panel, named after its prefix.
struct LexiconPanelControls {
    QFrame* panel;
    QLabel* prompt;
    QLabel* nameLabel;
    QLineEdit* fileField;
    QPushButton* browse;
    QPushButton* ok;
    QPushButton* cancel;
};

template <typename Control>
Control* named(Control* control, const QString& name, const QRect& place) {
    control->setObjectName(name);
    control->setGeometry(place);
    return control;
}

// A panel over the comment box: the prompt, the file field and its buttons.
LexiconPanelControls makeLexiconPanel(QWidget* client, const QString& panelName,
                                      const QString& prefix, const QString& prompt,
                                      const QString& nameCaption) {
    LexiconPanelControls c{};
    c.panel = named(new QFrame(client), panelName, QRect(270, 5, 465, 84));
    c.panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    setGround(*c.panel, look::buttonFace());
    c.prompt = named(new QLabel(prompt, c.panel), prefix.arg(u"Label", u"1"), QRect(8, 6, 449, 14));
    c.nameLabel =
        named(new QLabel(nameCaption, c.panel), prefix.arg(u"Label", u"2"), QRect(8, 30, 50, 14));
    c.fileField = named(new QLineEdit(c.panel), prefix.arg(u"Edit", u"1"), QRect(60, 27, 397, 21));
    c.browse = named(new QPushButton(QStringLiteral("Browse"), c.panel),
                     prefix.arg(u"Button", u"1"), QRect(60, 54, 80, 24));
    c.ok = named(new QPushButton(QStringLiteral("OK"), c.panel), prefix.arg(u"Button", u"2"),
                 QRect(150, 54, 80, 24));
    c.cancel = named(new QPushButton(QStringLiteral("Avbryt"), c.panel),
                     prefix.arg(u"Button", u"3"), QRect(240, 54, 80, 24));
    c.panel->hide();
    return c;
}

}  // namespace

void TForm1::createLexiconChoicePanels(QWidget* client) {
    const auto one =
        makeLexiconPanel(client, QStringLiteral("PanelLex1"), QStringLiteral("%1PLex%2"),
                         QStringLiteral("Öppna filen Aalt.lex i den mapp som innehåller lexikon1"),
                         QStringLiteral("Filnamn:"));
    PanelLex1 = one.panel;
    LabelPLex1 = one.prompt;
    LabelPLex2 = one.nameLabel;
    EditPLex1 = one.fileField;
    ButtonPLex1 = one.browse;
    ButtonPLex2 = one.ok;
    ButtonPLex3 = one.cancel;

    const auto two =
        makeLexiconPanel(client, QStringLiteral("PanelLex2"), QStringLiteral("%1P2Lex%2"),
                         QStringLiteral("Öppna filen Aalt.lex i den mapp som innehåller lexikon2"),
                         QStringLiteral("Filnamn"));
    PanelLex2 = two.panel;
    LabelP2Lex1 = two.prompt;
    LabelP2Lex2 = two.nameLabel;
    EditP2Lex1 = two.fileField;
    ButtonP2Lex1 = two.browse;
    ButtonP2Lex2 = two.ok;
    ButtonP2Lex3 = two.cancel;
}

}  // namespace vernik
