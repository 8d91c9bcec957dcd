#include "shell/windows/look.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
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

// The shades of the controls' faces and edges.
const QColor kButtonTop(40, 64, 110);
const QColor kButtonBottom(16, 28, 56);
const QColor kButtonHoverTop(60, 96, 160);
const QColor kButtonHoverBottom(24, 42, 84);
const QColor kButtonPressed(14, 24, 48);
const QColor kRockButtonText(255, 240, 210);
const QColor kRockDarkEdge(30, 18, 10);
const QColor kRockButtonTop(128, 90, 56);
const QColor kRockButtonBottom(82, 54, 32);
const QColor kRockButtonHoverTop(156, 112, 70);
const QColor kRockButtonHoverBottom(100, 66, 38);
const QColor kRockButtonPressed(70, 46, 26);
const QColor kRockDimText(130, 112, 92);
const QColor kRockDimEdge(44, 32, 22);
const QColor kRockDimButton(62, 46, 34);
const QColor kRockScrollGroove(36, 24, 14);
const QColor kRockMenu(58, 38, 22);
const QColor kRockMenuChosen(110, 76, 46);

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
        painter->setPen(QPen(kGold, width));
        painter->setBrush(Qt::NoBrush);
        const qreal inset = width / 2.0;
        painter->drawRoundedRect(QRectF(option->rect).adjusted(inset, inset, -inset, -inset),
                                 radius, radius);
        painter->restore();
    }

private:
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
    return QStringLiteral(
               "QPushButton { color: %1; border: 1px solid %2; border-radius: 5px;"
               " padding: 5px 16px; min-height: 20px; background: %3; }"
               "QPushButton:hover { color: %4; background: %5; }"
               "QPushButton:pressed { background: %6; }"
               "QPushButton:focus { border-color: %7; }"
               "QPushButton:disabled { color: %8; border-color: %9; }")
        .arg(Css(kPaleText), Css(kSky), Gradient(kButtonTop, kButtonBottom), Css(kWhite),
             Gradient(kButtonHoverTop, kButtonHoverBottom), Css(kButtonPressed), Css(kGold),
             Css(kDimText), Css(kSteel));
}

QString RockButtonSheet() {
    return QStringLiteral(
               "QPushButton { color: %1; border: 2px solid %2; border-radius: 5px;"
               " padding: 3px 10px; font-weight: bold; background: %3; }"
               "QPushButton:hover { background: %4; }"
               "QPushButton:pressed { background: %5; }"
               "QPushButton:disabled { color: %6; border-color: %7; background: %8; }")
        .arg(Css(kRockButtonText), Css(kRockDarkEdge), Gradient(kRockButtonTop, kRockButtonBottom),
             Gradient(kRockButtonHoverTop, kRockButtonHoverBottom), Css(kRockButtonPressed),
             Css(kRockDimText), Css(kRockDimEdge), Css(kRockDimButton));
}

// The mark of a choice, for the indicators the selector names: a hollow ring when not chosen,
// a bright disc in a bright ring when chosen.
QString ChoiceMarkSheet(const QString& indicator) {
    return QStringLiteral(
               "%1 { width: 14px; height: 14px; border-radius: 8px; border: 1px solid %2;"
               " background: %3; }"
               "%1:checked { border-color: %4; background:"
               " qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5,"
               " stop:0 %4, stop:0.55 %4, stop:0.7 %3); }"
               "%1:disabled { border-color: %5; }")
        .arg(indicator, Css(kSky), Css(kNightDeep), Css(kGold), Css(kSteel));
}

// One option button for the whole game: the choice's mark and, when chosen, a bright caption,
// so that the choice reads at a glance.
QString RadioSheet() {
    return QStringLiteral(
               "QRadioButton { color: %1; spacing: 8px; padding: 2px 0; }"
               "QRadioButton:hover { color: %2; }"
               "QRadioButton:checked { color: %3; }"
               "QRadioButton:disabled { color: %4; }")
               .arg(Css(kPaleText), Css(kWhite), Css(kGold), Css(kDimText)) +
           ChoiceMarkSheet(QStringLiteral("QRadioButton::indicator"));
}

QString ComboSheet() {
    return QStringLiteral(
               "QComboBox { color: %1; background: %2; border: 1px solid %3; border-radius: 4px;"
               " padding: 4px 8px 4px 10px; min-height: 20px; }"
               "QComboBox:focus { border-color: %4; }"
               "QComboBox::drop-down { subcontrol-origin: padding; subcontrol-position: center "
               "right;"
               " width: 22px; border-left: 1px solid %5; }"
               "QComboBox::down-arrow { image: url(:/controls/down_arrow.svg);"
               " width: 10px; height: 10px; }"
               "QComboBox QAbstractItemView { color: %1; background: %6; border: 1px solid %3;"
               " selection-background-color: %5; }")
        .arg(Css(kPaleText), Css(kButtonBottom), Css(kSky), Css(kGold), Css(kSteel),
             Css(kNightDeep));
}

QString NightFrameSheet() {
    return QStringLiteral(
               "QGroupBox { color: %1; border: 1px solid %2; border-radius: 6px; margin-top: "
               "14px;"
               " padding: 14px 10px 10px 10px; }"
               "QGroupBox::title { subcontrol-origin: margin; left: 12px; padding: 0 4px; }"
               "QGroupBox:disabled { color: %3; border-color: %4; }")
        .arg(Css(kGold), Css(kSky), Css(kDimText), Css(kSteel));
}

QString RockFrameSheet() {
    return QStringLiteral(
               "QGroupBox { border: 1px solid %1; border-radius: 6px; margin-top: 14px;"
               " padding: 10px 8px 6px 8px; font-weight: bold; }"
               "QGroupBox::title { subcontrol-origin: margin; left: 12px; padding: 0 4px;"
               " color: %2; }")
        .arg(Css(kRockEdge), Css(kRockGold));
}

QString NightTextBoxSheet() {
    return QStringLiteral(
               "QPlainTextEdit, QLineEdit { color: %1; background: %2; border: 1px solid %3;"
               " border-radius: 4px; padding: 2px 4px; }"
               "QLineEdit:focus { border-color: %4; }"
               "QLineEdit:disabled { color: %5; }")
        .arg(Css(kPaleText), Css(kNightDeep), Css(kSteel), Css(kGold), Css(kDimText));
}

QString RockTextBoxSheet() {
    return QStringLiteral(
               "QPlainTextEdit { color: %1; background: %2; border: 1px solid %3;"
               " selection-background-color: %4; }"
               "QScrollBar:vertical { background: %5; width: 14px; margin: 0; }"
               "QScrollBar::handle:vertical { background: %4; min-height: 28px;"
               " border-radius: 4px; margin: 2px; }"
               "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
               "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; "
               "}")
        .arg(Css(kRockText), Css(kRockDeep), Css(kRockEdge), Css(kRockButtonTop),
             Css(kRockScrollGroove));
}

QString TabSheet() {
    return QStringLiteral(
               "QTabBar::tab { color: %1; background: %2; border: 1px solid %3;"
               " border-bottom: none; border-top-left-radius: 4px; border-top-right-radius: 4px;"
               " padding: 3px 8px; margin-right: 1px; }"
               "QTabBar::tab:selected { color: %4; background: %5; }"
               "QTabBar::tab:hover { color: %6; }")
        .arg(Css(kPaleText), Css(kNightButton), Css(kSteel), Css(kGold), Css(kButtonTop),
             Css(kWhite));
}

QString RockMenuSheet() {
    return QStringLiteral(
               "QMenuBar { color: %1; background: %2; border-bottom: 1px solid %3; }"
               "QMenuBar::item { background: transparent; padding: 4px 10px; }"
               "QMenuBar::item:selected { background: %4; }"
               "QMenuBar::item:disabled { color: %5; }"
               "QMenu { color: %1; background: %2; border: 1px solid %6; }"
               "QMenu::item { padding: 5px 24px 5px 28px; }"
               "QMenu::item:selected { background: %4; }"
               "QMenu::item:disabled { color: %5; }")
        .arg(Css(kRockText), Css(kRockMenu), Css(kRockDarkEdge), Css(kRockMenuChosen),
             Css(kRockDimText), Css(kRockEdge));
}

// A menu that pops up over a night window: a deep panel edged like the controls, its chosen
// entry lit as a button under the pointer is, and the entries that are choices marked as the
// option buttons are.
QString NightMenuSheet() {
    return QStringLiteral(
               "QMenu { color: %1; background: %2; border: 1px solid %3; padding: 4px 0; }"
               "QMenu::item { padding: 6px 28px 6px 22px; }"
               "QMenu::item:selected { color: %4; background: %5; }"
               "QMenu::item:disabled { color: %6; }"
               "QMenu::separator { height: 1px; background: %7; margin: 4px 10px; }")
               .arg(Css(kPaleText), Css(kNightDeep), Css(kSky), Css(kWhite),
                    Gradient(kButtonHoverTop, kButtonHoverBottom), Css(kDimText), Css(kSteel)) +
           ChoiceMarkSheet(QStringLiteral("QMenu::indicator")) +
           QStringLiteral("QMenu::indicator { margin-left: 8px; }");
}

QString ControlSheet(const QWidget* control, Theme theme) {
    const bool night = theme == Theme::Night;
    if (qobject_cast<const QPushButton*>(control)) {
        return night ? NightButtonSheet() : RockButtonSheet();
    }
    if (qobject_cast<const QRadioButton*>(control)) {
        return RadioSheet();
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

}  // namespace

QFont Font(int pixelSize, bool bold) {
    return MakeFont(kFamily, QFont::SansSerif, pixelSize, bold);
}

QFont FixedFont(int pixelSize, bool bold) {
    return MakeFont(kFixedFamily, QFont::Monospace, pixelSize, bold);
}

QPalette ThemePalette(Theme theme) {
    const bool night = theme == Theme::Night;
    const QColor window = night ? kNight : kRock;
    const QColor text = night ? kPaleText : kRockText;
    const QColor deep = night ? kNightDeep : kRockDeep;
    const QColor button = night ? kNightButton : kRockButtonBottom;
    const QColor edge = night ? kSteel : kRockEdge;
    const QColor dim = night ? kDimText : kRockDimText;

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
    palette.setColor(QPalette::Shadow, kBlack);
    palette.setColor(QPalette::BrightText, kWhite);
    palette.setColor(QPalette::Highlight, night ? kSteel : kRockButtonTop);
    palette.setColor(QPalette::HighlightedText, kWhite);
    palette.setColor(QPalette::Link, night ? kSky : kRockGold);
    palette.setColor(QPalette::LinkVisited, night ? kSky : kRockGold);
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
    const QList<QWidget*> controls = window->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (BelongsTo(control, window)) {
            TakeParentLook(control);
        }
    }
    for (QWidget* control : controls) {
        if (BelongsTo(control, window)) {
            if (const QString sheet = ControlSheet(control, theme); !sheet.isEmpty()) {
                control->setStyleSheet(sheet);
            }
        }
    }
}

void StyleAddedMenu(QMenu* menu) {
    TakeParentLook(menu);
    menu->setStyleSheet(NightMenuSheet());
}

void StyleAddedSmallButton(QPushButton* button) {
    TakeParentLook(button);
    // Later rules of a sheet win over earlier ones of the same selector.
    button->setStyleSheet(NightButtonSheet() +
                          QStringLiteral("QPushButton { padding: 0px 8px; min-height: 0px; }"));
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

void FramePanel(QWidget* panel, const QColor& border) {
    DrawOutline(panel, Outline{border, 2, 0, kNightDeep, {}, false, 6});
}

void PaintRock(QPainter& painter, const QWidget* widget, const QRect& area) {
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
