// Renders the program's SVG icon to the PNG sizes of the icon theme, at build time:
//   render_icon ICON.svg OUTDIR NAME SIZE...   writes OUTDIR/SIZExSIZE/NAME.png
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  constexpr int FirstSize = 4;
  if (args.size() <= FirstSize) {
    std::fprintf(stderr, "usage: render_icon ICON.svg OUTDIR NAME SIZE...\n");
    return 2;
  }
  QSvgRenderer svg(args[1]);
  if (!svg.isValid()) {
    std::fprintf(stderr, "render_icon: cannot read %s\n", qPrintable(args[1]));
    return 1;
  }
  for (int i = FirstSize; i < args.size(); ++i) {
    const int size = args[i].toInt();
    if (size <= 0) {
      std::fprintf(stderr, "render_icon: not a size: %s\n", qPrintable(args[i]));
      return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    const QString folder = QStringLiteral("%1/%2x%2").arg(args[2]).arg(size);
    const QString file = folder + QLatin1Char('/') + args[3] + QStringLiteral(".png");
    if (!QDir().mkpath(folder) || !image.save(file)) {
      std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
