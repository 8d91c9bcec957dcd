#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QToolButton>
#include <optional>

#include "rules/random.h"
#include "shell/settings/language.h"
#include "terrain/layouts/area_layouts.h"
#include "terrain/layouts/area_preview.h"
#include "terrain/windows/area_select_window.h"
#include "terrain/windows/area_text.h"
#include "terrain/windows/up_down.h"
#include "tests/support/modal.h"
#include "tests/support/screenshot.h"
#include "tests/support/temp_settings.h"
#include "tests/support/window_texts.h"
#include "tests/terrain/terrain_fixture.h"

using namespace morvane;
using morvane::testing::Control;
using morvane::testing::CountCode;
using morvane::testing::Rows;
using morvane::testing::TempSettings;

namespace {

constexpr std::uint64_t kSeed = 77;

const QString kFile1 =
    Rows({"11111111", "00000000", "00000000", "00000000", "00000000", "00000000", "00000000",
          "00000000", "00000000", "00000000", "00000000", "88888888"});
const QString kFile2 =
    Rows({"00000000", "00000000", "00000000", "00000000", "00000000", "00000000", "00000000",
          "00000000", "00000000", "00000000", "00000000", "23232323"});
const QString kFile3 =
    Rows({"80000008", "00000000", "00000000", "00000000", "00000000", "00000000", "00011000",
          "00000000", "00000000", "00000000", "00000000", "00000000"});

Board FixedBoard(int option) { return ReadAreaString(*FixedLayout(option)); }

QString Preview(const Board& board) { return QString::fromStdU16String(PreviewText(board)); }

void StoreUserFiles(SettingsStore& store) {
    store.Write(settings::UserLayout(0), kFile1);
    store.Write(settings::UserLayout(1), kFile2);
    store.Write(settings::UserLayout(2), kFile3);
}

void Click(QWidget* window, const QString& name) {
    auto* button = Control<QAbstractButton>(window, name);
    QVERIFY2(button != nullptr, qPrintable(name));
    QVERIFY2(button->isEnabled(), qPrintable(name));
    // An option button takes clicks on its mark and caption, which stand at its left.
    const QPoint point = qobject_cast<QRadioButton*>(button) != nullptr
                             ? QPoint(button->height() / 2, button->height() / 2)
                             : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, point);
}

// Replaces the text of a count box by typing, as the user would.
void TypeCount(QWidget* window, int index, const QString& text) {
    auto* box = Control<QLineEdit>(window, QStringLiteral("Tt_%1").arg(index));
    QVERIFY(box != nullptr);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    for (const QChar character : text) {
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(character), Qt::NoModifier);
    }
}

int Spin(QWidget* window, int index) {
    return Control<UpDown>(window, QStringLiteral("Ud_%1").arg(index))->value();
}

QString CountText(QWidget* window, int index) {
    return Control<QLineEdit>(window, QStringLiteral("Tt_%1").arg(index))->text();
}

}  // namespace

class AreaSelectTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { UseLanguage(Language::Japanese); }

    // A fresh store opens on "(Ｎｏｎｅ)": empty board, twelve blank lines, counts 6 and 6.
    void freshStoreOpensOnNoneWithCountsSixAndSix() {
        TempSettings temp;
        Board board = FixedBoard(HellArea);
        AreaSelectWindow window(board, temp.store());
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Morvaneⅲ－Area Select"));
        QVERIFY(Control<QRadioButton>(&window, QStringLiteral("Option1_8"))->isChecked());
        QCOMPARE(board, Board{});
        const QString blankLine = QString(8, QChar(0x3000)) + QLatin1Char('\n');
        QCOMPARE(Control<QLabel>(&window, QStringLiteral("lb"))->text(), blankLine.repeated(12));
        QCOMPARE(CountText(&window, 0), QStringLiteral("6"));
        QCOMPARE(CountText(&window, 1), QStringLiteral("6"));
        QCOMPARE(Spin(&window, 0), 6);
        QCOMPARE(Spin(&window, 1), 6);
        QVERIFY(!Control<QGroupBox>(&window, QStringLiteral("Frame2"))->isEnabled());
        QVERIFY(!Control<QGroupBox>(&window, QStringLiteral("Frame3"))->isEnabled());
        QVERIFY(Control<QRadioButton>(&window, QStringLiteral("Option2_0"))->isChecked());
    }

    // The options stand top to bottom as None, then Hell to Original.
    void areaOptionsStandNoneFirstThenInStoredOrder() {
        TempSettings temp;
        Board board;
        AreaSelectWindow window(board, temp.store());
        window.show();
        const QStringList expected = {
            QStringLiteral("(Ｎｏｎｅ)"),          QStringLiteral("Ｈｅｌｌ"),
            QStringLiteral("Ｈｅｖｅｎ"),          QStringLiteral("Ｓｔｏｎｅ"),
            QStringLiteral("Ｉｎｓｅｃｔｅｒ"),    QStringLiteral("Ｍｉｎｅ"),
            QStringLiteral("Ｗｈｉｒｌｐｏｏｌ"),  QStringLiteral("［Ｒａｎｄｏｍ］"),
            QStringLiteral("［Ｏｒｉｇｉｎａｌ］")};
        const QList<int> order = {8, 0, 1, 2, 3, 4, 5, 6, 7};
        int lastTop = -1;
        for (int row = 0; row < order.size(); ++row) {
            auto* option =
                Control<QRadioButton>(&window, QStringLiteral("Option1_%1").arg(order[row]));
            QCOMPARE(option->text(), expected[row]);
            QVERIFY(option->y() > lastTop);
            lastTop = option->y();
        }
    }

    // Clicking a built-in layout loads it whole, shows it and stores the choice.
    void choosingABuiltInLayoutLoadsItAndStoresTheChoice_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("hollows");
        QTest::addColumn<int>("blocks");
        QTest::newRow("Hell") << int(HellArea) << 11 << 0;
        QTest::newRow("Heven") << int(HevenArea) << 0 << 7;
        QTest::newRow("Stone") << int(StoneArea) << 0 << 9;
        QTest::newRow("Insecter") << int(InsecterArea) << 12 << 1;
        QTest::newRow("Mine") << int(MineArea) << 14 << 2;
        QTest::newRow("Whirlpool") << int(WhirlpoolArea) << 19 << 8;
    }
    void choosingABuiltInLayoutLoadsItAndStoresTheChoice() {
        QFETCH(int, option);
        QFETCH(int, hollows);
        QFETCH(int, blocks);
        TempSettings temp;
        Board board;
        AreaSelectWindow window(board, temp.store());
        window.show();
        board[CellIndex(1, 12)] = CircleUnit;  // left over; the layout must replace it
        Click(&window, QStringLiteral("Option1_%1").arg(option));
        QCOMPARE(board, FixedBoard(option));
        QCOMPARE(CountCode(board, Hollow), hollows);
        QCOMPARE(CountCode(board, Block), blocks);
        QCOMPARE(Control<QLabel>(&window, QStringLiteral("lb"))->text(), Preview(board));
        QCOMPARE(temp.store().Read(settings::AreaChoice()), option);
        QVERIFY(!Control<QGroupBox>(&window, QStringLiteral("Frame2"))->isEnabled());
        QVERIFY(!Control<QGroupBox>(&window, QStringLiteral("Frame3"))->isEnabled());
    }

    // "Ｈｅｌｌ" puts ◇ in columns 1, 4, 6 and 8 of the top row and leaves the bottom row empty.
    void hellPreviewShowsItsTopRow() {
        TempSettings temp;
        Board board;
        AreaSelectWindow window(board, temp.store());
        window.show();
        Click(&window, QStringLiteral("Option1_0"));
        const QStringList lines =
            Control<QLabel>(&window, QStringLiteral("lb"))->text().split(QLatin1Char('\n'));
        QCOMPARE(lines.first(), QStringLiteral("◇　　◇　◇　◇"));
        QCOMPARE(lines.at(11), QStringLiteral("　　　　　　　　"));
    }

    // The window keeps the size it opens with (on "(Ｎｏｎｅ)") whatever the area, and the preview
    // box holds the whole picture, the fullest (a file of blocks) included.
    void windowKeepsOneSizeForEveryArea_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("file");
        QTest::newRow("None") << int(NoArea) << QString();
        QTest::newRow("Whirlpool") << int(WhirlpoolArea) << QString();
        QTest::newRow("Random") << int(RandomArea) << QString();
        QTest::newRow("Original, an empty file") << int(OriginalArea) << QString();
        QTest::newRow("Original, a file of blocks")
            << int(OriginalArea) << QString(kCellCount, QLatin1Char('8'));
    }
    void windowKeepsOneSizeForEveryArea() {
        QFETCH(int, option);
        QFETCH(QString, file);
        TempSettings temp;
        if (!file.isEmpty()) {
            temp.store().Write(settings::UserLayout(0), file);
        }
        Board board;
        AreaSelectWindow window(board, temp.store());
        window.show();
        const QSize opened = window.size();
        Click(&window, QStringLiteral("Option1_%1").arg(option));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCOMPARE(window.size(), opened);
        auto* preview = Control<QLabel>(&window, QStringLiteral("lb"));
        const QSize picture = preview->fontMetrics().size(0, preview->text().chopped(1));
        QVERIFY(preview->contentsRect().width() >= picture.width());
        QVERIFY(preview->contentsRect().height() >= picture.height());
        testing::SaveScreenshot(&window, QStringLiteral("form6_") + QTest::currentDataTag());
    }

    // "［Ｏｒｉｇｉｎａｌ］" loads File 1 and stores file 0, even with File 3 shown selected;
    // "Ｆｉｌｅ３" then loads File 3.
    void originalAlwaysLoadsFileOneThenFileThreeOnRequest() {
        TempSettings temp;
        StoreUserFiles(temp.store());
        temp.store().Write(settings::AreaChoice(), HellArea);
        temp.store().Write(settings::UserFileChoice(), 2);
        Board board;
        AreaSelectWindow window(board, temp.store());
        window.show();
        // Showing the stored file choice must not replace Hell with File 3.
        QCOMPARE(board, FixedBoard(HellArea));
        QVERIFY(Control<QRadioButton>(&window, QStringLiteral("Option2_2"))->isChecked());
        QCOMPARE(temp.store().Read(settings::UserFileChoice()), 2);

        Click(&window, QStringLiteral("Option1_7"));
        QCOMPARE(board, ReadAreaText(kFile1));
        QCOMPARE(temp.store().Read(settings::UserFileChoice()), 0);
        QVERIFY(Control<QRadioButton>(&window, QStringLiteral("Option2_0"))->isChecked());
        QVERIFY(Control<QGroupBox>(&window, QStringLiteral("Frame3"))->isEnabled());

        Click(&window, QStringLiteral("Option2_2"));
        QCOMPARE(board, ReadAreaText(kFile3));
        QCOMPARE(temp.store().Read(settings::UserFileChoice()), 2);
        QCOMPARE(Control<QLabel>(&window, QStringLiteral("lb"))->text(), Preview(board));
        QCOMPARE(temp.store().Read(settings::AreaChoice()), int(OriginalArea));
    }

    // Reopening with Original stored shows File 1 again, whatever file was used last.
    void storedOriginalChoiceOpensOnFileOne() {
        TempSettings temp;
        StoreUserFiles(temp.store());
        temp.store().Write(settings::AreaChoice(), OriginalArea);
        temp.store().Write(settings::UserFileChoice(), 1);
        Board board;
        AreaSelectWindow window(board, temp.store());
        window.show();
        QCOMPARE(board, ReadAreaText(kFile1));
        QVERIFY(Control<QRadioButton>(&window, QStringLiteral("Option2_0"))->isChecked());
        QCOMPARE(temp.store().Read(settings::UserFileChoice()), 0);
    }

    // User files are read by the one reading rule: missing, short or hand-edited texts.
    void userFilesAreReadByTheReadingRule_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("never saved") << QString() << QString(96, QLatin1Char('0'));
        QTest::newRow("short") << QStringLiteral("1823")
                               << QStringLiteral("1823").leftJustified(96, '0');
        QTest::newRow("letters and marks")
            << QStringLiteral("1x4567981") << QStringLiteral("100000081").leftJustified(96, '0');
    }
    void userFilesAreReadByTheReadingRule() {
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        TempSettings temp;
        if (!stored.isNull()) {
            temp.store().Write(settings::UserLayout(1), stored);
        }
        Board board = FixedBoard(WhirlpoolArea);
        AreaSelectWindow window(board, temp.store());
        window.show();
        Click(&window, QStringLiteral("Option1_7"));
        Click(&window, QStringLiteral("Option2_1"));
        QCOMPARE(WriteAreaText(board), expected);
    }

    // A stored Random choice draws at opening with the counts the window was created with
    // (8 and 8); the stored counts are shown afterwards and used by "Ｅｄｉｔ！".
    void storedRandomChoiceDrawsWithEightAndEightAtOpening() {
        TempSettings temp;
        temp.store().Write(settings::AreaChoice(), RandomArea);
        temp.store().Write(settings::RandomCount(0), 2);
        temp.store().Write(settings::RandomCount(1), 3);
        Board board;
        SeedRandomForTesting(kSeed);
        AreaSelectWindow window(board, temp.store());
        window.show();
        SeedRandomForTesting(kSeed);
        QCOMPARE(board, MakeRandomLayout(8, 8));
        QCOMPARE(CountText(&window, 0), QStringLiteral("2"));
        QCOMPARE(CountText(&window, 1), QStringLiteral("3"));
        QVERIFY(Control<QGroupBox>(&window, QStringLiteral("Frame2"))->isEnabled());

        SeedRandomForTesting(kSeed + 1);
        Click(&window, QStringLiteral("Command1"));
        SeedRandomForTesting(kSeed + 1);
        QCOMPARE(board, MakeRandomLayout(2, 3));
        QCOMPARE(Control<QLabel>(&window, QStringLiteral("lb"))->text(), Preview(board));
    }

    // Stored counts the program did not write open as the default 6.
    void storedCountsOutsideTheRangeOpenAsTheDefault() {
        TempSettings temp;
        {
            QSettings raw(temp.fileName(), QSettings::IniFormat);
            raw.setValue(QStringLiteral("System/Option2-0"), QStringLiteral("500"));
            raw.setValue(QStringLiteral("System/Option2-1"), QStringLiteral("many"));
        }
        Board board;
        AreaSelectWindow window(board, temp.store());
        window.show();
        QCOMPARE(Spin(&window, 0), 6);
        QCOMPARE(Spin(&window, 1), 6);
        QCOMPARE(CountText(&window, 1), QStringLiteral("6"));
    }

    // A typed count is rounded half to even and kept within 0..96; that value is stored and
    // shown once typing is over.
    void typedCountIsRoundedKeptInRangeAndStored_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("count");
        QTest::newRow("200") << 0 << QStringLiteral("200") << 96;
        QTest::newRow("-3") << 0 << QStringLiteral("-3") << 0;
        QTest::newRow("minus sign 3") << 1 << QStringLiteral("−3") << 0;
        QTest::newRow("letters") << 0 << QStringLiteral("abc") << 0;
        QTest::newRow("12.5") << 1 << QStringLiteral("12.5") << 12;
        QTest::newRow("13.5") << 0 << QStringLiteral("13.5") << 14;
        QTest::newRow("30") << 1 << QStringLiteral("30") << 30;
    }
    void typedCountIsRoundedKeptInRangeAndStored() {
        QFETCH(int, index);
        QFETCH(QString, typed);
        QFETCH(int, count);
        TempSettings temp;
        temp.store().Write(settings::AreaChoice(), RandomArea);
        Board board;
        AreaSelectWindow window(board, temp.store());
        window.show();
        TypeCount(&window, index, typed);
        QCOMPARE(CountText(&window, index), typed);  // the box keeps what is being typed
        QCOMPARE(Spin(&window, index), count);
        QCOMPARE(temp.store().Read(settings::RandomCount(index)), count);
        auto* box = Control<QLineEdit>(&window, QStringLiteral("Tt_%1").arg(index));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(CountText(&window, index), QString::number(count));
        QVERIFY(window.isVisible());  // Enter finishes the typing, it does not close the window
    }

    // The arrows step a count within 0..96, show it in the box and store it at once.
    void arrowsStepTheCountWithinTheRange() {
        TempSettings temp;
        temp.store().Write(settings::AreaChoice(), RandomArea);
        temp.store().Write(settings::RandomCount(1), 96);
        temp.store().Write(settings::RandomCount(0), 1);
        Board board;
        AreaSelectWindow window(board, temp.store());
        window.show();
        auto* blocksUp = Control<UpDown>(&window, QStringLiteral("Ud_1"))
                             ->findChild<QToolButton*>(QStringLiteral("Up"));
        auto* hollowsDown = Control<UpDown>(&window, QStringLiteral("Ud_0"))
                                ->findChild<QToolButton*>(QStringLiteral("Down"));
        QTest::mouseClick(blocksUp, Qt::LeftButton);
        QCOMPARE(Spin(&window, 1), 96);
        QTest::mouseClick(hollowsDown, Qt::LeftButton);
        QTest::mouseClick(hollowsDown, Qt::LeftButton);
        QCOMPARE(Spin(&window, 0), 0);
        QCOMPARE(CountText(&window, 0), QStringLiteral("0"));
        QCOMPARE(temp.store().Read(settings::RandomCount(0)), 0);
    }

    // Changing a count keeps the layout on the board; only "Ｅｄｉｔ！" draws a new one, and
    // with both counts 0 that is an empty board.
    void changingACountKeepsTheLayoutUntilEdit() {
        TempSettings temp;
        temp.store().Write(settings::AreaChoice(), RandomArea);
        Board board;
        AreaSelectWindow window(board, temp.store());
        window.show();
        const Board drawn = board;
        QVERIFY(drawn != Board{});
        QTest::mouseClick(Control<UpDown>(&window, QStringLiteral("Ud_0"))
                              ->findChild<QToolButton*>(QStringLiteral("Up")),
                          Qt::LeftButton);
        QCOMPARE(temp.store().Read(settings::RandomCount(0)), 7);
        TypeCount(&window, 0, QStringLiteral("0"));
        TypeCount(&window, 1, QStringLiteral("0"));
        QCOMPARE(board, drawn);
        QCOMPARE(temp.store().Read(settings::RandomCount(1)), 0);
        Click(&window, QStringLiteral("Command1"));
        QCOMPARE(board, Board{});
    }

    // "地形選択に際して" shows the three-line notice with the one answer "確認".
    void noticeTellsAboutTheComputerOnTerrain() {
        TempSettings temp;
        Board board;
        AreaSelectWindow window(board, temp.store());
        window.show();
        Click(&window, QStringLiteral("Option1_4"));
        QString shown;
        QString answer;
        testing::WhenModalOpens(QStringLiteral("FormMsg"), [&](QWidget* message) {
            shown = Control<QLabel>(message, QStringLiteral("言葉"))->text();
            answer = Control<QLabel>(message, QStringLiteral("選択_2"))->text();
            testing::ClickChild(message, QStringLiteral("選択_2"));
        });
        Click(&window, QStringLiteral("Command3"));
        QCOMPARE(shown, QStringLiteral("電脳は地形ありでの戦闘は想定して開発していません。\n"
                                       "そのため、地形ありの場合は極端に電脳は弱くなります。\n"
                                       "御了承下さい。"));
        QCOMPARE(answer, QStringLiteral("確認"));
        QCOMPARE(board, FixedBoard(MineArea));
        QVERIFY(window.isVisible());
    }

    // Choices that cannot be stored are told: once for all the writes of the opening, once
    // for each choice after it; the window goes on with them.
    void unstorableChoicesAreToldOncePerAction() {
        testing::BlockedSettings blocked;
        Board board;
        const testing::MessageLog messages;
        AreaSelectWindow window(board, blocked.store());
        window.show();
        QTRY_COMPARE(messages.texts().size(), 1);
        Click(&window, QStringLiteral("Option1_5"));
        QCOMPARE(messages.texts().size(), 2);
        QCOMPARE(board, FixedBoard(WhirlpoolArea));
    }

    // Closing by the frame is no cancel: the last layout stays on the board.
    void closingByTheFrameKeepsTheLastLayout() {
        TempSettings temp;
        Board board;
        AreaSelectWindow window(board, temp.store());
        window.show();
        Click(&window, QStringLiteral("Option1_5"));
        window.close();
        QVERIFY(!window.isVisible());
        QCOMPARE(board, FixedBoard(WhirlpoolArea));
    }

    // The battle screen opens the window modal without waiting; the layout chosen comes back
    // once "Ｏ．Ｋ．" has closed it, and the board it started from is left alone.
    void openAreaSelectAnswersWithTheChosenLayout() {
        TempSettings temp;
        const Board board;
        QWidget receiver;
        std::optional<Board> chosen;
        testing::WhenModalOpens(QStringLiteral("Form6"), [](QWidget* window) {
            testing::ClickChild(window, QStringLiteral("Option1_3"));
            testing::ClickChild(window, QStringLiteral("Command2"));
        });
        OpenAreaSelect(nullptr, board, temp.store(), &receiver,
                       [&chosen](const Board& area) { chosen = area; });
        QVERIFY(!chosen);
        QTRY_VERIFY(chosen.has_value());
        QCOMPARE(*chosen, FixedBoard(InsecterArea));
        QCOMPARE(board, Board{});
        QCOMPARE(temp.store().Read(settings::AreaChoice()), int(InsecterArea));
    }

    // In English the preview is the same picture with an em space, a blank as wide as the
    // symbols in the preview's font, for an Empty cell instead of the Japanese full-width space.
    void englishPreviewKeepsThePictureWithAnEnglishBlank_data() {
        QTest::addColumn<int>("option");
        QTest::newRow("None") << int(NoArea);
        QTest::newRow("Hell") << int(HellArea);
        QTest::newRow("Random") << int(RandomArea);
        QTest::newRow("Original") << int(OriginalArea);
    }
    void englishPreviewKeepsThePictureWithAnEnglishBlank() {
        QFETCH(int, option);
        QVERIFY(UseLanguage(Language::English));
        TempSettings temp;
        StoreUserFiles(temp.store());
        temp.store().Write(settings::AreaChoice(), option);
        Board board;
        AreaSelectWindow window(board, temp.store());
        window.show();
        const QString shown = Control<QLabel>(&window, QStringLiteral("lb"))->text();
        QVERIFY2(!testing::HasJapanese(shown), qPrintable(shown));
        QCOMPARE(shown, Preview(board).replace(QChar(0x3000), QChar(0x2003)));
        testing::SaveScreenshot(&window, QStringLiteral("form6_en_") + QTest::currentDataTag());
    }

    // In English the notice on terrain is told in English, with the answer "OK".
    void englishNoticeIsInEnglish() {
        QVERIFY(UseLanguage(Language::English));
        TempSettings temp;
        Board board;
        AreaSelectWindow window(board, temp.store());
        window.show();
        QString shown;
        QString answer;
        testing::WhenModalOpens(QStringLiteral("FormMsg"), [&](QWidget* message) {
            shown = Control<QLabel>(message, QStringLiteral("言葉"))->text();
            answer = Control<QLabel>(message, QStringLiteral("選択_2"))->text();
            testing::SaveScreenshot(message, QStringLiteral("form6_en_notice"));
            testing::ClickChild(message, QStringLiteral("選択_2"));
        });
        Click(&window, QStringLiteral("Command3"));
        QVERIFY2(!shown.isEmpty() && !testing::HasJapanese(shown), qPrintable(shown));
        QCOMPARE(answer, QStringLiteral("OK"));
    }

    // A picture of the window with a random layout, for looking at (MORVANE_SCREENSHOT_DIR).
    void screenshotWithRandomChosen() {
        TempSettings temp;
        temp.store().Write(settings::AreaChoice(), RandomArea);
        temp.store().Write(settings::RandomCount(0), 12);
        temp.store().Write(settings::RandomCount(1), 10);
        Board board;
        AreaSelectWindow window(board, temp.store());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Click(&window, QStringLiteral("Command1"));
        QVERIFY(CountCode(board, Hollow) > 0);
        testing::SaveScreenshot(&window, QStringLiteral("form6_random"));
    }
};

QTEST_MAIN(AreaSelectTest)
#include "test_area_select.moc"
