#include "media/media_display.h"

#include <QAction>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include "form/shared_state.h"
#include "form/tform1.h"
#include "media/media_choice.h"
#include "media/media_word.h"
#include "media/sound_player.h"
#include "platform/box_code_page.h"
#include "platform/files.h"
#include "platform/rich_text_file.h"

namespace vernik {

namespace {

constexpr QRect kSmallPanel(576, 0, 180, 120);
constexpr QRect kLargePanel(156, 0, 600, 400);
constexpr int kCommentBoxWidth = 465;
constexpr int kCommentBoxBesidePicture = 310;
constexpr int kAnimationInterval = 200;
constexpr int kSlideShowInterval = 2000;
// Larger pictures are not decoded: they would hold the window for seconds.
constexpr qint64 kMostPicturePixels = 40'000'000;

// Runs `change` with lookups from selections off, so that the program's own
// changes of the comment box start no media lookup.
template <typename Change>
void withoutSelectionLookup(SharedState& state, Change change) {
    const bool lookupOn = state.workspace.SelectionLookupOn;
    state.workspace.SelectionLookupOn = false;
    change();
    state.workspace.SelectionLookupOn = lookupOn;
}

}  // namespace

MediaDisplay::MediaDisplay(TForm1& form, SharedState& state)
    : QObject(&form),
      form_(form),
      state_(state),
      sound_(new SoundPlayer(*form.MediaPlayer1, *form.MediaPlayer1Play, *form.MediaPlayer1Stop)) {
    connect(form_.Timer5, &QTimer::timeout, this, &MediaDisplay::Timer5Timer);
    connect(form_.Timer6, &QTimer::timeout, this, &MediaDisplay::Timer6Timer);
    connect(form_.Bildbort1, &QAction::triggered, this, &MediaDisplay::Bildbort1Click);
    connect(form_.RichEdit3, &QTextEdit::selectionChanged, this,
            &MediaDisplay::RichEdit3SelectionChange);
    // Any change of the output box puts the picture away.
    connect(form_.RichEdit2, &QTextEdit::textChanged, this, [this] {
        PanelBildHide();
        resizePanel(PictureSize::Small);
    });
    form_.ImagePBild1->installEventFilter(this);
}

bool MediaDisplay::eventFilter(QObject* watched, QEvent* event) {
    if (watched != form_.ImagePBild1) return QObject::eventFilter(watched, event);
    const auto* mouse = dynamic_cast<QMouseEvent*>(event);
    if (!mouse || mouse->button() != Qt::LeftButton) return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            pressedOnPicture_ = true;
            return true;
        case QEvent::MouseButtonRelease:
            // The release that ends a double-click is no click of its own.
            if (std::exchange(pressedOnPicture_, false)) ImagePBild1Click();
            return true;
        case QEvent::MouseButtonDblClick:
            pressedOnPicture_ = false;
            ImagePBild1DblClick();
            return true;
        default:
            return QObject::eventFilter(watched, event);
    }
}

void MediaDisplay::runMediaLookup() {
    auto& media = state_.media;
    const MediaChoice choice =
        chooseMedia(media.MediaWord, {.lexicon2Folder = state_.workspace.Lexicon2Folder,
                                      .outputFileFolder = state_.document.OutputFileFolder,
                                      .listFolder = media.ListFolder});
    takeMediaChoice(media, choice);
    if (!media.SoundFile.empty()) sound_->play(media.SoundFile);
    ShowPicture();
    if (!media.CommentFile.empty()) loadWholeFileComment(media.CommentFile);
}

void MediaDisplay::closeSound() {
    sound_->close();
}

void MediaDisplay::resetForLookup() {
    form_.MediaPlayer1->hide();
    form_.PanelBild->hide();
    // A series still running would bring the hidden panel back.
    form_.Timer5->stop();
    form_.Timer6->stop();
    resizePanel(PictureSize::Small);
    form_.Timer6->setInterval(kAnimationInterval);
    state_.media.SeriesRunning = true;
    state_.media.LexiconLookup = true;
}

void MediaDisplay::useSlideShowSpeed() {
    form_.Timer6->setInterval(kSlideShowInterval);
}

void MediaDisplay::PanelBildHide() {
    form_.PanelBild->hide();
}

void MediaDisplay::ShowPicture() {
    form_.Timer5->stop();
    form_.Timer6->stop();
    const PictureShowing showing = showPicture(state_.media);
    for (const std::string& file : showing.files) {
        if (!loadPicture(file)) continue;
        setCommentBoxWidth(kCommentBoxBesidePicture);
        form_.PanelBild->show();
        form_.PanelBild->raise();
    }
    if (showing.startHideTimer) form_.Timer5->start();
    if (showing.startSeriesTimer) form_.Timer6->start();
}

void MediaDisplay::ImagePBild1Click() {
    apply(clickPicture(state_.media, pictureSize()));
}

void MediaDisplay::ImagePBild1DblClick() {
    apply(doubleClickPicture(state_.media, pictureSize()));
}

void MediaDisplay::Timer5Timer() {
    form_.PanelBild->hide();
}

void MediaDisplay::Timer6Timer() {
    apply({.step = seriesTick(state_.media), .resize = std::nullopt});
}

void MediaDisplay::Bildbort1Click() {
    auto& media = state_.media;
    media.ShowPictures = !media.ShowPictures;
    if (media.ShowPictures) {
        form_.Bildbort1->setText(QStringLiteral("Dölj bild"));
        // An empty panel would only cover the comment box.
        if (!form_.ImagePBild1->pixmap().isNull()) {
            form_.PanelBild->show();
            form_.PanelBild->raise();
        }
    } else {
        form_.Bildbort1->setText(QStringLiteral("Visa bild"));
        form_.Timer5->start();
    }
}

void MediaDisplay::RichEdit3SelectionChange() {
    if (!state_.workspace.SelectionLookupOn) return;
    const std::string word = selectionMediaWord(
        boxBytes(*form_.RichEdit3, form_.RichEdit3->textCursor().selectedText()));
    if (word.empty()) return;
    state_.media.MediaWord = word;
    runMediaLookup();
}

PictureSize MediaDisplay::pictureSize() const {
    return form_.PanelBild->height() == kLargePanel.height() ? PictureSize::Large
                                                             : PictureSize::Small;
}

void MediaDisplay::resizePanel(PictureSize size) {
    const QRect place = size == PictureSize::Large ? kLargePanel : kSmallPanel;
    form_.PanelBild->setGeometry(place);
    form_.ImagePBild1->setGeometry(0, 0, place.width(), place.height());
}

void MediaDisplay::apply(const PictureAction& action) {
    if (action.resize) resizePanel(*action.resize);
    if (action.step == PictureStep::Show) ShowPicture();
    if (action.step == PictureStep::Hide) hidePanel();
}

void MediaDisplay::hidePanel() {
    form_.PanelBild->hide();
    setCommentBoxWidth(kCommentBoxWidth);
}

// Loads a picture into the panel's image; false when the file cannot be
// decoded, which leaves the picture shown before.
bool MediaDisplay::loadPicture(const std::string& file) {
    QImageReader reader(QString::fromStdString(file));
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMostPicturePixels) return false;
    // The panel stretches the picture to its own size anyway.
    const QSize largest = kLargePanel.size();
    if (size.width() > largest.width() || size.height() > largest.height()) {
        reader.setScaledSize(size.boundedTo(largest));
    }
    const QImage image = reader.read();
    if (image.isNull()) return false;
    form_.ImagePBild1->setPixmap(QPixmap::fromImage(image));
    return true;
}

void MediaDisplay::loadWholeFileComment(const std::string& file) {
    const auto bytes = readFileBytes(file);
    if (!bytes) return;
    withoutSelectionLookup(state_, [&] { loadRichText(*form_.RichEdit3->document(), *bytes); });
    state_.media.WholeFileComment = true;
}

void MediaDisplay::setCommentBoxWidth(int width) {
    form_.RichEdit3->resize(width, form_.RichEdit3->height());
}

}  // namespace vernik
