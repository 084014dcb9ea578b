// soranika-picture-generator: draws the sixty type pictures, the program icons and the hand
// cursor with QPainter and writes them as PNG files.
//
//   soranika-picture-generator OUTPUT_FOLDER [--icons ICON_FOLDER] [--contact-sheet FILE]
//
// The pictures go to OUTPUT_FOLDER/Image(1).tkb ... Image(60).tkb (PNG content; the program
// loads them by content). Icons and cursor go to ICON_FOLDER, or to OUTPUT_FOLDER when no
// icon folder is given. --contact-sheet also writes a 6 x 10 overview of all pictures, for
// looking at the set as a whole. Output is deterministic: same bytes on every run.
#include "cartoon.h"
#include "catalogue.h"
#include "icons.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>

#include <cstdio>
#include <vector>

namespace {

using namespace soranika::pictures;

bool writePng(const QImage& image, const QString& path) {
    QImageWriter writer(path, "png");
    // Highest zlib compression keeps the committed files small; it does not change pixels.
    writer.setQuality(0);
    if (!writer.write(image)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

QImage contactSheet(const std::vector<QImage>& pictures) {
    constexpr int kColumns = 6;
    constexpr int kThumbWidth = 219; // a third of the picture width
    constexpr int kThumbHeight = 118;
    constexpr int kGap = 6;
    constexpr int kLabel = 18;
    const int rows = (int(pictures.size()) + kColumns - 1) / kColumns;
    QImage sheet(kColumns * (kThumbWidth + kGap) + kGap,
                 rows * (kThumbHeight + kLabel + kGap) + kGap, QImage::Format_RGB32);
    sheet.fill(QColor(0x30, 0x30, 0x38));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(14);
    painter.setFont(font);
    painter.setPen(Qt::white);
    const auto& types = pictureTypes();
    for (int i = 0; i < int(pictures.size()); ++i) {
        const int x = kGap + (i % kColumns) * (kThumbWidth + kGap);
        const int y = kGap + (i / kColumns) * (kThumbHeight + kLabel + kGap);
        painter.drawText(
            QRect(x, y, kThumbWidth, kLabel), Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("%1 %2").arg(types[i].number).arg(QString::fromUtf8(types[i].title)));
        painter.drawImage(QRect(x, y + kLabel, kThumbWidth, kThumbHeight), pictures[i]);
    }
    return sheet;
}

int usage() {
    std::fprintf(stderr, "usage: soranika-picture-generator OUTPUT_FOLDER [--icons ICON_FOLDER] "
                         "[--contact-sheet FILE]\n");
    return 2;
}

// Writes an image as an XPM array named `name` that C++ code can include.
bool writeXpmSource(const QImage& image, const QString& path, const char* name) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    // Through 32-bit ARGB, so that transparent pixels are written as "None".
    if (!image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "XPM"))
        return false;
    QByteArray source = buffer.data();
    const qsizetype open = source.indexOf("static char *");
    const qsizetype bracket = source.indexOf("[]", open);
    if (open < 0 || bracket < 0)
        return false;
    source.replace(open, bracket - open,
                   QByteArray("static const char* const ") + QByteArray(name));
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(source) == source.size();
}

} // namespace

int main(int argc, char** argv) {
    // Headless by default: the generator never opens a window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments().mid(1);
    QString outputFolder;
    QString iconFolder;
    QString sheetPath;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--icons") && i + 1 < args.size()) {
            iconFolder = args[++i];
        } else if (args[i] == QLatin1String("--contact-sheet") && i + 1 < args.size()) {
            sheetPath = args[++i];
        } else if (!args[i].startsWith(QLatin1String("--")) && outputFolder.isEmpty()) {
            outputFolder = args[i];
        } else {
            return usage();
        }
    }
    if (outputFolder.isEmpty()) {
        return usage();
    }
    if (iconFolder.isEmpty()) {
        iconFolder = outputFolder;
    }
    for (const QString& folder : {outputFolder, iconFolder}) {
        if (!QDir().mkpath(folder)) {
            std::fprintf(stderr, "cannot create folder %s\n", qPrintable(folder));
            return 1;
        }
    }

    bool ok = true;
    std::vector<QImage> pictures;
    for (const PictureType& type : pictureTypes()) {
        pictures.push_back(renderPicture(type));
        const QString path =
            QDir(outputFolder).filePath(QStringLiteral("Image(%1).tkb").arg(type.number));
        ok = writePng(pictures.back(), path) && ok;
    }
    const QDir icons(iconFolder);
    ok =
        writePng(renderSmallPaletteIcon(), icons.filePath(QStringLiteral("soranika-32.png"))) && ok;
    ok = writePng(renderIcon(128), icons.filePath(QStringLiteral("soranika-128.png"))) && ok;
    ok = writePng(renderIcon(256), icons.filePath(QStringLiteral("soranika-256.png"))) && ok;
    ok = writePng(renderHandCursor(), icons.filePath(QStringLiteral("hand-cursor.png"))) && ok;
    // The window icon and the pointer again as XPM sources that the program compiles in: they
    // load without an image decoder, which keeps the program's start-up short.
    ok = writeXpmSource(renderSmallPaletteIcon(),
                        icons.filePath(QStringLiteral("program_icon.xpm")), "program_icon_xpm") &&
         ok;
    ok = writeXpmSource(renderHandCursor(), icons.filePath(QStringLiteral("hand_cursor.xpm")),
                        "hand_cursor_xpm") &&
         ok;
    if (!sheetPath.isEmpty()) {
        ok = writePng(contactSheet(pictures), sheetPath) && ok;
    }
    return ok ? 0 : 1;
}
