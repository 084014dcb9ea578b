#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QLabel>
#include <QPalette>
#include <QRect>
#include <QString>

#include <span>
#include <variant>

class QIcon;
class QCursor;

namespace soranika {

// The windows are laid out in twips, 1/1440 inch: 15 twips to a pixel at 96 dots per inch. Every
// window keeps its controls in a table of twip rectangles that BuildControls applies.
inline constexpr int TwipsPerPixel = 15;
int TwipsToPixels(int twips);

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    QRect toPixels() const;
};

// The window font, "ＭＳ Ｐゴシック", in the sizes and styles of the tables. Sizes are points at
// 96 dots per inch and become pixel sizes, so the text keeps its place in the fixed layout.
inline const QString GothicFamily = QStringLiteral("ＭＳ Ｐゴシック");
struct FontSpec {
    double points = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QString family = GothicFamily;
    int weight = 0; // 0: regular or bold as `bold` says; otherwise a weight from 100 to 900
};
QFont MakeFont(const FontSpec& style);

// Maps the Windows face names of the tables onto Japanese faces from Debian's packages.
void InstallFontSubstitutions();

// How a label takes its size from its text.
enum class Sizing {
    Fixed,           // keeps its designed box
    ToTextKeepLeft,  // grows and shrinks from its designed top-left corner
    ToTextKeepCentre // keeps its designed horizontal centre and top
};

// A label whose caption is kept as given: each carriage return starts a new line on screen
// (CR LF and LF too), while caption() returns the text unchanged.
class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    explicit CaptionLabel(QWidget* parent = nullptr);
    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    void setSizing(Sizing sizing, const QRect& designed);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fitToText();

    QString caption_;
    Sizing sizing_ = Sizing::Fixed;
    QRect designed_;
};

// The white, bordered box of a type's prose. It breaks its text at its width like a label, but
// sets its lines one font size apart, without the extra space of the Japanese faces, so that
// the longest prose fits the box the layout gives it.
class ProseLabel : public CaptionLabel {
    Q_OBJECT

public:
    explicit ProseLabel(QWidget* parent = nullptr);
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Lays the shown text out in `width` pixels and returns the height it takes; with a painter,
    // draws it too.
    int layOut(int width, QPainter* painter) const;
};

// A straight line drawn on a window, in a fixed colour or a colour of the palette.
class LineControl : public QWidget {
    Q_OBJECT

public:
    LineControl(QWidget* parent, QPoint fromTwips, QPoint toTwips, int widthPixels);
    void setColour(QColor colour);
    void setColourRole(QPalette::ColorRole role);
    QLine line() const { return line_; } // in the parent's pixels

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine line_;
    int width_;
    std::variant<QColor, QPalette::ColorRole> colour_ = QPalette::WindowText;
};

enum class ControlKind {
    Label,         // transparent, the window colour shows behind it
    WhiteBoxLabel, // opaque white with a single-line border; breaks its text at its width
    TextBox,       // one line
    TextArea,      // many lines, read-only, vertical scroll bar
    EditableCombo, // the user may type or pick
    DropDownList,  // pick only, starts with nothing chosen
    Button,        // pointing-hand cursor, never the default button
    Picture,       // stretched to its box
};

struct ControlSpec {
    const char* name;
    ControlKind kind;
    TwipRect rect;
    QString text; // caption, or the items of a list separated by "|"
    FontSpec font;
    QString tooltip = {};
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    Sizing sizing = Sizing::Fixed;
    QColor textColour = {};      // invalid: the system's text colour
    bool border = false;         // a thin single border around a label
    QString accessibleName = {}; // for screen readers, where caption and tooltip do not say it
};

struct LineSpec {
    const char* name;
    QPoint from; // twips
    QPoint to;   // twips
    int widthPixels = 1;
    std::variant<QColor, QPalette::ColorRole> colour = QPalette::WindowText;
};

// Creates the lines (beneath everything) and then the controls on `form`, each with its
// objectName, place, font, text and tooltip. Controls come back by name.
QHash<QString, QWidget*> BuildControls(QWidget* form, std::span<const ControlSpec> controls,
                                       std::span<const LineSpec> lines = {});

// Gives a top-level window its title and the program icon; it can be minimised when asked, but
// never maximised or resized.
void SetUpFixedWindow(QWidget* window, const QString& title, bool minimisable);

// Fixes the size of a client area in twips.
void SetClientSize(QWidget* clientArea, int widthTwips, int heightTwips);

// Sets the background of a window's client area (the labels on it are transparent).
void SetBackground(QWidget* clientArea, const QColor& colour);

// Puts a top-level window in the middle of the screen it is on.
void CentreOnScreen(QWidget* window);

QIcon ProgramIcon();
QCursor HandCursor();

} // namespace soranika
