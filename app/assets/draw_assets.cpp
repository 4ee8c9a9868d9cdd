// Draws the pictures of Sumwick: the program icon (a white Greek omega on a light-blue rounded
// square, 16, 32, 48 and 64 pixels, plus a scalable SVG) and the picture sets of the grade lists of
// the main window (350 by 80 pixels each). The PNG files it writes are kept in the tree and embedded
// as resources; run it again (target redraw-assets) after changing a drawing. It also draws the split
// diagram of the question-type window (440 by 221 pixels, black on white).
//
//   sumwick_draw_assets <app/assets folder>

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <cstdio>

namespace {

const QColor kIconBlue(0x5B, 0xB8, 0xF5);
const QColor kIconEdge(0x2F, 0x8F, 0xD8);
const QColor kBannerBlue(0x2F, 0x7F, 0xD0);
const QColor kBannerGreen(0x3A, 0xA8, 0x5A);
const QColor kLightGreen(0xDD, 0xF5, 0xD5);
const QColor kDarkGreenText(0x1E, 0x5E, 0x2A);

QFont CjkFont(int pixelSize, bool bold) {
  QFont font;
  font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")});
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

// The omega glyph as a path, centred in a square of side 1.
QPainterPath OmegaPath() {
  QFont font;
  font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans")});
  font.setPixelSize(1000);
  font.setBold(true);
  QPainterPath glyph;
  glyph.addText(0, 0, font, QString(QChar(0x03A9)));
  const QRectF box = glyph.boundingRect();
  const double scale = 0.62 / std::max(box.width(), box.height());
  QTransform t;
  t.translate(0.5, 0.52);
  t.scale(scale, scale);
  t.translate(-box.center().x(), -box.center().y());
  return t.map(glyph);
}

QPainterPath RoundedSquare(double side) {
  QPainterPath square;
  const double inset = side / 32.0;
  square.addRoundedRect(QRectF(inset, inset, side - 2 * inset, side - 2 * inset), side * 0.2,
                        side * 0.2);
  return square;
}

QImage DrawIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kIconEdge, std::max(1.0, size / 32.0)));
  p.setBrush(kIconBlue);
  p.drawPath(RoundedSquare(size));
  QTransform t;
  t.scale(size, size);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPath(t.map(OmegaPath()));
  return image;
}

QString SvgPathData(const QPainterPath& path) {
  QString d;
  QTextStream s(&d);
  s.setRealNumberPrecision(4);
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    switch (e.type) {
      case QPainterPath::MoveToElement:
        if (i > 0) s << "Z ";
        s << "M" << e.x << " " << e.y << " ";
        break;
      case QPainterPath::LineToElement:
        s << "L" << e.x << " " << e.y << " ";
        break;
      case QPainterPath::CurveToElement:
        s << "C" << e.x << " " << e.y << " ";
        break;
      case QPainterPath::CurveToDataElement:
        s << e.x << " " << e.y << " ";
        break;
    }
  }
  s << "Z";
  return d;
}

void WriteSvg(const QString& file) {
  QTransform t;
  t.scale(64, 64);
  QFile out(file);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
  QTextStream s(&out);
  s << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    << "<!-- Sumwick icon: a white Greek omega on a light-blue rounded square. Drawn by "
       "draw_assets.cpp. -->\n"
    << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 "
       "64\">\n"
    << "  <rect x=\"2\" y=\"2\" width=\"60\" height=\"60\" rx=\"12.8\" ry=\"12.8\" fill=\""
    << kIconBlue.name() << "\" stroke=\"" << kIconEdge.name() << "\" stroke-width=\"2\"/>\n"
    << "  <path fill=\"#ffffff\" stroke=\"none\" fill-rule=\"nonzero\" d=\"" << SvgPathData(t.map(OmegaPath()))
    << "\"/>\n"
    << "</svg>\n";
}

QImage Banner(const QColor& background) {
  QImage image(350, 80, QImage::Format_ARGB32_Premultiplied);
  image.fill(background);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // A light band for depth.
  QLinearGradient shade(0, 0, 0, 80);
  shade.setColorAt(0, QColor(255, 255, 255, 40));
  shade.setColorAt(1, QColor(0, 0, 0, 30));
  p.fillRect(image.rect(), shade);
  return image;
}

void DrawTypeName(QPainter& p, const QString& name) {
  p.setFont(CjkFont(20, true));
  p.setPen(Qt::white);
  p.drawText(QRect(10, 6, 240, 30), Qt::AlignLeft | Qt::AlignTop, name);
}

void DrawSamples(QPainter& p, const QString& samples) {
  p.setFont(CjkFont(20, true));
  p.setPen(QColor(0xFF, 0xF3, 0xB0));
  p.drawText(QRect(10, 40, 330, 34), Qt::AlignRight | Qt::AlignBottom, samples);
}

// A small split diagram: 8 above, 3 and an empty box below.
void DrawSplitSample(QPainter& p) {
  const QRect top(276, 6, 26, 24);
  const QRect left(248, 48, 26, 24);
  const QRect right(304, 48, 26, 24);
  p.setPen(QPen(Qt::white, 2));
  p.setBrush(Qt::NoBrush);
  p.drawLine(top.center().x() - 4, top.bottom() + 1, left.center().x(), left.top() - 1);
  p.drawLine(top.center().x() + 4, top.bottom() + 1, right.center().x(), right.top() - 1);
  p.setFont(CjkFont(20, true));
  p.setPen(QColor(0xFF, 0xF3, 0xB0));
  p.drawText(top, Qt::AlignCenter, QStringLiteral("8"));
  p.drawText(left, Qt::AlignCenter, QStringLiteral("3"));
  p.setPen(QPen(Qt::white, 2));
  p.drawRect(right.adjusted(2, 1, -2, -1));
}

QImage GradeOnePicture(int k) {
  const struct {
    QColor background;
    const char* name;
    const char* samples;
  } rows[] = {
      {kBannerBlue, "分成题型", ""},
      {kBannerGreen, "10以内加法", "2+5、8+2"},
      {kBannerBlue, "10以内的减法", "10-1、8-3"},
      {kBannerGreen, "10以内的加减法", "4+6、10-3、3+( )=10"},
  };
  QImage image = Banner(rows[k].background);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  DrawTypeName(p, QString::fromUtf8(rows[k].name));
  if (k == 0) {
    DrawSplitSample(p);
  } else {
    DrawSamples(p, QString::fromUtf8(rows[k].samples));
  }
  return image;
}

QImage GradeTwoPicture(int k) {
  const char* samples[] = {"45+54",    "57+38",    "99-87",    "95-67",      "25+36+18",
                           "25+36+18", "93-45-26", "68+27-59", "57+38、95-67"};
  QImage image(350, 80, QImage::Format_ARGB32_Premultiplied);
  image.fill(kLightGreen);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(QPen(QColor(0xA8, 0xDC, 0x9C), 2));
  p.drawRoundedRect(QRectF(2, 2, 346, 76), 8, 8);
  p.setFont(CjkFont(k == 8 ? 28 : 40, true));
  p.setPen(kDarkGreenText);
  p.drawText(image.rect(), Qt::AlignCenter, QString::fromUtf8(samples[k]));
  return image;
}

void DrawArrow(QPainter& p, QPointF from, QPointF to) {
  p.drawLine(from, to);
  const QLineF back(to, from);
  for (double turn : {-28.0, 28.0}) {
    QLineF head = back;
    head.setLength(14);
    head.setAngle(back.angle() + turn);
    p.drawLine(head);
  }
}

// The split diagram of the question-type window: a box with 上 at the top centre and two arrows
// down to a box with 左下 at the lower left and a box with 右上 at the lower right.
QImage SplitDiagram() {
  QImage image(440, 221, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(QPen(Qt::black, 3));
  p.setFont(CjkFont(30, true));
  const QRectF top(170, 12, 100, 56);
  const QRectF left(40, 150, 120, 56);
  const QRectF right(280, 150, 120, 56);
  for (const QRectF& box : {top, left, right}) p.drawRect(box);
  p.drawText(top, Qt::AlignCenter, QStringLiteral("上"));
  p.drawText(left, Qt::AlignCenter, QStringLiteral("左下"));
  p.drawText(right, Qt::AlignCenter, QStringLiteral("右上"));
  DrawArrow(p, QPointF(200, 70), QPointF(110, 146));
  DrawArrow(p, QPointF(240, 70), QPointF(330, 146));
  return image;
}

bool Save(const QImage& image, const QString& file) {
  if (!image.save(file, "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <app/assets folder>\n", argv[0]);
    return 2;
  }
  const QDir assets(QString::fromLocal8Bit(argv[1]));
  assets.mkpath(QStringLiteral("icons"));
  assets.mkpath(QStringLiteral("pictures"));
  bool ok = true;
  for (int size : {16, 32, 48, 64}) {
    ok &= Save(DrawIcon(size), assets.filePath(QStringLiteral("icons/sumwick-%1.png").arg(size)));
  }
  WriteSvg(assets.filePath(QStringLiteral("icons/sumwick.svg")));
  for (int k = 0; k < 4; ++k) {
    ok &= Save(GradeOnePicture(k), assets.filePath(QStringLiteral("pictures/grade1_%1.png").arg(k)));
  }
  for (int k = 0; k < 9; ++k) {
    ok &= Save(GradeTwoPicture(k), assets.filePath(QStringLiteral("pictures/grade2_%1.png").arg(k)));
  }
  ok &= Save(SplitDiagram(), assets.filePath(QStringLiteral("pictures/split_diagram.png")));
  return ok ? 0 : 1;
}
