#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "shell/settings/language.h"
#include "shell/windows/choice_menus.h"
#include "tests/app/all_windows.h"
#include "tests/support/window_texts.h"

using namespace morvane;
using morvane::testing::AddWindowRows;
using morvane::testing::HeldText;
using morvane::testing::Windows;

namespace {

// The texts of every window in Japanese as the game has always shown them: one section a
// window, "[objectName]" and then a line "where<TAB>text" for each text, line breaks as "\n".
const QString kJapaneseTexts = QStringLiteral(MORVANE_TEST_SOURCE_DIR "/window_texts_ja.txt");

QStringList TextLines(const QList<HeldText>& texts) {
    QStringList lines;
    for (const HeldText& held : texts) {
        QString text = held.text;
        lines << held.where + QLatin1Char('\t') +
                     text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    }
    return lines;
}

// The lines of the window's section of the Japanese texts.
QStringList JapaneseLines(const QString& window) {
    QFile file(kJapaneseTexts);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    const QStringList all = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    const qsizetype start = all.indexOf(QLatin1Char('[') + window + QLatin1Char(']'));
    QStringList lines;
    for (qsizetype line = start + 1;
         start >= 0 && line < all.size() && !all[line].startsWith(QLatin1Char('[')); ++line) {
        if (!all[line].isEmpty()) {
            lines << all[line];
        }
    }
    return lines;
}

QList<HeldText> ShownTexts(Windows& windows, const QString& name,
                           std::unique_ptr<QWidget>& window) {
    window = windows.Make(name);
    window->show();
    return testing::HeldTexts(*window);
}

}  // namespace

class WindowTextsTest : public QObject {
    Q_OBJECT

private slots:
    // As the program starts: Qt's own texts (a tab bar's scroll buttons) in Japanese too.
    void initTestCase() { QVERIFY(UseLanguage(Language::Japanese)); }
    void cleanup() { UseLanguage(Language::Japanese); }

    // The walk's own measure finds a text its control cuts, and only such a text.
    void clippingIsFound_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("wrapped");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("clipped");
        QTest::newRow("label fits") << "label" << false << QSize(400, 40) << false;
        QTest::newRow("label too narrow") << "label" << false << QSize(60, 40) << true;
        QTest::newRow("label too low") << "label" << false << QSize(400, 6) << true;
        QTest::newRow("wrapped label fits") << "label" << true << QSize(120, 200) << false;
        QTest::newRow("wrapped label too low") << "label" << true << QSize(120, 20) << true;
        QTest::newRow("button fits") << "button" << false << QSize(400, 40) << false;
        QTest::newRow("button too narrow") << "button" << false << QSize(60, 40) << true;
        QTest::newRow("round button fits") << "radio" << false << QSize(400, 40) << false;
        QTest::newRow("round button too narrow") << "radio" << false << QSize(150, 40) << true;
    }
    void clippingIsFound() {
        QFETCH(QString, kind);
        QFETCH(bool, wrapped);
        QFETCH(QSize, size);
        QFETCH(bool, clipped);
        const QString text = QStringLiteral("Put a unit on the bottom row");
        std::unique_ptr<QWidget> control;
        if (kind == QLatin1String("label")) {
            auto label = std::make_unique<QLabel>(text);
            label->setWordWrap(wrapped);
            control = std::move(label);
        } else if (kind == QLatin1String("button")) {
            control = std::make_unique<QPushButton>(text);
        } else {
            control = std::make_unique<QRadioButton>(text);
        }
        control->setFixedSize(size);
        QCOMPARE(testing::IsClipped(*control, text), clipped);
    }

    // In Japanese every window holds the very texts it always has.
    void japaneseTextsAreUnchanged_data() { AddWindowRows(); }
    void japaneseTextsAreUnchanged() {
        QFETCH(QString, name);
        Windows windows;
        std::unique_ptr<QWidget> window;
        const QStringList lines = TextLines(ShownTexts(windows, name, window));
        if (qEnvironmentVariableIsSet("MORVANE_PRINT_TEXTS")) {
            qInfo().noquote() << QStringLiteral("[%1]\n").arg(name) + lines.join(QLatin1Char('\n'));
        }
        QCOMPARE(lines, JapaneseLines(name));
    }

    // In English no window holds a Japanese text but the language menu's, which names Japanese
    // in Japanese and carries the Japanese word in its title, and every text shown fits its
    // control.
    void englishTextsAreEnglishAndFit_data() { AddWindowRows(); }
    void englishTextsAreEnglishAndFit() {
        QFETCH(QString, name);
        QVERIFY(UseLanguage(Language::English));
        Windows windows;
        std::unique_ptr<QWidget> window;
        QStringList faults;
        const QStringList namedInThemselves{QStringLiteral("日本語"), LanguageMenuTitle()};
        for (const HeldText& held : ShownTexts(windows, name, window)) {
            if (testing::HasJapanese(held.text) && !namedInThemselves.contains(held.text)) {
                faults << QStringLiteral("Japanese in %1: %2").arg(held.where, held.text);
            }
            if (held.shownIn != nullptr && held.shownIn->isVisibleTo(window.get()) &&
                testing::IsClipped(*held.shownIn, held.text)) {
                faults << QStringLiteral("clipped in %1: %2").arg(held.where, held.text);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(WindowTextsTest)
#include "test_window_texts.moc"
