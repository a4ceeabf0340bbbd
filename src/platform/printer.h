#pragma once

#include <QPainter>
#include <QString>

class QFont;
class QPrinter;

namespace vernik {

// One print job on a printer: the printable area in printer pixels, sheets,
// and text placed by its top left corner.
class Printer {
  public:
    explicit Printer(QPrinter& printer);
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // The printable area in printer pixels.
    int pageWidth() const;
    int pageHeight() const;

    // False when the printer (or its output file) cannot be opened.
    bool beginDocument();
    void newPage();
    void endDocument();
    // The sheet being drawn on, from 1.
    int pageNumber() const { return page_; }

    // Takes a screen font at the same size in points.
    void setFont(const QFont& screenFont);
    int textHeight(const QString& text) const;
    void clearPage();
    void drawText(int x, int y, const QString& text);

  private:
    QPrinter& printer_;
    QPainter painter_;
    int page_ = 0;
};

}  // namespace vernik
