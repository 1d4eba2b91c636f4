#include "app/artwork.hpp"

#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

namespace tovalin {

namespace {

QPixmap Render(const QString& resource, QSize logicalSize, qreal ratio) {
  QSvgRenderer renderer(resource);
  const QSize device(static_cast<int>(std::ceil(logicalSize.width() * ratio)),
                     static_cast<int>(std::ceil(logicalSize.height() * ratio)));
  QPixmap pixmap(device);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  renderer.render(&painter);
  painter.end();
  pixmap.setDevicePixelRatio(ratio);
  return pixmap;
}

}  // namespace

QIcon WindowIcon() {
  QIcon icon;
  for (const int side : {16, 24, 32, 48, 64}) {
    icon.addPixmap(Render(QStringLiteral(":/icon.svg"), QSize(side, side), 1.0));
  }
  icon.addPixmap(Render(QStringLiteral(":/icon.svg"), QSize(58, 59), 1.0));
  return icon;
}

QPixmap HeartPixmap(int logicalSize, qreal devicePixelRatio) {
  return Render(QStringLiteral(":/heart.svg"), QSize(logicalSize, logicalSize), devicePixelRatio);
}

}  // namespace tovalin
