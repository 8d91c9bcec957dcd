#include "extra/windows/ex_cell_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "assets/pictures.h"

namespace morvane {

ExCellPictures LoadExCellPictures(qreal devicePixelRatio) {
    ExCellPictures pictures;
    for (int code = ExStone; code <= kExHighestCode; ++code) {
        pictures[static_cast<std::size_t>(code)] =
            RenderPicture(QStringLiteral(":/extra/cell_%1.svg").arg(code),
                          QSize(ExCellWidget::kSize, ExCellWidget::kSize), devicePixelRatio);
    }
    return pictures;
}

ExCellWidget::ExCellWidget(const ExCellPictures& pictures, QWidget* parent)
    : QWidget(parent), pictures_(pictures) {
    setFixedSize(kSize, kSize);
    setFocusPolicy(Qt::NoFocus);
}

void ExCellWidget::SetCode(std::int16_t code) {
    if (code != code_) {
        code_ = code;
        update();
    }
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
