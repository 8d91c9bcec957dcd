#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "assets/pictures.h"
#include "rules/board.h"
#include "shell/settings/language.h"
#include "shell/windows/about_window.h"
#include "shell/windows/accessible_names.h"
#include "shell/windows/contact_window.h"
#include "shell/windows/look.h"
#include "shell/windows/message_dialog.h"
#include "shell/windows/rules_window.h"
#include "shell/windows/store_failure.h"
#include "shell/windows/system_info.h"
#include "shell/windows/version_text.h"
#include "tests/support/modal.h"
#include "tests/support/screenshot.h"
#include "tests/support/temp_settings.h"
#include "tests/support/window_texts.h"

using namespace morvane;

namespace {

const QString kUnavailable = QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません");

// A platform that answers from fixed values and records what it was asked.
class FakeSystemInfo : public SystemInfoPlatform {
public:
    std::optional<QString> toolPath;
    std::optional<QString> toolFolder;
    QStringList existingFiles;
    bool startWorks = true;

    mutable bool folderAsked = false;
    mutable QStringList filesTested;
    mutable QStringList started;

    std::optional<QString> ToolPath() const override { return toolPath; }
    std::optional<QString> ToolFolder() const override {
        folderAsked = true;
        return toolFolder;
    }
    bool FileExists(const QString& path) const override {
        filesTested.append(path);
        return existingFiles.contains(path);
    }
    bool StartDetached(const QString& program) const override {
        started.append(program);
        return startWorks;
    }
};

// Runs work; a message dialog it opens is answered with its slot 2, and its text returned
// (empty when none opened).
QString MessageShownBy(const std::function<void()>& work) {
    QString text;
    QTimer watcher;
    watcher.setInterval(5);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->objectName() == QStringLiteral("FormMsg") &&
            modal->isVisible()) {
            text = modal->findChild<QLabel*>(QStringLiteral("言葉"))->text();
            testing::ClickChild(modal, QStringLiteral("選択_2"));
        }
    });
    watcher.start();
    work();
    return text;
}

// Makes a text the way the program does, in the language in use.
using MakeText = std::function<QString()>;

// The texts of the messages the work shows, one after the other.
QStringList MessagesShownBy(const std::function<void()>& work) {
    const testing::MessageLog log;
    work();
    return log.texts();
}

QString ToolIn(const QString& folder) {
    return folder + QDir::separator() + QStringLiteral("MSINFO32.EXE");
}

}  // namespace

Q_DECLARE_METATYPE(MakeText)

class InfoWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { look::PinApplicationLook(); }
    void cleanup() { UseLanguage(Language::Japanese); }

    // The version reads "Ｖｅｒｓｉｏｎ ", full-width major, ASCII point, full-width minor.
    void versionTextUsesFullWidthDigits_data() {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<QString>("text");
        QTest::newRow("4.92") << 4 << 92 << QStringLiteral("Ｖｅｒｓｉｏｎ ４.９２");
        QTest::newRow("10.5") << 10 << 5 << QStringLiteral("Ｖｅｒｓｉｏｎ １０.５");
        QTest::newRow("5.0") << 5 << 0 << QStringLiteral("Ｖｅｒｓｉｏｎ ５.０");
    }
    void versionTextUsesFullWidthDigits() {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(QString, text);
        QCOMPARE(VersionText(major, minor), text);
    }

    // In English the texts the program makes as it goes hold no Japanese, numbers included; the
    // expected text is empty where only that is checked (a text naming a file of the machine).
    void madeTextsAreEnglish_data() {
        QTest::addColumn<MakeText>("make");
        QTest::addColumn<QString>("expected");
        QTest::newRow("version") << MakeText([] { return VersionText(4, 92); })
                                 << QStringLiteral("Version 4.92");
        QTest::newRow("cell") << MakeText([] { return CellName(3, 5, QStringLiteral("○")); })
                              << QStringLiteral("Column 3, row 5: ○");
        QTest::newRow("winning cell of the board")
            << MakeText([] { return BoardCellName(CellIndex(8, 12), CrossWin); })
            << QStringLiteral("Column 8, row 12: × (winning)");
        QTest::newRow("empty cell of the board")
            << MakeText([] { return BoardCellName(CellIndex(1, 2), Empty); })
            << QStringLiteral("Column 1, row 2: empty");
        QTest::newRow("player picture")
            << MakeText([] { return PlayerPictureName(1, QStringLiteral("Mouse")); })
            << QStringLiteral("×: Mouse");
        QTest::newRow("no system information tool") << MakeText([] {
            const FakeSystemInfo none;
            return MessagesShownBy([&] { StartSysInfo(nullptr, none); }).join(QLatin1Char('|'));
        }) << QStringLiteral("System info is not available right now.");
        QTest::newRow("settings not stored") << MakeText([] {
            testing::BlockedSettings blocked;
            return MessagesShownBy([&] { TellIfNotStored(nullptr, blocked.store(), false); })
                .join(QLatin1Char('|'));
        }) << QString();
        QTest::newRow("settings file refused") << MakeText([] {
            testing::TempSettings settings;
            QDir().mkdir(settings.fileName());
            return MessagesShownBy([&] { TellIfFileRefused(nullptr, settings.store()); })
                .join(QLatin1Char('|'));
        }) << QString();
        QTest::newRow("answers' buttons") << MakeText([] {
            return QStringList{YesCaption(), NoCaption(), ConfirmCaption()}.join(QLatin1Char('|'));
        }) << QStringLiteral("Yes|No|OK");
    }
    void madeTextsAreEnglish() {
        QFETCH(MakeText, make);
        QFETCH(QString, expected);
        QVERIFY(UseLanguage(Language::English));
        const QString text = make();
        QVERIFY(!text.isEmpty());
        QVERIFY2(!testing::HasJapanese(text), qPrintable(text));
        if (!expected.isEmpty()) {
            QCOMPARE(text, expected);
        }
    }

    // Qt's own texts (here a file dialog's label) follow the interface language, both ways.
    void qtsOwnTextsFollowTheLanguage() {
        const auto lookIn = [] { return QCoreApplication::translate("QFileDialog", "Look in:"); };
        QVERIFY(UseLanguage(Language::Japanese));
        QVERIFY2(testing::HasJapanese(lookIn()), qPrintable(lookIn()));
        QVERIFY(UseLanguage(Language::English));
        QCOMPARE(lookIn(), QStringLiteral("Look in:"));
    }

    // The English title picture is the Japanese one with another subtitle: the same below it,
    // different above.
    void titlePictureSubtitleFollowsTheLanguage() {
        const QSize size(340, 300);
        const QImage japanese = TitlePicture(size, 1.0, Language::Japanese).toImage();
        const QImage english = TitlePicture(size, 1.0, Language::English).toImage();
        const QRect subtitle(0, 85, 340, 30);
        const QRect below(0, 115, 340, 185);
        QCOMPARE(english.copy(below), japanese.copy(below));
        QVERIFY(english.copy(subtitle) != japanese.copy(subtitle));
    }

    // The information window shows the title picture, the version, the two fixed lines and
    // the eleven-line notice, read-only.
    void aboutWindowShowsItsTexts() {
        FakeSystemInfo platform;
        AboutWindow about(nullptr, platform);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
        QCOMPARE(about.windowTitle(), QStringLiteral("Morvaneⅲ-ﾊﾞｰｼﾞｮﾝ情報"));
        QVERIFY(!about.findChild<QLabel*>(QStringLiteral("Ig"))->pixmap().isNull());
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lb"))->text(),
                 QStringLiteral("Ｖｅｒｓｉｏｎ ４.９２"));
        QVERIFY(!about.findChild<QLabel*>(QStringLiteral("Label1_0"))->text().isEmpty());
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Label1_1"))->text(),
                 QStringLiteral("開発期間：2000.1/18～2001.1/18"));

        auto* notice = about.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        QVERIFY(notice->isReadOnly());
        const QStringList lines{
            QString(),
            QString(),
            QString(),
            QString(),
            QStringLiteral("ただし、万が一そのような事態が発生"),
            QStringLiteral("したとしても開発者には悪意が無い事を"),
            QStringLiteral("御理解頂ければと思います。"),
            QString(),
            QString(),
            QStringLiteral("以上の点を御了承の上で当ソフトを"),
            QStringLiteral("お楽しみ下さい。"),
        };
        // Each of the eleven lines, the last one included, ends with a line break.
        QCOMPARE(notice->toPlainText(), lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        QCOMPARE(notice->verticalScrollBar()->maximum(), 0);  // all of it in view

        const QList<std::pair<QString, QString>> buttons{
            {QStringLiteral("Command1_0"), QStringLiteral("システム情報")},
            {QStringLiteral("Command1_1"), QStringLiteral("連絡先（アドレス）")},
            {QStringLiteral("Command2"), QStringLiteral("Ｏ．Ｋ．")},
        };
        for (const auto& [name, text] : buttons) {
            QCOMPARE(about.findChild<QPushButton*>(name)->text(), text);
        }
        testing::SaveScreenshot(&about, QStringLiteral("about"));

        testing::ClickChild(&about, QStringLiteral("Command2"));
        QVERIFY(!about.isVisible());
    }

    // "連絡先（アドレス）" opens the contact window modal over the information window.
    void contactButtonOpensTheContactWindow() {
        FakeSystemInfo platform;
        AboutWindow about(nullptr, platform);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        bool opened = false;
        testing::WhenModalOpens(QStringLiteral("Form8"), [&](QWidget* contact) {
            opened =
                contact->parentWidget() == &about &&
                contact->windowTitle() == QStringLiteral("Morvaneⅲ－（Adress）") &&
                !contact->findChild<QGroupBox*>(QStringLiteral("Frame1_0"))->title().isEmpty() &&
                !contact->findChild<QLabel*>(QStringLiteral("Label1"))->text().isEmpty() &&
                contact->findChild<QPushButton*>(QStringLiteral("Command2"))->text() ==
                    QStringLiteral("Ｏ．Ｋ．");
            testing::SaveScreenshot(contact, QStringLiteral("contact"));
            testing::ClickChild(contact, QStringLiteral("Command2"));
        });
        testing::ClickChild(&about, QStringLiteral("Command1_1"));
        QVERIFY(opened);
        QVERIFY(about.isVisible());
    }

    // "システム情報" without a tool shows the notice and leaves the window open.
    void systemInfoButtonReportsAMissingTool() {
        FakeSystemInfo platform;
        AboutWindow about(nullptr, platform);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QString shown =
            MessageShownBy([&] { testing::ClickChild(&about, QStringLiteral("Command1_0")); });
        QCOMPARE(shown, kUnavailable);
        QVERIFY(about.isVisible());
    }

    // The rules window shows heading 0, text 0, heading 1, text 1, heading 2, text 2 from top
    // to bottom, with their exact texts.
    void rulesWindowShowsTheThreeRulesInOrder() {
        RulesWindow rules;
        rules.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rules));
        QCOMPARE(rules.objectName(), QStringLiteral("Form9"));
        QCOMPARE(rules.windowTitle(), QStringLiteral("Morvaneⅲ－Ｒｕｌｕ Check"));
        const QList<std::pair<QString, QString>> expected{
            {QStringLiteral("Label1_0"), QStringLiteral("- 勝利条件 -")},
            {QStringLiteral("Label2_0"),
             QStringLiteral("縦か横か斜めで一直線に４個以上、自己ユニットを並べる")},
            {QStringLiteral("Label1_1"), QStringLiteral("- ユニットを置く際の規定 -")},
            {QStringLiteral("Label2_1"),
             QStringLiteral("    画面最下部分、もしくは■,○,×,◇の一段上の空白域、   もしくは、"
                            "◇の中。（重力があると考えると理解し易い）")},
            {QStringLiteral("Label1_2"), QStringLiteral("- 引き分け条件 -")},
            {QStringLiteral("Label2_2"),
             QStringLiteral("勝利条件が満たされず、かつ置ける場所が存在しない時")},
        };
        int previousBottom = -1;
        for (const auto& [name, text] : expected) {
            auto* label = rules.findChild<QLabel*>(name);
            QVERIFY2(label != nullptr, qPrintable(name));
            QCOMPARE(label->text(), text);
            QVERIFY2(label->y() > previousBottom, qPrintable(name));
            QVERIFY(rules.rect().contains(label->geometry()));
            previousBottom = label->geometry().bottom();
        }
        QCOMPARE(rules.findChild<QPushButton*>(QStringLiteral("Command2"))->text(),
                 QStringLiteral("Ｏ．Ｋ．"));
        testing::SaveScreenshot(&rules, QStringLiteral("rules"));
        testing::ClickChild(&rules, QStringLiteral("Command2"));
        QVERIFY(!rules.isVisible());
    }

    // StartSysInfo starts the tool it finds, and shows its one notice for every failure.
    void startSysInfoPaths_data() {
        QTest::addColumn<QString>("toolPath");  // "-" when there is no such value
        QTest::addColumn<QString>("toolFolder");
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<bool>("startWorks");
        QTest::addColumn<QString>("started");  // empty when nothing was started
        QTest::addColumn<bool>("folderAsked");
        QTest::addColumn<bool>("noticeShown");

        const QString none = QStringLiteral("-");
        const QString tool = QStringLiteral("/usr/bin/sysinfo-tool");
        const QString folder = QStringLiteral("/opt/shared-tools");
        QTest::newRow("the tool path is started without looking further")
            << tool << folder << true << true << tool << false << false;
        QTest::newRow("the tool folder with its file is started")
            << none << folder << true << true << ToolIn(folder) << true << false;
        QTest::newRow("a folder given with a trailing separator joins with one")
            << none << folder + QDir::separator() << true << true << ToolIn(folder) << true
            << false;
        QTest::newRow("the folder without the file gives the notice")
            << none << folder << false << true << QString() << true << true;
        QTest::newRow("nothing found gives the notice")
            << none << none << false << true << QString() << true << true;
        QTest::newRow("a tool that will not start gives the notice")
            << tool << none << false << false << tool << false << true;
        QTest::newRow("a folder tool that will not start gives the notice")
            << none << folder << true << false << ToolIn(folder) << true << true;
    }
    void startSysInfoPaths() {
        QFETCH(QString, toolPath);
        QFETCH(QString, toolFolder);
        QFETCH(bool, fileExists);
        QFETCH(bool, startWorks);
        QFETCH(QString, started);
        QFETCH(bool, folderAsked);
        QFETCH(bool, noticeShown);

        const QString none = QStringLiteral("-");
        FakeSystemInfo platform;
        if (toolPath != none) {
            platform.toolPath = toolPath;
        }
        if (toolFolder != none) {
            platform.toolFolder = toolFolder;
        }
        if (fileExists) {
            platform.existingFiles.append(ToolIn(QStringLiteral("/opt/shared-tools")));
        }
        platform.startWorks = startWorks;

        const QString shown = MessageShownBy([&] { StartSysInfo(nullptr, platform); });
        QCOMPARE(shown, noticeShown ? kUnavailable : QString());
        QCOMPARE(platform.started, started.isEmpty() ? QStringList() : QStringList{started});
        QCOMPARE(platform.folderAsked, folderAsked);
        if (!folderAsked) {
            QVERIFY(platform.filesTested.isEmpty());
        }
    }

    // This machine's file test tells files from folders and missing paths, and a program
    // that does not exist does not start.
    void nativePlatformChecksFilesAndStarts() {
        const SystemInfoPlatform& native = NativeSystemInfo();
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("MSINFO32.EXE")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(native.FileExists(file.fileName()));
        QVERIFY(!native.FileExists(dir.path()));
        QVERIFY(!native.FileExists(dir.filePath(QStringLiteral("missing.exe"))));
        QVERIFY(!native.StartDetached(dir.filePath(QStringLiteral("missing.exe"))));
#ifndef Q_OS_WIN
        QVERIFY(!native.ToolFolder().has_value());
#endif
    }
};

QTEST_MAIN(InfoWindowsTest)
#include "test_info_windows.moc"
