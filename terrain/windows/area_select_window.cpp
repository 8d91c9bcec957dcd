#include "terrain/windows/area_select_window.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>

#include "assets/pictures.h"
#include "shell/settings/language.h"
#include "shell/windows/accessible_names.h"
#include "shell/windows/density_picture.h"
#include "shell/windows/look.h"
#include "shell/windows/message_dialog.h"
#include "shell/windows/ok_button.h"
#include "shell/windows/open_dialog.h"
#include "shell/windows/store_failure.h"
#include "shell/windows/window_place.h"
#include "terrain/layouts/area_preview.h"
#include "terrain/layouts/count_text.h"
#include "terrain/windows/area_text.h"
#include "terrain/windows/indexed_name.h"
#include "terrain/windows/terrain_log.h"
#include "terrain/windows/up_down.h"
#include "terrain/windows/user_file_caption.h"

namespace morvane {
namespace {

// The window's texts, translated where they are shown.
constexpr const char* kSelectCaption =
    QT_TRANSLATE_NOOP("morvane::AreaSelectWindow", "Morvaneⅲ－Area Select");
constexpr const char* kAreaFrame = QT_TRANSLATE_NOOP("morvane::AreaSelectWindow", "Ａｒｅａ");
constexpr std::array<const char*, kAreaOptionCount> kAreaCaptions = {
    QT_TRANSLATE_NOOP("morvane::AreaSelectWindow", "Ｈｅｌｌ"),
    QT_TRANSLATE_NOOP("morvane::AreaSelectWindow", "Ｈｅｖｅｎ"),
    QT_TRANSLATE_NOOP("morvane::AreaSelectWindow", "Ｓｔｏｎｅ"),
    QT_TRANSLATE_NOOP("morvane::AreaSelectWindow", "Ｉｎｓｅｃｔｅｒ"),
    QT_TRANSLATE_NOOP("morvane::AreaSelectWindow", "Ｍｉｎｅ"),
    QT_TRANSLATE_NOOP("morvane::AreaSelectWindow", "Ｗｈｉｒｌｐｏｏｌ"),
    QT_TRANSLATE_NOOP("morvane::AreaSelectWindow", "［Ｒａｎｄｏｍ］"),
    QT_TRANSLATE_NOOP("morvane::AreaSelectWindow", "［Ｏｒｉｇｉｎａｌ］"),
    QT_TRANSLATE_NOOP("morvane::AreaSelectWindow", "(Ｎｏｎｅ)"),
};
constexpr const char* kRandomFrame =
    QT_TRANSLATE_NOOP("morvane::AreaSelectWindow", "[Ｒａｎｄｏｍ]");
// The board's symbols, the same in every language.
const std::array<QString, 2> kCountSymbols = {QStringLiteral("◇"), QStringLiteral("■")};
// What a screen reader calls a count box, after its symbol.
constexpr const char* kCountName = QT_TRANSLATE_NOOP("morvane::AreaSelectWindow", "%1の数");
constexpr const char* kEdit = QT_TRANSLATE_NOOP("morvane::AreaSelectWindow", "Ｅｄｉｔ！");
constexpr const char* kOriginalFrame =
    QT_TRANSLATE_NOOP("morvane::AreaSelectWindow", "[Ｏｒｉｇｉｎａｌ]");
constexpr const char* kNoticeButton =
    QT_TRANSLATE_NOOP("morvane::AreaSelectWindow", "地形選択に際して");
constexpr const char* kNotice =
    QT_TRANSLATE_NOOP("morvane::AreaSelectWindow",
                      "電脳は地形ありでの戦闘は想定して開発していません。\n"
                      "そのため、地形ありの場合は極端に電脳は弱くなります。\n"
                      "御了承下さい。");

// The preview's blank for an Empty cell, as wide as the symbols in the preview's font. The
// full-width space is a Japanese character; English takes the em space, just as wide.
char16_t PreviewBlank() {
    return CurrentLanguage() == Language::English ? u'\u2003' : kFullWidthBlank;
}

// The area options from the top of the frame down: none first, then the stored order.
constexpr std::array<int, kAreaOptionCount> kAreaOrder = {
    NoArea,   HellArea,      HevenArea,  StoneArea,   InsecterArea,
    MineArea, WhirlpoolArea, RandomArea, OriginalArea};

// The spin controls' count before the stored counts are applied.
constexpr int kCountWhenCreated = 8;
constexpr int kSelectTextSize = 16;
constexpr int kCountBoxWidth = 56;
constexpr int kPreviewPixelSize = 20;
constexpr int kPreviewFrame = 8;  // the preview's border and padding
constexpr int kPictureSize = 72;

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    // Enter in a count box finishes the typing; it must not close the window.
    button->setAutoDefault(false);
    return button;
}

// Room for the fullest preview: twelve lines of eight of the widest character it can show.
QSize PreviewRoom(const QFontMetrics& metrics, char16_t blank) {
    QSize room;
    for (const std::int16_t code : {Empty, Hollow, CircleUnit, CrossUnit, Block}) {
        Board full;
        full.cells.fill(code);
        // The text ends with a line break, which opens no thirteenth line.
        const QString text = QString::fromStdU16String(PreviewText(full, blank)).chopped(1);
        room = room.expandedTo(metrics.size(0, text));
    }
    return room;
}

}  // namespace

AreaSelectWindow::AreaSelectWindow(Board& board, SettingsStore& store, QWidget* parent)
    : QDialog(parent), board_(board), store_(store), previewBlank_(PreviewBlank()) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(tr(kSelectCaption));
    setModal(true);
    setFont(look::Font(kSelectTextSize));

    auto* controls = new QVBoxLayout;
    controls->addWidget(BuildRandomFrame());
    controls->addWidget(BuildOriginalFrame());
    controls->addStretch();
    controls->addWidget(BuildNotice());

    QPushButton* ok = MakeOkButton(this);
    // Enter in a count box finishes the typing; it must not close the window.
    ok->setDefault(false);
    ok->setAutoDefault(false);
    auto* preview = new QVBoxLayout;
    preview->addWidget(BuildPreview());
    preview->addStretch();
    preview->addWidget(ok);

    // The whole window is one page, which scrolls on a screen too small for it.
    auto* page = new QWidget(this);
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(14);
    layout->addWidget(BuildAreaFrame());
    layout->addLayout(controls);
    layout->addLayout(preview);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    look::StyleWindow(this);
    SetScrollingPage(this, page);
    PlaceOnShow(this);

    // Opening: the stored area choice acts as a click, made with the counts the spin controls
    // have at creation; then the stored counts, which make no new layout; then the stored file
    // choice, only shown selected so that it does not replace another choice's layout.
    const int area = store_.Read(settings::AreaChoice());
    areaOptions_[static_cast<std::size_t>(area)]->setChecked(true);
    for (int index = 0; index < 2; ++index) {
        counts_[static_cast<std::size_t>(index)]->setValue(
            store_.Read(settings::RandomCount(index)));
    }
    QRadioButton* storedFile =
        fileOptions_[static_cast<std::size_t>(store_.Read(settings::UserFileChoice()))];
    const QSignalBlocker quiet(storedFile);
    storedFile->setChecked(true);
    opening_ = false;
    // Told once the window is up: it may be opened inside the battle's tick, which must not wait.
    QTimer::singleShot(0, this, [this] { Stored(storedAtOpening_); });
}

QWidget* AreaSelectWindow::BuildAreaFrame() {
    auto* frame = new QGroupBox(tr(kAreaFrame), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* layout = new QVBoxLayout(frame);
    layout->setSpacing(10);
    for (const int option : kAreaOrder) {
        auto* button = new QRadioButton(tr(kAreaCaptions[static_cast<std::size_t>(option)]), frame);
        button->setObjectName(IndexedName(QStringLiteral("Option1"), option));
        connect(button, &QRadioButton::toggled, this, [this, option](bool on) {
            if (on) {
                Stored(ApplyAreaChoice(option));
            }
        });
        areaOptions_[static_cast<std::size_t>(option)] = button;
        layout->addWidget(button);
    }
    return frame;
}

QWidget* AreaSelectWindow::BuildRandomFrame() {
    randomFrame_ = new QGroupBox(tr(kRandomFrame), this);
    randomFrame_->setObjectName(QStringLiteral("Frame2"));
    auto* layout = new QGridLayout(randomFrame_);
    layout->setHorizontalSpacing(6);
    for (int index = 0; index < 2; ++index) {
        const auto slot = static_cast<std::size_t>(index);
        auto* symbol = new QLabel(kCountSymbols[slot], randomFrame_);
        auto* text = new QLineEdit(QString::number(kCountWhenCreated), randomFrame_);
        text->setObjectName(IndexedName(QStringLiteral("Tt"), index));
        text->setFixedWidth(kCountBoxWidth);
        text->setAlignment(Qt::AlignRight);
        auto* count = new UpDown(0, kMaxRandomCount, kCountWhenCreated, randomFrame_);
        count->setObjectName(IndexedName(QStringLiteral("Ud"), index));
        count->setFixedHeight(text->sizeHint().height());
        const QString name = tr(kCountName).arg(kCountSymbols[slot]);
        NameAfterCaption(text, name, symbol);
        count->NameArrows(name);
        countTexts_[slot] = text;
        counts_[slot] = count;
        connect(text, &QLineEdit::textEdited, this, [this, index] { Stored(CountTyped(index)); });
        // Once typing is over the box shows the count it stands for.
        connect(text, &QLineEdit::editingFinished, this,
                [text, count] { text->setText(QString::number(count->value())); });
        connect(count, &UpDown::valueChanged, this, [this, index] { Stored(CountStepped(index)); });
        layout->addWidget(symbol, index, 0);
        layout->addWidget(text, index, 1);
        layout->addWidget(count, index, 2);
    }
    QPushButton* edit = MakeButton(QStringLiteral("Command1"), tr(kEdit), randomFrame_);
    connect(edit, &QPushButton::clicked, this, &AreaSelectWindow::MakeRandomArea);
    layout->addWidget(edit, 0, 3, 2, 1);
    layout->setColumnStretch(3, 1);
    randomFrame_->setEnabled(false);
    return randomFrame_;
}

QWidget* AreaSelectWindow::BuildOriginalFrame() {
    originalFrame_ = new QGroupBox(tr(kOriginalFrame), this);
    originalFrame_->setObjectName(QStringLiteral("Frame3"));
    auto* layout = new QVBoxLayout(originalFrame_);
    for (int file = 0; file < kUserFileCount; ++file) {
        auto* button = new QRadioButton(UserFileCaption(file), originalFrame_);
        button->setObjectName(IndexedName(QStringLiteral("Option2"), file));
        connect(button, &QRadioButton::toggled, this, [this, file](bool on) {
            if (on) {
                Stored(ApplyUserFile(file));
            }
        });
        fileOptions_[static_cast<std::size_t>(file)] = button;
        layout->addWidget(button);
    }
    originalFrame_->setEnabled(false);
    return originalFrame_;
}

QWidget* AreaSelectWindow::BuildPreview() {
    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("lb"));
    preview_->setFont(look::FixedFont(kPreviewPixelSize));
    preview_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    preview_->setIndent(0);
    look::FramePanel(preview_, &look::Colours::steel);
    // A fixed box, so that the window keeps one size whatever the layout shows.
    preview_->setFixedSize(PreviewRoom(preview_->fontMetrics(), previewBlank_) +
                           QSize(2 * kPreviewFrame, 2 * kPreviewFrame));
    return preview_;
}

QWidget* AreaSelectWindow::BuildNotice() {
    auto* box = new QWidget(this);
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int index = 0; index < 2; ++index) {
        auto* picture = new QLabel(box);
        picture->setObjectName(IndexedName(QStringLiteral("Image1"), index));
        const QString resource = index == 0 ? QStringLiteral(":/editor/select_hollow.svg")
                                            : QStringLiteral(":/editor/select_block.svg");
        ShowPicture(picture, [resource](qreal ratio) {
            return RenderPicture(resource, QSize(kPictureSize, kPictureSize), ratio);
        });
        picture->setAlignment(Qt::AlignCenter);
        layout->addWidget(picture, 0, index);
    }
    QPushButton* notice = MakeButton(QStringLiteral("Command3"), tr(kNoticeButton), box);
    connect(notice, &QPushButton::clicked, this, &AreaSelectWindow::ShowTerrainNotice);
    layout->addWidget(notice, 1, 0, 1, 2);
    return box;
}

bool AreaSelectWindow::ApplyAreaChoice(int option) {
    qCDebug(terrainLog) << "area choice" << option;
    bool stored = store_.Write(settings::AreaChoice(), option);
    randomFrame_->setEnabled(false);
    originalFrame_->setEnabled(false);
    board_.Clear();
    if (const auto layout = FixedLayout(option)) {
        board_ = ReadAreaString(*layout);
        DrawPreview();
    } else if (option == RandomArea) {
        randomFrame_->setEnabled(true);
        MakeRandomArea();
    } else {
        originalFrame_->setEnabled(true);
        // Always File 1, whichever file was shown selected.
        const QSignalBlocker quiet(fileOptions_[0]);
        fileOptions_[0]->setChecked(true);
        stored = ApplyUserFile(0) && stored;
    }
    return stored;
}

bool AreaSelectWindow::ApplyUserFile(int file) {
    qCDebug(terrainLog) << "user layout" << file + 1;
    board_ = ReadAreaText(store_.Read(settings::UserLayout(file)));
    DrawPreview();
    return store_.Write(settings::UserFileChoice(), file);
}

void AreaSelectWindow::MakeRandomArea() {
    board_ = MakeRandomLayout(counts_[0]->value(), counts_[1]->value());
    DrawPreview();
}

bool AreaSelectWindow::CountTyped(int index) {
    const auto slot = static_cast<std::size_t>(index);
    const int count = ReadCountText(Utf16Of(countTexts_[slot]->text()));
    {
        // The box keeps what is being typed; it shows the count when typing is over.
        const QSignalBlocker quiet(counts_[slot]);
        counts_[slot]->setValue(count);
    }
    return store_.Write(settings::RandomCount(index), count);
}

bool AreaSelectWindow::CountStepped(int index) {
    const auto slot = static_cast<std::size_t>(index);
    countTexts_[slot]->setText(QString::number(counts_[slot]->value()));
    return store_.Write(settings::RandomCount(index), counts_[slot]->value());
}

void AreaSelectWindow::Stored(bool stored) {
    if (opening_) {
        storedAtOpening_ = storedAtOpening_ && stored;
        return;
    }
    TellIfNotStored(this, store_, stored);
}

void AreaSelectWindow::ShowTerrainNotice() {
    ShowMessage(this, tr(kNotice), QString(), QString(), ConfirmCaption());
}

void AreaSelectWindow::DrawPreview() {
    preview_->setText(QString::fromStdU16String(PreviewText(board_, previewBlank_)));
}

void OpenAreaSelect(QWidget* parent, const Board& board, SettingsStore& store,
                    const QObject* receiver, std::function<void(const Board&)> chosen) {
    // The window leaves its choice in a board that lives as long as the window.
    auto area = std::make_shared<Board>(board);
    OpenDialog(new AreaSelectWindow(*area, store, parent), receiver,
               [area, chosen = std::move(chosen)](const AreaSelectWindow&) { chosen(*area); });
}

}  // namespace morvane

#include "moc_area_select_window.cpp"
