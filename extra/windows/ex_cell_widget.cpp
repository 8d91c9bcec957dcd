#include "extra/windows/ex_cell_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "assets/pictures.h"
#include "shell/windows/accessible_names.h"

namespace morvane {
namespace {

// What a cell holds, by cell code: the Mouse side's units are blue, the other side's red; a
// stone and a box are their symbols in every language.
const std::array<const char*, kExHighestCode + 1> kContents = {
    QT_TRANSLATE_NOOP("morvane::ExCellWidget", "空き"),
    "■",
    "◇",
    QT_TRANSLATE_NOOP("morvane::ExCellWidget", "青（Mouse）"),
    QT_TRANSLATE_NOOP("morvane::ExCellWidget", "赤（相手）"),
    QT_TRANSLATE_NOOP("morvane::ExCellWidget", "青（Mouse）"),
    QT_TRANSLATE_NOOP("morvane::ExCellWidget", "赤（相手）"),
    QT_TRANSLATE_NOOP("morvane::ExCellWidget", "青（Mouse・勝ち）"),
    QT_TRANSLATE_NOOP("morvane::ExCellWidget", "赤（相手・勝ち）"),
};

}  // namespace

ExCellPictures LoadExCellPictures(qreal devicePixelRatio) {
    ExCellPictures pictures;
    for (int code = ExStone; code <= kExHighestCode; ++code) {
        pictures[static_cast<std::size_t>(code)] =
            RenderPicture(QStringLiteral(":/extra/cell_%1.svg").arg(code),
                          QSize(ExCellWidget::kSize, ExCellWidget::kSize), devicePixelRatio);
    }
    return pictures;
}

ExCellWidget::ExCellWidget(const ExCellPictures& pictures, int index, QWidget* parent)
    : QWidget(parent), pictures_(pictures), index_(index) {
    resize(kSize, kSize);
    setFocusPolicy(Qt::NoFocus);
    NameForScreenReader();
}

void ExCellWidget::SetCode(std::int16_t code) {
    if (code != code_) {
        code_ = code;
        update();
        NameForScreenReader();
    }
}

void ExCellWidget::NameForScreenReader() {
    setAccessibleName(CellName(index_ % kExColumns + 1, index_ / kExColumns + 1,
                               tr(kContents[static_cast<std::size_t>(code_)])));
}

void ExCellWidget::paintEvent(QPaintEvent* /*event*/) {
    const QPixmap& picture = pictures_[static_cast<std::size_t>(code_)];
    if (!picture.isNull()) {
        QPainter painter(this);
        painter.drawPixmap(rect(), picture);
    }
}

void ExCellWidget::mousePressEvent(QMouseEvent* event) { click_.Press(*event, this); }

void ExCellWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (click_.Release(*event, this)) {
        emit clicked();
    }
}

}  // namespace morvane

#include "moc_ex_cell_widget.cpp"
