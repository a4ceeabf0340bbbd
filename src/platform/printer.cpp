#include "platform/printer.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPrinter>
#include <QScreen>

namespace vernik {

Printer::Printer(QPrinter& printer) : printer_(printer) {}

Printer::~Printer() {
    if (painter_.isActive()) painter_.end();
}

int Printer::pageWidth() const {
    return printer_.pageLayout().paintRectPixels(printer_.resolution()).width();
}

int Printer::pageHeight() const {
    return printer_.pageLayout().paintRectPixels(printer_.resolution()).height();
}

bool Printer::beginDocument() {
    if (!painter_.begin(&printer_)) return false;
    page_ = 1;
    return true;
}

void Printer::newPage() {
    printer_.newPage();
    ++page_;
}

void Printer::endDocument() {
    if (painter_.isActive()) painter_.end();
}

void Printer::setFont(const QFont& screenFont) {
    // A font sized in pixels would come out at the printer's much smaller
    // pixels: give it the point size it has on the screen.
    QFont font = screenFont;
    if (screenFont.pixelSize() > 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
        font.setPointSizeF(screenFont.pixelSize() * 72.0 / (dpi > 0 ? dpi : 96.0));
    }
    painter_.setFont(font);
}

int Printer::textHeight(const QString& text) const {
    // Every line of a font is as high as the font, empty or not.
    return QFontMetrics(painter_.font(), painter_.device()).height();
}

void Printer::clearPage() {
    painter_.fillRect(0, 0, pageWidth(), pageHeight(), Qt::white);
}

void Printer::drawText(int x, int y, const QString& text) {
    const QFontMetrics metrics(painter_.font(), painter_.device());
    painter_.setPen(Qt::black);
    painter_.drawText(x, y + metrics.ascent(), text);
}

}  // namespace vernik
