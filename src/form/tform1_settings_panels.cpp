#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "form/panel_making.h"
#include "form/tform1.h"
#include "platform/qt_text.h"
#include "platform/widget_look.h"
#include "settings/settings_layout.h"

namespace vernik {
namespace {

constexpr int kRowTop = 50;
constexpr int kRowStep = 25;
constexpr int kBoxHeight = 21;
constexpr int kLabelLeft = 8;
constexpr int kModLeft = 140;
constexpr int kModWidth = 24;
constexpr int kValueLeft = 170;

QFrame* makePanel(QWidget* client, const char* name, const QRect& place) {
    return raisedPanel(client, QString::fromLatin1(name), place);
}

QLabel* makeLabel(QWidget* panel, const QString& name, const QString& text, int left, int top,
                  int width) {
    auto* label = placed(new QLabel(text, panel), name, QRect(left, top, width, 16));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* makeBox(QWidget* panel, const QString& name, std::string_view text, const QRect& place) {
    auto* box = placed(new QLineEdit(panel), name, place);
    box->setText(fromBytes(text));
    return box;
}

QPushButton* makeButton(QWidget* panel, const char* name, const QString& caption, int left, int top,
                        int width) {
    return placed(new QPushButton(caption, panel), QString::fromLatin1(name),
                  QRect(left, top, width, 25));
}

// The panel's heading and the meaning of the Mod codes.
void makeHeading(QWidget* panel, const QString& prefix, const QString& title) {
    QLabel* heading = makeLabel(panel, prefix + QStringLiteral("Title"), title, kLabelLeft, 6, 300);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    makeLabel(panel, prefix + QStringLiteral("Mod1"), QStringLiteral("0 = 4 = Default"), kLabelLeft,
              28, 120);
    makeLabel(panel, prefix + QStringLiteral("Mod2"), QStringLiteral("1 = Ändras"), kModLeft, 28,
              90);
    makeLabel(panel, prefix + QStringLiteral("Mod3"), QStringLiteral("2 = Fast  3=FastFast"), 240,
              28, 160);
}

// One entry: its label (named after the Mod box), its Mod box and its value
// box, with the built-in texts.
struct EntryRow {
    QLineEdit* mod;
    QLineEdit* value;
};

EntryRow makeEntryRow(QWidget* panel, SettingsEntry entry, const QString& modName,
                      const QString& valueName, int top, int valueWidth) {
    const SettingsEntryLayout& layout = layoutOf(entry);
    makeLabel(panel, QStringLiteral("Label") + modName.mid(4), fromBytes(layout.label), kLabelLeft,
              top + 3, kModLeft - kLabelLeft - 4);
    return {makeBox(panel, modName, layout.defaultMod, QRect(kModLeft, top, kModWidth, kBoxHeight)),
            makeBox(panel, valueName, layout.defaultValue,
                    QRect(kValueLeft, top, valueWidth, kBoxHeight))};
}

}  // namespace

void TForm1::createSettingsPanels(QWidget* client) {
    PanelIni = makePanel(client, "PanelIni", QRect(120, 8, 560, 392));
    makeHeading(PanelIni, QStringLiteral("LabelPIni"), QStringLiteral("Startvärden"));
    struct Row {
        SettingsEntry entry;
        QLineEdit** mod;
        QLineEdit** value;
        const char* modName;
        const char* valueName;
    };
    const Row rows[] = {
        {SettingsEntry::Lexicon1Folder, &EditPIni1, &EditPIni2, "EditPIni1", "EditPIni2"},
        {SettingsEntry::Lexicon2Folder, &EditPIni3, &EditPIni4, "EditPIni3", "EditPIni4"},
        {SettingsEntry::StartDocument, &EditPIni21, &EditPIni22, "EditPIni21", "EditPIni22"},
        {SettingsEntry::StartAddress, &EditPIni25, &EditPIni26, "EditPIni25", "EditPIni26"},
        {SettingsEntry::OpenFolder, &EditPIni5, &EditPIni6, "EditPIni5", "EditPIni6"},
        {SettingsEntry::SaveFolder, &EditPIni7, &EditPIni8, "EditPIni7", "EditPIni8"},
        {SettingsEntry::TitlePage, &EditPIni9, &EditPIni10, "EditPIni9", "EditPIni10"},
        {SettingsEntry::FontName, &EditPIni11, &EditPIni12, "EditPIni11", "EditPIni12"},
        {SettingsEntry::FontSize, &EditPIni13, &EditPIni14, "EditPIni13", "EditPIni14"},
        {SettingsEntry::FontColour, &EditPIni15, &EditPIni16, "EditPIni15", "EditPIni16"},
        {SettingsEntry::FontStyle, &EditPIni17, &EditPIni18, "EditPIni17", "EditPIni18"},
    };
    int top = kRowTop;
    for (const Row& row : rows) {
        const int width = row.entry == SettingsEntry::TitlePage ? 40 : 380;
        const EntryRow made = makeEntryRow(PanelIni, row.entry, QString::fromLatin1(row.modName),
                                           QString::fromLatin1(row.valueName), top, width);
        *row.mod = made.mod;
        *row.value = made.value;
        if (row.entry == SettingsEntry::TitlePage) {
            makeLabel(PanelIni, QStringLiteral("LabelPIniTitlePage"),
                      QStringLiteral("0 = Ingen    1 = Visa"), kValueLeft + 48, top + 3, 200);
        }
        top += kRowStep;
    }
    LabelPIni18 = makeLabel(PanelIni, QStringLiteral("LabelPIni18"),
                            QStringLiteral("Ingen Inifil hittad"), kLabelLeft, top + 6, 544);
    const int buttonTop = top + 30;
    ButtonPIni1 = makeButton(PanelIni, "ButtonPIni1", QStringLiteral("OK"), 8, buttonTop, 80);
    ButtonPIni2 = makeButton(PanelIni, "ButtonPIni2", QStringLiteral("Avbryt"), 96, buttonTop, 80);
    ButtonPIni3 = makeButton(PanelIni, "ButtonPIni3", QStringLiteral("Utskriftsintällning"), 184,
                             buttonTop, 130);

    // Kept out of sight: the output box's height and a character-set entry
    // that has no line in the file.
    const EntryRow height =
        makeEntryRow(PanelIni, SettingsEntry::ScreenTextHeight, QStringLiteral("EditPIni19"),
                     QStringLiteral("EditPIni20"), buttonTop, 60);
    EditPIni19 = height.mod;
    EditPIni20 = height.value;
    auto* charsetLabel = makeLabel(PanelIni, QStringLiteral("LabelPIniCharset"),
                                   QStringLiteral("Charset"), kLabelLeft, buttonTop, 100);
    EditPIni23 = makeBox(PanelIni, QStringLiteral("EditPIni23"), "",
                         QRect(kModLeft, buttonTop, kModWidth, kBoxHeight));
    EditPIni24 = makeBox(PanelIni, QStringLiteral("EditPIni24"), "",
                         QRect(kValueLeft, buttonTop, 60, kBoxHeight));
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             EditPIni19, EditPIni20, EditPIni23, EditPIni24, charsetLabel,
             PanelIni->findChild<QLabel*>(QStringLiteral("LabelPIni19"))}) {
        hidden->hide();
    }

    PanelIniU = makePanel(client, "PanelIniU", QRect(160, 30, 440, 320));
    makeHeading(PanelIniU, QStringLiteral("LabelPPIni"), QStringLiteral("Utskriftsinställning"));
    QLineEdit** printBoxes[] = {
        &EditPPIni1,  &EditPPIni2,  &EditPPIni3,  &EditPPIni4,  &EditPPIni5,  &EditPPIni6,
        &EditPPIni7,  &EditPPIni8,  &EditPPIni9,  &EditPPIni10, &EditPPIni11, &EditPPIni12,
        &EditPPIni13, &EditPPIni14, &EditPPIni15, &EditPPIni16, &EditPPIni17, &EditPPIni18};
    top = kRowTop;
    for (int i = 0; i < 9; ++i) {
        const auto entry =
            static_cast<SettingsEntry>(static_cast<int>(SettingsEntry::ScaleHor) + i);
        const EntryRow made =
            makeEntryRow(PanelIniU, entry, QStringLiteral("EditPPIni%1").arg(2 * i + 1),
                         QStringLiteral("EditPPIni%1").arg(2 * i + 2), top, 200);
        *printBoxes[2 * i] = made.mod;
        *printBoxes[2 * i + 1] = made.value;
        top += kRowStep;
    }
    ButtonPPIni1 = makeButton(PanelIniU, "ButtonPPIni1", QStringLiteral("OK"), 8, top + 10, 80);
    ButtonPPIni2 =
        makeButton(PanelIniU, "ButtonPPIni2", QStringLiteral("Avbryt"), 96, top + 10, 80);
}

}  // namespace vernik
