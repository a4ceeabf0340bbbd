#pragma once

#include <QObject>
#include <string>
#include <vector>

namespace vernik {

class TForm1;
class LexiconChoice;
class MediaDisplay;
struct SharedState;
struct LexiconLookupOutcome;

// Looks up the word of the input box on every change of it and shows the
// result: the headword box, the alternative boxes, the comment box and the
// colours of the frame, and the media of the word. Also the "Visa Lexikon" view, the list search of
// a word-list Lexicon1, the missing-file timer and the comment box's size.
class LookupDriver : public QObject {
    Q_OBJECT

  public:
    LookupDriver(TForm1& form, SharedState& state, LexiconChoice& choice, MediaDisplay& media);

    void Edit1Change();
    void Button1Click();
    void Timer3Timer();
    void Memo1DblClick();
    void Button4Click();
    void Button5Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void resetView();
    bool listMode() const;
    void lookUpInLexicon();
    void showLookup(const LexiconLookupOutcome& outcome);
    void colourHeadwordBox();
    void showComments(const std::vector<std::string>& lines, bool replace);
    void runListSearch();
    void showLexiconView();
    void restoreCommentBox();
    void enlargeCommentBox();

    TForm1& form_;
    SharedState& state_;
    LexiconChoice& choice_;
    MediaDisplay& media_;
};

}  // namespace vernik
