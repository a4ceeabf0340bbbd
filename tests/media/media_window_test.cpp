#include <QAction>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include "media/sound_player.h"
#include "program_fixture.h"

namespace vernik {
namespace {

const QRect kSmallPanel(576, 0, 180, 120);
const QRect kLargePanel(156, 0, 600, 400);

class MediaWindowTest : public ProgramFixture {
  protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        folder.writeLines("sven/Aalt.lex", {".A", "A", ".a\xFF\xFF\xFF", "F"});
        folder.writeLines("sven/Halt.lex", {".H", "H", ".hund", "dog", ".h\xFF\xFF\xFF", "F"});
        folder.writeLines("sven/Kalt.lex", {".K", "K", ".katt", "cat", ".k\xFF\xFF\xFF", "F"});
    }

    // A one-colour picture in Lexicon2's (the default "ensv") picture folder.
    void writePicture(const std::string& name, Qt::GlobalColor colour) {
        const auto file = folder.write("ensv/bild/" + name, "");
        QImage image(30, 20, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(QString::fromStdString(file.string())));
    }

    QColor shownColour() { return form().ImagePBild1->pixmap().toImage().pixelColor(5, 5); }
    bool pictureShown() { return form().PanelBild->isVisibleTo(&form()); }
    MediaDisplay& media() { return program->mediaDisplay; }
};

TEST_F(MediaWindowTest, ASeriesStepsOnEachTickAndEndsOnItsLastPicture) {
    writePicture("0katt.bmp", Qt::blue);
    writePicture("1katt.bmp", Qt::green);
    writePicture("2katt.bmp", Qt::red);
    start();
    std::vector<QColor> shown;
    QObject::connect(form().Timer6, &QTimer::timeout, [&] { shown.push_back(shownColour()); });
    typeWord("katt");
    EXPECT_TRUE(pictureShown());
    EXPECT_EQ(form().PanelBild->geometry(), kSmallPanel);
    EXPECT_EQ(form().RichEdit3->width(), 310);
    EXPECT_EQ(shownColour(), QColor(Qt::blue));
    EXPECT_EQ(form().Timer6->interval(), 200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form().Timer6->isActive(); }, 3000));
    EXPECT_EQ(shown, (std::vector<QColor>{Qt::green, Qt::red, Qt::red}));

    // A change in the output box puts the picture away.
    QTest::keyClicks(form().RichEdit2, "x");
    EXPECT_FALSE(pictureShown());
    typeWord("hund");  // no picture: the comment box keeps its width
    EXPECT_EQ(form().RichEdit3->width(), 465);
}

TEST_F(MediaWindowTest, WithPicturesOffAPictureHidesAfterASecond) {
    writePicture("hund.jpg", Qt::green);
    start();
    form().Bildbort1->trigger();
    EXPECT_EQ(form().Bildbort1->text(), "Visa bild");
    typeWord("hund");
    EXPECT_TRUE(pictureShown());
    EXPECT_EQ(form().Timer5->interval(), 1000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !pictureShown(); }, 2000));

    form().Bildbort1->trigger();
    EXPECT_EQ(form().Bildbort1->text(), "Dölj bild");
    EXPECT_TRUE(pictureShown());
}

TEST_F(MediaWindowTest, AClickEnlargesAndADoubleClickReturnsToTheSmallSize) {
    writePicture("hund.bmp", Qt::green);
    start();
    typeWord("hund");
    QTest::mouseClick(form().ImagePBild1, Qt::LeftButton);
    EXPECT_EQ(form().PanelBild->geometry(), kLargePanel);
    EXPECT_EQ(form().ImagePBild1->size(), kLargePanel.size());
    QTest::mouseClick(form().ImagePBild1, Qt::LeftButton);  // after a lexicon lookup: nothing
    EXPECT_EQ(form().PanelBild->geometry(), kLargePanel);
    QTest::mouseDClick(form().ImagePBild1, Qt::LeftButton);
    EXPECT_EQ(form().PanelBild->geometry(), kSmallPanel);
    EXPECT_EQ(form().ImagePBild1->size(), kSmallPanel.size());
    EXPECT_TRUE(pictureShown());

    // The next lookup starts from a hidden, small panel.
    QTest::mouseClick(form().ImagePBild1, Qt::LeftButton);
    typeWord("katt");
    EXPECT_FALSE(pictureShown());
    EXPECT_EQ(form().PanelBild->geometry(), kSmallPanel);
}

TEST_F(MediaWindowTest, PicturesThatCannotBeDecodedAreSkipped) {
    folder.write("ensv/bild/hund.jpg", "");  // zero bytes
    folder.write("ensv/bild/hund.bmp", "BM\x36\x00");
    // A bitmap header declaring 30000 by 30000 pixels, with no pixels behind it.
    std::string huge("BM", 2);
    huge += std::string("\x36\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00", 16);
    huge += std::string("\x30\x75\x00\x00\x30\x75\x00\x00\x01\x00\x18\x00", 12);
    huge += std::string(24, '\0');
    folder.write("ensv/bild/0hund.bmp", huge);
    folder.write("ensv/kom/hund.rtf", "{\\rtf1\\ansi {\\b broken");
    start();
    typeWord("hund");
    EXPECT_FALSE(pictureShown());
    EXPECT_TRUE(form().ImagePBild1->pixmap().isNull());
    EXPECT_EQ(form().RichEdit3->toPlainText(), "broken");
}

TEST_F(MediaWindowTest, AWholeFileCommentBesideTheOutputFileReplacesTheComments) {
    folder.write("ensv/kom/hund.rtf", "{\\rtf1\\ansi Lexicon2}");
    folder.write("out/kom/hund.rtf",
                 "{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}En \\cf1 hund\\cf0 .\\par}");
    start();
    state().document.OutputFileFolder = path("out");
    typeWord("hund");
    EXPECT_EQ(form().RichEdit3->toPlainText(), "En hund.");
    EXPECT_TRUE(state().media.WholeFileComment);
    QTextCursor cursor(form().RichEdit3->document());
    cursor.setPosition(4);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(Qt::red));

    typeWord("katt");
    EXPECT_FALSE(state().media.WholeFileComment);
}

TEST_F(MediaWindowTest, TheSoundOfTheWordGoesToThePlayer) {
    folder.write("ensv/ljud/hund.wav", "RIFF");
    folder.write("ensv/ljud/katt.cda", "stub");
    start();
    typeWord("hund");
    EXPECT_EQ(media().sound().source(),
              QUrl::fromLocalFile(QString::fromStdString(path("ensv/ljud/hund.wav"))));
    typeWord("katt");  // a CD-track stub is no sound: the last one closes
    EXPECT_TRUE(media().sound().source().isEmpty());
}

TEST_F(MediaWindowTest, ASelectionInTheCommentBoxShowsTheMediaOfItsWord) {
    writePicture("katt.jpg", Qt::green);
    start();
    form().RichEdit3->setPlainText(QStringLiteral("en katt!"));
    QTextCursor cursor(form().RichEdit3->document());
    cursor.setPosition(3);
    cursor.setPosition(8, QTextCursor::KeepAnchor);  // "katt!": the "!" ends the word
    form().RichEdit3->setTextCursor(cursor);
    EXPECT_TRUE(pictureShown());
    EXPECT_EQ(state().media.MediaWord, "katt");
}

}  // namespace
}  // namespace vernik
