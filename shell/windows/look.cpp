#include "shell/windows/look.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmapCache>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTabBar>
#include <QWidget>
#include <limits>

#include "assets/colour_contrast.h"
#include "assets/pictures.h"
#include "shell/windows/live_scale.h"

namespace morvane::look {
namespace {

const QString kFamily = QStringLiteral("Noto Sans CJK JP");
const QString kFixedFamily = QStringLiteral("Noto Sans Mono CJK JP");
// The widget style the game is drawn with; every Qt build has it.
const QString kStyle = QStringLiteral("Fusion");

// A palette's resolve mask with every colour of every group set.
constexpr QPalette::ResolveMask kEveryColour = std::numeric_limits<QPalette::ResolveMask>::max();

const QString kRockPicture = QStringLiteral(":/extra/rock.svg");
constexpr int kRockTileSize = 240;

// The game's own look: the night blue, the battle screen's textures and the extra game's rock.
const Colours kStandardColours{
    .night{10, 18, 40},
    .nightDeep{4, 8, 20},
    .nightSky{18, 32, 68},
    .nightButton{28, 44, 80},
    .steel{70, 110, 170},
    .sky{79, 179, 255},
    .paleText{220, 228, 240},
    .dimText{112, 124, 146},
    .brightText{235, 240, 250},
    .gold{255, 210, 80},
    .versionText{150, 180, 220},
    .boardGrid{40, 62, 104},
    .white{255, 255, 255},
    .black{0, 0, 0},
    .grey{128, 128, 128},
    .yellow{255, 255, 0},
    .green{0, 255, 0},
    .buttonTop{40, 64, 110},
    .buttonBottom{16, 28, 56},
    .buttonHoverTop{60, 96, 160},
    .buttonHoverBottom{24, 42, 84},
    .buttonPressed{14, 24, 48},
    .selection{70, 110, 170},
    .selectionText{},
    .titleMenuFill{16, 30, 62},
    .titleMarkerEdge{255, 246, 192},
    .titleMarkerTop{255, 226, 122},
    .titleMarkerBottom{255, 179, 0},
    .messageHighlightFill{0, 255, 0, 28},
    .battleGrid{233, 233, 233},  // the old program's light grey grid lines
    .battleCursor{255, 96, 48},
    .battleCursorMuted{150, 150, 160, 170},
    .backdrop{0, 0, 0, 120},
    .boardBackdrop{0, 0, 0, 165},
    .backdropEdge{255, 255, 255, 60},
    .rock{46, 31, 20},
    .rockDeep{24, 15, 8},
    .rockText{240, 226, 196},
    .rockGold{255, 214, 110},
    .rockPanel{20, 12, 6, 190},
    .rockEdge{120, 84, 50},
    .rockWell{0, 0, 0, 130},            // the rock subdued
    .rockCellLine{255, 226, 180, 110},  // light, to stand out on the dark well
    .mouseFrame{70, 140, 255},
    .keyCursor{255, 70, 50},
    .thinking{255, 236, 60},
    .thinkingBack{0, 0, 0, 170},
    .rockButtonText{255, 240, 210},
    .rockDarkEdge{30, 18, 10},
    .rockButtonTop{128, 90, 56},
    .rockButtonBottom{82, 54, 32},
    .rockButtonHoverTop{156, 112, 70},
    .rockButtonHoverBottom{100, 66, 38},
    .rockButtonPressed{70, 46, 26},
    .rockDimText{130, 112, 92},
    .rockDimEdge{44, 32, 22},
    .rockDimButton{62, 46, 34},
    .rockScrollGroove{36, 24, 14},
    .rockMenu{58, 38, 22},
    .rockMenuChosen{110, 76, 46},
    .textContrast = 0,
    .cellLineWidth = 1,
    .textures = true,
};

// Bright text on black, every text at 7 : 1 or more against what is behind it, frames white or
// in a pure hue, the grid lines doubled, and flat black where the textures were.
const Colours kHighContrastColours{
    .night{0, 0, 0},
    .nightDeep{0, 0, 0},
    .nightSky{0, 0, 0},
    .nightButton{0, 0, 0},
    .steel{255, 255, 255},
    .sky{0, 255, 255},
    .paleText{255, 255, 255},
    .dimText{200, 200, 200},
    .brightText{255, 255, 255},
    .gold{255, 255, 0},
    .versionText{255, 255, 255},
    .boardGrid{255, 255, 255},
    .white{255, 255, 255},
    .black{0, 0, 0},
    .grey{200, 200, 200},
    .yellow{255, 255, 0},
    .green{0, 255, 0},
    .buttonTop{0, 0, 0},
    .buttonBottom{0, 0, 0},
    .buttonHoverTop{48, 48, 48},
    .buttonHoverBottom{48, 48, 48},
    .buttonPressed{0, 0, 0},
    .selection{255, 255, 0},
    .selectionText{0, 0, 0},
    .titleMenuFill{0, 0, 0},
    .titleMarkerEdge{255, 255, 0},
    .titleMarkerTop{255, 255, 0},
    .titleMarkerBottom{255, 255, 0},
    .messageHighlightFill{0, 0, 0, 0},
    .battleGrid{255, 255, 255},
    .battleCursor{255, 0, 255},
    .battleCursorMuted{200, 200, 200},
    .backdrop{0, 0, 0},
    .boardBackdrop{0, 0, 0},
    .backdropEdge{255, 255, 255},
    .rock{0, 0, 0},
    .rockDeep{0, 0, 0},
    .rockText{255, 255, 255},
    .rockGold{255, 255, 0},
    .rockPanel{0, 0, 0},
    .rockEdge{255, 255, 255},
    .rockWell{0, 0, 0},
    .rockCellLine{255, 255, 255},
    .mouseFrame{0, 255, 255},
    .keyCursor{255, 0, 255},
    .thinking{255, 255, 0},
    .thinkingBack{0, 0, 0},
    .rockButtonText{255, 255, 255},
    .rockDarkEdge{255, 255, 255},
    .rockButtonTop{0, 0, 0},
    .rockButtonBottom{0, 0, 0},
    .rockButtonHoverTop{48, 48, 48},
    .rockButtonHoverBottom{48, 48, 48},
    .rockButtonPressed{0, 0, 0},
    .rockDimText{200, 200, 200},
    .rockDimEdge{200, 200, 200},
    .rockDimButton{0, 0, 0},
    .rockScrollGroove{0, 0, 0},
    .rockMenu{0, 0, 0},
    .rockMenuChosen{64, 64, 64},
    .textContrast = 7,
    .cellLineWidth = 2,
    .textures = false,
};

// Dark text on light backgrounds for bright rooms, every text at 4.5 : 1 or more against what
// is behind it; the textures give way to flat light panels.
const Colours kLightColours{
    .night{244, 246, 250},
    .nightDeep{255, 255, 255},
    .nightSky{226, 234, 246},
    .nightButton{226, 232, 242},
    .steel{70, 100, 150},
    .sky{30, 90, 170},
    .paleText{16, 24, 40},
    .dimText{80, 88, 100},
    .brightText{0, 0, 0},
    .gold{130, 80, 0},
    .versionText{40, 60, 100},
    .boardGrid{150, 160, 180},
    .white{0, 0, 0},
    .black{255, 255, 255},
    .grey{90, 90, 90},
    .yellow{110, 74, 0},
    .green{0, 110, 0},
    .buttonTop{250, 252, 255},
    .buttonBottom{222, 230, 242},
    .buttonHoverTop{235, 242, 255},
    .buttonHoverBottom{205, 220, 245},
    .buttonPressed{200, 210, 230},
    .selection{70, 100, 150},
    .selectionText{255, 255, 255},
    .titleMenuFill{255, 255, 255},
    .titleMarkerEdge{20, 50, 110},
    .titleMarkerTop{40, 80, 160},
    .titleMarkerBottom{30, 60, 130},
    .messageHighlightFill{0, 110, 0, 28},
    .battleGrid{90, 90, 90},
    .battleCursor{200, 40, 0},
    .battleCursorMuted{120, 120, 130, 200},
    .backdrop{255, 255, 255, 235},
    .boardBackdrop{255, 255, 255},
    .backdropEdge{60, 80, 120},
    .rock{240, 232, 216},
    .rockDeep{255, 252, 244},
    .rockText{40, 26, 12},
    .rockGold{120, 70, 0},
    .rockPanel{255, 250, 240, 235},
    .rockEdge{140, 100, 60},
    .rockWell{255, 255, 255, 200},
    .rockCellLine{120, 90, 60},
    .mouseFrame{20, 80, 200},
    .keyCursor{200, 40, 0},
    .thinking{120, 80, 0},
    .thinkingBack{255, 255, 255, 235},
    .rockButtonText{40, 26, 12},
    .rockDarkEdge{120, 90, 60},
    .rockButtonTop{250, 244, 232},
    .rockButtonBottom{230, 218, 196},
    .rockButtonHoverTop{255, 250, 240},
    .rockButtonHoverBottom{236, 226, 206},
    .rockButtonPressed{220, 206, 182},
    .rockDimText{96, 82, 66},
    .rockDimEdge{180, 160, 140},
    .rockDimButton{236, 230, 220},
    .rockScrollGroove{236, 228, 214},
    .rockMenu{240, 232, 216},
    .rockMenuChosen{214, 196, 166},
    .textContrast = 4.5,
    .cellLineWidth = 1,
    .textures = false,
};

Look currentLook = Look::Standard;

// The properties by which a restyle knows what StyleWindow and StyleAddedSmallButton did.
constexpr char kStyledTheme[] = "morvaneStyledTheme";
constexpr char kSmallButton[] = "morvaneSmallButton";

// The widget style's lengths that a layout takes when it is given none of its own: the display
// scale gives each layout its margins and spacing itself.
bool IsLayoutLength(QStyle::PixelMetric metric) {
    switch (metric) {
        case QStyle::PM_LayoutLeftMargin:
        case QStyle::PM_LayoutTopMargin:
        case QStyle::PM_LayoutRightMargin:
        case QStyle::PM_LayoutBottomMargin:
        case QStyle::PM_LayoutHorizontalSpacing:
        case QStyle::PM_LayoutVerticalSpacing:
            return true;
        default:
            return false;
    }
}

// Fusion with a focus frame that shows on the game's dark backgrounds, where Fusion's own, a
// faint tint of the highlight colour, is lost. Like Fusion's it is drawn only once the keyboard
// has moved the focus in the window, so that a window used with the mouse looks as before. It
// marks the controls whose own style leaves the focus to the widget style: option buttons, tabs,
// toolbar buttons (and push buttons, inside their own focus edge). Its lengths (frames, scroll
// bars, indicators, icons) grow with the display scale, as the rest of a window does.
class GameStyle : public QProxyStyle {
public:
    GameStyle() : QProxyStyle(QStyleFactory::create(kStyle)) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int length = QProxyStyle::pixelMetric(metric, option, widget);
        return IsLayoutLength(metric) || length <= 0 ? length : Scaled(length);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (IsArrow(element) && CurrentLook() != Look::Standard) {
            DrawArrow(element, *option, *painter);
            return;
        }
        if (element != PE_FrameFocusRect) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        if (!option->state.testFlag(State_KeyboardFocusChange)) {
            return;
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const int width = Scaled(kFocusFrameWidth);
        const qreal radius = kFocusFrameRadius * AppliedDisplayScale() / 100.0;
        painter->setPen(QPen(Current().gold, width));
        painter->setBrush(Qt::NoBrush);
        const qreal inset = width / 2.0;
        painter->drawRoundedRect(QRectF(option->rect).adjusted(inset, inset, -inset, -inset),
                                 radius, radius);
        painter->restore();
    }

private:
    static bool IsArrow(PrimitiveElement element) {
        return element == PE_IndicatorArrowUp || element == PE_IndicatorArrowDown ||
               element == PE_IndicatorArrowLeft || element == PE_IndicatorArrowRight;
    }

    // An arrow (of an arrow button, a scroll bar) in the text colour itself, where Fusion draws it
    // two thirds opaque: too faint on the light look's pale faces.
    static void DrawArrow(PrimitiveElement element, const QStyleOption& option, QPainter& painter) {
        const QRectF place(option.rect);
        const qreal width = std::min(place.width(), place.height()) * kArrowShare;
        const qreal half = width / 2;
        const qreal depth = half / 2;
        QPolygonF arrow{QPointF(-half, depth), QPointF(half, depth), QPointF(0, -depth)};
        QTransform turn;
        turn.rotate(element == PE_IndicatorArrowDown    ? 180
                    : element == PE_IndicatorArrowLeft  ? -90
                    : element == PE_IndicatorArrowRight ? 90
                                                        : 0);
        arrow = turn.map(arrow).translated(place.center());
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(option.palette.windowText());
        painter.drawPolygon(arrow);
        painter.restore();
    }

    // The arrow's width, as a share of its place's shorter side.
    static constexpr qreal kArrowShare = 0.55;
    static constexpr int kFocusFrameWidth = 1;
    static constexpr qreal kFocusFrameRadius = 3;
};

QFont MakeFont(const QString& family, QFont::StyleHint hint, int pixelSize, bool bold) {
    QFont font(family);
    font.setStyleHint(hint);
    font.setPixelSize(pixelSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    // Every property counts as set, so nothing is taken over from another font.
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

// A colour as style sheets write it.
QString Css(const QColor& colour) {
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue())
        .arg(colour.alpha());
}

QString Gradient(const QColor& top, const QColor& bottom) {
    return QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2)")
        .arg(Css(top), Css(bottom));
}

// The sheet of each kind of control, by theme. A sheet is set on the control itself, so it
// reaches the control and its own parts (a list's popup, a text box's scroll bars) and nothing
// else.

QString NightButtonSheet() {
    const Colours& c = Current();
    return QStringLiteral(
               "QPushButton { color: %1; border: 1px solid %2; border-radius: 5px;"
               " padding: 5px 16px; min-height: 20px; background: %3; }"
               "QPushButton:hover { color: %4; background: %5; }"
               "QPushButton:pressed { background: %6; }"
               "QPushButton:focus { border-color: %7; }"
               "QPushButton:disabled { color: %8; border-color: %9; }")
        .arg(Css(c.paleText), Css(c.sky), Gradient(c.buttonTop, c.buttonBottom), Css(c.white),
             Gradient(c.buttonHoverTop, c.buttonHoverBottom), Css(c.buttonPressed), Css(c.gold),
             Css(c.dimText), Css(c.steel));
}

QString RockButtonSheet() {
    const Colours& c = Current();
    return QStringLiteral(
               "QPushButton { color: %1; border: 2px solid %2; border-radius: 5px;"
               " padding: 3px 10px; font-weight: bold; background: %3; }"
               "QPushButton:hover { background: %4; }"
               "QPushButton:pressed { background: %5; }"
               "QPushButton:disabled { color: %6; border-color: %7; background: %8; }")
        .arg(Css(c.rockButtonText), Css(c.rockDarkEdge),
             Gradient(c.rockButtonTop, c.rockButtonBottom),
             Gradient(c.rockButtonHoverTop, c.rockButtonHoverBottom), Css(c.rockButtonPressed),
             Css(c.rockDimText), Css(c.rockDimEdge), Css(c.rockDimButton));
}

// The mark of a choice, for the indicators the selector names: a hollow ring when not chosen,
// a bright disc in a bright ring when chosen.
QString ChoiceMarkSheet(const QString& indicator) {
    const Colours& c = Current();
    return QStringLiteral(
               "%1 { width: 14px; height: 14px; border-radius: 8px; border: 1px solid %2;"
               " background: %3; }"
               "%1:checked { border-color: %4; background:"
               " qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5,"
               " stop:0 %4, stop:0.55 %4, stop:0.7 %3); }"
               "%1:disabled { border-color: %5; }")
        .arg(indicator, Css(c.sky), Css(c.nightDeep), Css(c.gold), Css(c.steel));
}

// One option button for the whole game: the choice's mark and, when chosen, a bright caption,
// so that the choice reads at a glance.
QString RadioSheet() {
    const Colours& c = Current();
    return QStringLiteral(
               "QRadioButton { color: %1; spacing: 8px; padding: 2px 0; }"
               "QRadioButton:hover { color: %2; }"
               "QRadioButton:checked { color: %3; }"
               "QRadioButton:disabled { color: %4; }")
               .arg(Css(c.paleText), Css(c.white), Css(c.gold), Css(c.dimText)) +
           ChoiceMarkSheet(QStringLiteral("QRadioButton::indicator"));
}

// A check box: a square box edged like the choices' rings, filled with the chosen colour when
// ticked, its caption bright under the pointer as an option button's is.
QString CheckSheet() {
    const Colours& c = Current();
    return QStringLiteral(
               "QCheckBox { color: %1; spacing: 8px; padding: 2px 0; }"
               "QCheckBox:hover { color: %2; }"
               "QCheckBox:disabled { color: %3; }"
               "QCheckBox::indicator { width: 12px; height: 12px; border: %4px solid %5;"
               " border-radius: 3px; background: %6; }"
               "QCheckBox::indicator:checked { border-color: %7; background:"
               " qradialgradient(cx:0.5, cy:0.5, radius:0.7, fx:0.5, fy:0.5,"
               " stop:0 %7, stop:0.6 %7, stop:0.75 %6); }"
               "QCheckBox::indicator:disabled { border-color: %8; }")
        .arg(Css(c.paleText), Css(c.white), Css(c.dimText))
        .arg(c.cellLineWidth)
        .arg(Css(c.sky), Css(c.nightDeep), Css(c.gold), Css(c.steel));
}

// The text colour of a list's chosen entry, in the looks that give one.
QString SelectionTextRule(const QString& selector) {
    const QColor& text = Current().selectionText;
    return text.isValid() ? QStringLiteral("%1 { selection-color: %2; }").arg(selector, Css(text))
                          : QString();
}

QString ComboSheet() {
    const Colours& c = Current();
    return QStringLiteral(
               "QComboBox { color: %1; background: %2; border: 1px solid %3; border-radius: 4px;"
               " padding: 4px 8px 4px 10px; min-height: 20px; }"
               "QComboBox:focus { border-color: %4; }"
               "QComboBox::drop-down { subcontrol-origin: padding; subcontrol-position: center "
               "right;"
               " width: 22px; border-left: 1px solid %5; }"
               "QComboBox::down-arrow { image: url(%8);"
               " width: 10px; height: 10px; }"
               "QComboBox QAbstractItemView { color: %1; background: %6; border: 1px solid %3;"
               " selection-background-color: %7; }")
               .arg(Css(c.paleText), Css(c.buttonBottom), Css(c.sky), Css(c.gold), Css(c.steel),
                    Css(c.nightDeep), Css(c.selection),
                    StyleSheetPicture(QStringLiteral(":/controls/down_arrow.svg"))) +
           SelectionTextRule(QStringLiteral("QComboBox QAbstractItemView"));
}

QString NightFrameSheet() {
    const Colours& c = Current();
    return QStringLiteral(
               "QGroupBox { color: %1; border: 1px solid %2; border-radius: 6px; margin-top: "
               "14px;"
               " padding: 14px 10px 10px 10px; }"
               "QGroupBox::title { subcontrol-origin: margin; left: 12px; padding: 0 4px; }"
               "QGroupBox:disabled { color: %3; border-color: %4; }")
        .arg(Css(c.gold), Css(c.sky), Css(c.dimText), Css(c.steel));
}

QString RockFrameSheet() {
    const Colours& c = Current();
    return QStringLiteral(
               "QGroupBox { border: 1px solid %1; border-radius: 6px; margin-top: 14px;"
               " padding: 10px 8px 6px 8px; font-weight: bold; }"
               "QGroupBox::title { subcontrol-origin: margin; left: 12px; padding: 0 4px;"
               " color: %2; }")
        .arg(Css(c.rockEdge), Css(c.rockGold));
}

QString NightTextBoxSheet() {
    const Colours& c = Current();
    return QStringLiteral(
               "QPlainTextEdit, QLineEdit { color: %1; background: %2; border: 1px solid %3;"
               " border-radius: 4px; padding: 2px 4px; }"
               "QLineEdit:focus { border-color: %4; }"
               "QLineEdit:disabled { color: %5; }")
        .arg(Css(c.paleText), Css(c.nightDeep), Css(c.steel), Css(c.gold), Css(c.dimText));
}

QString RockTextBoxSheet() {
    const Colours& c = Current();
    return QStringLiteral(
               "QPlainTextEdit { color: %1; background: %2; border: 1px solid %3;"
               " selection-background-color: %4; }"
               "QScrollBar:vertical { background: %5; width: 14px; margin: 0; }"
               "QScrollBar::handle:vertical { background: %4; min-height: 28px;"
               " border-radius: 4px; margin: 2px; }"
               "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
               "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; "
               "}")
        .arg(Css(c.rockText), Css(c.rockDeep), Css(c.rockEdge), Css(c.rockButtonTop),
             Css(c.rockScrollGroove));
}

QString TabSheet() {
    const Colours& c = Current();
    return QStringLiteral(
               "QTabBar::tab { color: %1; background: %2; border: 1px solid %3;"
               " border-bottom: none; border-top-left-radius: 4px; border-top-right-radius: 4px;"
               " padding: 3px 8px; margin-right: 1px; }"
               "QTabBar::tab:selected { color: %4; background: %5; }"
               "QTabBar::tab:hover { color: %6; }")
        .arg(Css(c.paleText), Css(c.nightButton), Css(c.steel), Css(c.gold), Css(c.buttonTop),
             Css(c.white));
}

QString RockMenuSheet() {
    const Colours& c = Current();
    return QStringLiteral(
               "QMenuBar { color: %1; background: %2; border-bottom: 1px solid %3; }"
               "QMenuBar::item { background: transparent; padding: 4px 10px; }"
               "QMenuBar::item:selected { background: %4; }"
               "QMenuBar::item:disabled { color: %5; }"
               "QMenu { color: %1; background: %2; border: 1px solid %6; }"
               "QMenu::item { padding: 5px 24px 5px 28px; }"
               "QMenu::item:selected { background: %4; }"
               "QMenu::item:disabled { color: %5; }")
        .arg(Css(c.rockText), Css(c.rockMenu), Css(c.rockDarkEdge), Css(c.rockMenuChosen),
             Css(c.rockDimText), Css(c.rockEdge));
}

// A menu that pops up over a night window: a deep panel edged like the controls, its chosen
// entry lit as a button under the pointer is, and the entries that are choices marked as the
// option buttons are.
QString NightMenuSheet() {
    const Colours& c = Current();
    return QStringLiteral(
               "QMenu { color: %1; background: %2; border: 1px solid %3; padding: 4px 0; }"
               "QMenu::item { padding: 6px 28px 6px 22px; }"
               "QMenu::item:selected { color: %4; background: %5; }"
               "QMenu::item:disabled { color: %6; }"
               "QMenu::separator { height: 1px; background: %7; margin: 4px 10px; }")
               .arg(Css(c.paleText), Css(c.nightDeep), Css(c.sky), Css(c.white),
                    Gradient(c.buttonHoverTop, c.buttonHoverBottom), Css(c.dimText), Css(c.steel)) +
           ChoiceMarkSheet(QStringLiteral("QMenu::indicator")) +
           QStringLiteral("QMenu::indicator { margin-left: 8px; }");
}

QString SmallButtonSheet() {
    // Later rules of a sheet win over earlier ones of the same selector.
    return NightButtonSheet() +
           QStringLiteral("QPushButton { padding: 0px 8px; min-height: 0px; }");
}

QString ControlSheet(const QWidget* control, Theme theme) {
    const bool night = theme == Theme::Night;
    if (control->property(kSmallButton).toBool()) {
        return SmallButtonSheet();
    }
    if (qobject_cast<const QPushButton*>(control)) {
        return night ? NightButtonSheet() : RockButtonSheet();
    }
    if (qobject_cast<const QRadioButton*>(control)) {
        return RadioSheet();
    }
    if (qobject_cast<const QCheckBox*>(control)) {
        return CheckSheet();
    }
    if (qobject_cast<const QComboBox*>(control)) {
        return ComboSheet();
    }
    if (qobject_cast<const QGroupBox*>(control)) {
        return night ? NightFrameSheet() : RockFrameSheet();
    }
    if (qobject_cast<const QPlainTextEdit*>(control) || qobject_cast<const QLineEdit*>(control)) {
        return night ? NightTextBoxSheet() : RockTextBoxSheet();
    }
    if (qobject_cast<const QTabBar*>(control)) {
        return TabSheet();
    }
    if (qobject_cast<const QMenuBar*>(control)) {
        return RockMenuSheet();
    }
    // The rock look's menus hang from its menu bar, whose sheet covers them.
    if (night && qobject_cast<const QMenu*>(control)) {
        return NightMenuSheet();
    }
    return {};
}

// A widget of the window, not of another window opened over it; the popups of its lists and
// menus count as the window's.
bool BelongsTo(const QWidget* widget, const QWidget* window) {
    for (const QWidget* w = widget; w != nullptr && w != window; w = w->parentWidget()) {
        if (w->isWindow() && w->windowType() != Qt::Popup) {
            return false;
        }
    }
    return true;
}

// The control makes its font and colours its own: what it set itself, and its parent's for the
// rest.
void TakeParentLook(QWidget* control) {
    const QWidget* parent = control->parentWidget();
    QFont font = control->font().resolve(parent->font());
    font.setResolveMask(QFont::AllPropertiesResolved);
    control->setFont(font);
    QPalette palette = control->palette().resolve(parent->palette());
    palette.setResolveMask(kEveryColour);
    control->setPalette(palette);
}

// Gives the window the theme's colours and its font, and every control of it what it has from
// the window as its own.
void HandDownColours(QWidget* window, Theme theme) {
    window->setPalette(ThemePalette(theme));
    window->setAutoFillBackground(true);
    if (!window->testAttribute(Qt::WA_SetFont)) {
        window->setFont(Font(kTextSize));
    }
    // A list makes its popup only when it is first needed; make it now, so that it is styled too.
    for (QComboBox* list : window->findChildren<QComboBox*>()) {
        list->view();
    }
    // A control under a style sheet takes its colours from the application (which a desktop
    // theme sets) rather than from its parent, so first every control makes what it has from
    // the window its own: what it set itself, and its parent's for the rest. Its font likewise.
    // Parents come before their children in the list.
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (BelongsTo(control, window)) {
            TakeParentLook(control);
        }
    }
}

// Sets the theme's sheet on each kind of control of the window that has one.
void SetControlSheets(QWidget* window, Theme theme) {
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (BelongsTo(control, window)) {
            if (const QString sheet = ControlSheet(control, theme); !sheet.isEmpty()) {
                control->setStyleSheet(sheet);
            }
        }
    }
}

// What a control keeps through a change of look, as SetTextColour, SetBackground, DrawOutline and
// FramePanel with a role recorded it.
struct KeptLook {
    ColourRole text = nullptr;
    ColourRole background = nullptr;
    OutlineRole outline = nullptr;
    ColourRole panelBorder = nullptr;
};

QHash<QWidget*, KeptLook>& KeptLooks() {
    static QHash<QWidget*, KeptLook> kept;
    return kept;
}

KeptLook& Keep(QWidget* widget) {
    auto& kept = KeptLooks();
    if (!kept.contains(widget)) {
        QObject::connect(widget, &QObject::destroyed, [widget] { KeptLooks().remove(widget); });
    }
    return kept[widget];
}

// The parts of what a control keeps that are style sheets.
void ApplyKeptSheets(QWidget* widget, const KeptLook& kept) {
    if (kept.outline != nullptr) {
        DrawOutline(widget, kept.outline());
    }
    if (kept.panelBorder != nullptr) {
        FramePanel(widget, Current().*kept.panelBorder);
    }
}

// The parts of what a control keeps that are colours of its own.
void ApplyKeptColours(QWidget* widget, const KeptLook& kept) {
    if (kept.text != nullptr) {
        SetTextColour(widget, Current().*kept.text);
    }
    if (kept.background != nullptr) {
        SetBackground(widget, Current().*kept.background);
    }
}

// Forgets the colours a window and its controls were given in the look before, so that
// HandDownColours hands the new look's down again.
void ForgetColours(QWidget* window) {
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (BelongsTo(control, window)) {
            control->setPalette(QPalette());
        }
    }
}

PictureTone ToneOf(Look look) {
    switch (look) {
        case Look::HighContrast:
            return PictureTone::HighContrast;
        case Look::Light:
            return PictureTone::Light;
        case Look::Standard:
            break;
    }
    return PictureTone::AsDrawn;
}

}  // namespace

const Colours& ColoursOf(Look look) {
    switch (look) {
        case Look::HighContrast:
            return kHighContrastColours;
        case Look::Light:
            return kLightColours;
        case Look::Standard:
            break;
    }
    return kStandardColours;
}

Look CurrentLook() { return currentLook; }

const Colours& Current() { return ColoursOf(currentLook); }

LookNotice& LookChanges() {
    static LookNotice notice;
    return notice;
}

void UseLook(Look look) {
    currentLook = look;
    UsePictureTone(ToneOf(look));
    if (qApp == nullptr) {
        return;
    }
    QApplication::setPalette(ThemePalette(Theme::Night));
    QList<std::pair<QWidget*, Theme>> styled;
    for (QWidget* widget : QApplication::allWidgets()) {
        if (const QVariant theme = widget->property(kStyledTheme); theme.isValid()) {
            styled.append({widget, static_cast<Theme>(theme.toInt())});
        }
    }
    // The sheets first: a sheet set on a control gives every control under it back the colours
    // it had when last styled, so the colours are handed down after every sheet is set.
    for (const auto& [window, theme] : styled) {
        SetControlSheets(window, theme);
    }
    for (auto kept = KeptLooks().cbegin(); kept != KeptLooks().cend(); ++kept) {
        ApplyKeptSheets(kept.key(), kept.value());
    }
    for (const auto& [window, theme] : styled) {
        ForgetColours(window);
        HandDownColours(window, theme);
    }
    for (auto kept = KeptLooks().cbegin(); kept != KeptLooks().cend(); ++kept) {
        ApplyKeptColours(kept.key(), kept.value());
    }
    emit LookChanges().changed();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->update();
    }
}

QColor Legible(const QColor& colour) {
    const Colours& c = Current();
    if (ContrastRatio(colour, c.night) >= c.textContrast) {
        return colour;
    }
    // Towards white on a dark background, towards black on a light one.
    const int step = c.night.lightness() < 128 ? 1 : -1;
    QColor shown = colour.toHsl();
    while (ContrastRatio(shown, c.night) < c.textContrast && shown.lightness() + step >= 0 &&
           shown.lightness() + step <= 255) {
        shown = QColor::fromHsl(shown.hslHue(), shown.hslSaturation(), shown.lightness() + step);
    }
    return shown.toRgb();
}

void FollowLook(QObject* owner, const std::function<void()>& apply) {
    apply();
    QObject::connect(&LookChanges(), &LookNotice::changed, owner, apply);
}

Outline TitleMenuFrame() {
    const Colours& c = Current();
    return {c.sky, 2, 6, c.titleMenuFill, c.nightDeep};
}

Outline TitleMarker() {
    const Colours& c = Current();
    return {c.titleMarkerEdge, 1, 4, c.titleMarkerTop, c.titleMarkerBottom, true};
}

Outline MessageHighlight() {
    const Colours& c = Current();
    return {c.green, 2, 5, c.messageHighlightFill};
}

Outline InfoCard() { return {Current().sky, 1, 6, Current().nightDeep}; }

Outline CellMarker() { return {Current().gold, 2}; }

Outline CellKeyMarker() { return {Current().gold, 3, 4}; }

Outline KeyCursorFrame() { return {Current().keyCursor, 3, 3}; }

Outline ThinkingPanel() {
    const Colours& c = Current();
    return {c.thinking, 1, 5, c.thinkingBack};
}

QFont Font(int pixelSize, bool bold) {
    return MakeFont(kFamily, QFont::SansSerif, pixelSize, bold);
}

QFont FixedFont(int pixelSize, bool bold) {
    return MakeFont(kFixedFamily, QFont::Monospace, pixelSize, bold);
}

QPalette ThemePalette(Theme theme) {
    const Colours& c = Current();
    const bool night = theme == Theme::Night;
    const QColor window = night ? c.night : c.rock;
    const QColor text = night ? c.paleText : c.rockText;
    const QColor deep = night ? c.nightDeep : c.rockDeep;
    const QColor button = night ? c.nightButton : c.rockButtonBottom;
    const QColor edge = night ? c.steel : c.rockEdge;
    const QColor dim = night ? c.dimText : c.rockDimText;

    QPalette palette;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::ButtonText, text);
    }
    palette.setColor(QPalette::Disabled, QPalette::WindowText, dim);
    palette.setColor(QPalette::Disabled, QPalette::Text, dim);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, dim);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::Base, deep);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Button, button);
    palette.setColor(QPalette::Light, edge.lighter(140));
    palette.setColor(QPalette::Midlight, edge);
    palette.setColor(QPalette::Mid, edge.darker(130));
    palette.setColor(QPalette::Dark, deep);
    palette.setColor(QPalette::Shadow, c.black);
    palette.setColor(QPalette::BrightText, c.white);
    palette.setColor(QPalette::Highlight, night ? c.selection : c.rockButtonTop);
    palette.setColor(QPalette::HighlightedText,
                     c.selectionText.isValid() ? c.selectionText : c.white);
    palette.setColor(QPalette::Link, night ? c.sky : c.rockGold);
    palette.setColor(QPalette::LinkVisited, night ? c.sky : c.rockGold);
    palette.setColor(QPalette::ToolTipBase, deep);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, dim);
    return palette;
}

void PinApplicationLook() {
    QApplication::setStyle(new GameStyle);
    QApplication::setPalette(ThemePalette(Theme::Night));
    QApplication::setFont(Font(kTextSize));
}

void StyleWindow(QWidget* window, Theme theme) {
    window->setProperty(kStyledTheme, static_cast<int>(theme));
    HandDownColours(window, theme);
    SetControlSheets(window, theme);
}

void StyleAddedMenu(QMenu* menu) {
    TakeParentLook(menu);
    menu->setStyleSheet(NightMenuSheet());
}

void StyleAddedSmallButton(QPushButton* button) {
    TakeParentLook(button);
    button->setProperty(kSmallButton, true);
    button->setStyleSheet(SmallButtonSheet());
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    // Windows redraw often; a colour the widget already has as its own is left alone. One it
    // only inherits is set, so that it stays when the window hands its own colours down.
    if (palette.isBrushSet(QPalette::Active, QPalette::WindowText) &&
        palette.color(QPalette::WindowText) == colour &&
        palette.color(QPalette::ButtonText) == colour) {
        return;
    }
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

void HoldTextColour(QWidget* widget, const QColor& colour) {
    widget->setStyleSheet(QStringLiteral("color: %1;").arg(Css(colour)));
}

void SetBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void DrawOutline(QWidget* widget, const Outline& outline) {
    const QString fill =
        outline.fillEnd.isValid()
            ? QStringLiteral("qlineargradient(x1:0, y1:0, x2:%1, y2:%2, stop:0 %3, stop:1 %4)")
                  .arg(outline.across ? 1 : 0)
                  .arg(outline.across ? 0 : 1)
                  .arg(Css(outline.fill), Css(outline.fillEnd))
            : Css(outline.fill);
    const QString rules =
        QStringLiteral("border: %1px solid %2; border-radius: %3px; background: %4; padding: %5px;")
            .arg(outline.edgeWidth)
            .arg(Css(outline.edge))
            .arg(outline.radius)
            .arg(fill)
            .arg(outline.padding);
    // Named after the widget, the sheet reaches the widget alone and not the labels inside it.
    const QString name = widget->objectName();
    widget->setStyleSheet(name.isEmpty() ? rules : QStringLiteral("#%1 { %2 }").arg(name, rules));
}

void SetTextColour(QWidget* widget, ColourRole role) {
    Keep(widget).text = role;
    SetTextColour(widget, Current().*role);
}

void SetBackground(QWidget* widget, ColourRole role) {
    Keep(widget).background = role;
    SetBackground(widget, Current().*role);
}

void DrawOutline(QWidget* widget, OutlineRole role) {
    Keep(widget).outline = role;
    DrawOutline(widget, role());
}

void FramePanel(QWidget* panel, ColourRole border) {
    Keep(panel).panelBorder = border;
    FramePanel(panel, Current().*border);
}

void FramePanel(QWidget* panel, const QColor& border) {
    DrawOutline(panel, Outline{border, 2, 0, Current().nightDeep, {}, false, 6});
}

void PaintRock(QPainter& painter, const QWidget* widget, const QRect& area) {
    if (!Current().textures) {
        painter.fillRect(area, Current().rock);
        return;
    }
    // Rendering the texture takes a while and windows repaint often (also while the computer
    // thinks), so one tile per screen density and display scale is kept in Qt's pixmap cache.
    const qreal ratio = widget->devicePixelRatioF();
    const int scale = AppliedDisplayScale();
    const QString key = QStringLiteral("morvane-extra-rock@%1x%2").arg(ratio).arg(scale);
    QPixmap tile;
    if (!QPixmapCache::find(key, &tile)) {
        tile =
            RenderPicture(kRockPicture, QSize(kRockTileSize, kRockTileSize), ratio * scale / 100.0);
        tile.setDevicePixelRatio(ratio);
        QPixmapCache::insert(key, tile);
    }
    painter.drawTiledPixmap(area, tile);
}

}  // namespace morvane::look

#include "moc_look.cpp"
