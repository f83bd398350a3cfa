// The window's face: which face the program gets, that the pixel layout holds on it and on the
// faces a machine without it falls back to, and that grid cells show their text whole.
#include "app/Appearance.h"
#include "app/MainForm.h"
#include "results/DupeGridView.h"
#include "support/ScriptedDialogs.h"
#include "support/TempTree.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>

namespace {

// Pixels between a caption and the value to its right.
constexpr int kCaptionRoom = 3;

QString Describe(const QFont& font) {
    return QStringLiteral("%1 %2 px").arg(QFontInfo(font).family()).arg(font.pixelSize());
}

// Every place where the window's text does not fit, in words: a caption wider than its
// control (the style's indicator and margins included), or a caption of the statistics or the
// file information closer than kCaptionRoom pixels to the label on its right.
QStringList Shortfalls(const TMainForm& form) {
    QStringList out;
    for (auto* b : form.findChildren<QAbstractButton*>()) {
        if (b->text().isEmpty() || !b->isVisibleTo(&form))
            continue;
        const int need = b->sizeHint().width();
        if (need > b->width())
            out << QStringLiteral("%1 needs %2 px, has %3 (%4 short)")
                       .arg(b->objectName())
                       .arg(need)
                       .arg(b->width())
                       .arg(need - b->width());
    }
    for (QGroupBox* group : {form.StatGroup, form.InfoGroup}) {
        const auto labels = group->findChildren<QLabel*>();
        for (QLabel* caption : labels) {
            const QLabel* next = nullptr;
            for (QLabel* l : labels)
                if (l->y() == caption->y() && l->x() > caption->x() &&
                    (!next || l->x() < next->x()))
                    next = l;
            if (!next)
                continue;
            const int end = caption->x() + caption->sizeHint().width() + kCaptionRoom;
            if (end > next->x())
                out << QStringLiteral("\"%1\" ends at %2 px, %3 begins at %4 (%5 short)")
                           .arg(caption->text())
                           .arg(end - kCaptionRoom)
                           .arg(next->objectName())
                           .arg(next->x())
                           .arg(end - next->x());
        }
    }
    return out;
}

// Dark pixels of an image: the ink of black text on white.
int Ink(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qGray(image.pixel(x, y)) < 160;
    return n;
}

// A cell of the given height drawn as the grid draws it, on a white image of its own size.
QImage Cell(const QFont& font, int height, const QString& text) {
    QImage image(120, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    DupeGridView::PaintCell(painter, image.rect(), Qt::white, Qt::black, text);
    return image;
}

} // namespace

class FaceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyAppearance(*qApp); }

    // The machine must have a face of the design's widths: the scripts and the package install
    // one. Any other face only gets a smaller size.
    void designFaceHasTheDesignWidths() {
        const QFont font = QApplication::font();
        const QStringList widthsOfArial = {
            QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial"),
            QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")};
        qInfo("design face: %s", qPrintable(Describe(font)));
        QVERIFY2(widthsOfArial.contains(QFontInfo(font).family()), qPrintable(Describe(font)));
        QCOMPARE(font.pixelSize(), 10);
    }

    void layoutHoldsOnEveryFace_data() {
        QTest::addColumn<QFont>("font");
        QTest::newRow("design") << DesignFont();
        // What a machine without the design's face shows instead, where this one has them.
        for (const char* family : {"Liberation Sans", "Arimo", "Nimbus Sans", "DejaVu Sans",
                                   "DejaVu Sans Condensed", "Liberation Serif", "DejaVu Serif"}) {
            const QString name = QString::fromLatin1(family);
            if (QFontDatabase::hasFamily(name))
                QTest::newRow(family) << DesignFont(name);
        }
    }
    void layoutHoldsOnEveryFace() {
        QFETCH(QFont, font);
        const QFont saved = QApplication::font();
        QApplication::setFont(font);
        TempTree folder;
        ScriptedDialogs dialogs;
        {
            TMainForm form(dialogs, folder.Root() + "/");
            form.show();
            const QStringList shortfalls = Shortfalls(form);
            qInfo("%s: %s", qPrintable(Describe(form.font())),
                  shortfalls.isEmpty() ? "every caption fits" : "short");
            QVERIFY2(shortfalls.isEmpty(), qPrintable(Describe(form.font()) + QStringLiteral(": ") +
                                                      shortfalls.join(QStringLiteral("; "))));
        }
        QApplication::setFont(saved);
    }

    // A grid row is 14 pixels, its cell 13 without the grid line: descenders and underscores
    // must be drawn whole, whatever the face's height.
    void gridCellsShowTheirTextWhole() {
        const QString name = QStringLiteral("g34485_3.txt Qjpy");
        const int cell = DupeGridView::kDefaultRowHeight - 1;
        for (int pixels = 8; pixels <= 13; ++pixels) {
            QFont font = DesignFont();
            font.setPixelSize(pixels);
            const int whole = Ink(Cell(font, 40, name));
            QVERIFY(whole > 0);
            QVERIFY2(Ink(Cell(font, cell, name)) == whole,
                     qPrintable(Describe(font) + QStringLiteral(" loses ink in a cell")));
        }
    }
};

QTEST_MAIN(FaceTest)
#include "FaceTest.moc"
