// Prints the control tables of the windows the end-to-end scripts drive, in pixels of each
// window's client area, so that a script clicks a control by its name and never by a number of
// its own. One line a control:  WINDOW NAME LEFT TOP WIDTH HEIGHT TEXT
// with the text as the table gives it (a line break written \n); and, for a window with a menu
// bar, its client area as the control "(client)": the scripts take the bar's height from it.
// The menus are the one exception: they are not in a window's table, and the scripts open them by
// their access keys (alt+f, alt+o, alt+h, which every platform's menu bar takes) and choose in
// them with the arrow keys.
//   control-table OUTPUT_FILE
#include "ControlTable.h"
#include "Form1.h"
#include "Form4.h"
#include "Twips.h"

#include <QString>

#include <cstdio>
#include <span>

namespace {

void Print(std::FILE* out, const char* window, const char* name, const QRect& box,
           QString text = {}) {
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    std::fprintf(out, "%s %s %d %d %d %d %s\n", window, name, box.left(), box.top(), box.width(),
                 box.height(), text.toUtf8().constData());
}

void PrintTable(std::FILE* out, const char* window, std::span<const soranika::ControlSpec> table) {
    // A table may be longer than its rows; the rows left over have no name.
    for (const soranika::ControlSpec& row : table)
        if (row.name != nullptr)
            Print(out, window, row.name, row.rect.toPixels(), row.text);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: control-table OUTPUT_FILE\n", stderr);
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    using soranika::Form1;
    Print(out, "Form1", "(client)",
          soranika::TwipRect{0, 0, Form1::ClientWidthTwips, Form1::ClientHeightTwips}.toPixels());
    PrintTable(out, "Form1", Form1::controlTable());
    PrintTable(out, "Form4", soranika::Form4::controlTable());
    // A half-written table would send the scripts' clicks astray: fail the build instead.
    const bool written = !std::ferror(out);
    return std::fclose(out) == 0 && written ? 0 : 1;
}
