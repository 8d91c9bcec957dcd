#include "shell/windows/page_scale.h"

#include <QtMath>
#include <algorithm>

namespace morvane {

qreal GrowthFactor(QSize designed, QSize room) {
    if (designed.isEmpty()) {
        return 1.0;
    }
    const qreal across = qreal(room.width()) / designed.width();
    const qreal down = qreal(room.height()) / designed.height();
    return std::max(1.0, std::min(across, down));
}

QRect LetterboxedPage(QSize designed, qreal factor, const QRect& room) {
    const QSize grown(ScaledLength(designed.width(), factor),
                      ScaledLength(designed.height(), factor));
    return QRect(room.left() + (room.width() - grown.width()) / 2,
                 room.top() + (room.height() - grown.height()) / 2, grown.width(), grown.height());
}

QRect ScaledRect(const QRect& designed, qreal factor) {
    const int left = ScaledLength(designed.left(), factor);
    const int top = ScaledLength(designed.top(), factor);
    return QRect(left, top, ScaledLength(designed.left() + designed.width(), factor) - left,
                 ScaledLength(designed.top() + designed.height(), factor) - top);
}

int ScaledLength(int designed, qreal factor) { return qRound(designed * factor); }

}  // namespace morvane
