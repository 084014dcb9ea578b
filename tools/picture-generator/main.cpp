// soranika-picture-generator: draws the sixty type pictures, the program icons and the hand
// cursor with QPainter, and writes them or checks the committed files against them.
//
//   soranika-picture-generator OUTPUT_FOLDER [--icons ICON_FOLDER] [--contact-sheet FILE]
//   soranika-picture-generator --check PICTURE_FOLDER [--icons ICON_FOLDER]
//
// The pictures go to OUTPUT_FOLDER/Image(1).tkb ... Image(60).tkb (PNG content; the program
// loads them by content). Icons and cursor go to ICON_FOLDER, or to OUTPUT_FOLDER when no
// icon folder is given. --contact-sheet also writes a 6 x 10 overview of all pictures, for
// looking at the set as a whole. Output is deterministic: same bytes on every run.
//
// --check writes nothing: it reads each file the generator would write from the folders and
// compares its pixels with a fresh drawing (compare.h says how close is the same); a picture,
// icon or XPM source in the folders that the generator does not draw is a difference too. The
// exit status is 0 when everything matches, 1 when something differs or cannot be written, 2
// for a command line that cannot be used.
#include "TypeTable.h"
#include "cartoon.h"
#include "catalogue.h"
#include "compare.h"
#include "icons.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QSet>

#include <cstdio>
#include <vector>

namespace {

using namespace soranika::pictures;

// One file the generator draws.
struct Output {
    enum class Form { Png, XpmSource };
    bool icon = false; // goes to the icon folder, not the picture folder
    QString name;
    QImage image;
    Form form = Form::Png;
    const char* xpmName = nullptr; // the array's name in an XPM source
};

QByteArray encodePng(const QImage& image) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // Highest zlib compression keeps the committed files small; it does not change pixels.
    writer.setQuality(0);
    if (!writer.write(image))
        return {};
    return buffer.data();
}

// An image as an XPM array named `name` that C++ code can include.
QByteArray encodeXpmSource(const QImage& image, const char* name) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    // Through 32-bit ARGB, so that transparent pixels are written as "None".
    if (!image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "XPM"))
        return {};
    QByteArray source = buffer.data();
    const qsizetype open = source.indexOf("static char *");
    const qsizetype bracket = source.indexOf("[]", open);
    if (open < 0 || bracket < 0)
        return {};
    source.replace(open, bracket - open,
                   QByteArray("static const char* const ") + QByteArray(name));
    return source;
}

QByteArray encode(const Output& output) {
    return output.form == Output::Form::Png ? encodePng(output.image)
                                            : encodeXpmSource(output.image, output.xpmName);
}

std::vector<Output> drawEverything() {
    std::vector<Output> outputs;
    for (const PictureType& type : pictureTypes()) {
        outputs.push_back(
            {false, QStringLiteral("Image(%1).tkb").arg(type.number), renderPicture(type)});
    }
    outputs.push_back({true, QStringLiteral("soranika-32.png"), renderSmallPaletteIcon()});
    outputs.push_back({true, QStringLiteral("soranika-128.png"), renderIcon(128)});
    outputs.push_back({true, QStringLiteral("soranika-256.png"), renderIcon(256)});
    outputs.push_back({true, QStringLiteral("hand-cursor.png"), renderHandCursor()});
    // The window icon and the pointer again as XPM sources that the program compiles in: they
    // load without an image decoder, which keeps the program's start-up short.
    outputs.push_back({true, QStringLiteral("program_icon.xpm"), renderSmallPaletteIcon(),
                       Output::Form::XpmSource, "program_icon_xpm"});
    outputs.push_back({true, QStringLiteral("hand_cursor.xpm"), renderHandCursor(),
                       Output::Form::XpmSource, "hand_cursor_xpm"});
    return outputs;
}

bool writeFile(const QByteArray& bytes, const QString& path) {
    QFile file(path);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                     qPrintable(bytes.isEmpty() ? QStringLiteral("cannot encode the image")
                                                : file.errorString()));
        return false;
    }
    return true;
}

QImage contactSheet(const std::vector<Output>& outputs) {
    constexpr int kColumns = 6;
    constexpr int kThumbWidth = 219; // a third of the picture width
    constexpr int kThumbHeight = 118;
    constexpr int kGap = 6;
    constexpr int kLabel = 18;
    const auto& types = pictureTypes();
    const int rows = (int(types.size()) + kColumns - 1) / kColumns;
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
    // The pictures come first among the outputs, in the order of the types.
    for (int i = 0; i < int(types.size()); ++i) {
        const int x = kGap + (i % kColumns) * (kThumbWidth + kGap);
        const int y = kGap + (i / kColumns) * (kThumbHeight + kLabel + kGap);
        const int number = types[i].number;
        painter.drawText(
            QRect(x, y, kThumbWidth, kLabel), Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("%1 %2").arg(number).arg(soranika::TypeTable::Title(number).toString()));
        painter.drawImage(QRect(x, y + kLabel, kThumbWidth, kThumbHeight), outputs[i].image);
    }
    return sheet;
}

int write(const std::vector<Output>& outputs, const QDir& pictures, const QDir& icons,
          const QString& sheetPath) {
    bool ok = true;
    for (const Output& output : outputs) {
        const QDir& folder = output.icon ? icons : pictures;
        ok = writeFile(encode(output), folder.filePath(output.name)) && ok;
    }
    if (!sheetPath.isEmpty())
        ok = writeFile(encodePng(contactSheet(outputs)), sheetPath) && ok;
    return ok ? 0 : 1;
}

int check(const std::vector<Output>& outputs, const QDir& pictures, const QDir& icons) {
    int differing = 0;
    const auto report = [&](const QString& path, const QString& reason) {
        std::printf("differs from the generator's drawing: %s: %s\n", qPrintable(path),
                    qPrintable(reason));
        ++differing;
    };
    QSet<QString> drawn;
    for (const Output& output : outputs) {
        const QString path = (output.icon ? icons : pictures).filePath(output.name);
        drawn.insert(QFileInfo(path).absoluteFilePath());
        if (!QFile::exists(path)) {
            report(path, QStringLiteral("missing"));
            continue;
        }
        // An XPM source is compared as the program reads it: through Qt's XPM reader.
        const QImage drawing = output.form == Output::Form::Png
                                   ? output.image
                                   : QImage::fromData(encode(output), "XPM");
        const ImageComparison comparison = compareImages(drawing, QImage(path));
        if (!comparison.same)
            report(path, comparison.reason);
    }
    const QStringList kinds{QStringLiteral("*.tkb"), QStringLiteral("*.png"),
                            QStringLiteral("*.xpm")};
    for (const QDir& folder : {pictures, icons}) {
        for (const QFileInfo& file : folder.entryInfoList(kinds, QDir::Files)) {
            if (!drawn.contains(file.absoluteFilePath())) {
                report(file.filePath(), QStringLiteral("not drawn by the generator"));
                drawn.insert(file.absoluteFilePath()); // one report when both folders are one
            }
        }
    }
    if (differing > 0) {
        std::printf("%d of the files differ: run tools/picture-generator/generate.sh and "
                    "commit the result\n",
                    differing);
        return 1;
    }
    std::printf("all %d files match the generator's drawing\n", int(outputs.size()));
    return 0;
}

int usage() {
    std::fprintf(stderr, "usage: soranika-picture-generator OUTPUT_FOLDER [--icons ICON_FOLDER] "
                         "[--contact-sheet FILE]\n"
                         "       soranika-picture-generator --check PICTURE_FOLDER "
                         "[--icons ICON_FOLDER]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    // Headless by default: the generator never opens a window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments().mid(1);
    QString pictureFolder;
    QString iconFolder;
    QString sheetPath;
    bool checking = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--icons") && i + 1 < args.size()) {
            iconFolder = args[++i];
        } else if (args[i] == QLatin1String("--contact-sheet") && i + 1 < args.size()) {
            sheetPath = args[++i];
        } else if (args[i] == QLatin1String("--check")) {
            checking = true;
        } else if (!args[i].startsWith(QLatin1String("--")) && pictureFolder.isEmpty()) {
            pictureFolder = args[i];
        } else {
            return usage();
        }
    }
    if (pictureFolder.isEmpty() || (checking && !sheetPath.isEmpty())) {
        return usage();
    }
    if (iconFolder.isEmpty()) {
        iconFolder = pictureFolder;
    }
    const std::vector<Output> outputs = drawEverything();
    if (checking) {
        return check(outputs, QDir(pictureFolder), QDir(iconFolder));
    }
    for (const QString& folder : {pictureFolder, iconFolder}) {
        if (!QDir().mkpath(folder)) {
            std::fprintf(stderr, "cannot create folder %s\n", qPrintable(folder));
            return 1;
        }
    }
    return write(outputs, QDir(pictureFolder), QDir(iconFolder), sheetPath);
}
