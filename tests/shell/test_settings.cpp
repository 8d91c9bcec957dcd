#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QSettings>
#include <QTest>
#include <array>
#include <optional>
#include <utility>

#include "match/model/stored_options.h"
#include "shell/settings/display_scale.h"
#include "shell/settings/language.h"
#include "shell/settings/settings_store.h"
#include "shell/settings/view_toggles.h"
#include "shell/settings/window_sizes.h"
#include "tests/support/full_disk.h"
#include "tests/support/temp_settings.h"

using namespace morvane;
using morvane::testing::BlockedSettings;
using morvane::testing::TempSettings;

Q_DECLARE_METATYPE(morvane::IntSetting)
Q_DECLARE_METATYPE(morvane::Language)
Q_DECLARE_METATYPE(morvane::ViewToggle)
Q_DECLARE_METATYPE(morvane::SettingsStore::FileRefusal)

namespace {

// The warnings the settings log gave since the last Reset, counted by a message handler so that
// the test does not depend on their wording.
int settingsWarnings = 0;
QtMessageHandler previousHandler = nullptr;

void CountSettingsWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && context.category &&
        QLatin1StringView(context.category) == QLatin1StringView("morvane.settings")) {
        ++settingsWarnings;
        return;
    }
    previousHandler(type, context, text);
}

// What stands where the settings file should be.
enum class FileKind {
    None,
    RegularFile,
    LargeFile,
    Fifo,
    Directory,
    LinkToFile,
    LinkToDirectory,
    LinkToNothing
};

// Puts a thing of the kind at path; a link's target goes beside it.
bool MakeFileOfKind(const QString& path, FileKind kind) {
    const QString target = path + QStringLiteral(".target");
    const auto writeFile = [](const QString& at, qint64 size) {
        QFile file(at);
        return file.open(QIODevice::WriteOnly) &&
               file.write(QByteArray("[System]\nOption1=5\n").leftJustified(size, '\n')) ==
                   qMax<qint64>(size, 19);
    };
    switch (kind) {
        case FileKind::None:
            return true;
        case FileKind::RegularFile:
            return writeFile(path, 0);
        case FileKind::LargeFile:
            return writeFile(path, 300 * 1024);
        case FileKind::Fifo:
            return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
        case FileKind::Directory:
            return QDir().mkdir(path);
        case FileKind::LinkToFile:
            return writeFile(target, 0) && QFile::link(target, path);
        case FileKind::LinkToDirectory:
            return QDir().mkdir(target) && QFile::link(target, path);
        case FileKind::LinkToNothing:
            return QFile::link(target, path);
    }
    return false;
}

// Writes a raw text behind the program's back, as a hand-edited store would hold it.
void WriteRaw(const QString& file, const QString& section, const QString& key,
              const QString& text) {
    QSettings raw(file, QSettings::IniFormat);
    raw.setValue(section + '/' + key, text);
    raw.sync();
}

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    // A fresh store should give every documented default.
    void freshStoreGivesTheDefaults_data() {
        QTest::addColumn<IntSetting>("setting");
        QTest::addColumn<int>("expected");
        QTest::newRow("first game: random") << settings::FirstGameFirst() << 0;
        QTest::newRow("later games: alternating") << settings::LaterGamesFirst() << 1;
        QTest::newRow("terrain: off") << settings::TerrainSelect() << 1;
        QTest::newRow("side o: Mouse") << settings::PlayerKind(0) << 0;
        QTest::newRow("side x: NORMAL") << settings::PlayerKind(1) << 3;
        QTest::newRow("area: None") << settings::AreaChoice() << 8;
        QTest::newRow("random hollows") << settings::RandomCount(0) << 6;
        QTest::newRow("random blocks") << settings::RandomCount(1) << 6;
        QTest::newRow("user file 1") << settings::UserFileChoice() << 0;
    }
    void freshStoreGivesTheDefaults() {
        QFETCH(IntSetting, setting);
        QFETCH(int, expected);
        TempSettings temp;
        QCOMPARE(temp.store().Read(setting), expected);
    }

    void freshStoreHasEmptyUserLayouts() {
        TempSettings temp;
        for (int file = 0; file < 3; ++file) {
            QCOMPARE(temp.store().Read(settings::UserLayout(file)), QString(96, QLatin1Char('0')));
        }
    }

    // Reading must never create an entry.
    void readingCreatesNothing() {
        TempSettings temp;
        temp.store().Read(settings::TerrainSelect());
        temp.store().Read(settings::UserLayout(1));
        QSettings raw(temp.fileName(), QSettings::IniFormat);
        QVERIFY(raw.allKeys().isEmpty());
    }

    // Keys and values should be stored as the documented texts.
    void writesAreStoredAsDecimalTextUnderTheirKeys() {
        TempSettings temp;
        temp.store().Write(settings::FirstGameFirst(), 2);
        temp.store().Write(settings::RandomCount(1), 42);
        QVERIFY(temp.store().Write(settings::UserLayout(2), QStringLiteral("0181")));
        QSettings raw(temp.fileName(), QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("Option/初戦先攻")).toString(), QStringLiteral("2"));
        QCOMPARE(raw.value(QStringLiteral("System/Option2-1")).toString(), QStringLiteral("42"));
        QCOMPARE(raw.value(QStringLiteral("Area/オリジナル地形2")).toString(),
                 QStringLiteral("0181"));
        QCOMPARE(temp.store().Read(settings::RandomCount(1)), 42);
    }

    // Values the program did not write must read as the key's default, never crash.
    void foreignValuesReadAsTheDefault_data() {
        QTest::addColumn<IntSetting>("setting");
        QTest::addColumn<QString>("raw");
        QTest::addColumn<int>("expected");
        QTest::newRow("letters") << settings::FirstGameFirst() << "abc" << 0;
        QTest::newRow("empty text") << settings::LaterGamesFirst() << "" << 1;
        QTest::newRow("index past the list") << settings::PlayerKind(1) << "7" << 3;
        QTest::newRow("negative index") << settings::AreaChoice() << "-1" << 8;
        QTest::newRow("count too large") << settings::RandomCount(0) << "97" << 6;
        QTest::newRow("fraction") << settings::TerrainSelect() << "0.5" << 1;
        QTest::newRow("surrounding spaces") << settings::TerrainSelect() << " 0 " << 0;
        QTest::newRow("huge number") << settings::UserFileChoice() << "99999999999" << 0;
    }
    void foreignValuesReadAsTheDefault() {
        QFETCH(IntSetting, setting);
        QFETCH(QString, raw);
        QFETCH(int, expected);
        TempSettings temp;
        WriteRaw(temp.fileName(), setting.section, setting.key, raw);
        QCOMPARE(temp.store().Read(setting), expected);
    }

    // A write says whether it reached the file, and the settings log warns when not; one that
    // cannot does not spoil the next.
    void writeReportsWhetherItReachedTheFile_data() {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<bool>("stored");
        QTest::newRow("nothing in the way") << "" << true;
        QTest::newRow("a file where the folder should be") << "file for folder" << false;
        QTest::newRow("a folder where the file should be") << "folder for file" << false;
    }
    void writeReportsWhetherItReachedTheFile() {
        QFETCH(QString, obstacle);
        QFETCH(bool, stored);
        QLoggingCategory::setFilterRules(QStringLiteral("morvane.settings.warning=true"));
        settingsWarnings = 0;
        previousHandler = qInstallMessageHandler(CountSettingsWarnings);
        BlockedSettings blocked;
        if (obstacle != QStringLiteral("file for folder")) {
            blocked.Unblock();
        }
        if (obstacle == QStringLiteral("folder for file")) {
            QVERIFY(QDir().mkdir(blocked.fileName()));
        }
        const bool terrainStored = blocked.store().Write(settings::TerrainSelect(), 0);
        const bool layoutStored =
            blocked.store().Write(settings::UserLayout(0), QStringLiteral("18"));
        qInstallMessageHandler(previousHandler);
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(terrainStored, stored);
        QCOMPARE(layoutStored, stored);
        QCOMPARE(settingsWarnings, stored ? 0 : 2);
    }

    // A fault in the file as it was (written by hand or by another program) is no fault of the
    // write: the write reports success, and the entries that could be read are kept.
    void faultsInTheFileRaiseNoAlarmOnWriting_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("a byte-order mark") << QByteArray("\xEF\xBB\xBF[System]\nOption1=5\n");
        QTest::newRow("a NUL byte") << QByteArray("[System]\nOption1=5\nNo\0te=1\n", 27);
        QTest::newRow("a line without =") << QByteArray("[System]\nOption1=5\nstray words\n");
    }
    void faultsInTheFileRaiseNoAlarmOnWriting() {
        QFETCH(QByteArray, contents);
        TempSettings temp;
        {
            QFile file(temp.fileName());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        QVERIFY(temp.store().Write(settings::UserFileChoice(), 2));
        QCOMPARE(temp.store().Read(settings::UserFileChoice()), 2);
        QCOMPARE(temp.store().Read(settings::AreaChoice()), 5);
    }

    // Only a regular file, or a link to one, serves as the store, and only when it is not far
    // larger than the store ever grows; anything else is refused unopened (a FIFO would block
    // the game): reads give the defaults and writes fail. A write through a link changes the
    // file it leads to and keeps the link.
    void onlyARegularFileServesAsTheStore_data() {
        QTest::addColumn<FileKind>("kind");
        QTest::addColumn<SettingsStore::FileRefusal>("refusal");
        using Refusal = SettingsStore::FileRefusal;
        QTest::newRow("no file yet") << FileKind::None << Refusal::None;
        QTest::newRow("a regular file") << FileKind::RegularFile << Refusal::None;
        QTest::newRow("a link to a regular file") << FileKind::LinkToFile << Refusal::None;
        QTest::newRow("a file of 300 KiB") << FileKind::LargeFile << Refusal::TooLarge;
        QTest::newRow("a FIFO") << FileKind::Fifo << Refusal::NotARegularFile;
        QTest::newRow("a directory") << FileKind::Directory << Refusal::NotARegularFile;
        QTest::newRow("a link to a directory")
            << FileKind::LinkToDirectory << Refusal::NotARegularFile;
        QTest::newRow("a link to nothing") << FileKind::LinkToNothing << Refusal::NotARegularFile;
    }
    void onlyARegularFileServesAsTheStore() {
        QFETCH(FileKind, kind);
        QFETCH(SettingsStore::FileRefusal, refusal);
        TempSettings temp;
        QVERIFY(MakeFileOfKind(temp.fileName(), kind));
        const bool usable = refusal == SettingsStore::FileRefusal::None;
        const bool holdsEntries = usable && kind != FileKind::None;
        QCOMPARE(temp.store().Refusal(), refusal);
        QCOMPARE(temp.store().Read(settings::AreaChoice()), holdsEntries ? 5 : 8);
        QCOMPARE(temp.store().Write(settings::UserFileChoice(), 2), usable);
        QCOMPARE(temp.store().Read(settings::UserFileChoice()), usable ? 2 : 0);
        QCOMPARE(QFileInfo(temp.fileName()).isSymLink(), kind >= FileKind::LinkToFile);
        if (kind == FileKind::LinkToFile) {
            const SettingsStore target(temp.fileName() + QStringLiteral(".target"));
            QCOMPARE(target.Read(settings::UserFileChoice()), 2);
            QCOMPARE(target.Read(settings::AreaChoice()), 5);
        }
    }

    // Writes in quick succession, of values that keep the file's size, are each kept and read
    // back, however many fall within one tick of the file's clock.
    void quickWritesAreAllKept() {
        TempSettings temp;
        for (int round = 0; round < 20; ++round) {
            const int value = 10 + round;
            QVERIFY(temp.store().Write(
                settings::RecordCount(QStringLiteral("a"), QStringLiteral("Wins")), value));
            QVERIFY(temp.store().Write(
                settings::RecordCount(QStringLiteral("b"), QStringLiteral("Wins")), value));
            QCOMPARE(temp.store().Read(
                         settings::RecordCount(QStringLiteral("a"), QStringLiteral("Wins"))),
                     value);
            QCOMPARE(temp.store().Read(
                         settings::RecordCount(QStringLiteral("b"), QStringLiteral("Wins"))),
                     value);
        }
    }

    // A write that fails leaves nothing behind: once the obstacle is gone, reads give what the
    // file held, and no later access writes the failed value.
    void aFailedWriteLeavesNoTrace() {
        TempSettings temp;
        QVERIFY(temp.store().Write(settings::AreaChoice(), 3));
        const QString lock = temp.fileName() + QStringLiteral(".lock");
        QVERIFY(QDir().mkdir(lock));
        QVERIFY(!temp.store().Write(settings::AreaChoice(), 5));
        QVERIFY(QDir().rmdir(lock));
        QCOMPARE(temp.store().Read(settings::AreaChoice()), 3);
        QFile file(temp.fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[System]\nOption1=3\n"));
    }

    // A disk that fills up while the file is written, with room for the lock but not for the
    // entries: the write says it failed and the file keeps what it held.
    void aDiskThatFillsUpKeepsTheFile() {
        TempSettings temp;
        QVERIFY(temp.store().Write(settings::UserLayout(0), QString(2000, QLatin1Char('1'))));
        QFile file(temp.fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        std::optional<test::FullDisk> full(std::in_place, 1000);
        const bool stored = temp.store().Write(settings::AreaChoice(), 5);
        full.reset();
        QVERIFY(!stored);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }

    // Once the obstacle is gone the next write succeeds, though the earlier one failed.
    void writeSucceedsOnceTheFolderCanBeMade() {
        BlockedSettings blocked;
        QVERIFY(!blocked.store().Write(settings::AreaChoice(), 3));
        blocked.Unblock();
        QVERIFY(blocked.store().Write(settings::AreaChoice(), 4));
        QCOMPARE(SettingsStore(blocked.fileName()).Read(settings::AreaChoice()), 4);
    }

    // Another copy of the game may write the file at any time: a store reads what it wrote,
    // and its own write keeps that copy's entries.
    void anotherCopysWritesAreSeenAndKept() {
        TempSettings temp;
        QVERIFY(temp.store().Write(settings::AreaChoice(), 3));
        QCOMPARE(temp.store().Read(settings::AreaChoice()), 3);
        {
            QFile other(temp.fileName());
            QVERIFY(other.open(QIODevice::WriteOnly | QIODevice::Truncate));
            other.write("[System]\nOption1=5\nOption3=2\n");
        }
        QCOMPARE(temp.store().Read(settings::AreaChoice()), 5);
        QVERIFY(temp.store().Write(settings::RandomCount(0), 7));
        QCOMPARE(temp.store().Read(settings::AreaChoice()), 5);
        QCOMPARE(temp.store().Read(settings::UserFileChoice()), 2);
        QCOMPARE(temp.store().Read(settings::RandomCount(0)), 7);
    }

    // The display scale reads as one of its four choices, anything else as 100.
    void storedDisplayScaleReadsAsAChoice_data() {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<int>("scale");
        QTest::newRow("nothing stored") << QString() << 100;
        QTest::newRow("125") << "125" << 125;
        QTest::newRow("150") << "150" << 150;
        QTest::newRow("200") << "200" << 200;
        QTest::newRow("between the choices") << "130" << 100;
        QTest::newRow("below them") << "50" << 100;
        QTest::newRow("above them") << "300" << 100;
        QTest::newRow("a factor, not a percent") << "1.5" << 100;
        QTest::newRow("letters") << "big" << 100;
    }
    void storedDisplayScaleReadsAsAChoice() {
        QFETCH(QString, raw);
        QFETCH(int, scale);
        TempSettings temp;
        if (!raw.isNull()) {
            WriteRaw(temp.fileName(), QStringLiteral("Display"), QStringLiteral("Scale"), raw);
        }
        QCOMPARE(ReadDisplayScale(temp.store()), scale);
    }

    // A scale is offered only when every window, with its frame, fits the screen's free area or
    // scrolls; these are the windows that would run off it.
    void scaleIsOfferedWhenEveryWindowFits_data() {
        QTest::addColumn<QSize>("room");
        QTest::addColumn<int>("percent");
        QTest::addColumn<QStringList>("tooLarge");
        const QSize small(1024, 768);
        const QSize large(1280, 1024);
        const QSize wide(1920, 1080);
        QTest::newRow("1024x768 100") << small << 100 << QStringList();
        QTest::newRow("1024x768 125") << small << 125 << QStringList();
        QTest::newRow("1024x768 150") << small << 150 << QStringList();
        QTest::newRow("1024x768 200")
            << small << 200
            << QStringList{"Form1", "FormMsg",    "Form9",   "FormRecord", "Form3",  "Form3Network",
                           "Form4", "FormReview", "NetHost", "Formz11",    "Formz13"};
        QTest::newRow("1280x1024 100") << large << 100 << QStringList();
        QTest::newRow("1280x1024 125") << large << 125 << QStringList();
        QTest::newRow("1280x1024 150") << large << 150 << QStringList();
        QTest::newRow("1280x1024 200")
            << large << 200 << QStringList{"Form1", "Form3", "Form3Network", "FormReview"};
        QTest::newRow("1920x1080 200") << wide << 200 << QStringList();
    }
    void scaleIsOfferedWhenEveryWindowFits() {
        QFETCH(QSize, room);
        QFETCH(int, percent);
        QFETCH(QStringList, tooLarge);
        QCOMPARE(WindowsTooLarge(percent, room), tooLarge);
        QCOMPARE(ScaleFits(percent, room), tooLarge.isEmpty());
    }

    // The stored language is Japanese unless English was stored as "en".
    void storedLanguageDefaultsToJapanese_data() {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<Language>("language");
        QTest::newRow("nothing stored") << QString() << Language::Japanese;
        QTest::newRow("en") << "en" << Language::English;
        QTest::newRow("ja") << "ja" << Language::Japanese;
        QTest::newRow("another case") << "EN" << Language::Japanese;
        QTest::newRow("another language") << "fr" << Language::Japanese;
        QTest::newRow("a name, not a code") << "English" << Language::Japanese;
    }
    void storedLanguageDefaultsToJapanese() {
        QFETCH(QString, raw);
        QFETCH(Language, language);
        const QLocale desktop;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        TempSettings temp;
        if (!raw.isNull()) {
            WriteRaw(temp.fileName(), QStringLiteral("Display"), QStringLiteral("Language"), raw);
        }
        const Language read = ReadLanguage(temp.store());
        QLocale::setDefault(desktop);
        QCOMPARE(read, language);
    }

    // The very first start follows the desktop's locale (the first of LC_ALL, LC_MESSAGES and
    // LANG that is set): English unless it is Japanese, C or POSIX. Later starts take the
    // stored language, whatever the desktop says.
    void startLanguageFollowsTheDesktopOnlyAtFirst_data() {
        QTest::addColumn<QByteArray>("lcAll");
        QTest::addColumn<QByteArray>("lcMessages");
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<bool>("firstStart");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<Language>("language");
        const auto ja = Language::Japanese;
        const auto en = Language::English;
        QTest::newRow("ja_JP") << QByteArray() << QByteArray() << QByteArray("ja_JP.UTF-8") << true
                               << QString() << ja;
        QTest::newRow("en_US") << QByteArray() << QByteArray() << QByteArray("en_US.UTF-8") << true
                               << QString() << en;
        QTest::newRow("de_DE@euro")
            << QByteArray() << QByteArray() << QByteArray("de_DE@euro") << true << QString() << en;
        QTest::newRow("C") << QByteArray() << QByteArray() << QByteArray("C") << true << QString()
                           << ja;
        QTest::newRow("C.UTF-8") << QByteArray() << QByteArray() << QByteArray("C.UTF-8") << true
                                 << QString() << ja;
        QTest::newRow("POSIX") << QByteArray() << QByteArray() << QByteArray("POSIX") << true
                               << QString() << ja;
        QTest::newRow("unset") << QByteArray() << QByteArray() << QByteArray() << true << QString()
                               << ja;
        QTest::newRow("LC_ALL before LANG") << QByteArray("ja_JP") << QByteArray("en_GB")
                                            << QByteArray("en_US") << true << QString() << ja;
        QTest::newRow("LC_MESSAGES before LANG") << QByteArray() << QByteArray("en_GB")
                                                 << QByteArray("ja_JP") << true << QString() << en;
        QTest::newRow("not a first start, nothing stored")
            << QByteArray() << QByteArray() << QByteArray("en_US.UTF-8") << false << QString()
            << ja;
        QTest::newRow("stored ja wins")
            << QByteArray() << QByteArray() << QByteArray("en_US.UTF-8") << false << "ja" << ja;
        QTest::newRow("stored en wins")
            << QByteArray() << QByteArray() << QByteArray("ja_JP.UTF-8") << false << "en" << en;
    }
    void startLanguageFollowsTheDesktopOnlyAtFirst() {
        QFETCH(QByteArray, lcAll);
        QFETCH(QByteArray, lcMessages);
        QFETCH(QByteArray, lang);
        QFETCH(bool, firstStart);
        QFETCH(QString, stored);
        QFETCH(Language, language);
        const std::array<std::pair<const char*, QByteArray>, 3> variables{
            {{"LC_ALL", lcAll}, {"LC_MESSAGES", lcMessages}, {"LANG", lang}}};
        // An empty value stands for a variable that is not set.
        const auto set = [](const char* name, const QByteArray& value) {
            value.isEmpty() ? qunsetenv(name) : qputenv(name, value);
        };
        std::array<QByteArray, 3> kept;
        for (std::size_t i = 0; i < variables.size(); ++i) {
            kept[i] = qgetenv(variables[i].first);
            set(variables[i].first, variables[i].second);
        }
        TempSettings temp;
        if (!stored.isNull()) {
            WriteRaw(temp.fileName(), QStringLiteral("Display"), QStringLiteral("Language"),
                     stored);
        }
        const Language started = StartLanguage(temp.store(), firstStart);
        for (std::size_t i = 0; i < variables.size(); ++i) {
            set(variables[i].first, kept[i]);
        }
        QCOMPARE(started, language);
    }

    // Each view aid is on until the player turns it off, and stays as the player left it.
    void viewTogglesStartOnAndKeepTheChoice_data() {
        QTest::addColumn<ViewToggle>("toggle");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("raw");
        QTest::addColumn<bool>("on");
        const std::array<std::pair<ViewToggle, QString>, 3> keys{
            {{ViewToggle::CellMarks, QStringLiteral("CellMarks")},
             {ViewToggle::Motion, QStringLiteral("Motion")},
             {ViewToggle::Sound, QStringLiteral("Sound")}}};
        for (const auto& [toggle, key] : keys) {
            const QByteArray name = key.toUtf8();
            QTest::newRow(name + ", nothing stored") << toggle << key << QString() << true;
            QTest::newRow(name + ", turned off") << toggle << key << "0" << false;
            QTest::newRow(name + ", turned on") << toggle << key << "1" << true;
            QTest::newRow(name + ", not a choice") << toggle << key << "off" << true;
        }
    }
    void viewTogglesStartOnAndKeepTheChoice() {
        QFETCH(ViewToggle, toggle);
        QFETCH(QString, key);
        QFETCH(QString, raw);
        QFETCH(bool, on);
        TempSettings temp;
        if (!raw.isNull()) {
            WriteRaw(temp.fileName(), QStringLiteral("Display"), key, raw);
        }
        QCOMPARE(ReadViewToggle(temp.store(), toggle), on);
        QVERIFY(WriteViewToggle(temp.store(), toggle, !on));
        QCOMPARE(ReadViewToggle(temp.store(), toggle), !on);
    }

    void matchOptionsLoadFromTheStore() {
        TempSettings temp;
        QCOMPARE(LoadMatchOptions(temp.store()).terrainSelect, TerrainOption::Off);
        temp.store().Write(settings::FirstGameFirst(), 2);
        temp.store().Write(settings::LaterGamesFirst(), 0);
        temp.store().Write(settings::TerrainSelect(), 0);
        const MatchOptions options = LoadMatchOptions(temp.store());
        QCOMPARE(options.firstGameFirst, FirstGameFirst::Cross);
        QCOMPARE(options.laterGamesFirst, LaterGamesFirst::Random);
        QCOMPARE(options.terrainSelect, TerrainOption::On);
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "test_settings.moc"
