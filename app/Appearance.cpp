#include "app/Appearance.h"

#include <QApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QStyleFactory>

namespace {

// The design's 8 points are 10 2/3 pixels at 96 dpi, which Qt rounds to 11; at 11 pixels Arial's
// widths fill "Include Subdirectories" and "Files selected:" to the last pixel, so the layout
// takes one pixel less. Pixels, not points: the layout is in pixels, and a desktop set to another
// dpi must not grow the captions past their controls.
constexpr int kDesignPixelSize = 10;
constexpr int kSmallestPixelSize = 8;

// The captions with the least room, and what they take in Arial's widths at the design size
// (476 pixels) with 2% to spare. A wider face is set smaller until they fit.
const char* const kTightCaptions = "Include Subdirectories Protect Windows Folders Skip "
                                   "System/Hidden files Leave at least one Files selected:";
constexpr double kTightCaptionsWidth = 485;

} // namespace

QFont DesignFont(const QString& family) {
    QFont font(family);
    font.setPixelSize(kDesignPixelSize);
    const QString tight = QString::fromLatin1(kTightCaptions);
    while (font.pixelSize() > kSmallestPixelSize &&
           QFontMetricsF(font).horizontalAdvance(tight) > kTightCaptionsWidth)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QFont DesignFont() {
    return DesignFont(QStringLiteral("MS Sans Serif"));
}

void ApplyAppearance(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Kelvaro"));
    // The desktop matches the window to the desktop entry and its icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(KELVARO_APP_ID));
    // The classic style draws group titles into the frame, as the pixel layout expects.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(style);
    // Faces with Arial's widths (Liberation Sans is installed with the program), never the
    // desktop's default, which is often much wider.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"),
                                QStringLiteral("Helvetica")});
    QFont::insertSubstitutions(QStringLiteral("MS Serif"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                                QStringLiteral("Nimbus Roman"), QStringLiteral("Times New Roman")});
    app.setFont(DesignFont());
}
