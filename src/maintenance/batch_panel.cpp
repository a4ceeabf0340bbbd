#include "maintenance/batch_panel.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>

#include "form/shared_state.h"
#include "form/tform1.h"
#include "maintenance/lexicon_merge.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/qt_text.h"

namespace vernik {
namespace {

constexpr QStringView kMainPrompt =
    u"Skriv in namnet på den mapp där huvudlexikonet finns eller Bläddra";
constexpr QStringView kSourcePrompt =
    u"Skriv in namnet på den mapp där utgångslexikonet finns eller Bläddra";
constexpr QStringView kDifferencePrompt =
    u"Skriv in namnet på den mapp där du vill ha skillnadslexikonet";
constexpr QStringView kReversedPrompt =
    u"Skriv in namnet på den mapp där du vill ha det omvända lexikonet";
constexpr QStringView kSubtractionTitle = u"Subtraktion av lexikon";

const QString kLexiconFilter = QStringLiteral("Lexikon (*.lex);;Alla filer (*)");
const QString kAnyFileFilter = QStringLiteral("Alla filer (*)");

// The row's path box as a native path, with "/Aalt.lex" appended.
std::string aaltPathIn(const QLineEdit& box) {
    return box.text().toStdString() + "/Aalt.lex";
}

// Where a browse dialog starts: Aalt.lex in the folder the box names.
QString proposedFile(const QLineEdit& box) {
    return box.text().isEmpty() ? QStringLiteral("Aalt.lex")
                                : box.text() + QStringLiteral("/Aalt.lex");
}

QString folderOf(const QString& file) {
    return QString::fromStdString(folderPart(file.toStdString()));
}

}  // namespace

BatchPanel::BatchPanel(TForm1& form, SharedState& state, Dialogs& dialogs,
                       std::function<void()> closeLexicon2)
    : QObject(&form),
      form_(form),
      state_(state),
      dialogs_(dialogs),
      closeLexicon2_(std::move(closeLexicon2)) {
    connect(form_.LexAdd1, &QAction::triggered, this, &BatchPanel::LexAdd1Click);
    connect(form_.Lexsub1, &QAction::triggered, this, &BatchPanel::Lexsub1Click);
    connect(form_.Lexsub2, &QAction::triggered, this, &BatchPanel::Lexsub2Click);
    connect(form_.Lexomv1, &QAction::triggered, this, &BatchPanel::Lexomv1Click);
    connect(form_.LexList1, &QAction::triggered, this, &BatchPanel::LexList1Click);
    connect(form_.Insortering1, &QAction::triggered, this, &BatchPanel::Insortering1Click);
    connect(form_.Nyalistord1, &QAction::triggered, this, &BatchPanel::Nyalistord1Click);
    connect(form_.EditPSam1, &QLineEdit::textChanged, this, &BatchPanel::EditPSam1Change);
    connect(form_.EditPSam2, &QLineEdit::textChanged, this, &BatchPanel::EditPSam2Change);
    connect(form_.EditPSam3, &QLineEdit::textChanged, this, &BatchPanel::EditPSam3Change);
    connect(form_.ButtonPSam1, &QPushButton::clicked, this, &BatchPanel::ButtonPSam1Click);
    connect(form_.ButtonPSam2, &QPushButton::clicked, this, &BatchPanel::ButtonPSam2Click);
    connect(form_.ButtonPSam3, &QPushButton::clicked, this, &BatchPanel::ButtonPSam3Click);
    connect(form_.ButtonPSam4, &QPushButton::clicked, this, &BatchPanel::ButtonPSam4Click);
    connect(form_.ButtonPSam5, &QPushButton::clicked, this, &BatchPanel::ButtonPSam5Click);
    connect(form_.ButtonPSam7, &QPushButton::clicked, this, &BatchPanel::ButtonPSam7Click);
    for (QLineEdit* box : {form_.EditPSam1, form_.EditPSam2, form_.EditPSam3}) {
        box->installEventFilter(this);
    }
}

// A click in a path box counts as a change of it.
bool BatchPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == form_.EditPSam1) EditPSam1Change();
        if (watched == form_.EditPSam2) EditPSam2Change();
        if (watched == form_.EditPSam3) EditPSam3Change();
    }
    return QObject::eventFilter(watched, event);
}

void BatchPanel::LexAdd1Click() {
    setUp({'a',
           kMainPrompt,
           u"Sammanläggning av lexikon",
           u"Skriv in namnet på den mapp där du vill ha det sammanlagda lexikonet",
           {},
           true,
           false,
           true});
}

void BatchPanel::Lexsub1Click() {
    setUp({'s', kMainPrompt, kSubtractionTitle, kDifferencePrompt, {}, false, false, false});
}

void BatchPanel::Lexsub2Click() {
    setUp({'z', kMainPrompt, kSubtractionTitle, kDifferencePrompt, {}, false, false, false});
}

void BatchPanel::Lexomv1Click() {
    setUp({'o', kSourcePrompt, u"Omvändning av lexikon", kReversedPrompt,
           u"Lexikonomvändning pågår", false, true, false});
}

void BatchPanel::LexList1Click() {
    setUp({'l', kSourcePrompt, u"Lexikon till lista", kReversedPrompt, u"Lexikon till lista pågår",
           false, true, false});
}

void BatchPanel::Insortering1Click() {
    setUp({'i', u"Ange namn på filen med insorteringslistan", u"Insortering i lexikon",
           u"Skriv in namnet på mappen med det lexikon du vill lägga in i", u"Insortering pågår",
           true, false, true});
}

void BatchPanel::Nyalistord1Click() {
    setUp({'w',
           u"Ange namn på filen med ordlistan",
           u"Nya listord",
           {},
           u"Genomgång av ordlista mot Lexikon1",
           false,
           false,
           true});
}

void BatchPanel::setUp(const Setup& setup) {
    auto& maintenance = state_.maintenance;
    if (state_.workspace.Lexicon2Open && closeLexicon2_) closeLexicon2_();
    if (setup.marksOff) {
        maintenance.MarkNewWords = false;
        form_.LabelPSam7->hide();  // it would claim marking is on
    }
    form_.ButtonPSam7->setVisible(setup.markButton);
    form_.ButtonPSam6->setVisible(setup.excludedButton);
    maintenance.BatchOp = setup.batchOp;
    form_.PanelSam1->show();
    form_.PanelSam1->raise();
    form_.PanelSam1->repaint();

    form_.LabelPSam1->setText(setup.firstPrompt.toString());
    form_.LabelPSam4->setText(setup.title.toString());
    if (!setup.thirdPrompt.isEmpty()) {
        form_.LabelPSam3->setText(setup.thirdPrompt.toString() + QStringLiteral(" eller Bläddra"));
    }
    const auto merge = mergeOperationOf(setup.batchOp);
    form_.Edit3->setText(merge ? fromBytes(mergeRunningText(*merge)) : setup.message.toString());
    form_.Edit3->setCursorPosition(0);
    showRow(2, false);
    showRow(3, false);
    form_.ButtonPSam4->hide();
    form_.Edit3->show();
    form_.Edit3->raise();
    // Typing goes to the first path box, not to the document behind the panel.
    form_.EditPSam1->setFocus();
}

void BatchPanel::showRow(int row, bool shown) {
    QWidget* const rows[][3] = {
        {form_.LabelPSam1, form_.EditPSam1, form_.ButtonPSam1},
        {form_.LabelPSam2, form_.EditPSam2, form_.ButtonPSam2},
        {form_.LabelPSam3, form_.EditPSam3, form_.ButtonPSam3},
    };
    for (QWidget* control : rows[row - 1]) control->setVisible(shown);
}

char BatchPanel::operation() const {
    const char op = state_.maintenance.BatchOp;
    return op >= 'A' && op <= 'Z' ? static_cast<char>(op - 'A' + 'a') : op;
}

void BatchPanel::EditPSam1Change() {
    switch (operation()) {
        case 'a':
        case 's':
        case 'z':
            showRow(2, true);
            state_.maintenance.FirstPath = aaltPathIn(*form_.EditPSam1);
            break;
        case 'l':
        case 'w':
            form_.ButtonPSam6->hide();
            form_.ButtonPSam4->show();
            break;
        case 'o':
        case 'i':
            EditPSam2Change();  // the third row follows the first
            break;
        default:
            break;
    }
}

void BatchPanel::EditPSam2Change() {
    showRow(3, true);
    state_.maintenance.SecondPath = aaltPathIn(*form_.EditPSam2);
}

void BatchPanel::EditPSam3Change() {
    state_.maintenance.ThirdPath = aaltPathIn(*form_.EditPSam3);
    form_.ButtonPSam4->show();
}

void BatchPanel::ButtonPSam1Click() {
    const bool listFile = operation() == 'i' || operation() == 'w';
    form_.LabelPSam1->setText(
        operation() == 'i'
            ? QStringLiteral("Öppna den fil som innehåller insorteringslistan")
            : QStringLiteral("Öppna filen Aalt.lex i den mapp där du har huvudlexikonet"));
    const auto chosen =
        dialogs_.openFile(&form_, form_.LabelPSam1->text(), proposedFile(*form_.EditPSam1),
                          listFile ? kAnyFileFilter : kLexiconFilter);
    if (!chosen) return;
    state_.maintenance.FirstPath = chosen->toStdString();
    form_.EditPSam1->setText(listFile ? *chosen : folderOf(*chosen));
}

void BatchPanel::ButtonPSam2Click() {
    form_.LabelPSam2->setText(
        QStringLiteral("Öppna filen Aalt.lex i den mapp där du har tilläggslexikonet"));
    const auto chosen = dialogs_.openFile(&form_, form_.LabelPSam2->text(),
                                          proposedFile(*form_.EditPSam2), kLexiconFilter);
    if (!chosen) return;
    state_.maintenance.SecondPath = chosen->toStdString();
    form_.EditPSam2->setText(folderOf(*chosen));
}

void BatchPanel::ButtonPSam3Click() {
    const auto chosen =
        dialogs_.saveFile(&form_, form_.LabelPSam3->text(), proposedFile(*form_.EditPSam3),
                          kLexiconFilter, QStringLiteral("lex"));
    if (!chosen) return;
    state_.maintenance.ThirdPath = chosen->toStdString();
    form_.EditPSam3->setText(folderOf(*chosen));
}

void BatchPanel::ButtonPSam5Click() {
    form_.ButtonPSam6->hide();
    form_.PanelSam1->hide();
    form_.Edit3->hide();
    form_.ProgressBar1->hide();
    state_.maintenance.MarkNewWords = true;
    form_.LabelPSam7->hide();
    form_.RichEdit2->setFocus();
}

void BatchPanel::ButtonPSam7Click() {
    state_.maintenance.MarkNewWords = true;
    form_.ButtonPSam7->hide();
    form_.LabelPSam7->show();
}

void BatchPanel::setOperationRun(char batchOp, std::function<void()> run) {
    runs_[batchOp] = std::move(run);
}

void BatchPanel::ButtonPSam4Click() {
    auto& ws = state_.workspace;
    if (!ws.OutputBoxStarted) {
        form_.RichEdit2->clear();
        ws.OutputBoxStarted = true;
        state_.document.DocumentChanged = false;
    }
    for (QLineEdit* box :
         {form_.EditPAlt1, form_.EditPAlt2, form_.EditPAlt3, form_.EditPAlt5, form_.EditPAlt6}) {
        box->clear();
    }
    form_.ButtonPSam6->hide();
    form_.PanelSam1->hide();
    form_.ProgressBar1->show();
    form_.ProgressBar1->raise();
    form_.ProgressBar1->repaint();

    const auto run = runs_.find(operation());
    if (run != runs_.end() && run->second) run->second();
    form_.LabelPSam1->setText(kMainPrompt.toString());
    if (const auto merge = mergeOperationOf(state_.maintenance.BatchOp)) runMerge(*merge);

    state_.maintenance.BatchOp = 'n';
    state_.maintenance.MarkNewWords = true;
    form_.LabelPSam7->hide();
    form_.RichEdit2->setFocus();
}

// The letters one by one, the progress bar and the message bar painted
// before each; what the run reported stays readable in a message box.
void BatchPanel::runMerge(MergeOperation operation) {
    const MergeRequest request{
        .operation = operation,
        .mainFolder = form_.EditPSam1->text().toStdString(),
        .secondFolder = form_.EditPSam2->text().toStdString(),
        .resultFolder = form_.EditPSam3->text().toStdString(),
        .markNewWords = state_.maintenance.MarkNewWords,
        .rank = &state_.workspace.CollationRank,
    };
    const MergeObserver observer{
        .letterStarts =
            [this](char, int progress) {
                form_.ProgressBar1->setValue(progress);
                form_.ProgressBar1->repaint();
            },
        .message =
            [this](const std::string& message) {
                form_.Edit3->setText(fromBytes(message));
                form_.Edit3->setCursorPosition(0);
                form_.Edit3->repaint();
            },
    };
    const MergeReport report = vernik::runMerge(request, observer);
    form_.Edit3->hide();
    form_.ProgressBar1->hide();

    QStringList lines;
    if (!report.ok()) lines << QStringLiteral("Körningen avbröts: ") + fromBytes(report.error);
    for (const std::string& message : report.messages) lines << fromBytes(message);
    if (!lines.isEmpty()) dialogs_.message(&form_, lines.join(u'\n'));
}

}  // namespace vernik
