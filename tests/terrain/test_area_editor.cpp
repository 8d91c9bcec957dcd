#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "shell/settings/language.h"
#include "shell/windows/look.h"
#include "terrain/layouts/area_layouts.h"
#include "terrain/windows/area_editor_window.h"
#include "terrain/windows/area_text.h"
#include "tests/support/full_disk.h"
#include "tests/support/modal.h"
#include "tests/support/screenshot.h"
#include "tests/support/temp_settings.h"
#include "tests/support/window_texts.h"
#include "tests/terrain/terrain_fixture.h"

using namespace morvane;
using morvane::testing::Control;
using morvane::testing::CountCode;
using morvane::testing::PressKeys;
using morvane::testing::Rows;
using morvane::testing::TempSettings;

namespace {

const QString kEmptyFile(96, QLatin1Char('0'));
const QString kFile1 =
    Rows({"10000001", "00000000", "00000000", "00000000", "00000000", "00000000", "00000000",
          "00000000", "00000000", "00000000", "00000000", "88888888"});
const QString kFile3 =
    Rows({"00000000", "00000000", "00000000", "00000000", "00000000", "00000000", "00000000",
          "00000000", "00000000", "00011000", "00288300", "88888888"});

using Keys = QList<QKeyCombination>;

// The digit key that presses a toolbar button: 1 to 5 for the tools 6 to 10, 6 for clearing.
QKeyCombination DigitOf(int button) { return Qt::Key(Qt::Key_1 + (button == 13 ? 5 : button - 6)); }

QLabel* Cell(QWidget* window, int index) {
    return Control<QLabel>(window, QStringLiteral("Un_%1").arg(index));
}

void PaintCell(QWidget* window, int index) {
    QTest::mouseClick(Cell(window, index), Qt::LeftButton);
}

void ClickToolbar(QWidget* window, int button) {
    auto* item = Control<QWidget>(window, QStringLiteral("Toolbar1_%1").arg(button));
    QVERIFY2(item != nullptr, qPrintable(QString::number(button)));
    QTest::mouseClick(item, Qt::LeftButton);
}

void ChooseTab(QWidget* window, int tab) {
    auto* tabs = Control<QTabBar>(window, QStringLiteral("TabStrip1"));
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(tab).center());
    QCOMPARE(tabs->currentIndex(), tab);
}

// What the store file holds under a key, null when the key was never written.
QString RawEntry(const QString& file, const QString& key) {
    QSettings raw(file, QSettings::IniFormat);
    return raw.value(QStringLiteral("Area/") + key).toString();
}

QString StoredFile(TempSettings& temp, int file) {
    return temp.store().Read(settings::UserLayout(file));
}

}  // namespace

class AreaEditorTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { look::PinApplicationLook(); }
    void cleanup() { UseLanguage(Language::Japanese); }

    // A first run shows three empty files; closing at once leaves the store as it was.
    void firstRunShowsEmptyFilesAndClosingAtOnceStoresNothing() {
        TempSettings temp;
        Board board;
        board[5] = Block;
        AreaEditorWindow window(board, temp.store());
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Morvaneⅲ－Original Area Edit"));
        QCOMPARE(board, Board{});
        for (int tab = 2; tab >= 0; --tab) {
            ChooseTab(&window, tab);
            QCOMPARE(board, Board{});
        }
        QTest::mouseClick(Control<QPushButton>(&window, QStringLiteral("Command2")),
                          Qt::LeftButton);
        QVERIFY(!window.isVisible());
        for (int file = 0; file < 3; ++file) {
            QVERIFY(
                RawEntry(temp.fileName(), QStringLiteral("オリジナル地形%1").arg(file)).isNull());
            QCOMPARE(StoredFile(temp, file), kEmptyFile);
        }
    }

    // Two copies of the game: a file that one editor left alone keeps the layout the other
    // copy stored while that editor was open; the file it did edit is stored.
    void untouchedFilesKeepAnotherCopysLayouts() {
        TempSettings temp;
        SettingsStore otherCopy(temp.fileName());
        Board board;
        AreaEditorWindow window(board, temp.store());
        window.show();
        ChooseTab(&window, 2);
        ClickToolbar(&window, 7);
        PaintCell(&window, 95);
        {
            Board otherBoard;
            AreaEditorWindow other(otherBoard, otherCopy);
            other.show();
            ClickToolbar(&other, 8);
            PaintCell(&other, 0);
            other.close();
        }
        window.close();
        QCOMPARE(StoredFile(temp, 0), QLatin1Char('8') + kEmptyFile.mid(1));
        QCOMPARE(StoredFile(temp, 2), kEmptyFile.left(95) + QLatin1Char('1'));
    }

    // When the layouts cannot be stored, every way of closing asks, naming the file: retry
    // (also what closing the question answers) stores them once the file can be written; close
    // without storing loses the edits; export writes the three layouts to a chosen file, as the
    // store's entries, and closes.
    void unstorableLayoutsOfferAWayOut_data() {
        QTest::addColumn<int>("way");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<int>("unblockedAt");
        QTest::addColumn<bool>("exportChosen");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<bool>("exported");
        QTest::addColumn<bool>("diskFull");  // while exporting over an older export
        constexpr int kDiscard = 0;
        constexpr int kExport = 1;
        constexpr int kRetry = 2;
        constexpr int kConfirm = 2;  // the message that the export failed
        QTest::newRow("Ｏ．Ｋ．, retry once writable")
            << 0 << QList<int>{kRetry} << 0 << false << true << false << false;
        QTest::newRow("frame, retry twice")
            << 1 << QList<int>{kRetry, kRetry} << 1 << false << true << false << false;
        QTest::newRow("escape, close without storing")
            << 2 << QList<int>{kDiscard} << -1 << false << false << false << false;
        QTest::newRow("Ｏ．Ｋ．, export")
            << 0 << QList<int>{kExport} << -1 << true << false << true << false;
        QTest::newRow("export cancelled, close without storing")
            << 0 << QList<int>{kExport, kDiscard} << -1 << false << false << false << false;
        QTest::newRow("export on a full disk keeps the older export")
            << 0 << QList<int>{kExport, kConfirm, kDiscard} << -1 << true << false << false << true;
    }
    void unstorableLayoutsOfferAWayOut() {
        QFETCH(int, way);
        QFETCH(QList<int>, answers);
        QFETCH(int, unblockedAt);
        QFETCH(bool, exportChosen);
        QFETCH(bool, stored);
        QFETCH(bool, exported);
        QFETCH(bool, diskFull);
        testing::BlockedSettings blocked;
        const QTemporaryDir exportFolder;
        const QString exportFile = exportFolder.filePath(QStringLiteral("layouts.ini"));
        const QByteArray olderExport = "[Area]\nolder=export\n";
        std::optional<test::FullDisk> fullDisk;
        if (diskFull) {
            QFile older(exportFile);
            QVERIFY(older.open(QIODevice::WriteOnly));
            older.write(olderExport);
        }
        Board board;
        AreaEditorWindow window(board, blocked.store());
        window.show();
        ClickToolbar(&window, 8);
        PaintCell(&window, 3);
        ChooseTab(&window, 1);
        PaintCell(&window, 4);

        QStringList questions;
        std::function<void(int)> answer = [&](int index) {
            testing::WhenModalOpens(QStringLiteral("FormMsg"), [&, index](QWidget* dialog) {
                questions << Control<QLabel>(dialog, QStringLiteral("言葉"))->text();
                testing::SaveScreenshot(dialog, QStringLiteral("area_editor_unstorable"));
                if (index == unblockedAt) {
                    blocked.Unblock();
                }
                fullDisk.reset();  // the export has failed and is told
                if (index + 1 < answers.size()) {
                    answer(index + 1);
                }
                if (answers[index] == 1) {
                    testing::WhenModalOpens(QStringLiteral("AreaExport"), [&](QWidget* chooser) {
                        auto* dialog = static_cast<QFileDialog*>(chooser);
                        if (exportChosen) {
                            if (diskFull) {
                                dialog->setOption(QFileDialog::DontConfirmOverwrite);
                                fullDisk.emplace();
                            }
                            dialog->selectFile(exportFile);
                            static_cast<QDialog*>(dialog)->accept();
                        } else {
                            dialog->reject();
                        }
                    });
                }
                testing::ClickChild(dialog, QStringLiteral("選択_%1").arg(answers[index]));
            });
        };
        answer(0);
        if (way == 0) {
            testing::ClickChild(&window, QStringLiteral("Command2"));
        } else if (way == 1) {
            window.close();
        } else {
            QTest::keyClick(&window, Qt::Key_Escape);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 5000);
        QCOMPARE(questions.size(), answers.size());
        QVERIFY2(questions[0].contains(QDir::toNativeSeparators(blocked.fileName())),
                 qPrintable(questions[0]));

        const QString file1 = kEmptyFile.left(3) + QLatin1Char('8') + kEmptyFile.mid(4);
        const QString file2 = kEmptyFile.left(4) + QLatin1Char('8') + kEmptyFile.mid(5);
        blocked.Unblock();
        QCOMPARE(blocked.store().Read(settings::UserLayout(0)), stored ? file1 : kEmptyFile);
        QCOMPARE(blocked.store().Read(settings::UserLayout(1)), stored ? file2 : kEmptyFile);
        QCOMPARE(QFile::exists(exportFile), exported || diskFull);
        if (diskFull) {
            QFile older(exportFile);
            QVERIFY(older.open(QIODevice::ReadOnly));
            QCOMPARE(older.readAll(), olderExport);
            QCOMPARE(QDir(exportFolder.path()).entryList(QDir::Files), QStringList{"layouts.ini"});
        }
        if (exported) {
            const SettingsStore exports(exportFile);
            QCOMPARE(exports.Read(settings::UserLayout(0)), file1);
            QCOMPARE(exports.Read(settings::UserLayout(1)), file2);
            QCOMPARE(exports.Read(settings::UserLayout(2)), kEmptyFile);
        }
    }

    // The tab captions name the three files.
    void tabsNameTheThreeFiles() {
        TempSettings temp;
        Board board;
        AreaEditorWindow window(board, temp.store());
        auto* tabs = Control<QTabBar>(&window, QStringLiteral("TabStrip1"));
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Ｆｉｌｅ１"));
        QCOMPARE(tabs->tabText(2), QStringLiteral("Ｆｉｌｅ３"));
    }

    // Before any tool is chosen a click empties the cell.
    void clickWithNoToolChosenEmptiesTheCell() {
        TempSettings temp;
        temp.store().Write(settings::UserLayout(0), kFile1);
        Board board;
        AreaEditorWindow window(board, temp.store());
        window.show();
        QCOMPARE(board[0], std::int16_t{Hollow});
        PaintCell(&window, 0);
        QCOMPARE(board[0], std::int16_t{Empty});
        QVERIFY(Cell(&window, 0)->pixmap().isNull());
    }

    // Each acting toolbar button makes a click paint its code, shown and stored on close. The
    // keys do the same: a digit presses the button, the arrows move the marker (Up from the
    // top row to the bottom row) and Space paints its cell.
    void toolPaintsItsCodeIntoTheClickedCell_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("keys");
        for (const bool keys : {false, true}) {
            const char* way = keys ? "keys" : "mouse";
            QTest::addRow("6 eraser, %s", way) << 6 << int(Empty) << keys;
            QTest::addRow("7 hollow, %s", way) << 7 << int(Hollow) << keys;
            QTest::addRow("8 block, %s", way) << 8 << int(Block) << keys;
            QTest::addRow("9 circle, %s", way) << 9 << int(CircleUnit) << keys;
            QTest::addRow("10 cross, %s", way) << 10 << int(CrossUnit) << keys;
        }
    }
    void toolPaintsItsCodeIntoTheClickedCell() {
        QFETCH(int, button);
        QFETCH(int, code);
        QFETCH(bool, keys);
        TempSettings temp;
        temp.store().Write(settings::UserLayout(0), kFile1);
        Board board;
        AreaEditorWindow window(board, temp.store());
        window.show();
        // A tool other than the one under test first; then cell 93, a ■ of the bottom row, and
        // cell 37 above it.
        if (keys) {
            QVERIFY(QTest::qWaitForWindowActive(&window));
            const Keys up7(7, Qt::Key_Up);
            PressKeys({DigitOf(7), DigitOf(button), Qt::Key_Up, Qt::Key_Right, Qt::Key_Right,
                       Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space});
            PressKeys(up7 + Keys{Qt::Key_Space});
        } else {
            ClickToolbar(&window, 7);
            ClickToolbar(&window, button);
            PaintCell(&window, 93);
            PaintCell(&window, 37);
        }
        QVERIFY(
            Control<QToolButton>(&window, QStringLiteral("Toolbar1_%1").arg(button))->isChecked());
        QCOMPARE(int(board[93]), code);
        QCOMPARE(int(board[37]), code);
        QCOMPARE(Cell(&window, 37)->pixmap().isNull(), code == Empty);
        window.close();
        QString expected = kFile1;
        expected[93] = QChar(u'0' + code);
        expected[37] = QChar(u'0' + code);
        QCOMPARE(StoredFile(temp, 0), expected);
    }

    // The toolbar buttons other than 6 to 10 and 13 do nothing when clicked.
    void otherToolbarButtonsDoNothing() {
        TempSettings temp;
        temp.store().Write(settings::UserLayout(0), kFile1);
        Board board;
        AreaEditorWindow window(board, temp.store());
        window.show();
        ClickToolbar(&window, 9);
        for (const int button : {1, 2, 3, 4, 5, 11, 12}) {
            ClickToolbar(&window, button);
        }
        QCOMPARE(board, ReadAreaText(kFile1));
        PaintCell(&window, 40);
        QCOMPARE(board[40], std::int16_t{CircleUnit});
    }

    // Edits of File 2 survive a visit to File 1, and reach the store only when the editor
    // closes.
    void switchingFilesKeepsTheirEditsUntilClose() {
        TempSettings temp;
        temp.store().Write(settings::UserLayout(0), kFile1);
        Board board;
        AreaEditorWindow window(board, temp.store());
        window.show();
        ChooseTab(&window, 1);
        QCOMPARE(board, Board{});
        ClickToolbar(&window, 8);
        PaintCell(&window, 20);
        ChooseTab(&window, 0);
        QCOMPARE(board, ReadAreaText(kFile1));
        ChooseTab(&window, 1);
        QCOMPARE(board[20], std::int16_t{Block});
        QCOMPARE(CountCode(board, Block), 1);
        QVERIFY(RawEntry(temp.fileName(), QStringLiteral("オリジナル地形1")).isNull());
        window.close();
        QCOMPARE(StoredFile(temp, 1), kEmptyFile.left(20) + QLatin1Char('8') + kEmptyFile.mid(21));
        QCOMPARE(StoredFile(temp, 0), kFile1);
        // The board keeps the file last shown.
        QCOMPARE(board[20], std::int16_t{Block});
    }

    // Clearing File 3 asks first; only "Ｙｅｓ" empties it, "Ｎｏ" and the frame keep it.
    // The key 6 presses the clear button as a click does.
    void clearingAsksAndOnlyYesClears_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<bool>("key");
        QTest::newRow("Yes") << QStringLiteral("選択_0") << true << false;
        QTest::newRow("No") << QStringLiteral("選択_1") << false << false;
        QTest::newRow("frame") << QString() << false << false;
        QTest::newRow("key 6, Yes") << QStringLiteral("選択_0") << true << true;
        QTest::newRow("key 6, No") << QStringLiteral("選択_1") << false << true;
    }
    void clearingAsksAndOnlyYesClears() {
        QFETCH(QString, answer);
        QFETCH(bool, cleared);
        QFETCH(bool, key);
        TempSettings temp;
        temp.store().Write(settings::UserLayout(2), kFile3);
        Board board;
        AreaEditorWindow window(board, temp.store());
        window.show();
        ChooseTab(&window, 2);
        QString question;
        QString yes;
        QString no;
        testing::WhenModalOpens(QStringLiteral("FormMsg"), [&](QWidget* message) {
            question = Control<QLabel>(message, QStringLiteral("言葉"))->text();
            yes = Control<QLabel>(message, QStringLiteral("選択_0"))->text();
            no = Control<QLabel>(message, QStringLiteral("選択_1"))->text();
            if (answer.isEmpty()) {
                message->close();
            } else {
                testing::ClickChild(message, answer);
            }
        });
        if (key) {
            QVERIFY(QTest::qWaitForWindowActive(&window));
            PressKeys({DigitOf(13)});
        } else {
            ClickToolbar(&window, 13);
        }
        QCOMPARE(question, QStringLiteral("File-3の地形をクリアします。\nよろしいですか？"));
        QCOMPARE(yes, QStringLiteral("Ｙｅｓ"));
        QCOMPARE(no, QStringLiteral("Ｎｏ"));
        QCOMPARE(board == Board{}, cleared);
        QVERIFY(Cell(&window, 95)->pixmap().isNull() == cleared);
        window.close();
        QCOMPARE(StoredFile(temp, 2), cleared ? kEmptyFile : kFile3);
    }

    // The question names the file on screen.
    void clearQuestionNamesTheFileOnScreen() {
        TempSettings temp;
        Board board;
        AreaEditorWindow window(board, temp.store());
        window.show();
        QString question;
        testing::WhenModalOpens(QStringLiteral("FormMsg"), [&](QWidget* message) {
            question = Control<QLabel>(message, QStringLiteral("言葉"))->text();
            testing::ClickChild(message, QStringLiteral("選択_1"));
        });
        ClickToolbar(&window, 13);
        QCOMPARE(question.section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("File-1の地形をクリアします。"));
    }

    // In English the question names the file on screen as its tab does, and asks in English.
    void englishClearQuestionNamesTheFile_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("question");
        QTest::newRow("File 1") << 0
                                << QStringLiteral("Clear the terrain of File 1.\nAre you sure?");
        QTest::newRow("File 3") << 2
                                << QStringLiteral("Clear the terrain of File 3.\nAre you sure?");
    }
    void englishClearQuestionNamesTheFile() {
        QFETCH(int, tab);
        QFETCH(QString, question);
        QVERIFY(UseLanguage(Language::English));
        TempSettings temp;
        Board board;
        AreaEditorWindow window(board, temp.store());
        window.show();
        ChooseTab(&window, tab);
        QCOMPARE(Control<QTabBar>(&window, QStringLiteral("TabStrip1"))->tabText(tab),
                 QStringLiteral("File %1").arg(tab + 1));
        QStringList shown;
        testing::WhenModalOpens(QStringLiteral("FormMsg"), [&](QWidget* message) {
            for (const QString& name :
                 {QStringLiteral("言葉"), QStringLiteral("選択_0"), QStringLiteral("選択_1")}) {
                shown << Control<QLabel>(message, name)->text();
            }
            testing::SaveScreenshot(message,
                                    QStringLiteral("form7_en_clear_") + QTest::currentDataTag());
            testing::ClickChild(message, QStringLiteral("選択_1"));
        });
        ClickToolbar(&window, 13);
        QCOMPARE(shown, QStringList({question, QStringLiteral("Yes"), QStringLiteral("No")}));
    }

    // A short stored text opens with the rest Empty, goes back unchanged when no cell is
    // clicked, and becomes 96 digits after a click.
    void shortStoredTextIsKeptUntilACellIsClicked() {
        TempSettings temp;
        temp.store().Write(settings::UserLayout(0), QStringLiteral("18"));
        temp.store().Write(settings::UserLayout(1), QStringLiteral("0x5"));
        {
            Board board;
            AreaEditorWindow window(board, temp.store());
            window.show();
            QCOMPARE(board[0], std::int16_t{Hollow});
            QCOMPARE(board[1], std::int16_t{Block});
            QCOMPARE(CountCode(board, Empty), 94);
            ChooseTab(&window, 1);
            QCOMPARE(board, Board{});  // a letter and an end-of-game mark read as Empty
            window.close();
        }
        QCOMPARE(StoredFile(temp, 0), QStringLiteral("18"));
        QCOMPARE(StoredFile(temp, 1), QStringLiteral("0x5"));
        {
            Board board;
            AreaEditorWindow window(board, temp.store());
            window.show();
            ClickToolbar(&window, 10);
            PaintCell(&window, 2);
            window.close();
        }
        QCOMPARE(StoredFile(temp, 0), QStringLiteral("183").leftJustified(96, QLatin1Char('0')));
    }

    // Every way of closing stores the files: the frame and Escape as well as "Ｏ．Ｋ．".
    void everyWayOfClosingStores_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("frame") << 0;
        QTest::newRow("escape") << 1;
    }
    void everyWayOfClosingStores() {
        QFETCH(int, way);
        TempSettings temp;
        Board board;
        AreaEditorWindow window(board, temp.store());
        window.show();
        ClickToolbar(&window, 7);
        PaintCell(&window, 95);
        if (way == 0) {
            window.close();
        } else {
            QTest::keyClick(&window, Qt::Key_Escape);
        }
        QVERIFY(!window.isVisible());
        QCOMPARE(StoredFile(temp, 0), kEmptyFile.left(95) + QLatin1Char('1'));
    }

    // The marker frame follows the pointer over the cells and stays on the last one; the cells
    // show the custom pointer and the rest of the window the ordinary one.
    void markerFollowsThePointerOverTheCells() {
        TempSettings temp;
        Board board;
        AreaEditorWindow window(board, temp.store());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* marker = Control<QWidget>(&window, QStringLiteral("Cur"));
        QCOMPARE(marker->geometry(), Cell(&window, 0)->geometry());
        QTest::mouseMove(Cell(&window, 17));
        QTRY_COMPARE(marker->geometry(), Cell(&window, 17)->geometry());
        QTest::mouseMove(Cell(&window, 94));
        QTRY_COMPARE(marker->geometry(), Cell(&window, 94)->geometry());
        QTest::mouseMove(Control<QWidget>(&window, QStringLiteral("Command2")));
        QCOMPARE(marker->geometry(), Cell(&window, 94)->geometry());
        QCOMPARE(Cell(&window, 94)->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
    }

    // Tab goes round every control of the editor from top to bottom, starting from the board,
    // where the keys begin: O.K., the toolbar's acting buttons, the file tabs, the board.
    void tabGoesRoundTheEditor() {
        TempSettings temp;
        Board board;
        AreaEditorWindow window(board, temp.store());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QStringList round = {
            "Cells",      "Command2",    "Toolbar1_6",  "Toolbar1_7", "Toolbar1_8",
            "Toolbar1_9", "Toolbar1_10", "Toolbar1_13", "TabStrip1",  "Cells",
        };
        QStringList visited = {QApplication::focusWidget()->objectName()};
        while (visited.size() < round.size()) {
            PressKeys({Qt::Key_Tab});
            visited << QApplication::focusWidget()->objectName();
            testing::SaveScreenshot(&window, QStringLiteral("form7_tab_") + visited.last());
        }
        QCOMPARE(visited, round);
        PressKeys({Qt::ShiftModifier | Qt::Key_Tab, Qt::Key_Right});
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("TabStrip1"));
        QCOMPARE(Control<QTabBar>(&window, QStringLiteral("TabStrip1"))->currentIndex(), 1);
    }

    // The marker takes its keyboard look from the keys alone: a click on a cell leaves the
    // focus and the marker as they were; an arrow on the board changes the look, and Tab away
    // from the board gives the marker its own look back.
    void markerTakesItsKeyboardLookFromTheKeysAlone() {
        TempSettings temp;
        Board board;
        AreaEditorWindow window(board, temp.store());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* marker = Control<QWidget>(&window, QStringLiteral("Cur"));
        const QString ownLook = marker->styleSheet();
        ClickToolbar(&window, 8);
        PaintCell(&window, 95);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Cells"));
        QCOMPARE(marker->styleSheet(), ownLook);
        PressKeys({Qt::Key_Left});
        QCOMPARE(marker->geometry(), Cell(&window, 7)->geometry());
        QVERIFY(marker->styleSheet() != ownLook);
        testing::SaveScreenshot(&window, QStringLiteral("form7_key_marker"));
        PressKeys({Qt::Key_Tab});
        QCOMPARE(marker->styleSheet(), ownLook);
    }

    // The title menu's entry shows the editor modal and returns once it is closed.
    void showAreaEditorReturnsAfterStoring() {
        TempSettings temp;
        Board board;
        testing::WhenModalOpens(QStringLiteral("Form7"), [](QWidget* window) {
            testing::ClickChild(window, QStringLiteral("Toolbar1_8"));
            QTest::mouseClick(Cell(window, 0), Qt::LeftButton);
            testing::ClickChild(window, QStringLiteral("Command2"));
        });
        ShowAreaEditor(nullptr, board, temp.store());
        QCOMPARE(board[0], std::int16_t{Block});
        QCOMPARE(StoredFile(temp, 0), QLatin1Char('8') + kEmptyFile.mid(1));
    }

    // A picture of the editor with a drawn layout, for looking at (MORVANE_SCREENSHOT_DIR).
    void screenshotWithADrawnLayout() {
        TempSettings temp;
        temp.store().Write(settings::UserLayout(1),
                           QString::fromStdU16String(std::u16string(*FixedLayout(WhirlpoolArea))));
        Board board;
        AreaEditorWindow window(board, temp.store());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ChooseTab(&window, 1);
        ClickToolbar(&window, 9);
        PaintCell(&window, 91);
        ClickToolbar(&window, 10);
        PaintCell(&window, 92);
        ClickToolbar(&window, 7);
        QTest::mouseMove(Cell(&window, 44));
        testing::SaveScreenshot(&window, QStringLiteral("form7_drawn"));
        QCOMPARE(board[92], std::int16_t{CrossUnit});
    }
};

QTEST_MAIN(AreaEditorTest)
#include "test_area_editor.moc"
