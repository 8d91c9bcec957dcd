#include "terrain/windows/area_editor_window.h"

#include <QActionGroup>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "assets/pictures.h"
#include "rules/cell_cursor.h"
#include "shell/windows/accessible_names.h"
#include "shell/windows/density_picture.h"
#include "shell/windows/live_scale.h"
#include "shell/windows/look.h"
#include "shell/windows/message_dialog.h"
#include "shell/windows/ok_button.h"
#include "shell/windows/window_place.h"
#include "terrain/windows/area_text.h"
#include "terrain/windows/indexed_name.h"
#include "terrain/windows/terrain_log.h"
#include "terrain/windows/user_file_caption.h"

namespace morvane {
namespace {

// The window's texts, translated where they are shown.
constexpr const char* kEditorCaption =
    QT_TRANSLATE_NOOP("morvane::AreaEditorWindow", "Morvaneⅲ－Original Area Edit");
// The current file's number is written with ordinary digits in the Japanese text too.
constexpr const char* kClearQuestion = QT_TRANSLATE_NOOP(
    "morvane::AreaEditorWindow", "File-%1の地形をクリアします。\nよろしいですか？");
constexpr const char* kClearTip = QT_TRANSLATE_NOOP("morvane::AreaEditorWindow", "クリア");
// What a screen reader calls the file tabs and the board.
constexpr const char* kTabsName = QT_TRANSLATE_NOOP("morvane::AreaEditorWindow", "地形ファイル");
constexpr const char* kBoardName = QT_TRANSLATE_NOOP("morvane::AreaEditorWindow", "地形のマス目");
constexpr const char* kBoardDescription =
    QT_TRANSLATE_NOOP("morvane::AreaEditorWindow", "矢印キーで動かし、Spaceで塗ります");

// The toolbar buttons, numbered from 1, that choose what a click paints. Their tips are
// translated where they are shown; the board's symbols have no translation and stay as they are.
struct Tool {
    int button;
    std::int16_t code;
    QString picture;
    const char* tip;
};
const std::array<Tool, 5> kTools = {{
    {6, Empty, QStringLiteral(":/editor/eraser.svg"),
     QT_TRANSLATE_NOOP("morvane::AreaEditorWindow", "消しゴム")},
    {7, Hollow, QStringLiteral(":/editor/hollow.svg"), "◇"},
    {8, Block, QStringLiteral(":/editor/block.svg"), "■"},
    {9, CircleUnit, QStringLiteral(":/editor/circle.svg"), "○"},
    {10, CrossUnit, QStringLiteral(":/editor/cross.svg"), "×"},
}};
// The button that clears the current file; the buttons not listed here do nothing.
constexpr int kClearButton = 13;

constexpr int kEditorTextSize = 16;
constexpr int kCellSize = 36;
constexpr int kGridLine = 1;
constexpr int kToolIconSize = 28;
constexpr int kSwatchSize = 34;
constexpr int kPointerSize = 32;
// The pen's tip in the pointer picture's own units.
constexpr QPointF kPointerTip(3, 29);

// The steps of the marker by arrow key.
std::optional<CursorStep> StepOfKey(int key) {
    switch (key) {
        case Qt::Key_Up:
            return CursorStep::Up;
        case Qt::Key_Down:
            return CursorStep::Down;
        case Qt::Key_Left:
            return CursorStep::Left;
        case Qt::Key_Right:
            return CursorStep::Right;
        default:
            return std::nullopt;
    }
}

const Tool& ToolOfCode(std::int16_t code) { return *std::ranges::find(kTools, code, &Tool::code); }

// A picture of the editor at its size at the scale 100, as the window shows it.
QPixmap EditorPicture(const QWidget* window, const QString& resource, int size) {
    return ScaledPicture(
        window, [&](qreal ratio) { return RenderPicture(resource, QSize(size, size), ratio); });
}

}  // namespace

AreaEditorWindow::AreaEditorWindow(Board& board, SettingsStore& store, QWidget* parent)
    : QDialog(parent), board_(board), store_(store) {
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(tr(kEditorCaption));
    setModal(true);
    setFont(look::Font(kEditorTextSize));
    // The whole window is one page, which scrolls on a screen too small for it.
    auto* page = new QWidget(this);
    QPushButton* ok = MakeOkButton(this, page);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    // The tabs stand on the board's left edge, and the two are centred under the toolbar.
    QTabBar* tabs = BuildTabs(page);
    auto* sheet = new QVBoxLayout;
    sheet->setSpacing(0);
    sheet->addWidget(tabs, 0, Qt::AlignLeft);
    sheet->addWidget(BuildBoard(page));

    QToolBar* toolbar = BuildToolbar(page);
    // Before the window is laid out: the toolbar's buttons take their icons' size.
    RenderPictures();
    OrderTabStops(*toolbar, tabs, ok);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(14, 10, 14, 14);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addSpacing(8);
    layout->addLayout(sheet);
    layout->setAlignment(sheet, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    look::StyleWindow(this);
    SetScrollingPage(this, page);
    PlaceOnShow(this);

    OnPictureDensityChange(this, [this] {
        RenderPictures();
        DrawCells();
    });

    // Opening: the marker on the first cell, the three stored files, File 1 on screen and the
    // eraser as the tool.
    marker_->setGeometry(cells_[0]->geometry());
    hoveredCell_ = 0;
    for (int file = 0; file < kUserFileCount; ++file) {
        areaFiles_[static_cast<std::size_t>(file)] = store_.Read(settings::UserLayout(file));
    }
    storedFiles_ = areaFiles_;
    currentFile_ = 0;
    ChooseTool(Empty);
    board_ = ReadAreaText(areaFiles_[0]);
    DrawCells();
    // The keys start on the board; the marker keeps its own look until one is pressed.
    boardPanel_->setFocus();
}

QWidget* AreaEditorWindow::BuildBoard(QWidget* page) {
    auto* panel = new QWidget(page);
    panel->setObjectName(QStringLiteral("Cells"));
    look::SetBackground(panel, &look::Colours::boardGrid);
    // Only the keys bring the focus here: a click on a cell leaves it where it was.
    panel->setFocusPolicy(Qt::TabFocus);
    panel->setAccessibleName(tr(kBoardName));
    panel->setAccessibleDescription(tr(kBoardDescription));
    panel->installEventFilter(this);
    boardPanel_ = panel;
    const QCursor pen = MakePointer(QStringLiteral(":/editor/pointer.svg"),
                                    QSize(kPointerSize, kPointerSize), kPointerTip);
    for (int index = 0; index < kCellCount; ++index) {
        auto* cell = new QLabel(panel);
        cell->setObjectName(IndexedName(QStringLiteral("Un"), index));
        PlaceScaled(cell, QRect(kGridLine + (CellX(index) - 1) * (kCellSize + kGridLine),
                                kGridLine + (CellY(index) - 1) * (kCellSize + kGridLine), kCellSize,
                                kCellSize));
        cell->setAutoFillBackground(true);
        cell->setBackgroundRole(QPalette::Base);
        cell->setMouseTracking(true);
        cell->setCursor(pen);
        cell->installEventFilter(this);
        cells_[static_cast<std::size_t>(index)] = cell;
    }
    marker_ = new QFrame(panel);
    marker_->setObjectName(QStringLiteral("Cur"));
    marker_->setAttribute(Qt::WA_TransparentForMouseEvents);
    look::DrawOutline(marker_, look::CellMarker);
    marker_->raise();
    panel->setFixedSize(kGridLine + kColumns * (kCellSize + kGridLine),
                        kGridLine + kRows * (kCellSize + kGridLine));
    return panel;
}

QToolBar* AreaEditorWindow::BuildToolbar(QWidget* page) {
    auto* toolbar = new QToolBar(page);
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setIconSize(QSize(kToolIconSize, kToolIconSize));
    toolbar->setMovable(false);
    const auto name = [](QWidget* item, int button) {
        item->setObjectName(IndexedName(QStringLiteral("Toolbar1"), button));
    };

    // Buttons 1 to 5 only show things: the editor's emblem and the tool now chosen.
    emblem_ = new QLabel(toolbar);
    name(emblem_, 1);
    toolbar->addWidget(emblem_);
    name(toolbar->widgetForAction(toolbar->addSeparator()), 2);
    toolSwatch_ = new QLabel(toolbar);
    toolSwatch_->setFixedSize(kSwatchSize + 6, kSwatchSize + 6);
    toolSwatch_->setAlignment(Qt::AlignCenter);
    name(toolSwatch_, 3);
    look::FramePanel(toolSwatch_, &look::Colours::gold);
    toolbar->addWidget(toolSwatch_);
    auto* gap = new QWidget(toolbar);
    gap->setFixedWidth(6);
    name(gap, 4);
    toolbar->addWidget(gap);
    name(toolbar->widgetForAction(toolbar->addSeparator()), 5);

    auto* tools = new QActionGroup(toolbar);
    for (const Tool& tool : kTools) {
        QAction* action = toolbar->addAction(tr(tool.tip));
        action->setData(tool.picture);
        action->setCheckable(true);
        action->setChecked(tool.code == Empty);
        tools->addAction(action);
        actingButtons_.append(action);
        name(toolbar->widgetForAction(action), tool.button);
        connect(action, &QAction::triggered, this,
                [this, button = tool.button] { ToolbarButtonClicked(button); });
    }

    name(toolbar->widgetForAction(toolbar->addSeparator()), 11);
    auto* spring = new QWidget(toolbar);
    spring->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    name(spring, 12);
    toolbar->addWidget(spring);
    QAction* clear = toolbar->addAction(tr(kClearTip));
    clear->setData(QStringLiteral(":/editor/clear.svg"));
    name(toolbar->widgetForAction(clear), kClearButton);
    actingButtons_.append(clear);
    connect(clear, &QAction::triggered, this, [this] { ToolbarButtonClicked(kClearButton); });
    return toolbar;
}

void AreaEditorWindow::OrderTabStops(const QToolBar& toolbar, QWidget* tabs, QWidget* ok) {
    // Tab goes round the window from top to bottom; a click on a toolbar button leaves the
    // focus where it was, as before.
    QWidget* previous = nullptr;
    for (QAction* button : actingButtons_) {
        QWidget* next = toolbar.widgetForAction(button);
        next->setFocusPolicy(Qt::TabFocus);
        if (previous != nullptr) {
            setTabOrder(previous, next);
        }
        previous = next;
    }
    setTabOrder(previous, tabs);
    setTabOrder(tabs, boardPanel_);
    setTabOrder(boardPanel_, ok);
}

QTabBar* AreaEditorWindow::BuildTabs(QWidget* page) {
    auto* tabs = new QTabBar(page);
    tabs->setObjectName(QStringLiteral("TabStrip1"));
    tabs->setAccessibleName(tr(kTabsName));
    tabs->setDrawBase(false);
    tabs->setUsesScrollButtons(false);
    for (int file = 0; file < kUserFileCount; ++file) {
        tabs->addTab(UserFileCaption(file));
    }
    connect(tabs, &QTabBar::currentChanged, this, &AreaEditorWindow::ChangeFile);
    return tabs;
}

bool AreaEditorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == boardPanel_) {
        switch (event->type()) {
            case QEvent::KeyPress:
                if (BoardKeyPressed(*static_cast<QKeyEvent*>(event))) {
                    return true;
                }
                break;
            case QEvent::FocusIn:
                // Shown when Tab has brought the focus, as the focus frames of the controls are.
                ShowKeyMarker(testAttribute(Qt::WA_KeyboardFocusChange));
                break;
            case QEvent::FocusOut:
                ShowKeyMarker(false);
                break;
            default:
                break;
        }
        return QDialog::eventFilter(watched, event);
    }
    const auto found = std::ranges::find(cells_, watched);
    if (found == cells_.end()) {
        return QDialog::eventFilter(watched, event);
    }
    const int index = static_cast<int>(found - cells_.begin());
    if (event->type() == QEvent::MouseMove) {
        MoveMarker(index);
    } else if (event->type() == QEvent::MouseButtonPress) {
        click_.Press(*static_cast<QMouseEvent*>(event), *found);
    } else if (event->type() == QEvent::MouseButtonRelease &&
               click_.Release(*static_cast<QMouseEvent*>(event), *found)) {
        PaintCell(index);
    }
    return QDialog::eventFilter(watched, event);
}

void AreaEditorWindow::PaintCell(int index) {
    board_[index] = paintCode_;
    areaFiles_[static_cast<std::size_t>(currentFile_)] = WriteAreaText(board_);
    DrawCells();
}

bool AreaEditorWindow::BoardKeyPressed(const QKeyEvent& event) {
    if (const auto step = StepOfKey(event.key())) {
        MoveMarker(StepCursor(hoveredCell_, *step));
    } else if (event.key() == Qt::Key_Space) {
        PaintCell(hoveredCell_);
    } else {
        return false;
    }
    ShowKeyMarker(true);
    return true;
}

void AreaEditorWindow::ShowKeyMarker(bool shown) {
    if (keyMarkerShown_ != shown) {
        keyMarkerShown_ = shown;
        look::DrawOutline(marker_, shown ? look::CellKeyMarker : look::CellMarker);
    }
}

void AreaEditorWindow::keyPressEvent(QKeyEvent* event) {
    const int digit = event->key() - Qt::Key_1;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && digit >= 0 && digit < actingButtons_.size()) {
        actingButtons_[digit]->trigger();
        return;
    }
    QDialog::keyPressEvent(event);
}

void AreaEditorWindow::MoveMarker(int index) {
    if (hoveredCell_ != index) {
        marker_->setGeometry(cells_[static_cast<std::size_t>(index)]->geometry());
        hoveredCell_ = index;
    }
}

void AreaEditorWindow::ChangeFile(int tab) {
    currentFile_ = tab;
    board_ = ReadAreaText(areaFiles_[static_cast<std::size_t>(currentFile_)]);
    DrawCells();
}

void AreaEditorWindow::ToolbarButtonClicked(int button) {
    if (button == kClearButton) {
        ClearCurrentFile();
        return;
    }
    const auto tool = std::ranges::find(kTools, button, &Tool::button);
    if (tool != kTools.end()) {
        ChooseTool(tool->code);
    }
}

void AreaEditorWindow::ChooseTool(std::int16_t code) {
    paintCode_ = code;
    toolSwatch_->setPixmap(EditorPicture(this, ToolOfCode(code).picture, kSwatchSize));
}

void AreaEditorWindow::RenderPictures() {
    for (const std::int16_t code : {Hollow, CircleUnit, CrossUnit, Block}) {
        cellPictures_[static_cast<std::size_t>(code)] =
            EditorPicture(this, QStringLiteral(":/cells/cell_%1.svg").arg(code), kCellSize);
    }
    emblem_->setPixmap(EditorPicture(this, QStringLiteral(":/editor/emblem.svg"), kSwatchSize));
    for (QAction* button : std::as_const(actingButtons_)) {
        button->setIcon(QIcon(EditorPicture(this, button->data().toString(), kToolIconSize)));
    }
    ChooseTool(paintCode_);
}

void AreaEditorWindow::ClearCurrentFile() {
    if (ShowMessage(this, tr(kClearQuestion).arg(currentFile_ + 1), YesCaption(), NoCaption(),
                    QString()) != MessageAnswer::First) {
        return;
    }
    board_.Clear();
    areaFiles_[static_cast<std::size_t>(currentFile_)] =
        QString::fromStdU16String(EmptyAreaString());
    DrawCells();
}

void AreaEditorWindow::DrawCells() {
    for (int index = 0; index < kCellCount; ++index) {
        const std::int16_t code = board_[index];
        QLabel* cell = cells_[static_cast<std::size_t>(index)];
        if (code == Empty) {
            cell->clear();
        } else if (!cellPictures_[static_cast<std::size_t>(code)].isNull()) {
            cell->setPixmap(cellPictures_[static_cast<std::size_t>(code)]);
        }
        UpdateAccessibleName(cell, BoardCellName(index, code));
    }
}

void AreaEditorWindow::done(int result) {
    // While the store cannot take the files, the player chooses: close without storing, keep
    // the layouts in a file of their own, or try again (also what closing the question answers,
    // which loses nothing).
    while (!StoreChangedFiles()) {
        const MessageAnswer answer =
            ShowMessage(this,
                        tr("地形を保存できませんでした。\n%1\n保存しないと、編集は失われます。")
                            .arg(QDir::toNativeSeparators(store_.FileName())),
                        tr("保存しない"), tr("書き出す"), tr("再試行"));
        if (answer == MessageAnswer::First) {
            qCWarning(terrainLog) << "the editor closed without storing its layouts";
            break;
        }
        if (answer == MessageAnswer::Second && ExportFiles()) {
            qCWarning(terrainLog) << "the editor's layouts were exported instead of stored";
            break;
        }
    }
    QDialog::done(result);
}

namespace {

// The layouts as a file of the store's entries, in place of whatever stood at path.
bool ExportLayouts(const QString& path, const std::array<QString, kUserFileCount>& layouts) {
    return SettingsStore(path).Replace([&](SettingsEntries& entries) {
        for (int file = 0; file < kUserFileCount; ++file) {
            entries.Write(settings::UserLayout(file), layouts[static_cast<std::size_t>(file)]);
        }
    });
}

}  // namespace

bool AreaEditorWindow::ExportFiles() {
    QFileDialog chooser(this, tr("地形の書き出し"),
                        QDir::home().filePath(QStringLiteral("Morvaneⅲ-layouts.ini")),
                        tr("地形ファイル (*.ini)"));
    chooser.setObjectName(QStringLiteral("AreaExport"));
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setDefaultSuffix(QStringLiteral("ini"));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) {
        return false;
    }
    // The chooser has asked before replacing a file: the export is the whole of it, and takes
    // the old file's place only once it is complete.
    const QString path = chooser.selectedFiles().front();
    const bool written = ExportLayouts(path, areaFiles_);
    if (!written) {
        qCWarning(terrainLog) << "layouts not exported to" << path;
        ShowMessage(this,
                    tr("地形を書き出せませんでした。\n%1").arg(QDir::toNativeSeparators(path)),
                    QString(), QString(), ConfirmCaption());
    }
    return written;
}

bool AreaEditorWindow::StoreChangedFiles() {
    bool stored = true;
    for (int file = 0; file < kUserFileCount; ++file) {
        const auto f = static_cast<std::size_t>(file);
        if (areaFiles_[f] == storedFiles_[f]) {
            continue;
        }
        if (store_.Write(settings::UserLayout(file), areaFiles_[f])) {
            storedFiles_[f] = areaFiles_[f];
        } else {
            stored = false;
        }
    }
    return stored;
}

void ShowAreaEditor(QWidget* parent, Board& board, SettingsStore& store) {
    AreaEditorWindow window(board, store, parent);
    window.exec();
}

}  // namespace morvane

#include "moc_area_editor_window.cpp"
