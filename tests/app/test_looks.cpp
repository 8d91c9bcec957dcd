#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "assets/colour_contrast.h"
#include "shell/settings/look_setting.h"
#include "shell/settings/settings_keys.h"
#include "shell/windows/look.h"
#include "tests/app/all_windows.h"
#include "tests/support/screenshot.h"

using namespace morvane;
using morvane::testing::Windows;

namespace {

// The contrast a part of a control needs to be seen against what is around it.
constexpr double kLeastMarkContrast = 3;

// The colour most of the area's pixels have: what stands behind a text.
QRgb Background(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    QRgb most = 0;
    int mostCount = 0;
    for (auto count = counts.cbegin(); count != counts.cend(); ++count) {
        if (count.value() > mostCount) {
            most = count.key();
            mostCount = count.value();
        }
    }
    return most;
}

// The contrast of a text with what is behind it, from the rendered pixels: its strongest pixel,
// the core of a stroke, against the area's most common colour.
double TextContrast(const QImage& image, const QRect& area) {
    const QColor behind = QColor::fromRgb(Background(image, area));
    double strongest = 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            strongest =
                std::max(strongest, ContrastRatio(QColor::fromRgb(image.pixel(x, y)), behind));
        }
    }
    return strongest;
}

// Where a control draws its text, in its own coordinates: inside a label's frame, beside a
// choice's mark, inside a button's edge, so that no frame or mark is taken for the text.
QRect TextArea(QWidget* control) {
    QStyleOptionButton option;
    option.initFrom(control);
    if (qobject_cast<QRadioButton*>(control)) {
        return control->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, control);
    }
    if (qobject_cast<QPushButton*>(control)) {
        return control->style()->subElementRect(QStyle::SE_PushButtonContents, &option, control);
    }
    return control->contentsRect();
}

// The controls of the window that show a text of their own, where they show it.
QList<std::pair<QString, QRect>> ShownTexts(QWidget* window) {
    QList<std::pair<QString, QRect>> texts;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(control);
        const auto* button = qobject_cast<QAbstractButton*>(control);
        const auto* tool = qobject_cast<QToolButton*>(control);
        // A tool button showing only its icon shows a picture, not its text.
        const bool showsText = !tool || tool->toolButtonStyle() != Qt::ToolButtonIconOnly;
        const QString text = label                 ? label->text()
                             : button && showsText ? button->text()
                                                   : QString();
        // The part of it that shows, not what a scroll area or the window cuts off.
        const QRect shown = control->visibleRegion().boundingRect() & TextArea(control);
        if (text.trimmed().isEmpty() || !control->isVisible() || control->window() != window ||
            shown.isEmpty()) {
            continue;
        }
        texts.append({control->objectName() + QLatin1Char(' ') + text.left(12),
                      QRect(control->mapTo(window, shown.topLeft()), shown.size())});
    }
    return texts;
}

// The parts of the window's controls that carry a meaning without a text: the box of a check
// box, the ring of an option button, a list's arrow, an arrow button's arrow, where each is drawn
// in the window.
QList<std::pair<QString, QRect>> ShownMarks(QWidget* window) {
    QList<std::pair<QString, QRect>> marks;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisible() || control->window() != window) {
            continue;
        }
        QRect mark;
        if (qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control)) {
            QStyleOptionButton option;
            option.initFrom(control);
            mark = control->style()->subElementRect(qobject_cast<QCheckBox*>(control)
                                                        ? QStyle::SE_CheckBoxIndicator
                                                        : QStyle::SE_RadioButtonIndicator,
                                                    &option, control);
            // With what is around it, which the mark must stand out from.
            mark.adjust(-3, -3, 3, 3);
        } else if (auto* arrow = qobject_cast<QToolButton*>(control);
                   arrow != nullptr && arrow->arrowType() != Qt::NoArrow) {
            // Inside the button's edge.
            mark = arrow->rect().adjusted(3, 3, -3, -3);
        } else if (auto* list = qobject_cast<QComboBox*>(control)) {
            QStyleOptionComboBox option;
            option.initFrom(list);
            // The middle of the arrow's button, where the arrow is: not the rule on its left nor
            // the list's edge around it.
            const QRect button = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                               QStyle::SC_ComboBoxArrow, list);
            mark = QRect(0, 0, 12, 12);
            mark.moveCenter(button.center());
        }
        if (!mark.isEmpty()) {
            marks.append({control->objectName(),
                          QRect(control->mapTo(window, mark.topLeft()), mark.size())});
        }
    }
    return marks;
}

QImage Rendered(QWidget* window) {
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The window rendered at a density of kDensity: the cores of a text's thinnest strokes, which
// at the window's own density only ever cover part of a pixel, come out whole pixels of the text's
// colour.
constexpr int kDensity = 4;
QImage RenderedDense(QWidget* window) {
    QImage image(window->size() * kDensity, QImage::Format_RGB32);
    image.setDevicePixelRatio(kDensity);
    window->render(&image);
    return image;
}

}  // namespace

class LooksTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { look::PinApplicationLook(); }
    void cleanup() { look::UseLook(Look::Standard); }

    void storedLookReads_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<std::optional<Look>>("read");
        QTest::newRow("not chosen") << QString() << std::optional<Look>();
        QTest::newRow("standard") << QStringLiteral("standard") << std::optional(Look::Standard);
        QTest::newRow("high contrast")
            << QStringLiteral("high-contrast") << std::optional(Look::HighContrast);
        QTest::newRow("light") << QStringLiteral("light") << std::optional(Look::Light);
        QTest::newRow("unknown") << QStringLiteral("sepia") << std::optional(Look::Standard);
    }
    void storedLookReads() {
        QFETCH(QString, stored);
        QFETCH(std::optional<Look>, read);
        testing::TempSettings temp;
        temp.store().Write(settings::ChosenLook(), stored);
        QCOMPARE(ReadChosenLook(temp.store()), read);
    }

    // Every text of every open window stands out from what is behind it as much as a look chosen
    // meanwhile says, and every mark of a control (a check box, an option's ring, a list's arrow)
    // as much as a part of a control must be seen (3 : 1).
    void textsStandOut_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Look>("chosen");
        for (const Look chosen : {Look::HighContrast, Look::Light}) {
            for (const auto& entry : Windows::All()) {
                QTest::addRow("%s %s", qPrintable(LookCode(chosen)), qPrintable(entry.first))
                    << entry.first << chosen;
            }
        }
    }
    void textsStandOut() {
        QFETCH(QString, name);
        QFETCH(Look, chosen);
        Windows windows;
        const std::unique_ptr<QWidget> window = windows.Make(name);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        // Chosen while the window is open, which it then follows.
        look::UseLook(chosen);
        const QImage image = RenderedDense(window.get());
        testing::SaveScreenshot(window.get(), LookCode(chosen) + QLatin1Char('_') + name);
        const double least = look::ColoursOf(chosen).textContrast;
        QStringList faint;
        for (const auto& [text, place] : ShownTexts(window.get())) {
            const QRect dense(place.topLeft() * kDensity, place.size() * kDensity);
            if (const double contrast = TextContrast(image, dense); contrast < least) {
                faint << QStringLiteral("%1 (%2 : 1)").arg(text).arg(contrast, 0, 'f', 2);
            }
        }
        for (const auto& [mark, place] : ShownMarks(window.get())) {
            const QRect dense(place.topLeft() * kDensity, place.size() * kDensity);
            if (const double contrast = TextContrast(image, dense); contrast < kLeastMarkContrast) {
                faint << QStringLiteral("%1's mark (%2 : 1)").arg(mark).arg(contrast, 0, 'f', 2);
            }
        }
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QStringLiteral(", "))));
    }

    // A look chosen in the battle screen's View menu is stored and redraws the open screen at
    // once; the standard look chosen again brings back every pixel it had.
    void lookChosenInTheBattleScreen() {
        Windows windows;
        const std::unique_ptr<QWidget> battle = windows.Make(QStringLiteral("Form3"));
        battle->show();
        QVERIFY(QTest::qWaitForWindowExposed(battle.get()));
        const QImage standard = Rendered(battle.get());
        const auto* grid = battle->findChild<QWidget*>(QStringLiteral("Line1_0"));
        const QPoint corner = battle->findChild<QWidget*>(QStringLiteral("BattleArea"))
                                  ->mapTo(battle.get(), QPoint(2, 2));
        const auto choose = [&battle](Look chosen) {
            battle->findChild<QAction*>(QStringLiteral("Look_") + LookCode(chosen))->trigger();
        };

        choose(Look::HighContrast);
        QCOMPARE(ReadChosenLook(windows.settings.store()), Look::HighContrast);
        const QImage contrasted = Rendered(battle.get());
        testing::SaveScreenshot(battle.get(), QStringLiteral("live_high-contrast_Form3"));
        QCOMPARE(QColor(contrasted.pixel(corner)), look::ColoursOf(Look::HighContrast).night);
        QCOMPARE(grid->width(), look::ColoursOf(Look::HighContrast).cellLineWidth);

        choose(Look::Standard);
        QCOMPARE(grid->width(), look::ColoursOf(Look::Standard).cellLineWidth);
        QCOMPARE(Rendered(battle.get()), standard);
    }
};

QTEST_MAIN(LooksTest)
#include "test_looks.moc"
