#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "form/panel_making.h"
#include "form/tform1.h"

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

// A panel over the comment box: the prompt, the file field and its buttons.
LexiconPanelControls makeLexiconPanel(QWidget* client, const QString& panelName,
                                      const QString& prefix, const QString& prompt,
                                      const QString& nameCaption) {
    LexiconPanelControls c{};
    c.panel = raisedPanel(client, panelName, QRect(270, 5, 465, 84));
    c.prompt =
        placed(new QLabel(prompt, c.panel), prefix.arg(u"Label", u"1"), QRect(8, 6, 449, 14));
    c.nameLabel =
        placed(new QLabel(nameCaption, c.panel), prefix.arg(u"Label", u"2"), QRect(8, 30, 50, 14));
    c.fileField = placed(new QLineEdit(c.panel), prefix.arg(u"Edit", u"1"), QRect(60, 27, 397, 21));
    c.browse = placed(new QPushButton(QStringLiteral("Browse"), c.panel),
                      prefix.arg(u"Button", u"1"), QRect(60, 54, 80, 24));
    c.ok = placed(new QPushButton(QStringLiteral("OK"), c.panel), prefix.arg(u"Button", u"2"),
                  QRect(150, 54, 80, 24));
    c.cancel = placed(new QPushButton(QStringLiteral("Avbryt"), c.panel),
                      prefix.arg(u"Button", u"3"), QRect(240, 54, 80, 24));
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
