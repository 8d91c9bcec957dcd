#include <QTest>

#include "match/model/info_panel.h"

using namespace morvane;

namespace {

const QChar kSpace(0x3000);

QString Padded(const QString& text) { return text + QString(12 - text.size(), kSpace); }

// A full-width line with its number in it, "行０１" and so on, 12 characters with padding.
QString NumberedLine(int n) {
    QString digits = QString::number(n).rightJustified(2, QLatin1Char('0'));
    for (QChar& c : digits) {
        c = QChar(u'０' + (c.unicode() - u'0'));
    }
    return Padded(QStringLiteral("行") + digits);
}

const QString kClosingLine = QStringLiteral("＿") + QString(11, kSpace);

// A pane of ordinary characters whose rows hold ten of them.
InfoPanel TenWide() {
    return InfoPanel([](const QString& row) { return row.size() <= 10; });
}

// Runs the page that the next tick starts to its end.
void TickUntilIdle(InfoPanel& panel) {
    panel.InfoTick();
    for (int i = 0; i < 1000 && !panel.IsIdle(); ++i) {
        panel.InfoTick();
    }
    QVERIFY(panel.IsIdle());
}

}  // namespace

class InfoPanelTest : public QObject {
    Q_OBJECT

private slots:
    // AddInfo must cut text into lines of exactly twelve characters and pad only the last one.
    void addInfoCutsIntoTwelveCharacterLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pending");
        QTest::newRow("exactly twelve: one line, unpadded")
            << QStringLiteral("ＡＢＣＤＥＦＧＨＩＪＫＬ")
            << QStringLiteral("ＡＢＣＤＥＦＧＨＩＪＫＬ");
        QTest::newRow("thirteen: a full line and a line of one")
            << QStringLiteral("ＡＢＣＤＥＦＧＨＩＪＫＬＭ")
            << QStringLiteral("ＡＢＣＤＥＦＧＨＩＪＫＬ") + Padded(QStringLiteral("Ｍ"));
        QTest::newRow("empty: a blank line") << QString() << Padded(QString());
        QTest::newRow("short: padded with full-width spaces")
            << QStringLiteral("注意：") << Padded(QStringLiteral("注意："));
        QTest::newRow("twenty-four: two lines, unpadded")
            << QStringLiteral("ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸ")
            << QStringLiteral("ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸ");
        QTest::newRow("Japanese sentence of 17 characters")
            << QStringLiteral("指定された場所には配置できません。")
            << QStringLiteral("指定された場所には配置で") + Padded(QStringLiteral("きません。"));
    }
    void addInfoCutsIntoTwelveCharacterLines() {
        QFETCH(QString, text);
        QFETCH(QString, pending);
        InfoPanel panel;
        panel.AddInfo(text);
        QCOMPARE(panel.PendingText(), pending);
        QCOMPARE(panel.PendingText().size() % 12, 0);
    }

    // Text of ordinary characters is cut at spaces into rows that fit, a word too long for a row
    // where it must; rows are not padded. The separator is as wide as the row allows, at most
    // as wide as the Japanese one.
    void englishTextIsCutAtSpacesIntoRowsThatFit_data() {
        QTest::addColumn<QString>("text");  // empty: a separator
        QTest::addColumn<QString>("pending");
        QTest::newRow("fits: one row") << "Round 1."
                                       << "Round 1.\n";
        QTest::newRow("exactly fits") << "Turn: ○ go"
                                      << "Turn: ○ go\n";
        QTest::newRow("cut at the last space that fits") << "Starting operation now!"
                                                         << "Starting\noperation\nnow!\n";
        QTest::newRow("space just after a full row") << "abcdefghij klm"
                                                     << "abcdefghij\nklm\n";
        QTest::newRow("word longer than a row") << "abcdefghijklmnop"
                                                << "abcdefghij\nklmnop\n";
        QTest::newRow("long word after a short one") << "ab cdefghijklmno"
                                                     << "ab\ncdefghijkl\nmno\n";
        QTest::newRow("separator") << QString() << "----------\n";
    }
    void englishTextIsCutAtSpacesIntoRowsThatFit() {
        QFETCH(QString, text);
        QFETCH(QString, pending);
        InfoPanel panel = TenWide();
        if (text.isEmpty()) {
            panel.AddSeparator();
        } else {
            panel.AddInfo(text);
        }
        QCOMPARE(panel.PendingText(), pending);
    }

    // In English the page ends with "_" on a row of its own, or right after a literal set as
    // it is; a wide pane gets a separator as long as the Japanese one.
    void englishPageEndsWithTheClosingMark() {
        InfoPanel panel([](const QString& row) { return row.size() <= 40; });
        panel.AddInfo(QStringLiteral("Hint: column 3"));
        panel.AddSeparator();
        TickUntilIdle(panel);
        QCOMPARE(panel.RowText(0), QStringLiteral("Hint: column 3"));
        QCOMPARE(panel.RowText(1), QString(24, QLatin1Char('-')));
        QCOMPARE(panel.RowText(2), QStringLiteral("_"));
        QCOMPARE(panel.PageSpeech(), QStringLiteral("Hint: column 3"));

        panel.SetPending(QStringLiteral("Wait..."));
        TickUntilIdle(panel);
        QCOMPARE(panel.RowText(0), QStringLiteral("Wait..._"));
        QCOMPARE(panel.RowText(1), QString());
    }

    // Each line must appear at brightness 75 and reach 255 in steps of 20, one step per tick,
    // and the next line must appear on the tick after.
    void linesFadeInFromDarkToCyan() {
        InfoPanel panel;
        panel.AddInfo(QStringLiteral("ＡＢＣ"));
        panel.InfoTick();  // the page starts on a cleared pane
        QVERIFY(!panel.IsIdle());
        QCOMPARE(panel.RowText(0), QString());
        QCOMPARE(panel.RowColor(0), kBlack);

        QList<int> levels;
        for (int tick = 0; tick < 10; ++tick) {
            panel.InfoTick();
            QCOMPARE(panel.RowText(0), Padded(QStringLiteral("ＡＢＣ")));
            QCOMPARE(panel.RowColor(0).red, 0);
            QCOMPARE(panel.RowColor(0).green, panel.RowColor(0).blue);
            levels << panel.RowColor(0).green;
        }
        QCOMPARE(levels, (QList<int>{75, 95, 115, 135, 155, 175, 195, 215, 235, 255}));
        QCOMPARE(panel.RowText(1), QString());

        panel.InfoTick();
        QCOMPARE(panel.RowText(1), kClosingLine);
        QCOMPARE(panel.RowColor(1), (Rgb{0, 75, 75}));
        for (int tick = 0; tick < 8; ++tick) {
            panel.InfoTick();
            QVERIFY(!panel.IsIdle());
        }
        panel.InfoTick();
        QVERIFY(panel.IsIdle());
        QCOMPARE(panel.RowColor(1), kCyan);
    }

    // A page of 20 lines shows lines 1 to 14, then scrolls one row per further line and ends
    // with lines 7 to 20 on screen, the closing line last.
    void longPageScrollsToItsLastFourteenLines() {
        InfoPanel panel;
        QStringList lines;
        for (int n = 1; n <= 19; ++n) {
            lines << NumberedLine(n);
            panel.AddInfo(lines.last());
        }
        lines << kClosingLine;

        // Fourteen lines fill the pane without scrolling.
        for (int tick = 0; tick < 1 + 14 * 10; ++tick) {
            panel.InfoTick();
        }
        for (int row = 0; row < 14; ++row) {
            QCOMPARE(panel.RowText(row), lines[row]);
        }

        TickUntilIdle(panel);
        for (int row = 0; row < 14; ++row) {
            QCOMPARE(panel.RowText(row), lines[row + 6]);
            QCOMPARE(panel.RowColor(row), kCyan);
        }
    }

    // A literal set directly is shown as it is: "Ｗａｉｔ．．．" runs on into the closing line.
    void directlySetTextIsNeitherCutNorPadded() {
        InfoPanel panel;
        panel.AddInfo(QStringLiteral("消える文"));
        panel.CutPage();
        panel.SetPending(QStringLiteral("Ｗａｉｔ．．．"));
        TickUntilIdle(panel);
        QCOMPARE(panel.RowText(0), QStringLiteral("Ｗａｉｔ．．．＿") + QString(4, kSpace));
        QCOMPARE(panel.RowText(1), QString(7, kSpace));
        QCOMPARE(panel.RowText(2), QString());
    }

    // CutPage while a line fades in leaves it at its brightness and makes the pane idle; the
    // rest of the page is dropped and the next page clears the pane.
    void cutPageStopsThePageWhereItIs() {
        InfoPanel panel;
        panel.AddInfo(QStringLiteral("一行目"));
        panel.AddInfo(QStringLiteral("二行目"));
        for (int tick = 0; tick < 1 + 10 + 3; ++tick) {
            panel.InfoTick();
        }
        QCOMPARE(panel.RowColor(1), (Rgb{0, 115, 115}));
        panel.CutPage();
        QVERIFY(panel.IsIdle());
        for (int tick = 0; tick < 30; ++tick) {
            panel.InfoTick();
        }
        QCOMPARE(panel.RowColor(1), (Rgb{0, 115, 115}));
        QCOMPARE(panel.RowText(2), QString());

        panel.AddInfo(QStringLiteral("次"));
        panel.InfoTick();
        for (int row = 0; row < 14; ++row) {
            QCOMPARE(panel.RowText(row), QString());
            QCOMPARE(panel.RowColor(row), kBlack);
        }
    }

    // With nothing pending the pane stays as it is and idle.
    void idlePaneWithNothingPendingStaysUnchanged() {
        InfoPanel panel;
        panel.AddInfo(QStringLiteral("ＡＢＣ"));
        TickUntilIdle(panel);
        const QString first = panel.RowText(0);
        for (int tick = 0; tick < 50; ++tick) {
            panel.InfoTick();
            QVERIFY(panel.IsIdle());
        }
        QCOMPARE(panel.RowText(0), first);
        QCOMPARE(panel.RowColor(0), kCyan);
    }

    // Text added while a page runs waits for the next page.
    void textAddedDuringAPageWaitsForTheNextPage() {
        InfoPanel panel;
        panel.AddInfo(QStringLiteral("前"));
        panel.InfoTick();
        panel.InfoTick();
        panel.AddInfo(QStringLiteral("後"));
        QCOMPARE(panel.PendingText(), Padded(QStringLiteral("後")));
        TickUntilIdle(panel);
        QCOMPARE(panel.RowText(0), Padded(QStringLiteral("前")));
        QCOMPARE(panel.RowText(1), kClosingLine);
        panel.InfoTick();
        QVERIFY(!panel.IsIdle());
        QVERIFY(panel.PendingText().isEmpty());
        TickUntilIdle(panel);
        QCOMPARE(panel.RowText(0), Padded(QStringLiteral("後")));
    }

    // Clearing pending drops queued text so that no page starts.
    void clearPendingDropsQueuedText() {
        InfoPanel panel;
        panel.AddInfo(QStringLiteral("捨てる"));
        panel.ClearPending();
        panel.InfoTick();
        QVERIFY(panel.IsIdle());
        QCOMPARE(panel.RowText(0), QString());
    }
};

QTEST_APPLESS_MAIN(InfoPanelTest)
#include "test_info_panel.moc"
